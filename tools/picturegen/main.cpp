// Writes every picture of the program: the picture folders beside the program (cards/, pic/ and the rest),
// the few pictures compiled into it (its icon), and a manifest of what each file shows. Each picture but
// the pointer is written twice: under the name the program asks for, and as its twin "<name>@2x.<ext>" in
// twice the pixels for dense screens.
//   picturegen <program folder> <resource folder>
// Or writes one sheet of every court card of both decks, at both densities, for looking them over side by
// side:
//   picturegen --court-sheet <file.png>
#include "Art.h"
#include "Pictures.h"
#include "platform/PictureFiles.h"
#include "tarot/CardTable.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/SpreadLayouts.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QSaveFile>
#include <QTextStream>
#include <array>
#include <cstdio>

using namespace picturegen;

namespace {

struct Writer {
    QString folders; // beside the program, installed into its data folder
    QString resources; // compiled in under :/pictures: what is needed before a data folder is found
    QStringList manifest;
    bool ok = true;

    void Save(const QImage& img, const QString& path)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        const bool png = path.endsWith(QLatin1String(".png"));
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly) || !img.save(&f, png ? "PNG" : "JPG", png ? -1 : 90) || !f.commit()) {
            std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    // A picture and its twin, each drawn at its scale by draw(scale).
    template <class Draw> void Twins(const Draw& draw, const QString& path)
    {
        Save(draw(1), path);
        Save(draw(2), platform::TwinFile(path));
    }
    template <class Draw>
    void Folder(const Draw& draw, const QString& rel, const QString& kind, const QString& id, const QString& text)
    {
        Twins(draw, folders + QLatin1Char('/') + rel);
        Note(rel, kind, id, text);
    }
    template <class Draw>
    void Resource(const Draw& draw, const QString& rel, const QString& kind, const QString& id, const QString& text)
    {
        Twins(draw, resources + QLatin1Char('/') + rel);
        Note(QStringLiteral(":/pictures/") + rel, kind, id, text);
    }
    void Note(const QString& file, const QString& kind, const QString& id, const QString& text)
    {
        manifest << file + QLatin1Char('\t') + kind + QLatin1Char('\t') + id + QLatin1Char('\t') + text;
    }
};

