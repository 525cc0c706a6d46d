// Every picture the program asks for: the folders beside the program and the built-in resources.
// They must exist, decode at their sizes, show what the manifest says, and differ from their neighbours.
#include "platform/PictureFiles.h"
#include "tarot/CardTable.h"
#include "tarot/SpreadLayouts.h"

#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QtTest>

namespace {

const QString ProgramDir = QStringLiteral(SELVANTHE_RUNTIME_DIR);
const QStringList SetFolders = {QStringLiteral("gold"), QStringLiteral("ice"), QStringLiteral("jade"),
                                QStringLiteral("spirit"), QStringLiteral("stone")};
// The runes tool's names, in stone-number order.
const QStringList RuneNames = {
    QStringLiteral("Algiz"),  QStringLiteral("Ansuz"),   QStringLiteral("Berkano"), QStringLiteral("Blank"),
    QStringLiteral("Dagaz"),  QStringLiteral("Ehwas"),   QStringLiteral("Eihwas"),  QStringLiteral("Fehu"),
    QStringLiteral("Gebo"),   QStringLiteral("Hagalaz"), QStringLiteral("Ingwaz"),  QStringLiteral("Isa"),
    QStringLiteral("Jera"),   QStringLiteral("Kenaz"),   QStringLiteral("Laguz"),   QStringLiteral("Mannaz"),
    QStringLiteral("Nauthiz"), QStringLiteral("Othala"), QStringLiteral("Perthro"), QStringLiteral("Raidho"),
    QStringLiteral("Sowilo"), QStringLiteral("Thurisaz"), QStringLiteral("Tiwas"),  QStringLiteral("Uruz"),
    QStringLiteral("Wunjo")};

QString Folder(const QString& rel) { return ProgramDir + QLatin1Char('/') + rel; }

struct Entry {
    QString file, kind, id, text;
};

QList<Entry> ReadManifest(const QString& path)
{
    QList<Entry> entries;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return entries;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        const QStringList parts = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (parts.size() == 4)
            entries.append({parts[0], parts[1], parts[2], parts[3]});
    }
    return entries;
}

const QList<Entry>& Manifest()
{
    static const QList<Entry> entries = ReadManifest(Folder(QStringLiteral("picture-manifest.txt")));
    return entries;
}

const Entry* Find(const QString& file, const QString& kind = {})
{
    for (const Entry& e : Manifest())
        if (e.file == file && (kind.isEmpty() || e.kind == kind))
            return &e;
    return nullptr;
}

QImage Load(const QString& path)
{
    QImage img(path);
    return img.isNull() ? img : img.convertToFormat(QImage::Format_RGB32);
}

// Mean absolute difference per channel, 0..255.
double Difference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* pa = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const QRgb* pb = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(qRed(pa[x]) - qRed(pb[x])) + std::abs(qGreen(pa[x]) - qGreen(pb[x])) +
                   std::abs(qBlue(pa[x]) - qBlue(pb[x]));
    }
    return sum / (3.0 * a.width() * a.height());
}

constexpr double ClearlyDifferent = 2.0;

// How much a picture changes from one pixel to the next across, on average per channel: crisp edges
// change at once, enlarged ones spread over several pixels.
double Crispness(const QImage& a)
{
    double sum = 0;
    for (int y = 0; y < a.height(); ++y) {
        const QRgb* p = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        for (int x = 1; x < a.width(); ++x)
            sum += std::abs(qRed(p[x]) - qRed(p[x - 1])) + std::abs(qGreen(p[x]) - qGreen(p[x - 1])) +
                   std::abs(qBlue(p[x]) - qBlue(p[x - 1]));
    }
    return a.width() > 1 ? sum / (3.0 * (a.width() - 1) * a.height()) : 0;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT

private slots:
    void folderPictures_data();
    void folderPictures();
    void windowPictures_data();
    void windowPictures();
    void manifestNamesEveryPicture();
    void identity_data();
    void identity();
    void everyCardAndStoneNamedByItsTable();
    void glyphs();
    void cardFacesDiffer();
    void courtSuitsWearTheirOwnColours();
    void cardCornerStaysLight();
    void stonesDiffer();
    void spreadPicturesDiffer();
    void spreadRectangles();
    void twins();
};

