// The card-layout window: its load routine and dispatch, every deal in every spread with the pictures
// where the layout puts them, the turns, the placeholder, the reading written, closing, clearing and menus.
#include "FindControl.h"
#include "CardFixture.h"
#include "Roads.h"
#include "TestMain.h"
#include "UserInput.h"

#include "platform/PictureBox.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "tarot/CardTable.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/TarotForms.h"
#include "tarot/TarotState.h"
#include "tarot/frmAuto.h"
#include "tarot/modInfo.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QTemporaryDir>

#include <set>

using testing::seams;
using tarot::frmAuto;

namespace {

void fill(QQueue<double>& queue, std::initializer_list<double> values)
{
    queue.clear();
    for (double v : values)
        queue.enqueue(v);
}

// Places typed from the layout tables, (left, top) in twips per position.
using Places = QList<QPoint>;
const QList<std::pair<const char*, Places>> kLayouts = {
    {"Celtic Cross",
     {{3200, 3700}, {2300, 4200}, {3200, 7500}, {100, 3700}, {3200, 0}, {6200, 3700}, {8500, 11300}, {8500, 7500},
      {8500, 3700}, {8500, 0}}},
    {"One Card", {{5000, 2500}}},
    {"Two Cards", {{4000, 2500}, {6200, 2500}}},
    {"Three Cards", {{2200, 2500}, {4400, 2500}, {6600, 2500}}},
    {"Aldric Fenn Wheel Spread(Tamsett)", {{8900, 2500}, {6700, 2500}, {4500, 2500}, {2300, 2500}, {100, 2500}}},
    {"The Line Spread", {{5000, 3800}, {7200, 3800}, {5000, 7600}, {2800, 3800}, {5000, 0}}},
    {"Seven Card Chakra Layout",
     {{4500, 22600}, {4500, 18800}, {4500, 15000}, {4500, 11200}, {4500, 7500}, {4500, 3800}, {4500, 0}}},
    {"Four Seasons Spread(Verloni/Ashby)",
     {{100, 7600}, {2300, 11400}, {4500, 0}, {2300, 3800}, {8900, 7600}, {6700, 3800}, {4500, 15200}, {6700, 11400}}},
    {"Relationship Spread",
     {{3840, 240}, {6480, 240}, {3840, 4200}, {6480, 4200}, {3840, 8160}, {6480, 8160}, {3840, 12120}, {6480, 12120},
      {3840, 16080}, {6480, 16080}}},
    {"The Romany/ Gypsy Spread",
     {{13800, 11040}, {11480, 11040}, {9193, 11040}, {6921, 11040}, {4634, 11040}, {2377, 11040}, {120, 11040},
      {13800, 6180},  {11480, 6180},  {9193, 6180},  {6921, 6180},  {4634, 6180},  {2377, 6180},  {120, 6180},
      {13800, 1320},  {11480, 1320},  {9193, 1320},  {6921, 1320},  {4634, 1320},  {2377, 1320},  {120, 1320}}},
    {"Zodiac Spread",
     {{120, 6720}, {2385, 9720}, {4650, 10440}, {6930, 10920}, {9225, 10440}, {11505, 9720}, {13800, 6720},
      {11505, 3480}, {9225, 3000}, {6930, 2400}, {4650, 3000}, {2385, 3480}}},
    {"Tree of Life",
     {{5840, 120}, {8120, 3960}, {3560, 3960}, {8120, 7800}, {3560, 7800}, {5840, 11640}, {3560, 15480},
      {8120, 15480}, {5840, 19320}, {5840, 23160}}},
    {"Numerology Spread",
     {{2760, 240}, {5280, 240}, {7800, 240}, {2760, 4320}, {5280, 4320}, {7800, 4320}, {2760, 8400}, {5280, 8400},
      {7800, 8400}}},
};

// (minor, major, reversed) and the range of each deal.
struct DealRow {
    bool minor, major, reversed;
    int first, count;
};
const QList<DealRow> kDeals = {{false, false, false, 0, 78}, {true, false, false, 22, 56},
                               {false, true, false, 0, 22},  {false, false, true, 0, 78},
                               {true, false, true, 22, 56},  {false, true, true, 0, 22}};

// Fixture cards 147 x 250 (see CardFixture.h).
const testing::CardFixture kFixture(147);
const int W = kFixture.W, H = kFixture.H;
using testing::Facing;
using testing::Seen;
QImage fixtureCard(int n) { return kFixture.card(n); }
Seen seenOn(platform::PictureBox* place) { return kFixture.seenOn(place); }
bool isDark(const QColor& c) { return c.lightness() < 60; }

QStringList barCaptions(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions)
        out << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

class TestCardLayout : public QObject {
    Q_OBJECT
    QTemporaryDir folder;
    shell::frmMDI* mdi = nullptr;

