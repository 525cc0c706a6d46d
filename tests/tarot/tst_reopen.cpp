// Reopening a saved tarot reading from the querent screen: the round trip through Save and Open, what is
// refused and left untouched, the layouts chosen by the count alone, and how the reopened cards lie.
#include "Roads.h"
#include "FindControl.h"
#include "CardFixture.h"
#include "ScreenCheck.h"
#include "TarotRoad.h"

#include "platform/PictureBox.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "shell/Codec.h"
#include "shell/Quit.h"
#include "tarot/CardTable.h"
#include "tarot/PositionTexts.h"
#include "tarot/ReadingFile.h"
#include "tarot/frmAuto.h"
#include "tarot/modInfo.h"

#include "SpecialFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPainter>
#include <QPointer>

using testing::seams;
using tarot::frmAuto;

namespace {

// Fixture cards 147 x 250 (see CardFixture.h).
const testing::CardFixture kFixture(147);
const int W = kFixture.W, H = kFixture.H;
using testing::Facing;
using testing::Seen;
QImage fixtureCard(int n) { return kFixture.card(n); }
Seen seenOn(platform::PictureBox* place) { return kFixture.seenOn(place); }

// A file as the encoder writes it, one line per entry.
QByteArray fileOf(const QStringList& lines)
{
    QByteArray out;
    for (const QString& l : lines)
        out += shell::EncodeString(shell::toAnsi(l)) + "\r\n";
    return out;
}

QStringList readingLines(const QString& spread, const QString& deck, const QList<int>& cards,
                         const QList<int>& reversed = {})
{
    QStringList lines = {QStringLiteral("s") + spread, QStringLiteral("d") + deck};
    for (int c : cards)
        lines << QStringLiteral("c%1").arg(c);
    for (int r : reversed)
        lines << QStringLiteral("r%1").arg(r);
    return lines;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Everything of the shared state that an Open may write.
struct StateView {
    QString deck, openedSpread, spread;
    bool openedCards, openedReversedCards, drawnCards;
    std::vector<std::int32_t> opened, openedReversed, drawn;
    bool autoCast, manual, minor, major, reversed, manualMode, flag;
    bool shownComplete;
    QString shownSpread, shownDeck;
    QList<std::int32_t> shownCards, shownReversed;
    friend bool operator==(const StateView&, const StateView&) = default;

    static StateView now()
    {
        const tarot::TarotState& s = tarot::State();
        StateView v;
        v.deck = s.DeckLetter;
        v.openedSpread = s.OpenedSpreadName;
        v.spread = s.TarotSpreadName;
        v.openedCards = s.OpenedCards.HasStorage();
        v.openedReversedCards = s.OpenedReversedCards.HasStorage();
        v.drawnCards = s.DrawnCards.HasStorage();
        v.opened = s.OpenedCards.items();
        v.openedReversed = s.OpenedReversedCards.items();
        v.drawn = s.DrawnCards.items();
        v.autoCast = s.AutoCastChosen;
        v.manual = s.ManualChosen;
        v.minor = s.MinorArcanaOnly;
        v.major = s.MajorArcanaOnly;
        v.reversed = s.AllowReversed;
        v.manualMode = s.ManualMode;
        v.flag = s.ReadingOpenedFromFile;
        v.shownComplete = s.Shown.complete;
        v.shownSpread = s.Shown.spreadName;
        v.shownDeck = s.Shown.deckLetter;
        v.shownCards = s.Shown.cards;
        v.shownReversed = s.Shown.reversed;
        return v;
    }
};

// What the card-layout window shows: each place's visibility, spot and picture.
struct PlacesView {
    QList<bool> shown;
    QList<QPoint> spots;
    QList<QImage> pictures;
    friend bool operator==(const PlacesView&, const PlacesView&) = default;

    static PlacesView of(frmAuto* w)
    {
        PlacesView v;
        if (!w)
            return v;
        for (platform::PictureBox* place : testing::controls<platform::PictureBox>(w, "p")) {
            v.shown << !place->isHidden();
            v.spots << QPoint(int(platform::leftTw(place)), int(platform::topTw(place)));
            v.pictures << place->shown().toImage().convertToFormat(QImage::Format_RGB32);
        }
        return v;
    }
};

const QList<QPoint> kThreeCardPlaces = {{2200, 2500}, {4400, 2500}, {6600, 2500}};

} // namespace

class TestReopen : public QObject {
    Q_OBJECT
    QTemporaryDir folder;  // the program folder: cards/ with both decks, pic/
    QTemporaryDir files;   // where the readings are saved and crafted
    testing::TarotRoad road;
    shell::frmMDI* mdi = nullptr;
    tarot::frmTarotFront* front = nullptr;