void TestPictures::folderPictures_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QSize>("size");
    for (const char* deck : {"o", "m"}) {
        QStringList files;
        for (int n = 0; n < tarot::CardCount; ++n)
            files << QStringLiteral("cards/%1%2.jpg").arg(QLatin1String(deck)).arg(n);
        QTest::newRow(deck) << files << QSize(144, 250);
    }
    QStringList spreads;
    for (int k = 0; k < tarot::SpreadCount; ++k)
        spreads << QStringLiteral("pic/c%1.jpg").arg(k);
    QTest::newRow("spreads") << spreads << QSize(256, 320);
}

void TestPictures::folderPictures()
{
    QFETCH(QStringList, files);
    QFETCH(QSize, size);
    for (const QString& rel : files) {
        const QImage img = Load(Folder(rel));
        QVERIFY2(!img.isNull(), qPrintable(rel + QStringLiteral(" is missing or does not decode")));
        QVERIFY2(img.size() == size, qPrintable(rel));
    }
}

void TestPictures::windowPictures_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("alpha");
    auto list = [](const QString& pattern, int first, int last) {
        QStringList l;
        for (int i = first; i <= last; ++i)
            l << pattern.arg(i);
        return l;
    };
    for (const QString& set : SetFolders)
        QTest::newRow(qPrintable(QStringLiteral("stones ") + set))
            << list(Folder(QStringLiteral("stones/") + set + QStringLiteral("/%1.jpg")), 1, 25) << QSize(113, 151)
            << false;
    QTest::newRow("blank place") << QStringList {Folder(QStringLiteral("stones/blank-place.jpg"))} << QSize(113, 151)
                                 << false;
    QTest::newRow("sign stones") << list(Folder(QStringLiteral("runictarot/signstone-%1.jpg")), 1, 12)
                                 << QSize(113, 151) << false;
    QTest::newRow("planet stones") << list(Folder(QStringLiteral("runictarot/planetstone-%1.jpg")), 1, 7)
                                   << QSize(113, 151) << false;
    QTest::newRow("runic cards") << list(Folder(QStringLiteral("runictarot/card-%1.jpg")), 1, 17) << QSize(142, 250)
                                 << false;
    QTest::newRow("set and spread choices") << list(Folder(QStringLiteral("runes/set-%1.jpg")), 0, 4) +
                                                   list(Folder(QStringLiteral("runes/spread-%1.jpg")), 0, 4)
                                            << QSize(63, 84) << false;
    QTest::newRow("icons") << QStringList {QStringLiteral(":/pictures/icons/program.png"),
                                           Folder(QStringLiteral("icons/tool-tarot.png")),
                                           Folder(QStringLiteral("icons/tool-runes.png")),
                                           Folder(QStringLiteral("icons/tool-runic.png")),
                                           Folder(QStringLiteral("cursor/hand.png"))}
                           << QSize(32, 32) << true;
    QTest::newRow("icon 16") << QStringList{QStringLiteral(":/pictures/icons/program-16.png")} << QSize(16, 16) << true;
    QTest::newRow("icon 48") << QStringList{QStringLiteral(":/pictures/icons/program-48.png")} << QSize(48, 48) << true;
    QTest::newRow("icon 256") << QStringList{QStringLiteral(":/pictures/icons/program-256.png")} << QSize(256, 256)
                              << true;
    QTest::newRow("title") << QStringList {Folder(QStringLiteral("tarot/title.jpg"))} << QSize(500, 334) << false;
    QTest::newRow("placeholder") << QStringList {Folder(QStringLiteral("cards/placeholder.jpg"))} << QSize(144, 250)
                                 << false;
    QTest::newRow("card back") << QStringList {Folder(QStringLiteral("cards/back.jpg"))} << QSize(32, 54) << false;
}