    QString cardFile(int n) const { return folder.path() + QStringLiteral("/cards/o%1.jpg").arg(n); }

    // The hand-over: the set-up screen's options for an AutoCast of the given spread.
    void handOver(const QString& spread, int count, const DealRow& d, bool autoCast = true, bool manual = false)
    {
        tarot::TarotState& s = tarot::State();
        s.ResetForSetUp();
        s.TarotSpreadName = spread;
        s.SpreadCardCount = count;
        s.MinorArcanaOnly = d.minor;
        s.MajorArcanaOnly = d.major;
        s.AllowReversed = d.reversed;
        s.AutoCastChosen = autoCast;
        s.ManualChosen = manual;
    }

    // A fresh window for each reading, as every hand-over makes it.
    frmAuto* freshWindow()
    {
        platform::Forms::Unload(QString::fromLatin1(frmAuto::kFormName));
        frmAuto* w = platform::Forms::Get<frmAuto>();
        if (w)
            w->Show();
        return w;
    }

    QString headerOf(const QString& spread)
    {
        platform::RichTextBox box;
        tarot::RichTextBoxSink sink(&box);
        tarot::WriteSpreadHeader(sink, spread);
        return box.Text();
    }

    QString readingOf(const QString& spread, const tarot::CardList& cards, const tarot::CardList& reversed)
    {
        platform::RichTextBox box;
        tarot::RichTextBoxSink sink(&box);
        tarot::WriteSpreadHeader(sink, spread);
        tarot::WriteCardReadings(sink, cards, reversed);
        return box.Text();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("cards")));
        for (int n = 0; n < tarot::CardCount; ++n)
            QVERIFY(fixtureCard(n).save(cardFile(n), "JPG", 95));
    }

    void init()
    {
        testing::freshProgram();
        tarot::ResetStateForTests();
        tarot::RegisterTarotForms();
        platform::setAppPath(folder.path());
        mdi = platform::Forms::Get<shell::frmMDI>();
        QVERIFY(mdi);
        mdi->Show();
    }

    void cleanup() { platform::setAppPath(QStringLiteral(SELVANTHE_RUNTIME_DIR)); }

    void everyDealInEverySpread_data()
    {
        QTest::addColumn<int>("deal");
        QTest::addColumn<int>("spread");
        for (int d = 0; d < kDeals.size(); ++d)
            for (int s = 0; s < kLayouts.size(); ++s)
                QTest::newRow(qPrintable(QStringLiteral("DONE%1 %2").arg(d + 1).arg(QLatin1String(kLayouts[s].first))))
                    << d << s;
    }

    void everyDealInEverySpread()
    {
        QFETCH(int, deal);
        QFETCH(int, spread);
        const DealRow& d = kDeals[deal];
        const QString name = QString::fromLatin1(kLayouts[spread].first);
        const Places& places = kLayouts[spread].second;
        const int n = static_cast<int>(places.size());

        seams().random->script(static_cast<unsigned>(deal * 100 + spread), 3000);
        handOver(name, n, d);
        frmAuto* w = freshWindow();
        QVERIFY(w);
        QCOMPARE(seams().random->reseeds, 1);

        const tarot::TarotState& s = tarot::State();
        QCOMPARE(s.DrawnCards.UBound(), n);
        QCOMPARE(s.DrawnCards(n), 0);
        std::set<int> distinct;
        for (int i = 0; i < n; ++i) {
            const int c = s.DrawnCards(i);
            QVERIFY2(c >= d.first && c < d.first + d.count, qPrintable(QString::number(c)));
            distinct.insert(c);
        }
        QCOMPARE(static_cast<int>(distinct.size()), n);

        const std::vector<std::int32_t> reversed = s.ReversedCards.items();
        if (reversed.empty())
            QVERIFY(!tarot::IsArrayInitialized(s.ReversedCards));
        if (!d.reversed)
            QVERIFY(reversed.empty());

        const QRect client(0, 0, frmAuto::kClientWidth, frmAuto::kClientHeight);
        int k = 0;  // the reversed list runs in position order
        for (int i = 0; i < frmAuto::kPlaceCount; ++i) {
            platform::PictureBox* place = testing::control<platform::PictureBox>(w, "p", i);
            QLabel* label = testing::control<platform::Label>(w, "lbl", i);
            if (i >= n) {
                QVERIFY(place->isHidden());
                continue;
            }
            QVERIFY(!place->isHidden());
            QVERIFY(!label->isHidden());
            QVERIFY(label->isEnabled());
            QCOMPARE(label->text(), QString::number(i + 1));
            QCOMPARE(platform::leftTw(place), double(places[i].x()));
            QCOMPARE(platform::topTw(place), double(places[i].y()));
            const QRect outer(places[i].x(), places[i].y(), int(platform::widthTw(place)),
                              int(platform::heightTw(place)));
            QVERIFY(client.contains(outer));

            const int card = s.DrawnCards(i);
            const bool crossing = spread == 0 && i == 1;
            const bool isReversed = k < static_cast<int>(reversed.size()) && reversed[static_cast<size_t>(k)] == card;
            if (isReversed)
                ++k;
            QVERIFY(!(crossing && isReversed));
            const Seen seen = seenOn(place);
            QCOMPARE(seen.card, card);
            QCOMPARE(seen.facing, crossing ? Facing::Across : isReversed ? Facing::Reversed : Facing::Upright);
        }
        QCOMPARE(k, static_cast<int>(reversed.size()));

        QCOMPARE(testing::readingPane()->Text(), readingOf(name, s.DrawnCards, s.ReversedCards));
        QCOMPARE(testing::readingPane()->SelStart(), 0);
        QVERIFY(s.Shown.complete);
        QCOMPARE(s.Shown.spreadName, name);
        QCOMPARE(s.Shown.deckLetter, QStringLiteral("o"));
        QCOMPARE(s.Shown.cards.size(), n);
        for (int i = 0; i < n; ++i)
            QCOMPARE(s.Shown.cards[i], s.DrawnCards(i));
        QCOMPARE(s.Shown.reversed, QList<std::int32_t>(reversed.begin(), reversed.end()));
    }

    // The 8 option triples under AutoCast, Manual and neither: which deal runs, whether the places are
    // cleared, and when the header stands alone.
    void dispatch_data()
    {
        QTest::addColumn<bool>("minor");
        QTest::addColumn<bool>("major");
        QTest::addColumn<bool>("reversed");
        QTest::addColumn<int>("mode");  // 0 AutoCast, 1 Manual, 2 neither
        QTest::addColumn<int>("card");  // the card dealt from 0.3, -1 for no deal
        QTest::addColumn<bool>("turned");
        QTest::addColumn<bool>("cleared");
        const int cards[] = {23, 38, 6, 23, 38, 6};
        for (int m = 0; m < 3; ++m) {
            for (int t = 0; t < 8; ++t) {
                const bool minor = t & 1, major = t & 2, reversed = t & 4;
                int row = -1;
                for (int r = 0; r < kDeals.size(); ++r)
                    if (kDeals[r].minor == minor && kDeals[r].major == major && kDeals[r].reversed == reversed)
                        row = r;
                QTest::newRow(qPrintable(QStringLiteral("%1 minor=%2 major=%3 reversed=%4")
                                             .arg(m == 0 ? "AutoCast" : m == 1 ? "Manual" : "neither")
                                             .arg(minor).arg(major).arg(reversed)))
                    << minor << major << reversed << m << (m == 0 && row >= 0 ? cards[row] : -1)
                    << (m == 0 && row >= 3) << (m == 1 && row >= 0);
            }
        }
    }

    void dispatch()
    {
        QFETCH(bool, minor);
        QFETCH(bool, major);
        QFETCH(bool, reversed);
        QFETCH(int, mode);
        QFETCH(int, card);
        QFETCH(bool, turned);
        QFETCH(bool, cleared);
        fill(seams().random->values, {0.3, 0.9});
        handOver(QStringLiteral("One Card"), 1, {minor, major, reversed, 0, 0}, mode == 0, mode == 1);
        frmAuto* w = freshWindow();
        QVERIFY(w);
        const tarot::TarotState& s = tarot::State();
        if (card < 0) {
            QCOMPARE(testing::readingPane()->Text(), headerOf(QStringLiteral("One Card")));
            QVERIFY(testing::control<platform::PictureBox>(w, "p", 0)->isHidden());
            QVERIFY(!s.Shown.complete);
            QCOMPARE(seams().random->values.size(), 2);
        } else {
            QCOMPARE(s.DrawnCards(0), card);
            QCOMPARE(tarot::IsArrayInitialized(s.ReversedCards), turned);
            QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 0)).facing,
                     turned ? Facing::Reversed : Facing::Upright);
            QVERIFY(testing::readingPane()->Text().contains(turned ? tarot::CardReversedTitle(card)
                                                                   : tarot::CardTitle(card)));
        }
        for (int i = 0; i < frmAuto::kPlaceCount; ++i)
            QCOMPARE(testing::control<platform::PictureBox>(w, "p", i)->picture().isNull(), cleared && i < 10);
    }

    void loadRoutine()
    {
        handOver(QStringLiteral("Three Cards"), 3, kDeals[0], false, false);
        testing::control<QWidget>(mdi, "picTop")->hide();
        frmAuto* w = freshWindow();
        QVERIFY(w);
        QCOMPARE(w->windowTitle(), QStringLiteral("Ostrevan"));
        QVERIFY(!testing::control<QWidget>(mdi, "picTop")->isHidden());
        QCOMPARE(w->Top(), 0.0);
        QCOMPARE(w->Left(), std::max(0.0, (mdi->ScaleWidth() - w->Width()) / 2));
        QCOMPARE(testing::readingPane()->Text(), headerOf(QStringLiteral("Three Cards")));
        for (int i = 0; i < frmAuto::kPlaceCount; ++i) {
            QLabel* label = testing::control<platform::Label>(w, "lbl", i);
            QVERIFY(testing::control<platform::PictureBox>(w, "p", i)->isHidden());
            QCOMPARE(label->isHidden(), i != 8);
            QVERIFY(!label->isEnabled());
            QCOMPARE(label->text(), QString::number(i + 1));
            QCOMPARE(platform::leftTw(label), i == 6 ? 120.0 : 0.0);
            QCOMPARE(platform::topTw(label), 0.0);
            QCOMPARE(label->parentWidget(), testing::control<platform::PictureBox>(w, "p", i));
        }
        // No card is laid out yet: there is nothing to scroll to.
        QCOMPARE(testing::control<QWidget>(w, "picClient")->size(), QSize(0, 0));
    }

    void countThatFitsNoSpreadWritesTheHeaderOnly_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("name");
        QTest::newRow("4 cards") << 4 << QStringLiteral("One Card");
        QTest::newRow("Celtic Cross in lower case") << 10 << QStringLiteral("celtic cross");
        QTest::newRow("22 cards") << 22 << QStringLiteral("The Romany/ Gypsy Spread");
        QTest::newRow("0 cards") << 0 << QStringLiteral("One Card");
        QTest::newRow("negative") << -7 << QStringLiteral("One Card");
    }

    void countThatFitsNoSpreadWritesTheHeaderOnly()
    {
        QFETCH(int, count);
        QFETCH(QString, name);
        for (int d = 0; d < kDeals.size(); ++d) {
            handOver(name, count, kDeals[d]);
            frmAuto* w = freshWindow();
            QVERIFY(w);
            QCOMPARE(testing::readingPane()->Text(), headerOf(name));
            QVERIFY(!testing::readingPane()->Text().contains(QStringLiteral("Death")));
            QCOMPARE(testing::readingPane()->SelStart(), 0);
            QVERIFY(!tarot::State().Shown.complete);
            for (platform::PictureBox* place : testing::controls<platform::PictureBox>(w, "p"))
                QVERIFY(place->isHidden());
        }
    }

    void crossingCardLiesAcrossItsNeighbour_data()
    {
        QTest::addColumn<int>("deal");
        for (int d = 0; d < kDeals.size(); ++d)
            QTest::newRow(qPrintable(QStringLiteral("DONE%1").arg(d + 1))) << d;
    }

    void crossingCardLiesAcrossItsNeighbour()
    {
        QFETCH(int, deal);
        const DealRow& d = kDeals[deal];
        for (int i = 0; i < 10; ++i)
            seams().random->values.enqueue((i + 0.5) / d.count);
        for (int i = 0; i < 10; ++i)
            seams().random->values.enqueue(0.9);  // every coin says reversed
        handOver(QStringLiteral("Celtic Cross"), 10, d);
        frmAuto* w = freshWindow();
        QVERIFY(w);
        platform::PictureBox* crossing = testing::control<platform::PictureBox>(w, "p", 1);
        QCOMPARE(crossing->size(), QSize(252, 149));
        QCOMPARE(platform::leftTw(crossing), 2300.0);
        QCOMPARE(platform::topTw(crossing), 4200.0);
        // The marker of the top-left corner now stands at the top right.
        const QImage shown = crossing->shown().toImage();
        QVERIFY(isDark(shown.pixelColor(240, 11)));
        QVERIFY(!isDark(shown.pixelColor(11, 11)));
        const QObjectList order = testing::control<QWidget>(w, "picClient")->children();
        QVERIFY(order.indexOf(crossing) > order.indexOf(testing::control<platform::PictureBox>(w, "p", 0)));
        QVERIFY(!tarot::State().ReversedCards.items().empty() || !d.reversed);
        for (std::int32_t c : tarot::State().ReversedCards.items())
            QVERIFY(c != tarot::State().DrawnCards(1));
        QVERIFY(testing::readingPane()->Text().contains(tarot::CardTitle(tarot::State().DrawnCards(1)) +
                                                        QStringLiteral("\r\n")));
    }

    // A picture that cannot be had leaves the upright placeholder, never another card, and the text
    // still reads the card as dealt.
    void missingPictureKeepsThePlaceholder()
    {
        const int missing = 40;
        QVERIFY(QFile::rename(cardFile(missing), cardFile(missing) + QStringLiteral(".away")));
        const QImage placeholder = frmAuto::FramedPicture(frmAuto::PlaceholderPicture()).toImage();
        // Positions 0 and 1 reversed, the missing card at position 1 and a good card at 0 before it.
        fill(seams().random->values, {(12 + 0.5) / 78, (missing + 0.5) / 78, (60 + 0.5) / 78, 0.9, 0.9, 0.1});
        handOver(QStringLiteral("Three Cards"), 3, kDeals[3]);
        frmAuto* w = freshWindow();
        QVERIFY(QFile::rename(cardFile(missing) + QStringLiteral(".away"), cardFile(missing)));
        QVERIFY(w);
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 0)).facing, Facing::Reversed);
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 0)).card, 12);
        QCOMPARE(
            testing::control<platform::PictureBox>(w, "p", 1)->shown().toImage().convertToFormat(QImage::Format_RGB32),
            placeholder.convertToFormat(QImage::Format_RGB32));
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 2)).facing, Facing::Upright);
        QCOMPARE(tarot::State().ReversedCards.items(), (std::vector<std::int32_t>{12, missing}));
        QVERIFY(testing::readingPane()->Text().contains(tarot::CardReversedTitle(missing)));
        QVERIFY(testing::readingPane()->Text().contains(tarot::CardReversedText(missing)));
    }

    void deckLetterOtherThanTheTwoGivesPlaceholders()
    {
        const QImage placeholder = frmAuto::FramedPicture(frmAuto::PlaceholderPicture()).toImage();
        fill(seams().random->values, {0.1, 0.2});
        handOver(QStringLiteral("Two Cards"), 2, kDeals[0]);
        tarot::State().DeckLetter = QStringLiteral("../o");
        frmAuto* w = freshWindow();
        QVERIFY(w);
        for (int i = 0; i < 2; ++i)
            QCOMPARE(testing::control<platform::PictureBox>(w, "p", i)->shown().toImage().convertToFormat(
                         QImage::Format_RGB32),
                     placeholder.convertToFormat(QImage::Format_RGB32));
        QVERIFY(tarot::State().Shown.complete);
    }

    // A reading laid out from given lists: the crossing card stays upright across, even listed reversed.
    void openedReadingLayout()
    {
        handOver(QStringLiteral("Celtic Cross"), 10, kDeals[0], false, false);
        frmAuto* w = freshWindow();
        QVERIFY(w);
        const QList<std::int32_t> cards = {0, 5, 9, 33, 41, 50, 60, 70, 76, 77};
        QVERIFY(!w->ShowOpenedReading(QStringLiteral("Celtic Cross"), cards.mid(0, 9), {}));
        QVERIFY(testing::control<platform::PictureBox>(w, "p", 0)->isHidden());
        QVERIFY(w->ShowOpenedReading(QStringLiteral("Celtic Cross"), cards, {5, 33, 0}));
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 0)).facing, Facing::Reversed);
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 0)).card, 0);
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 1)).facing, Facing::Across);
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 1)).card, 5);
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 3)).facing, Facing::Reversed);
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(w, "p", 2)).facing, Facing::Upright);
    }

    void freshWindowStartsFromHiddenPlaces()
    {
        seams().random->script(5, 500);
        handOver(QStringLiteral("The Romany/ Gypsy Spread"), 21, kDeals[0]);
        QVERIFY(freshWindow());
        handOver(QStringLiteral("Three Cards"), 3, kDeals[0]);
        frmAuto* w = freshWindow();
        QVERIFY(w);
        QVERIFY(testing::readingPane()->Text().contains(QStringLiteral("Spread Type - Three Cards")));
        QVERIFY(!testing::readingPane()->Text().contains(QStringLiteral("Romany")));
        for (int i = 3; i < frmAuto::kPlaceCount; ++i)
            QVERIFY(testing::control<platform::PictureBox>(w, "p", i)->isHidden());

        handOver(QStringLiteral("Celtic Cross"), 10, kDeals[0], false, false);
        w = freshWindow();
        QVERIFY(w->ShowOpenedReading(QStringLiteral("Celtic Cross"), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, {}));
        handOver(QStringLiteral("One Card"), 1, kDeals[0]);
        w = freshWindow();
        for (int i = 1; i < 10; ++i)
            QVERIFY(testing::control<platform::PictureBox>(w, "p", i)->isHidden());
    }

    void closingShowsTheWelcomePanelAndKeepsTheText()
    {
        fill(seams().random->values, {0.5});
        handOver(QStringLiteral("One Card"), 1, kDeals[0]);
        frmAuto* w = freshWindow();
        QVERIFY(w);
        QVERIFY(tarot::State().Shown.complete);
        const QString text = testing::readingPane()->Text();
        testing::control<QWidget>(mdi, "picMain")->hide();
        QVERIFY(!testing::control<QWidget>(mdi, "picTop")->isHidden());
        QVERIFY(testing::clickCloseBox(w->subWindow()));
        QVERIFY(!testing::control<QWidget>(mdi, "picMain")->isHidden());
        QVERIFY(testing::control<QWidget>(mdi, "picTop")->isHidden());
        QCOMPARE(testing::readingPane()->Text(), text);
        QVERIFY(!tarot::State().Shown.complete);
    }

    void clearPicBoxTouchesTheFirstTenOnly()
    {
        seams().random->script(9, 500);
        handOver(QStringLiteral("The Romany/ Gypsy Spread"), 21, kDeals[0]);
        frmAuto* w = freshWindow();
        QVERIFY(w);
        QList<QImage> before;
        for (platform::PictureBox* place : testing::controls<platform::PictureBox>(w, "p"))
            before << place->shown().toImage();
        // A routine of the window's load, with no control of its own: called as the load calls it.
        w->Clear_PicBox();
        for (int i = 0; i < frmAuto::kPlaceCount; ++i) {
            platform::PictureBox* place = testing::control<platform::PictureBox>(w, "p", i);
            QVERIFY(!place->isHidden());
            QVERIFY(!testing::control<platform::Label>(w, "lbl", i)->isHidden());
            if (i < 10)
                QVERIFY(place->picture().isNull());
            else
                QCOMPARE(place->shown().toImage(), before[i]);
        }
        w->Clear_PicBox();  // on empty places: nothing changes, nothing is said
        QVERIFY(seams().messages->shown.isEmpty());
    }

    void menus()
    {
        handOver(QStringLiteral("One Card"), 1, kDeals[0], false, false);
        frmAuto* w = freshWindow();
        QVERIFY(w);
        QCOMPARE(barCaptions(w->menuBarActions()),
                 (QStringList{QStringLiteral("File"), QStringLiteral("&Help"), QStringLiteral("Donate"),
                              QStringLiteral("Make Money &Online")}));
        QMenu* file = w->findChild<QMenu*>(QStringLiteral("mnuFile"));
        QMenu* help = w->findChild<QMenu*>(QStringLiteral("mnuHelp"));
        QVERIFY(file && help);
        QCOMPARE(barCaptions(file->actions()), (QStringList{QStringLiteral("&Start Again"), QStringLiteral("&Exit")}));
        QCOMPARE(barCaptions(help->actions()),
                 (QStringList{QStringLiteral("&Online Help"), QStringLiteral("&Visit Us Online"), QStringLiteral("-"),
                              QStringLiteral("Check for Software &Update"), QStringLiteral("-"),
                              QStringLiteral("About &Software")}));
        QAction* makeMoney = w->findChild<QAction*>(QStringLiteral("mnuMakeMoney"));
        QVERIFY(makeMoney && !makeMoney->isEnabled());

        const QList<std::pair<const char*, const char*>> openers = {
            {"mnuHelpOnline", "help-web-page"}, {"mnuVisitOnline", "home-page"},
            {"mnuUpdate", "download-web-page"}, {"mnuDonate", "donate"}};
        for (const auto& [name, key] : openers) {
            seams().shell->opened.clear();
            QAction* a = w->findChild<QAction*>(QString::fromLatin1(name));
            QVERIFY2(a, name);
            QVERIFY2(testing::chooseMenu(a), name);
            QCOMPARE(seams().shell->opened, QStringList{shell::PageAddress(key)});
        }
        seams().shell->opened.clear();
        // The item is greyed out: the user cannot choose it, and its handler still opens the page.
        QVERIFY(!testing::chooseMenu(makeMoney));
        QVERIFY(seams().shell->opened.isEmpty());
        w->mnuMakeMoney_Click();
        QCOMPARE(seams().shell->opened, QStringList{shell::PageAddress("fully-branded")});
        // Start Again and Exit have nothing of their own to do here.
        const QString text = testing::readingPane()->Text();
        QVERIFY(testing::chooseMenu(w->findChild<QAction*>(QStringLiteral("mnuStart"))));
        QVERIFY(testing::chooseMenu(w->findChild<QAction*>(QStringLiteral("mnuExit"))));
        QVERIFY(platform::Forms::Peek<frmAuto>() == w);
        QCOMPARE(testing::readingPane()->Text(), text);
    }
};

SELVANTHE_TEST_MAIN(TestCardLayout)
#include "tst_cardlayout.moc"