QString RectText(const QRect& r)
{
    return QStringLiteral("%1,%2,%3,%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// The court cards in rows by suit, Page, Knight, Queen and King across, one deck beside the other: first
// the pictures as named, then their twins, each twin pixel for pixel.
QImage CourtSheet()
{
    static const std::array<const char*, 2> deckNames = {"Orlund Teague deck", "Marseilles deck"};
    constexpr int Gap = 8, Label = 26;
    const auto block = [&](int scale) {
        return QSize(2 * 4 * (CardWidth + Gap) * scale + Gap * 3, Label + 4 * (CardHeight + Gap) * scale);
    };
    const QSize one = block(1), two = block(2);
    QImage sheet(std::max(one.width(), two.width()), one.height() + two.height() + Gap, QImage::Format_RGB32);
    sheet.fill(QColor(96, 96, 100));
    QPainter p(&sheet);
    p.setFont(PixelFont(QStringLiteral("DejaVu Sans"), 16, true));
    p.setPen(Qt::white);
    int top = 0;
    for (int scale : {1, 2}) {
        for (int d = 0; d < 2; ++d) {
            const int left = Gap + d * (4 * (CardWidth + Gap) * scale + Gap * 2);
            p.drawText(QRect(left, top, 4 * (CardWidth + Gap) * scale, Label), Qt::AlignLeft | Qt::AlignVCenter,
                       QStringLiteral("%1, %2x").arg(QLatin1String(deckNames[d])).arg(scale));
            for (int suit = 0; suit < 4; ++suit)
                for (int rank = 0; rank < 4; ++rank) {
                    // The courts are numbered King, Knight, Page, Queen, each rank its four suits.
                    constexpr std::array<int, 4> firstOfRank = {69, 65, 73, 61};
                    const int n = firstOfRank[static_cast<size_t>(rank)] + suit;
                    QImage card =
                        DrawCardFace(d == 0 ? Deck::Orlund : Deck::Marseilles, n, CardWidth, CardHeight, scale);
                    card.setDevicePixelRatio(1);
                    p.drawImage(QPoint(left + rank * (CardWidth + Gap) * scale,
                                       top + Label + suit * (CardHeight + Gap) * scale),
                                card);
                }
        }
        top += block(scale).height() + Gap;
    }
    p.end();
    return sheet;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc == 3 && QByteArrayView(argv[1]) == "--court-sheet") {
        const QString path = QString::fromLocal8Bit(argv[2]);
        Writer w;
        w.Save(CourtSheet(), path);
        return w.ok ? 0 : 1;
    }
    if (argc != 3) {
        std::fprintf(stderr, "usage: picturegen <program folder> <resource folder>\n"
                             "       picturegen --court-sheet <file.png>\n");
        return 2;
    }
    Writer w{QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), {}};
    w.manifest << QStringLiteral("# file\tkind\tid\twhat it shows");

    // Card faces of both decks, named by deck letter and card number.
    // A court card notes a point of its figure's robe.
    for (const auto& [deck, letter] : {std::pair{Deck::Orlund, 'o'}, std::pair{Deck::Marseilles, 'm'}})
        for (int n = 0; n < tarot::CardCount; ++n) {
            const QString rel = QStringLiteral("cards/%1%2.jpg").arg(QLatin1Char(letter)).arg(n);
            CourtFigure court;
            w.Folder([&](int s) { return DrawCardFace(deck, n, CardWidth, CardHeight, s, s == 1 ? &court : nullptr); },
                     rel, QStringLiteral("card"), QString::number(n), tarot::CardTitle(n));
            if (court.robe.x() >= 0)
                w.Note(rel, QStringLiteral("robe"), QString::number(n),
                       QStringLiteral("%1,%2").arg(court.robe.x()).arg(court.robe.y()));
        }

    // Spread pictures, with the card rectangles drawn in each.
    for (int k = 0; k < tarot::SpreadCount; ++k) {
        QList<QRect> rects;
        const QString rel = QStringLiteral("pic/c%1.jpg").arg(k);
        w.Folder([&](int s) { return DrawSpreadPicture(k, s == 1 ? &rects : nullptr, s); }, rel, QStringLiteral("spread"), QString::number(k),
                 tarot::catalogue::SpreadText(k));
        for (int i = 0; i < rects.size(); ++i)
            w.Note(rel, QStringLiteral("place"), QString::number(i), RectText(rects[i]));
    }

    w.Folder([](int s) { return DrawCardBack(CardWidth, CardHeight, s); }, QStringLiteral("cards/placeholder.jpg"),
             QStringLiteral("back"), QStringLiteral("0"), QStringLiteral("Placeholder card"));
    w.Folder([](int s) { return DrawCardBack(32, 54, s); }, QStringLiteral("cards/back.jpg"), QStringLiteral("back"),
             QStringLiteral("0"), QStringLiteral("Card back"));
    w.Folder([](int s) { return DrawTitlePicture(s); }, QStringLiteral("tarot/title.jpg"), QStringLiteral("title"),
             QStringLiteral("0"), QStringLiteral("Tarot title"));
    w.Folder([](int s) { return DrawFrontPicture(s); }, QStringLiteral("tarot/front.jpg"), QStringLiteral("decoration"),
             QStringLiteral("0"), QStringLiteral("Querent screen"));

    static const std::array<const char*, RuneSetCount> setFolders = {"gold", "ice", "jade", "spirit", "stone"};
    for (int t = 0; t < RuneSetCount; ++t)
        for (int n = 1; n <= RuneCount; ++n)
            w.Folder([&](int s) { return DrawStone(t, n, 0xffffffff, s); },
                     QStringLiteral("stones/%1/%2.jpg").arg(QLatin1String(setFolders[t])).arg(n),
                     QStringLiteral("stone"), QString::number(n), QString::fromLatin1(Glyph(n).name));
    w.Folder([](int s) { return DrawBlankPlace(s); }, QStringLiteral("stones/blank-place.jpg"), QStringLiteral("blank"),
             QStringLiteral("0"), QStringLiteral("Empty place"));
    for (int n = 1; n <= RuneCount; ++n) {
        const QRect ink = GlyphInkBounds(n);
        w.Note(QStringLiteral("-"), QStringLiteral("glyph"), QString::number(n),
               QStringLiteral("%1;%2;%3")
                   .arg(QLatin1String(Glyph(n).name))
                   .arg(Glyph(n).strokes.size())
                   .arg(ink.isNull() ? QStringLiteral("none") : RectText(ink)));
    }

    // The runic tarot spells some runes with a final z.
    static const std::array<std::pair<int, const char*>, 12> signStones = {
        {{8, "Fehu"}, {24, "Uruz"}, {6, "Ehwaz"}, {1, "Algiz"}, {25, "Wunjo"}, {3, "Berkano"}, {23, "Tiwaz"},
         {7, "Eihwaz"}, {20, "Raidho"}, {17, "Nauthiz"}, {10, "Hagalaz"}, {9, "Gebo"}}};
    for (size_t i = 0; i < signStones.size(); ++i)
        w.Folder([&](int s) { return DrawSignStone(signStones[i].first, s); },
                 QStringLiteral("runictarot/signstone-%1.jpg").arg(i + 1), QStringLiteral("stone"),
                 QString::number(signStones[i].first), QLatin1String(signStones[i].second));
    static const std::array<std::pair<int, const char*>, 7> planetStones = {
        {{2, "Ansuz"}, {12, "Isa"}, {13, "Jera"}, {16, "Mannaz"}, {19, "Perthro"}, {22, "Thurisaz"}, {BlankStone, "Blank"}}};
    for (size_t i = 0; i < planetStones.size(); ++i)
        w.Folder([&](int s) { return DrawSignStone(planetStones[i].first, s); },
                 QStringLiteral("runictarot/planetstone-%1.jpg").arg(i + 1), QStringLiteral("stone"),
                 QString::number(planetStones[i].first), QLatin1String(planetStones[i].second));
    static const std::array<int, 17> runicCards = {7, 8, 9, 10, 11, 12, 13, 3, 14, 15, 16, 17, 4, 18, 19, 21, 20};
    for (size_t i = 0; i < runicCards.size(); ++i)
        w.Folder([&](int s) { return DrawCardFace(Deck::Orlund, runicCards[i], RunicCardWidth, CardHeight, s); },
                 QStringLiteral("runictarot/card-%1.jpg").arg(i + 1), QStringLiteral("card"),
                 QString::number(runicCards[i]), tarot::CardTitle(runicCards[i]));

    static const std::array<const char*, RuneSpreadCount> runeSpreads = {"Cross", "Diamond", "Fork", "Norn", "Single"};
    for (int i = 0; i < RuneSetCount; ++i)
        w.Folder([&](int s) { return DrawSetChoice(i, s); }, QStringLiteral("runes/set-%1.jpg").arg(i),
                 QStringLiteral("set"), QString::number(i), RuneSetName(i));
    for (int i = 0; i < RuneSpreadCount; ++i)
        w.Folder([&](int s) { return DrawRuneSpreadChoice(i, s); }, QStringLiteral("runes/spread-%1.jpg").arg(i),
                 QStringLiteral("runespread"), QString::number(i), QLatin1String(runeSpreads[i]));

    w.Resource([](int s) { return DrawProgramIcon(32, s); }, QStringLiteral("icons/program.png"), QStringLiteral("icon"), QStringLiteral("32"),
               QStringLiteral("Program"));
    for (int size : {16, 48, 256})
        w.Resource([&](int s) { return DrawProgramIcon(size, s); }, QStringLiteral("icons/program-%1.png").arg(size), QStringLiteral("icon"),
                   QString::number(size), QStringLiteral("Program"));
    // The program's icon for the desktop's icon theme, one picture for each size folder of the theme. An
    // installation puts them in place; compiled in, they are every window's icon.
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        w.Save(DrawProgramIcon(size), w.resources + QStringLiteral("/desktop/icon-%1.png").arg(size));
    static const std::array<const char*, 3> tools = {"tarot", "runes", "runic"};
    static const std::array<const char*, 3> toolNames = {"Tarot Reading", "Keldamar", "Runic Tarot"};
    for (int i = 0; i < 3; ++i)
        w.Folder([&](int s) { return DrawToolIcon(i, 32, s); },
                 QStringLiteral("icons/tool-%1.png").arg(QLatin1String(tools[i])), QStringLiteral("icon"),
                 QStringLiteral("32"), QLatin1String(toolNames[i]));
    w.Folder([](int s) { return DrawSidePanel(s); }, QStringLiteral("panels/side-panel.jpg"), QStringLiteral("panel"),
             QStringLiteral("0"), QStringLiteral("Runes side panel"));
    // The pointer alone has no twin: the window system sizes pointers itself (an X server takes a
    // pointer's picture pixel for pixel and draws its own pointers at its own size), so the hand stays the
    // 32 x 32 picture beside the others.
    QPoint hot;
    const QImage hand = DrawHandCursor(&hot);
    w.Save(hand, w.folders + QStringLiteral("/cursor/hand.png"));
    w.Note(QStringLiteral("cursor/hand.png"), QStringLiteral("cursor"),
           QStringLiteral("%1,%2").arg(hot.x()).arg(hot.y()), QStringLiteral("Pointing hand"));

    const QByteArray text = (w.manifest.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    for (const QString& path : {w.folders + QStringLiteral("/picture-manifest.txt")}) {
        QSaveFile f(path);
        if (!f.open(QIODevice::WriteOnly) || f.write(text) != text.size() || !f.commit()) {
            std::fprintf(stderr, "picturegen: cannot write %s\n", qPrintable(path));
            w.ok = false;
        }
    }
    return w.ok ? 0 : 1;
}