void TestPictures::windowPictures()
{
    QFETCH(QStringList, files);
    QFETCH(QSize, size);
    QFETCH(bool, alpha);
    for (const QString& path : files) {
        QVERIFY2(QFile::exists(path), qPrintable(path + QStringLiteral(" is missing")));
        const QImage img(path);
        QVERIFY2(!img.isNull(), qPrintable(path));
        QVERIFY2(img.size() == size, qPrintable(path));
        if (alpha) {
            QVERIFY2(img.hasAlphaChannel(), qPrintable(path));
            QCOMPARE(qAlpha(img.pixel(0, 0)), 0); // transparent around the drawing
        }
    }
    // Pictures with no size of their own still have to be there and decode.
    const QImage panel(Folder(QStringLiteral("panels/side-panel.jpg")));
    QCOMPARE(panel.width(), 219);
    QVERIFY(panel.height() >= 600);
    QVERIFY(!QImage(Folder(QStringLiteral("tarot/front.jpg"))).isNull());
}

// The manifest beside the program names every picture the folders hold and every one compiled in, and
// each picture it names is there: a test that looks a picture up in it looks at what the program reads.
void TestPictures::manifestNamesEveryPicture()
{
    QStringList named;
    for (const Entry& e : Manifest())
        if (e.file != QLatin1String("-") && !named.contains(e.file))
            named << e.file;
    QVERIFY(named.size() > 300);
    QStringList drawn;
    for (const QString& root : {ProgramDir, QStringLiteral(":/pictures")}) {
        QDirIterator it(root, {QStringLiteral("*.jpg"), QStringLiteral("*.png")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            const QString file = root == ProgramDir ? QDir(ProgramDir).relativeFilePath(path) : path;
            // The twins stand beside their pictures; the desktop's icons are the theme's, not the windows'.
            if (!file.contains(QLatin1String("@2x.")) && !file.startsWith(QLatin1String(":/pictures/desktop/")))
                drawn << file;
        }
    }
    drawn.sort();
    named.sort();
    QCOMPARE(drawn, named);
}

void TestPictures::identity_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("text");
    for (const char* d : {"o", "m"}) {
        const QString deck = QLatin1String(d);
        auto row = [&](int n, const char* title) {
            QTest::newRow(qPrintable(deck + QString::number(n)))
                << QStringLiteral("cards/%1%2.jpg").arg(deck).arg(n) << QString::number(n) << QString::fromLatin1(title);
        };
        row(0, "Death");
        row(6, "The Fool");
        row(21, "Wheel Fortune");
        row(22, "Two of Cups");
        row(25, "Three of Cups");
        row(76, "Queen of Wands");
        row(77, "Two of Pentacles");
    }
    QTest::newRow("runic card 5") << QStringLiteral("runictarot/card-5.jpg") << QStringLiteral("11")
                                  << QStringLiteral("The Hanged Man");
    QTest::newRow("runic card 16") << QStringLiteral("runictarot/card-16.jpg") << QStringLiteral("21")
                                   << QStringLiteral("Wheel Fortune");
    QTest::newRow("sign stone 1") << QStringLiteral("runictarot/signstone-1.jpg") << QStringLiteral("8")
                                  << QStringLiteral("Fehu");
    QTest::newRow("sign stone 3") << QStringLiteral("runictarot/signstone-3.jpg") << QStringLiteral("6")
                                  << QStringLiteral("Ehwaz");
    QTest::newRow("planet stone 6") << QStringLiteral("runictarot/planetstone-6.jpg") << QStringLiteral("22")
                                    << QStringLiteral("Thurisaz");
    QTest::newRow("planet stone 7") << QStringLiteral("runictarot/planetstone-7.jpg") << QStringLiteral("4")
                                    << QStringLiteral("Blank");
    QTest::newRow("set 2") << QStringLiteral("runes/set-2.jpg") << QStringLiteral("2") << QStringLiteral("Jade");
    QTest::newRow("rune spread 3") << QStringLiteral("runes/spread-3.jpg") << QStringLiteral("3")
                                   << QStringLiteral("Norn");
    QTest::newRow("spread 9") << QStringLiteral("pic/c9.jpg") << QStringLiteral("9")
                              << QStringLiteral("The Romany/ Gypsy Spread");
}