    QString path(const QString& name) const { return files.filePath(name); }

    // The querent screen, reached as the user reaches it, with the real card-layout window behind it.
    void reachQuerentScreen()
    {
        road.start();
        tarot::RegisterTarotForms();
        platform::setAppPath(folder.path());
        // Wide enough that centring the card-layout window cannot be mistaken for moving it to the left.
        testing::UseScreen(QSize(1920, 1200));
        front = road.querent();
        QVERIFY(front);
        mdi = shell::MDI();
        QVERIFY(mdi);
        QVERIFY(mdi->ScaleWidth() > frmAuto::kClientWidth + 4000);
    }

    // A deal as the set-up screen hands it over, in a fresh card-layout window.
    frmAuto* deal(const QString& spread, int count, int dealNumber, const QString& deck, const QList<double>& values)
    {
        tarot::TarotState& s = tarot::State();
        s.ResetForSetUp();
        s.TarotSpreadName = spread;
        s.SpreadCardCount = count;
        s.MinorArcanaOnly = dealNumber == 2 || dealNumber == 5;
        s.MajorArcanaOnly = dealNumber == 3 || dealNumber == 6;
        s.AllowReversed = dealNumber >= 4;
        s.AutoCastChosen = true;
        s.DeckLetter = deck;
        seams().random->values.clear();
        seams().random->enqueue(values);
        platform::Forms::Unload(QString::fromLatin1(frmAuto::kFormName));
        frmAuto* w = platform::Forms::Get<frmAuto>();
        if (w)
            w->Show();
        seams().random->values.clear();
        return w;
    }

    bool save(const QString& file)
    {
        seams().files->answers.enqueue(file);
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        return QFile::exists(file);
    }

    // A click on a button of the querent screen, which the card-layout window of an earlier reading
    // covers: that window is minimised first, as a user gets it out of the way.
    bool useQuerentScreen(QWidget* button)
    {
        if (!testing::uncover(button))
            return false;
        testing::click(button);
        return true;
    }

    frmAuto* open(const QString& file)
    {
        seams().files->answers.enqueue(file);
        if (!useQuerentScreen(testing::control<QPushButton>(front, "cmdOpen")))
            return nullptr;
        return platform::Forms::Peek<frmAuto>();
    }

    frmAuto* openBytes(const QByteArray& bytes, const QString& name = QStringLiteral("crafted.slv"))
    {
        if (!writeFile(path(name), bytes))
            return nullptr;
        return open(path(name));
    }

    QString readingOf(const QString& spread, const QList<int>& cards, const QList<int>& reversed)
    {
        tarot::CardList cardList, reversedList;
        for (int c : cards)
            cardList.Append(c);
        cardList.Append(0);
        for (int r : reversed)
            reversedList.Append(r);
        platform::RichTextBox box;
        tarot::RichTextBoxSink sink(&box);
        tarot::WriteSpreadHeader(sink, spread);
        tarot::WriteCardReadings(sink, cardList, reversedList);
        return box.Text();
    }

    static QString headerOf(const QString& spread)
    {
        platform::RichTextBox box;
        tarot::RichTextBoxSink sink(&box);
        tarot::WriteSpreadHeader(sink, spread);
        return box.Text();
    }