void TestPictures::identity()
{
    QFETCH(QString, file);
    QFETCH(QString, id);
    QFETCH(QString, text);
    const Entry* e = Find(file);
    QVERIFY2(e, qPrintable(file + QStringLiteral(" is not in the manifest")));
    QCOMPARE(e->id, id);
    QCOMPARE(e->text, text);
}

void TestPictures::everyCardAndStoneNamedByItsTable()
{
    for (const char* deck : {"o", "m"})
        for (int n = 0; n < tarot::CardCount; ++n) {
            const Entry* e = Find(QStringLiteral("cards/%1%2.jpg").arg(QLatin1String(deck)).arg(n));
            QVERIFY(e);
            QCOMPARE(e->text, tarot::CardTitle(n));
        }
    // Image n of a set is the stone with StoneNumber n, whose name is text n - 1.
    for (const QString& set : SetFolders)
        for (int n = 1; n <= 25; ++n) {
            const Entry* e = Find(QStringLiteral("stones/%1/%2.jpg").arg(set).arg(n));
            QVERIFY(e);
            QCOMPARE(e->id, QString::number(n));
            QCOMPARE(e->text, RuneNames[n - 1]);
        }
}

void TestPictures::glyphs()
{
    QList<const Entry*> glyphs;
    for (const Entry& e : Manifest())
        if (e.kind == QLatin1String("glyph"))
            glyphs.append(&e);
    QCOMPARE(glyphs.size(), 25);
    for (int i = 0; i < 25; ++i) {
        const QStringList parts = glyphs[i]->text.split(QLatin1Char(';'));
        QCOMPARE(parts.size(), 3);
        QCOMPARE(glyphs[i]->id, QString::number(i + 1));
        QCOMPARE(parts[0], RuneNames[i]);
        if (RuneNames[i] == QLatin1String("Blank")) {
            QCOMPARE(parts[1], QStringLiteral("0"));
            QCOMPARE(parts[2], QStringLiteral("none"));
            continue;
        }
        QVERIFY(parts[1].toInt() > 0);
        // The stone's labels start at y 114; upright and mirrored glyphs must both clear them.
        const QStringList r = parts[2].split(QLatin1Char(','));
        QCOMPARE(r.size(), 4);
        const int top = r[1].toInt(), bottom = r[1].toInt() + r[3].toInt() - 1;
        QVERIFY2(top >= 37 && bottom <= 113, qPrintable(RuneNames[i] + QLatin1Char(' ') + parts[2]));
        QVERIFY2(151 - 1 - bottom >= 37 && 151 - 1 - top <= 113, qPrintable(RuneNames[i]));
    }
}

void TestPictures::cardFacesDiffer()
{
    for (int n = 0; n < tarot::CardCount; ++n) {
        const QImage o = Load(Folder(QStringLiteral("cards/o%1.jpg").arg(n)));
        const QImage m = Load(Folder(QStringLiteral("cards/m%1.jpg").arg(n)));
        const int next = (n + 1) % tarot::CardCount;
        const QString label = QStringLiteral("card %1").arg(n);
        QVERIFY2(Difference(o, m) > ClearlyDifferent, qPrintable(label + QStringLiteral(": o and m alike")));
        QVERIFY2(Difference(o, Load(Folder(QStringLiteral("cards/o%1.jpg").arg(next)))) > ClearlyDifferent,
                 qPrintable(label + QStringLiteral(": o like its neighbour")));
        QVERIFY2(Difference(m, Load(Folder(QStringLiteral("cards/m%1.jpg").arg(next)))) > ClearlyDifferent,
                 qPrintable(label + QStringLiteral(": m like its neighbour")));
        // A reversed card is shown turned: the turn has to show.
        QVERIFY2(Difference(o, o.mirrored(true, true)) > ClearlyDifferent, qPrintable(label));
        QVERIFY2(Difference(m, m.mirrored(true, true)) > ClearlyDifferent, qPrintable(label));
    }
    const QImage placeholder = Load(Folder(QStringLiteral("cards/placeholder.jpg")));
    for (const char* face : {"cards/o5.jpg", "cards/m5.jpg"})
        QVERIFY(Difference(placeholder, Load(Folder(QLatin1String(face)))) > ClearlyDifferent);
}

// The four courts of a rank, side by side, tell their suits apart by colour at a glance: in each deck the
// robes of the four suits (the Knight's horse cloth) are four colours.
void TestPictures::courtSuitsWearTheirOwnColours()
{
    const QStringList suits = {QStringLiteral("Cups"), QStringLiteral("Pentacles"), QStringLiteral("Swords"),
                               QStringLiteral("Wands")};
    for (const char* deck : {"o", "m"}) {
        for (int rank = 0; rank < 4; ++rank) { // King, Knight, Page, Queen: four numbers in a row from 61
            QList<QColor> robes;
            for (int suit = 0; suit < 4; ++suit) {
                const int n = 61 + 4 * rank + suit;
                const QString file = QStringLiteral("cards/%1%2.jpg").arg(QLatin1String(deck)).arg(n);
                QVERIFY2(tarot::CardTitle(n).endsWith(suits[suit]), qPrintable(file));
                const Entry* robe = Find(file, QStringLiteral("robe"));
                QVERIFY2(robe, qPrintable(file + QStringLiteral(" names no robe")));
                const QStringList at = robe->text.split(QLatin1Char(','));
                const QImage img = Load(Folder(file));
                QVERIFY2(at.size() == 2 && img.rect().contains(at[0].toInt(), at[1].toInt()), qPrintable(file));
                robes << img.pixelColor(at[0].toInt(), at[1].toInt());
            }
            for (int i = 0; i < 4; ++i)
                for (int j = i + 1; j < 4; ++j) {
                    const QColor a = robes[i], b = robes[j];
                    const double apart = std::hypot(a.red() - b.red(), a.green() - b.green(), a.blue() - b.blue());
                    QVERIFY2(apart > 50, qPrintable(QStringLiteral("%1: %2 and %3 of rank %4 wear %5 and %6")
                                                        .arg(QLatin1String(deck), suits[i], suits[j])
                                                        .arg(61 + 4 * rank)
                                                        .arg(a.name(), b.name())));
                }
        }
    }
}

void TestPictures::cardCornerStaysLight()
{
    // The card-layout window prints the position number in magenta over the top-left 41 x 33 pixels.
    QStringList files;
    for (const char* deck : {"o", "m"})
        for (int n = 0; n < tarot::CardCount; ++n)
            files << Folder(QStringLiteral("cards/%1%2.jpg").arg(QLatin1String(deck)).arg(n));
    for (int i = 1; i <= 17; ++i)
        files << Folder(QStringLiteral("runictarot/card-%1.jpg")).arg(i);
    for (const QString& path : files) {
        const QImage img = Load(path);
        QVERIFY(!img.isNull());
        double lightness = 0;
        for (int y = 0; y < 33; ++y)
            for (int x = 0; x < 41; ++x) {
                const QColor c = img.pixelColor(x, y);
                const bool magentaLike = c.red() > 150 && c.blue() > 150 && c.green() < 110;
                QVERIFY2(!magentaLike, qPrintable(path));
                lightness += c.lightness();
            }
        QVERIFY2(lightness / (41 * 33) > 170, qPrintable(path + QStringLiteral(": corner too dark")));
    }
}