    // After every Open that showed a reading: the caret at the end, the window centred in the work area
    // left of the pane and as tall as that area,
    // the pane and an empty querent bar on view, the querent screen still open behind.
    void checkOpenedWindow(frmAuto* w)
    {
        QVERIFY(w);
        QVERIFY(!tarot::State().ReadingOpenedFromFile);
        QCOMPARE(testing::readingPane()->SelStart(), testing::readingPane()->TextLength());
        QCOMPARE(w->Top(), 0.0);
        // Centred across the work area, to the nearest pixel.
        QCOMPARE(w->frame()->x(), std::max(0, qRound((testing::control<QMdiArea>(mdi, "mdiArea")->viewport()->width() -
                                                      w->frame()->width()) /
                                                     2.0)));
        QCOMPARE(w->Height(), mdi->ScaleHeight());
        QVERIFY(!testing::control<QWidget>(mdi, "picRight")->isHidden());
        QVERIFY(!testing::control<QWidget>(mdi, "picTop")->isHidden());
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isHidden());
        for (QLineEdit* box :
             {testing::control<QLineEdit>(mdi, "txtName"), testing::control<QLineEdit>(mdi, "txtDOB"),
              testing::control<QLineEdit>(mdi, "txtCountry"), testing::control<QLineEdit>(mdi, "txtQ")})
            QVERIFY(box->text().isEmpty());
        QVERIFY(testing::TarotRoad::onView(front));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid() && files.isValid());
        QVERIFY(testing::makeFolder(folder.filePath(QStringLiteral("cards"))));
        QVERIFY(testing::makeFolder(folder.filePath(QStringLiteral("pic"))));
        for (int n = 0; n < tarot::CardCount; ++n) {
            const QImage card = fixtureCard(n);
            for (const char* deck : {"o", "m"})
                QVERIFY(card.save(folder.filePath(QStringLiteral("cards/%1%2.jpg").arg(QLatin1String(deck)).arg(n)),
                                  "JPG", 95));
        }
    }

    void init() { reachQuerentScreen(); }
    void cleanup() { road.finish(); }

    // Save, Open, Save: the same bytes, the same text, every card where and as it lay.
    void roundTrip_data()
    {
        QTest::addColumn<QString>("spread");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("dealNumber");
        QTest::addColumn<QString>("deck");
        QTest::addColumn<QList<double>>("values");  // empty: a seeded stream

        // Card 0 at position 0 and upright; every later coin says reversed (the crossing card's is not asked).
        QList<double> celtic;
        for (int c : {0, 14, 27, 33, 41, 50, 60, 70, 76, 77})
            celtic << (c + 0.5) / 78;
        celtic << 0.1;
        for (int i = 0; i < 9; ++i)
            celtic << 0.9;
        QTest::newRow("Celtic Cross, reversed cards, upright card 0") << QStringLiteral("Celtic Cross") << 10 << 4
                                                                      << QStringLiteral("m") << celtic;
        QTest::newRow("Celtic Cross upright") << QStringLiteral("Celtic Cross") << 10 << 1 << QStringLiteral("o")
                                              << QList<double>{};
        QTest::newRow("Three Cards, minor arcana") << QStringLiteral("Three Cards") << 3 << 2 << QStringLiteral("m")
                                                   << QList<double>{};
        QTest::newRow("Tree of Life, major arcana") << QStringLiteral("Tree of Life") << 10 << 3
                                                    << QStringLiteral("o") << QList<double>{};
        QTest::newRow("Zodiac, minor reversed") << QStringLiteral("Zodiac Spread") << 12 << 5 << QStringLiteral("o")
                                                << QList<double>{};
        QTest::newRow("Romany, major reversed") << QStringLiteral("The Romany/ Gypsy Spread") << 21 << 6
                                                << QStringLiteral("m") << QList<double>{};
    }

    void roundTrip()
    {
        QFETCH(QString, spread);
        QFETCH(int, count);
        QFETCH(int, dealNumber);
        QFETCH(QString, deck);
        QFETCH(QList<double>, values);
        if (values.isEmpty())
            values = testing::FakeRandom().script(static_cast<unsigned>(dealNumber * 31 + count), 400);
        frmAuto* dealt = deal(spread, count, dealNumber, deck, values);
        QVERIFY(dealt);
        const tarot::ShownReading original = tarot::State().Shown;
        QVERIFY(original.complete);
        if (dealNumber == 4) {
            QCOMPARE(original.cards.first(), 0);
            QVERIFY(!original.reversed.isEmpty());
            QVERIFY(!original.reversed.contains(0));
        }
        const QString text = testing::readingPane()->Text();
        QList<Seen> seen;
        for (int i = 0; i < count; ++i)
            seen << seenOn(testing::control<platform::PictureBox>(dealt, "p", i));

        const QString first = path(QStringLiteral("first.slv"));
        const QString second = path(QStringLiteral("second.slv"));
        QVERIFY(save(first));
        // A different reading on show in between: what is opened must not be what was left on screen.
        QVERIFY(deal(QStringLiteral("One Card"), 1, 1, QStringLiteral("o"), {0.5}));
        testing::control<QLineEdit>(mdi, "txtName")->setText(QStringLiteral("Earlier Querent"));

        QPointer<frmAuto> w = open(first);
        QVERIFY(w);
        const platform::FileDialogRequest& request = seams().files->requests.last();
        QCOMPARE(request.title, QStringLiteral("Select the source file"));
        QCOMPARE(request.filter, QStringLiteral("Selvanthe (*.slv)"));
        QCOMPARE(request.defaultSuffix, QStringLiteral("slv"));
        QVERIFY(seams().messages->shown.isEmpty());
        checkOpenedWindow(w);

        QCOMPARE(testing::readingPane()->Text(), text);
        for (int i = 0; i < tarot::frmAuto::kPlaceCount; ++i) {
            platform::PictureBox* place = testing::control<platform::PictureBox>(w, "p", i);
            QCOMPARE(place->isHidden(), i >= count);
            if (i < count) {
                QCOMPARE(seenOn(place), seen[i]);
                QVERIFY(testing::control<platform::Label>(w, "lbl", i)->isVisibleTo(w));
            }
        }
        const tarot::TarotState& s = tarot::State();
        QCOMPARE(s.TarotSpreadName, spread);
        QCOMPARE(s.DeckLetter, deck);
        QVERIFY(!s.ManualMode && !s.AutoCastChosen && !s.AllowReversed);

        QVERIFY(save(second));
        QCOMPARE(readAll(second), readAll(first));
        QCOMPARE(readAll(second), tarot::ComposeReadingFile(original));
    }

    // Save right after Open writes the file's reading, in the writer's own order, and keeps writing it
    // once the next reading's set-up has reset the hand-over.
    void saveAfterOpenWritesTheOpenedReading()
    {
        QVERIFY(deal(QStringLiteral("Two Cards"), 2, 4, QStringLiteral("o"), {0.1, 0.2, 0.9, 0.9}));
        // As a manual reading leaves them: nothing of them may reach the opened reading.
        tarot::State().ManualMode = true;
        tarot::State().ManualChosen = true;
        const QList<int> cards = {4, 61, 0, 22, 9};
        const QByteArray crafted =
            fileOf({QStringLiteral("c4"), QStringLiteral("x note"), QStringLiteral("r0"), QStringLiteral("c61"),
                    QString(), QStringLiteral("sThe Line Spread"), QStringLiteral("c0"), QStringLiteral("dm"),
                    QStringLiteral("c 22 "), QStringLiteral("r61"), QStringLiteral("c9")});
        frmAuto* w = openBytes(crafted);
        checkOpenedWindow(w);
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 2)), (Seen {0, Facing::Reversed}));
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 1)), (Seen {61, Facing::Reversed}));
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 0)), (Seen {4, Facing::Upright}));
        QVERIFY(!tarot::State().ManualMode);
        QVERIFY(!tarot::State().ManualChosen);
        QCOMPARE(testing::readingPane()->Text(), readingOf(QStringLiteral("The Line Spread"), cards, {0, 61}));

        const QByteArray expected = fileOf(readingLines(QStringLiteral("The Line Spread"), QStringLiteral("m"), cards,
                                                        {0, 61}));
        QVERIFY(save(path(QStringLiteral("after-open.slv"))));
        QCOMPARE(readAll(path(QStringLiteral("after-open.slv"))), expected);

        QVERIFY(useQuerentScreen(testing::control<QPushButton>(front, "cmdNext")));
        QCOMPARE(tarot::State().TarotSpreadName, QStringLiteral("-1"));
        QVERIFY(save(path(QStringLiteral("after-next.slv"))));
        QCOMPARE(readAll(path(QStringLiteral("after-next.slv"))), expected);
    }

    // Every file that is no reading: the message, and nothing on screen or in the state changed.
    void refusals_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");  // not written when empty and the name says "missing"
        QTest::addColumn<bool>("fresh");        // no reading before: the kept deck letter is empty

        const QByteArray good = fileOf(readingLines(QStringLiteral("Three Cards"), QStringLiteral("o"), {1, 2, 3}));
        QStringList oversize = readingLines(QStringLiteral("Three Cards"), QStringLiteral("o"), {1, 2, 3});
        while (fileOf(oversize).size() <= tarot::kMaxReadingFileSize)
            oversize << QStringLiteral("x padding that is no item of a reading");
        QStringList twentyTwo = {QStringLiteral("sThe Romany/ Gypsy Spread"), QStringLiteral("do")};
        for (int i = 0; i < 22; ++i)
            twentyTwo << QStringLiteral("c%1").arg(i);
        QByteArray binary;
        for (int i = 0; i < 512; ++i)
            binary += char((i * 37 + 11) & 0xFF);

        auto three = [](const QString& extra) {
            return fileOf(readingLines(QStringLiteral("Three Cards"), QStringLiteral("o"), {1, 2, 3}) << extra);
        };
        QTest::newRow("upper-case suffix") << "a.SLV" << good << false;
        QTest::newRow("other suffix") << "a.txt" << good << false;
        QTest::newRow("missing file") << "missing.slv" << QByteArray() << false;
        QTest::newRow("folder") << "folder.slv" << QByteArray() << false;
        QTest::newRow("over the cap") << "big.slv" << fileOf(oversize) << false;
        QTest::newRow("empty") << "empty.slv" << QByteArray() << false;
        QTest::newRow("binary") << "binary.slv" << binary << false;
        QTest::newRow("deck ../x") << "deck.slv" << three(QStringLiteral("d../x")) << false;
        QTest::newRow("no deck line, fresh run")
            << "nodeck.slv" << fileOf({QStringLiteral("sThree Cards"), QStringLiteral("c1"), QStringLiteral("c2"),
                                       QStringLiteral("c3")})
            << true;
        // Each of these would fit Three Cards if the bad number were read as card 0.
        QTest::newRow("c-5") << "neg.slv"
                             << fileOf(readingLines(QStringLiteral("Three Cards"), QStringLiteral("o"), {1, 2, -5}))
                             << false;
        QTest::newRow("c78") << "c78.slv"
                             << fileOf(readingLines(QStringLiteral("Three Cards"), QStringLiteral("o"), {1, 2, 78}))
                             << false;
        QTest::newRow("c99999999999") << "huge.slv" << fileOf({QStringLiteral("sOne Card"), QStringLiteral("do"),
                                                               QStringLiteral("c99999999999")})
                                      << false;
        QTest::newRow("r200") << "r200.slv" << three(QStringLiteral("r200")) << false;
        QTest::newRow("22 cards") << "many.slv" << fileOf(twentyTwo) << false;
        QTest::newRow("9 cards of Celtic Cross")
            << "nine.slv" << fileOf(readingLines(QStringLiteral("Celtic Cross"), QStringLiteral("o"),
                                                 {0, 1, 2, 3, 4, 5, 6, 7, 8}))
            << false;
        QTest::newRow("no cards") << "nocards.slv"
                                  << fileOf({QStringLiteral("sCeltic Cross"), QStringLiteral("do")}) << false;
        QTest::newRow("10 cards of celtic cross")
            << "lower.slv" << fileOf(readingLines(QStringLiteral("celtic cross"), QStringLiteral("o"),
                                                  {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}))
            << false;
    }

    void refusals()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(bool, fresh);
        const QString file = path(name);
        QFile::remove(file);
        QDir(file).removeRecursively();
        if (name.startsWith(QLatin1String("folder")))
            QVERIFY(QDir().mkdir(file));
        else if (!name.startsWith(QLatin1String("missing")))
            QVERIFY(writeFile(file, bytes));

        QPointer<frmAuto> before;
        if (!fresh) {
            before = deal(QStringLiteral("Two Cards"), 2, 4, QStringLiteral("o"), {0.1, 0.2, 0.9, 0.1});
            QVERIFY(before);
        } else {
            QVERIFY(tarot::State().DeckLetter.isEmpty());
        }
        testing::control<QLineEdit>(mdi, "txtName")->setText(QStringLiteral("Earlier Querent"));
        const StateView state = StateView::now();
        const PlacesView places = PlacesView::of(before);
        const QString text = testing::readingPane()->Text();
        const QString html = testing::readingPane()->toHtml();

        frmAuto* after = open(file);
        QCOMPARE(seams().messages->shown.size(), 1);
        const testing::ShownMessage& m = seams().messages->shown[0];
        QCOMPARE(m.text, QStringLiteral("Please Check The File."));
        QCOMPARE(m.icon, platform::MsgIcon::Critical);
        QCOMPARE(m.title, QStringLiteral("Selvanthe"));

        QCOMPARE(after, before.data());
        QVERIFY(StateView::now() == state);
        QVERIFY(PlacesView::of(after) == places);
        QCOMPARE(testing::readingPane()->Text(), text);
        QCOMPARE(testing::readingPane()->toHtml(), html);
        QCOMPARE(testing::control<QLineEdit>(mdi, "txtName")->text(), QStringLiteral("Earlier Querent"));
        QVERIFY(!tarot::State().ReadingOpenedFromFile);
    }

    // A path that is no regular file is refused at once with the same message: a pipe nobody writes to
    // would otherwise keep the window from painting until something did.
    void specialFilesAreRefusedAtOnce_data()
    {
        QTest::addColumn<QString>("kind");
        for (const char* kind : {"pipe", "socket", "device", "folder"})
            QTest::newRow(kind) << QString::fromLatin1(kind);
    }
    void specialFilesAreRefusedAtOnce()
    {
        QFETCH(QString, kind);
        const QString file = path(kind + QStringLiteral(".slv"));
        QFile::remove(file);
        QDir(file).removeRecursively();
        if (!testing::makeSpecialFile(kind, file))
            QSKIP("this kind of file cannot be made here");
        {
            testing::PipeUnblocker unblocker(file);
            QVERIFY(!open(file));
            QVERIFY2(!unblocker.hadToUnblock(), "Open waited on the file");
        }
        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(seams().messages->shown[0].text, QStringLiteral("Please Check The File."));
        QVERIFY(!tarot::State().ReadingOpenedFromFile);
        QVERIFY(!tarot::State().Shown.complete);
    }

    // A file Open takes is one Save can write back and Open take again: lines that end in LF alone gain a
    // CR when saved, so a file that fills the cap that way is refused when it is opened.
    void savedBackFileOpensAgain_data()
    {
        QTest::addColumn<qsizetype>("size");
        QTest::addColumn<bool>("opens");
        QTest::newRow("filling the cap") << qsizetype(tarot::kMaxReadingFileSize) << false;
        QTest::newRow("room for the CRs") << qsizetype(tarot::kMaxReadingFileSize - 3) << true;
    }
    void savedBackFileOpensAgain()
    {
        QFETCH(qsizetype, size);
        QFETCH(bool, opens);
        QByteArray tail;
        for (const char* line : {"do", "c5"})
            tail += shell::EncodeString(line) + "\n";
        const QByteArray bytes = shell::EncodeString("s" + QByteArray(size - tail.size() - 2, 'A')) + "\n" + tail;
        QCOMPARE(bytes.size(), size);
        frmAuto* w = openBytes(bytes, QStringLiteral("lf.slv"));
        if (!opens) {
            QVERIFY(!w);
            QCOMPARE(seams().messages->shown.size(), 1);
            QCOMPARE(seams().messages->shown[0].text, QStringLiteral("Please Check The File."));
            return;
        }
        checkOpenedWindow(w);
        QVERIFY(save(path(QStringLiteral("saved-back.slv"))));
        QCOMPARE(readAll(path(QStringLiteral("saved-back.slv"))).size(), tarot::kMaxReadingFileSize);
        QVERIFY(seams().messages->shown.isEmpty());
        QVERIFY(open(path(QStringLiteral("saved-back.slv"))));
        QVERIFY(seams().messages->shown.isEmpty());
    }

    // The card-layout window the user minimised to reach the querent screen stays minimised when the
    // main window changes its size.
    void minimisedLayoutStaysMinimised()
    {
        frmAuto* w = deal(QStringLiteral("One Card"), 1, 1, QStringLiteral("o"), {0.5});
        QVERIFY(w);
        QVERIFY(testing::uncover(testing::control<QPushButton>(front, "cmdOpen")));
        QVERIFY(w->subWindow()->isMinimized());
        mdi->resize(mdi->width() - 200, mdi->height() - 100);
        QApplication::processEvents();
        QVERIFY(w->subWindow()->isMinimized());
        QVERIFY(!testing::toolWindowOver(testing::control<QPushButton>(front, "cmdOpen")));
    }

    // Cancel does nothing, and nothing is asked while a deal or its pause runs.
    void cancelAndBusy()
    {
        frmAuto* before = deal(QStringLiteral("One Card"), 1, 1, QStringLiteral("o"), {0.5});
        const StateView state = StateView::now();
        const QString text = testing::readingPane()->Text();
        QVERIFY(useQuerentScreen(testing::control<QPushButton>(front, "cmdOpen")));
        QCOMPARE(seams().files->requests.size(), 1);
        QVERIFY(seams().messages->shown.isEmpty());
        QCOMPARE(platform::Forms::Peek<frmAuto>(), before);
        QVERIFY(StateView::now() == state);
        QCOMPARE(testing::readingPane()->Text(), text);

        shell::BusyScope busy;
        seams().files->answers.enqueue(path(QStringLiteral("never.slv")));
        QVERIFY(useQuerentScreen(testing::control<QPushButton>(front, "cmdOpen")));
        QCOMPARE(seams().files->requests.size(), 1);
    }

    // Counts of their own choose the layout whatever the name says; the text follows the name.
    void countOnlyLayouts_data()
    {
        QTest::addColumn<QString>("spread");
        QTest::addColumn<QList<int>>("cards");
        QTest::addColumn<bool>("ownTexts");  // the name is a list text with position texts
        QTest::newRow("3 cards of Celtic Cross") << QStringLiteral("Celtic Cross") << QList<int>{11, 0, 45} << true;
        QTest::newRow("3 cards of no spread") << QStringLiteral("Mystery Spread") << QList<int>{11, 0, 45} << false;
        QTest::newRow("3 cards, no spread line, fresh spread") << QString() << QList<int>{5, 6, 7} << false;
    }

    void countOnlyLayouts()
    {
        QFETCH(QString, spread);
        QFETCH(QList<int>, cards);
        QFETCH(bool, ownTexts);
        QStringList lines = readingLines(spread, QStringLiteral("o"), cards);
        if (spread.isEmpty())
            lines.removeFirst();
        frmAuto* w = openBytes(fileOf(lines));
        QVERIFY(seams().messages->shown.isEmpty());
        checkOpenedWindow(w);
        for (int i = 0; i < frmAuto::kPlaceCount; ++i) {
            platform::PictureBox* place = testing::control<platform::PictureBox>(w, "p", i);
            QCOMPARE(place->isHidden(), i >= 3);
            if (i < 3) {
                QCOMPARE(QPoint(int(platform::leftTw(place)), int(platform::topTw(place))), kThreeCardPlaces[i]);
                QCOMPARE(seenOn(place), (Seen{cards[i], Facing::Upright}));
            }
        }
        const QString text = testing::readingPane()->Text();
        QCOMPARE(text, readingOf(spread, cards, {}));
        QVERIFY(text.startsWith(headerOf(spread)));
        for (int i = 0; i < 3; ++i) {
            const std::optional<tarot::PositionText> own = tarot::PositionTextOf(spread, i);
            QCOMPARE(own.has_value(), ownTexts);
            if (own)
                QVERIFY(text.contains(own->meaning));
            QVERIFY(!text.contains(tarot::PositionTextOf(QStringLiteral("Three Cards"), i)->meaning));
        }
        QCOMPARE(tarot::State().Shown.spreadName, spread);
    }

    // How the reopened cards lie: reversed ones upside down wherever they stand, reversed numbers that
    // are no card of the reading turning nothing, card 0 upright unless listed, the crossing card across.
    void openedDisplay_data()
    {
        QTest::addColumn<QString>("spread");
        QTest::addColumn<QList<int>>("cards");
        QTest::addColumn<QList<int>>("reversed");
        QTest::addColumn<QList<int>>("facings");  // Facing per position
        const int U = int(Facing::Upright), R = int(Facing::Reversed), A = int(Facing::Across);
        QTest::newRow("Celtic Cross, crossing card listed reversed")
            << QStringLiteral("Celtic Cross") << QList<int>{0, 5, 9, 33, 41, 50, 60, 70, 76, 77}
            << QList<int>{33, 5, 77, 13} << QList<int>{U, A, U, R, U, U, U, U, U, R};
        QTest::newRow("r77 without card 77") << QStringLiteral("Three Cards") << QList<int>{1, 2, 3} << QList<int>{77}
                                             << QList<int>{U, U, U};
        QTest::newRow("card 0, no reversed lines") << QStringLiteral("One Card") << QList<int>{0} << QList<int>{}
                                                   << QList<int>{U};
        QTest::newRow("card 0 listed reversed") << QStringLiteral("Two Cards") << QList<int>{0, 40}
                                                << QList<int>{0} << QList<int>{R, U};
        QTest::newRow("one card at two positions") << QStringLiteral("Two Cards") << QList<int>{7, 7}
                                                   << QList<int>{7} << QList<int>{R, R};
    }

    void openedDisplay()
    {
        QFETCH(QString, spread);
        QFETCH(QList<int>, cards);
        QFETCH(QList<int>, reversed);
        QFETCH(QList<int>, facings);
        frmAuto* w = openBytes(fileOf(readingLines(spread, QStringLiteral("o"), cards, reversed)));
        QVERIFY(seams().messages->shown.isEmpty());
        checkOpenedWindow(w);
        for (int i = 0; i < cards.size(); ++i)
            QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", i)), (Seen {cards[i], Facing(facings[i])}));

        const QString text = testing::readingPane()->Text();
        QCOMPARE(text, readingOf(spread, cards, reversed));
        for (int i = 0; i < cards.size(); ++i) {
            const bool listed = reversed.contains(cards[i]);
            QVERIFY(text.contains(listed ? tarot::CardReversedText(cards[i]) : tarot::CardUprightText(cards[i])));
        }
        QVERIFY(!text.contains(tarot::CardReversedText(0)) || reversed.contains(0));
    }

    // The window's own guard: a reading whose count fits no layout of its spread shows the header alone,
    // leaves nothing on show to save, and never leaves the flag set.
    void openedReadingThatFitsNoLayout()
    {
        frmAuto* w = deal(QStringLiteral("One Card"), 1, 1, QStringLiteral("o"), {0.5});
        QVERIFY(w);
        tarot::TarotState& s = tarot::State();
        s.OpenedSpreadName = QStringLiteral("Celtic Cross");
        s.OpenedCards.ReDim(9);
        s.OpenedReversedCards.ReDim(0);
        s.AutoCastChosen = false;
        s.ReadingOpenedFromFile = true;
        w->DONE1(9);
        QVERIFY(!s.ReadingOpenedFromFile);
        QVERIFY(!s.Shown.complete);
        QCOMPARE(s.TarotSpreadName, QStringLiteral("Celtic Cross"));
        QCOMPARE(testing::readingPane()->Text(), headerOf(QStringLiteral("Celtic Cross")));
        for (int i = 1; i < frmAuto::kPlaceCount; ++i)
            QVERIFY(testing::control<platform::PictureBox>(w, "p", i)->isHidden());
    }

    // Every Open lays its reading out in a fresh window: nothing of an earlier, larger layout stays.
    void everyOpenGetsAFreshWindow()
    {
        QPointer<frmAuto> celtic = openBytes(fileOf(readingLines(
            QStringLiteral("Celtic Cross"), QStringLiteral("o"), {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {3})));
        QVERIFY(celtic);
        frmAuto* one = openBytes(fileOf(readingLines(QStringLiteral("One Card"), QStringLiteral("o"), {12})),
                                 QStringLiteral("one.slv"));
        checkOpenedWindow(one);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!celtic);
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(one, "p", 0)), (Seen {12, Facing::Upright}));
        for (int i = 1; i < frmAuto::kPlaceCount; ++i)
            QVERIFY(testing::control<platform::PictureBox>(one, "p", i)->isHidden());
        QCOMPARE(testing::readingPane()->Text(), readingOf(QStringLiteral("One Card"), {12}, {}));
    }

    // On every real screen, with a window manager's frame: the main window fits before and after a
    // reading, and every Open, the second too, gives a card-layout window as tall as the work area, inside
    // it and clear of the reading pane, whose inside holds every card of the layout.
    void cardWindowFitsEveryScreen_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("spread");
        QTest::addColumn<int>("count");
        for (const QSize& size : testing::RealScreenSizes()) {
            const QByteArray at = QByteArray::number(size.width()) + "x" + QByteArray::number(size.height());
            QTest::newRow(at + " Celtic Cross") << size << QStringLiteral("Celtic Cross") << 10;
            QTest::newRow(at + " Romany") << size << QStringLiteral("The Romany/ Gypsy Spread") << 21;
            QTest::newRow(at + " Zodiac") << size << QStringLiteral("Zodiac Spread") << 12;
        }
    }

    void cardWindowFitsEveryScreen()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, spread);
        QFETCH(int, count);
        road.start();
        testing::UseScreen(screen);
        tarot::RegisterTarotForms();
        platform::setAppPath(folder.path());
        front = road.querent();
        QVERIFY(front);
        mdi = shell::MDI();
        QApplication::processEvents();
        QCOMPARE(testing::MainWindowFaults(mdi), QStringList());

        QList<int> cards;
        for (int i = 0; i < count; ++i)
            cards << i + 20;
        for (const char* time : {"first", "second"}) {
            frmAuto* w = openBytes(fileOf(readingLines(spread, QStringLiteral("o"), cards)));
            QVERIFY2(w, time);
            QApplication::processEvents();
            QCOMPARE(testing::MainWindowFaults(mdi), QStringList());
            QCOMPARE(testing::ToolWindowFaults(mdi, w), QStringList());
            QCOMPARE(w->frame()->height(), testing::control<QMdiArea>(mdi, "mdiArea")->contentsRect().height());
            for (platform::PictureBox* place : testing::controls<platform::PictureBox>(w, "p"))
                if (!place->isHidden())
                    QVERIFY2(testing::control<QWidget>(w, "picClient")->rect().contains(place->geometry()),
                             qPrintable(place->objectName()));
        }
    }
};

SELVANTHE_TEST_MAIN(TestReopen)
#include "tst_reopen.moc"