void TestPictures::stonesDiffer()
{
    // Stones that can lie reversed are mirrored top to bottom; the mirror has to show, even for the
    // runes whose glyph is symmetric that way.
    const QList<int> canLieReversed = {1, 2, 3, 6, 7, 8, 14, 15, 16, 17, 18, 19, 20, 22, 23, 24, 25};
    for (const QString& set : SetFolders) {
        for (int n = 1; n <= 25; ++n) {
            const QImage stone = Load(Folder(QStringLiteral("stones/%1/%2.jpg")).arg(set).arg(n));
            const QString label = set + QLatin1Char(' ') + QString::number(n);
            if (n < 25)
                QVERIFY2(Difference(stone, Load(Folder(QStringLiteral("stones/%1/%2.jpg")).arg(set).arg(n + 1))) >
                             ClearlyDifferent,
                         qPrintable(label));
            if (canLieReversed.contains(n))
                QVERIFY2(Difference(stone, stone.mirrored(false, true)) > ClearlyDifferent, qPrintable(label));
        }
    }
    // The same stone differs from set to set.
    for (int t = 0; t + 1 < SetFolders.size(); ++t)
        QVERIFY(Difference(Load(Folder(QStringLiteral("stones/%1/8.jpg")).arg(SetFolders[t])),
                           Load(Folder(QStringLiteral("stones/%1/8.jpg")).arg(SetFolders[t + 1]))) > ClearlyDifferent);
    // The empty place is plain white.
    const QImage blank = Load(Folder(QStringLiteral("stones/blank-place.jpg")));
    for (int y = 0; y < blank.height(); y += 10)
        for (int x = 0; x < blank.width(); x += 10)
            QVERIFY(QColor(blank.pixel(x, y)).lightness() > 250);
}

void TestPictures::spreadPicturesDiffer()
{
    for (int k = 0; k + 1 < tarot::SpreadCount; ++k)
        QVERIFY2(Difference(Load(Folder(QStringLiteral("pic/c%1.jpg").arg(k))),
                            Load(Folder(QStringLiteral("pic/c%1.jpg").arg(k + 1)))) > ClearlyDifferent,
                 qPrintable(QString::number(k)));
    for (int i = 0; i + 1 < 5; ++i)
        QVERIFY(Difference(Load(Folder(QStringLiteral("runes/spread-%1.jpg")).arg(i)),
                           Load(Folder(QStringLiteral("runes/spread-%1.jpg")).arg(i + 1))) > 1.0);
}

void TestPictures::spreadRectangles()
{
    for (int k = 0; k < tarot::SpreadCount; ++k) {
        const QString file = QStringLiteral("pic/c%1.jpg").arg(k);
        QList<QRect> rects;
        for (const Entry& e : Manifest())
            if (e.file == file && e.kind == QLatin1String("place")) {
                const QStringList r = e.text.split(QLatin1Char(','));
                QCOMPARE(e.id, QString::number(rects.size()));
                rects.append(QRect(r[0].toInt(), r[1].toInt(), r[2].toInt(), r[3].toInt()));
            }
        const QList<tarot::CardPlace>& layout = tarot::SpreadLayout(k);
        QCOMPARE(rects.size(), layout.size());
        const QImage img = Load(Folder(file));
        for (int i = 0; i < rects.size(); ++i) {
            QVERIFY2(img.rect().contains(rects[i]), qPrintable(file));
            for (int j = i + 1; j < rects.size(); ++j)
                QVERIFY2(rects[i].intersects(rects[j]) == (k == tarot::CelticCrossSpread && i == 0 && j == 1),
                         qPrintable(QStringLiteral("%1: %2 and %3").arg(file).arg(i).arg(j)));
            // The card, not the cloth, is drawn there: the backs are violet, the cloth green.
            const QColor c = img.pixelColor(rects[i].center().x(), rects[i].top() + rects[i].height() / 7);
            QVERIFY2(c.blue() > c.green(), qPrintable(QStringLiteral("%1 place %2").arg(file).arg(i)));
        }
        // The drawing follows the table: one scale, one offset, for every card.
        const bool crossing = k == tarot::CelticCrossSpread;
        if (rects.size() > 1) {
            // Scale from the two places farthest apart, then every other place must agree with it.
            int far = 1;
            auto span = [&](int i) {
                return std::max(std::abs(layout[i].left - layout[0].left), std::abs(layout[i].top - layout[0].top));
            };
            for (int i = 2; i < rects.size(); ++i)
                if (span(i) > span(far))
                    far = i;
            const bool alongX = std::abs(layout[far].left - layout[0].left) >= std::abs(layout[far].top - layout[0].top);
            const double scale = alongX ? double(rects[far].left() - rects[0].left()) / (layout[far].left - layout[0].left)
                                        : double(rects[far].top() - rects[0].top()) / (layout[far].top - layout[0].top);
            QVERIFY(scale > 0);
            for (int i = 1; i < rects.size(); ++i) {
                const double dx = (layout[i].left - layout[0].left) * scale;
                const double dy = (layout[i].top - layout[0].top) * scale;
                const QPoint d = rects[i].topLeft() - rects[0].topLeft();
                QVERIFY2(std::abs(d.x() - dx) <= 2 && std::abs(d.y() - dy) <= 2,
                         qPrintable(QStringLiteral("%1 place %2").arg(file).arg(i)));
                if (!(crossing && i == 1))
                    QVERIFY(std::abs(rects[i].width() - rects[0].width()) <= 1);
            }
        }
        if (crossing)
            QVERIFY(rects[1].width() > rects[1].height());
    }
}

// Every picture but the pointer has a twin for dense screens: twice the pixels each way; the same picture
// (made smaller again, it is nearer to its own picture than to the one before it of that size); and drawn
// afresh rather than enlarged (its edges are crisper than an enlargement's).
void TestPictures::twins()
{
    QStringList seen;
    QHash<QSize, QImage> lastOfSize;  // the picture seen last of each size
    for (const Entry& e : Manifest()) {
        if (e.file == QLatin1String("-") || seen.contains(e.file))
            continue;
        seen << e.file;
        const QString path = e.file.startsWith(QLatin1Char(':')) ? e.file : Folder(e.file);
        const QString twinPath = platform::TwinFile(path);
        if (e.kind == QLatin1String("cursor")) {
            QVERIFY2(!QFile::exists(twinPath), qPrintable(twinPath));
            continue;
        }
        const QImage picture = Load(path);
        const QImage twin = Load(twinPath);
        QVERIFY2(!twin.isNull(), qPrintable(twinPath + QStringLiteral(" is missing or does not decode")));
        QVERIFY2(twin.size() == picture.size() * 2, qPrintable(twinPath));

        const QImage smaller = twin.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double same = Difference(smaller, picture);
        QVERIFY2(same < 16, qPrintable(QStringLiteral("%1 differs from its picture by %2").arg(twinPath).arg(same)));
        const QImage before = lastOfSize.value(picture.size());
        if (!before.isNull() && Difference(before, picture) > ClearlyDifferent) {
            const double other = Difference(smaller, before);
            QVERIFY2(same < other, qPrintable(QStringLiteral("%1 is nearer the picture before it (%2) than its own (%3)")
                                                  .arg(twinPath).arg(other).arg(same)));
        }
        lastOfSize.insert(picture.size(), picture);

        // Pictures with an edge anywhere, in the photographic format: icons are judged by their size alone,
        // their transparent surroundings would dominate.
        const QImage enlarged = picture.scaled(twin.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        if (path.endsWith(QLatin1String(".jpg")) && Crispness(picture) > 0.5)
            QVERIFY2(Crispness(twin) > 1.15 * Crispness(enlarged),
                     qPrintable(QStringLiteral("%1 is no crisper than its picture enlarged (%2 against %3)")
                                    .arg(twinPath)
                                    .arg(Crispness(twin))
                                    .arg(Crispness(enlarged))));
    }
    QVERIFY(seen.size() > 300);
}

QTEST_MAIN(TestPictures)
#include "tst_pictures.moc"
