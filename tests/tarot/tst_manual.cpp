// The manual reading, reached as the user reaches it: the backs on offer, the prompts after each pick,
// the last pick's pause with everything held still, the deal onto the card-layout window in the spread's
// shape, the reading written and shown, and the ways of leaving.
#include "Roads.h"
#include "FindControl.h"
#include "CardFixture.h"
#include "ScreenCheck.h"
#include "TarotRoad.h"
#include "UserInput.h"

#include "platform/PictureBox.h"
#include "platform/RichTextBox.h"
#include "platform/Twips.h"
#include "shell/Quit.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "tarot/CardTable.h"
#include "tarot/ManualDeal.h"
#include "tarot/PlacementPrompts.h"
#include "tarot/PositionTexts.h"
#include "tarot/ReadingFile.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/SpreadLayouts.h"
#include "tarot/frmAuto.h"
#include "tarot/frmTarotManual.h"
#include "tarot/modInfo.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QComboBox>

#include <cmath>
#include <functional>
#include <set>

using testing::seams;
using tarot::frmAuto;
using tarot::frmTarotManual;

namespace {

// Places typed from the placement tables, (left, top) in twips per position, in list order.
using Places = QList<QPoint>;
const QList<Places> kLayouts = {
    {{3200, 3700}, {2300, 4200}, {3200, 7500}, {100, 3700}, {3200, 0}, {6200, 3700}, {8500, 11300}, {8500, 7500},
     {8500, 3700}, {8500, 0}},
    {{5000, 2500}},
    {{4000, 2500}, {6200, 2500}},
    {{2200, 2500}, {4400, 2500}, {6600, 2500}},
    {{8900, 2500}, {6700, 2500}, {4500, 2500}, {2300, 2500}, {100, 2500}},
    {{5000, 3800}, {7200, 3800}, {5000, 7600}, {2800, 3800}, {5000, 0}},
    {{4500, 22600}, {4500, 18800}, {4500, 15000}, {4500, 11200}, {4500, 7500}, {4500, 3800}, {4500, 0}},
    {{100, 7600}, {2300, 11400}, {4500, 0}, {2300, 3800}, {8900, 7600}, {6700, 3800}, {4500, 15200}, {6700, 11400}},
    {{3840, 240}, {6480, 240}, {3840, 4200}, {6480, 4200}, {3840, 8160}, {6480, 8160}, {3840, 12120}, {6480, 12120},
     {3840, 16080}, {6480, 16080}},
    {{13800, 11040}, {11480, 11040}, {9193, 11040}, {6921, 11040}, {4634, 11040}, {2377, 11040}, {120, 11040},
     {13800, 6180},  {11480, 6180},  {9193, 6180},  {6921, 6180},  {4634, 6180},  {2377, 6180},  {120, 6180},
     {13800, 1320},  {11480, 1320},  {9193, 1320},  {6921, 1320},  {4634, 1320},  {2377, 1320},  {120, 1320}},
    {{120, 6720}, {2385, 9720}, {4650, 10440}, {6930, 10920}, {9225, 10440}, {11505, 9720}, {13800, 6720},
     {11505, 3480}, {9225, 3000}, {6930, 2400}, {4650, 3000}, {2385, 3480}},
    {{5840, 120}, {8120, 3960}, {3560, 3960}, {8120, 7800}, {3560, 7800}, {5840, 11640}, {3560, 15480},
     {8120, 15480}, {5840, 19320}, {5840, 23160}},
    {{2760, 240}, {5280, 240}, {7800, 240}, {2760, 4320}, {5280, 4320}, {7800, 4320}, {2760, 8400}, {5280, 8400},
     {7800, 8400}},
};

// Runs the placement method of the spread, as the deal does.
void placeWith(frmTarotManual* w, int spread, int position)
{
    switch (spread) {
    case 0: w->SetPicPlacement0(position); break;
    case 1: w->SetPicPlacement1(position); break;
    case 2: w->SetPicPlacement2(position); break;
    case 3: w->SetPicPlacement3(position); break;
    case 4: w->SetPicPlacement4(position); break;
    case 5: w->SetPicPlacement5(position); break;
    case 6: w->SetPicPlacement6(position); break;
    case 7: w->SetPicPlacement7(position); break;
    case 8: w->SetPicPlacement8(position); break;
    case 9: w->SetPicPlacement9(position); break;
    case 10: w->SetPicPlacement10(position); break;
    case 11: w->SetPicPlacement11(position); break;
    case 12: w->SetPicPlacement12(position); break;
    default: QFAIL("no such spread");
    }
}

struct Options {
    bool minor, major, reversed;
};
const QList<std::pair<const char*, Options>> kOptions = {
    {"whole deck", {false, false, false}},   {"minor", {true, false, false}},
    {"major", {false, true, false}},         {"reversed", {false, false, true}},
    {"minor reversed", {true, false, true}}, {"major reversed", {false, true, true}}};

constexpr double kAlmostOne = 1.0 - 0x1p-53;

// Fixture cards 145 x 250 (see CardFixture.h).
const testing::CardFixture kFixture(145);
const int W = kFixture.W, H = kFixture.H;
using testing::Facing;
using testing::Seen;
QImage fixtureCard(int n) { return kFixture.card(n); }
Seen seenOn(platform::PictureBox* place) { return kFixture.seenOn(place); }

// The deal as the rules say it goes, from the random values alone: per position, values until a card not
// dealt yet, then one coin when reversals are allowed.
struct Expected {
    QList<int> cards;
    QList<bool> reversed;
    int consumed = 0;
};
Expected oracle(const QList<double>& values, int n, int lo, int count, bool reversals)
{
    Expected e;
    for (int pos = 0; pos < n; ++pos) {
        int card = 0;
        do {
            const double x = values.value(e.consumed++, 0.0);
            card = lo + std::min(count - 1, static_cast<int>(std::floor(x * count)));
        } while (e.cards.contains(card));
        e.cards << card;
        bool rev = false;
        if (reversals)
            rev = static_cast<long long>(std::nearbyint(values.value(e.consumed++, 0.0) * 10)) % 2 != 0;
        e.reversed << rev;
    }
    return e;
}

QList<int> listOf(const tarot::CardList& l)
{
    const std::vector<std::int32_t>& items = l.items();
    return QList<int>(items.begin(), items.end());
}

QAction* action(QWidget* form, const char* name) { return form->findChild<QAction*>(QString::fromLatin1(name)); }

// The offered backs, in index order.
QList<int> offeredBacks(frmTarotManual* w)
{
    QList<int> out;
    for (int i = 0; i < frmTarotManual::kBackCount; ++i)
        if (!testing::control<platform::Clickable>(w, "p", i)->isHidden() &&
            testing::control<platform::Clickable>(w, "p", i)->isEnabled())
            out << i;
    return out;
}

// Where a control lies in its window's inside.
QRect placeIn(const QWidget* w, const QWidget* control) { return QRect(control->mapTo(w, QPoint(0, 0)), control->size()); }

QString rectText(const QRect& r) { return QStringLiteral("(%1,%2 %3x%4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

// The window's arrangement as the user sees it: the faults found, one line each.
QStringList arrangementFaults(frmTarotManual* w)
{
    QStringList faults;
    auto fault = [&faults](bool bad, const QString& what) {
        if (bad)
            faults << what;
    };
    const QRect inside = w->rect();
    const QRect banner = placeIn(w, testing::control<platform::Clickable>(w, "Label6")),
                picture = placeIn(w, testing::control<platform::PictureBox>(w, "picManual")),
                backs = placeIn(w, testing::control<QFrame>(w, "fraPictures")),
                prompt = placeIn(w, testing::control<QPlainTextEdit>(w, "txtDisp")),
                exit = placeIn(w, testing::control<QPushButton>(w, "cmdCancel")),
                back = placeIn(w, testing::control<QPushButton>(w, "cmdBack"));
    const QList<std::pair<const char*, QRect>> parts = {{"banner", banner}, {"spread picture", picture},
                                                        {"backs", backs},   {"prompt", prompt},
                                                        {"Exit", exit},     {"Back", back}};
    for (const auto& [name, r] : parts) {
        fault(!inside.contains(r), QStringLiteral("%1 %2 not inside the window %3").arg(name, rectText(r), rectText(inside)));
        for (const auto& [other, o] : parts)
            if (QByteArray(name) < QByteArray(other) && r.intersects(o))
                faults << QStringLiteral("%1 %2 overlaps %3 %4").arg(name, rectText(r), other, rectText(o));
    }
    fault(banner.bottom() >= std::min(picture.top(), backs.top()), QStringLiteral("the banner is not at the top"));
    fault(picture.right() >= backs.left(), QStringLiteral("the spread picture is not left of the backs"));
    fault(picture.top() != backs.top(), QStringLiteral("the spread picture and the backs do not start on one line"));
    fault(prompt.top() <= std::max(picture.bottom(), backs.bottom()), QStringLiteral("the prompt is not below them"));
    fault(prompt.left() > picture.left() || prompt.right() < backs.right(),
          QStringLiteral("the prompt %1 does not run across the width").arg(rectText(prompt)));
    fault(exit.top() != back.top() || exit.right() >= back.left(),
          QStringLiteral("Exit %1 and Back %2 not side by side, Exit first").arg(rectText(exit), rectText(back)));
    fault(exit.top() <= prompt.bottom(), QStringLiteral("the buttons are not below the prompt"));
    fault(back.right() < backs.right() - 8 || exit.left() < inside.center().x(),
          QStringLiteral("the buttons are not at the bottom right"));
    // Every back inside the frame, none over another.
    const QRect well = testing::control<QFrame>(w, "fraPictures")->contentsRect();
    for (int i = 0; i < frmTarotManual::kBackCount; ++i) {
        const QRect r = testing::control<platform::Clickable>(w, "p", i)->geometry();
        fault(!well.contains(r), QStringLiteral("back %1 %2 outside its frame").arg(i).arg(rectText(r)));
        if (i + 1 < frmTarotManual::kBackCount && (i + 1) % frmTarotManual::kBackColumns != 0)
            fault(r.intersects(testing::control<platform::Clickable>(w, "p", i + 1)->geometry()),
                  QStringLiteral("back %1 overlaps the next").arg(i));
        if (i + frmTarotManual::kBackColumns < frmTarotManual::kBackCount)
            fault(r.intersects(
                      testing::control<platform::Clickable>(w, "p", i + frmTarotManual::kBackColumns)->geometry()),
                  QStringLiteral("back %1 overlaps the one below").arg(i));
    }
    return faults;
}

// The waiting panel across the middle of the window, over the lower part of the spread picture and a band
// of the backs, inside the window.
QStringList waitingPanelFaults(frmTarotManual* w)
{
    QStringList faults;
    const QRect panel = placeIn(w, testing::control<QFrame>(w, "picMessage")),
                picture = placeIn(w, testing::control<platform::PictureBox>(w, "picManual")),
                backs = placeIn(w, testing::control<QFrame>(w, "fraPictures"));
    if (!testing::control<QFrame>(w, "picMessage")->isVisible())
        faults << QStringLiteral("the waiting panel is not on view");
    if (!w->rect().contains(panel))
        faults << QStringLiteral("the waiting panel %1 is not inside the window").arg(rectText(panel));
    if (!panel.contains(w->rect().center()))
        faults << QStringLiteral("the waiting panel %1 is not across the middle").arg(rectText(panel));
    const QRect lowerPicture = picture.adjusted(0, picture.height() / 2, 0, 0);
    if (!panel.intersects(lowerPicture) || panel.top() < picture.top())
        faults << QStringLiteral("the waiting panel does not lie over the lower part of the spread picture");
    if (panel.left() > backs.left() || panel.right() < backs.center().x() || panel.top() <= backs.top() ||
        panel.bottom() >= backs.bottom())
        faults << QStringLiteral("the waiting panel does not lie over a band of the backs");
    for (QLabel* label : testing::control<QFrame>(w, "picMessage")->findChildren<QLabel*>())
        if (!testing::control<QFrame>(w, "picMessage")->rect().contains(label->geometry()))
            faults << QStringLiteral("%1 sticks out of the waiting panel").arg(label->objectName());
    return faults;
}

QString readingOf(const QString& spread, const tarot::CardList& cards, const tarot::CardList& reversed)
{
    platform::RichTextBox box;
    tarot::RichTextBoxSink sink(&box);
    tarot::WriteSpreadHeader(sink, spread);
    tarot::WriteCardReadings(sink, cards, reversed);
    return box.Text();
}

} // namespace

class TestManual : public QObject {
    Q_OBJECT
    QTemporaryDir folder;
    testing::TarotRoad road;
    shell::frmMDI* mdi = nullptr;
    tarot::frmTarot* setUp = nullptr;

    // The road to the manual window: main window, tool switch, entry, querent (with the details typed),
    // set-up with the spread and options chosen, then Manual.
    frmTarotManual* openManual(int spread, Options o, int deck = 0, const std::function<void()>& beforeManual = {})
    {
        mdi = road.main();
        setUp = road.setUpForAda();
        if (!setUp)
            return nullptr;
        if (!testing::chooseEntry(testing::control<QComboBox>(setUp, "cboCards"), deck))
            return nullptr;
        if (!testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), spread))
            return nullptr;
        testing::setTicked(testing::control<QCheckBox>(setUp, "chkLA"), o.minor);
        testing::setTicked(testing::control<QCheckBox>(setUp, "chkHA"), o.major);
        testing::setTicked(testing::control<QCheckBox>(setUp, "chkRev"), o.reversed);
        if (beforeManual)
            beforeManual();
        // A window the step above put on view over the set-up screen is minimised first, as a user gets it
        // out of the way.
        if (!testing::uncover(testing::control<QPushButton>(setUp, "cmdManual")))
            return nullptr;
        testing::click(testing::control<QPushButton>(setUp, "cmdManual"));
        return platform::Forms::Peek<frmTarotManual>();
    }

    frmAuto* cardLayout() { return qobject_cast<frmAuto*>(platform::Forms::Peek(QStringLiteral("frmAuto"))); }

    // Picks the first `count` backs on offer, clicking them as the user does.
    void pick(frmTarotManual* w, int count)
    {
        const QList<int> offered = offeredBacks(w);
        for (int k = 0; k < count && k < offered.size(); ++k)
            testing::click(testing::control<platform::Clickable>(w, "p", offered[k]));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(folder.isValid());
        const QDir dir(folder.path());
        QVERIFY(dir.mkpath(QStringLiteral("cards")) && dir.mkpath(QStringLiteral("pic")));
        for (int n = 0; n < tarot::CardCount; ++n)
            QVERIFY(fixtureCard(n).save(dir.filePath(QStringLiteral("cards/o%1.jpg").arg(n)), "JPG", 95));
        for (int k = 0; k < tarot::catalogue::SpreadCount; ++k) {
            QImage pic(32, 40, QImage::Format_RGB32);
            pic.fill(QColor(10 * k, 100, 200));
            QVERIFY(pic.save(dir.filePath(QStringLiteral("pic/c%1.jpg").arg(k)), "JPG"));
        }
    }

    void init()
    {
        road.start();
        // The real card-layout and manual windows in place of the road's stand-ins.
        tarot::RegisterTarotForms();
        platform::setAppPath(folder.path());
        seams().scheduler->immediate = false;
    }

    void cleanup()
    {
        // Nothing may stay pending into the next case.
        seams().scheduler->runPending();
        road.finish();
    }

    // Every spread with every option combination the set-up screen allows, through the pause.
    void everySpreadAndOption_data()
    {
        QTest::addColumn<int>("spread");
        QTest::addColumn<int>("option");
        for (int k = 0; k < tarot::catalogue::SpreadCount; ++k)
            for (int o = 0; o < kOptions.size(); ++o)
                QTest::addRow("%s, %s", qPrintable(tarot::catalogue::SpreadText(k)), kOptions[o].first) << k << o;
    }
    void everySpreadAndOption()
    {
        QFETCH(int, spread);
        QFETCH(int, option);
        const Options o = kOptions[option].second;
        const QString name = tarot::catalogue::SpreadText(spread);
        const Places& places = kLayouts[spread];
        const int n = static_cast<int>(places.size());
        const int lo = o.major ? 0 : o.minor ? 22 : 0;
        const int count = o.major ? 22 : o.minor ? 56 : 78;

        frmTarotManual* w = openManual(spread, o);
        QVERIFY(w);
        QVERIFY(tarot::State().ManualMode);
        QCOMPARE(w->ChosenSpreadName, name);
        QCOMPARE(int(w->ChosenSpreadIndex), spread);
        QCOMPARE(offeredBacks(w).size(), o.major ? 22 : o.minor ? 56 : 78);
        QVERIFY(!testing::control<platform::PictureBox>(w, "picManual")->picture().isNull());

        // Each pick but the last records its back and prompts the position the next pick fills.
        const QList<int> offered = offeredBacks(w);
        for (int k = 0; k < n; ++k) {
            const std::optional<tarot::PositionText> text = tarot::PositionTextOf(name, k);
            QVERIFY(text);
            QCOMPARE(w->promptText(), tarot::PositionPrompt(*text));
            testing::click(testing::control<platform::Clickable>(w, "p", offered[k]));
            QVERIFY(testing::control<platform::Clickable>(w, "p", offered[k])->isHidden());
            QVERIFY(!testing::control<platform::Clickable>(w, "p", offered[k])->isEnabled());
            if (k < n - 1) {
                QCOMPARE(int(w->PickCount), k + 1);
                QCOMPARE(w->PickedBacks(k), offered[k]);
            }
        }

        // The last pick: the waiting panel, and nothing drawn before the pause ends.
        const QList<double> values = seams().random->script(static_cast<unsigned>(spread * 10 + option));
        QCOMPARE(w->phase(), frmTarotManual::Phase::Dealing);
        QCOMPARE(int(w->PickCount), n - 1);
        QVERIFY(testing::control<QFrame>(w, "picMessage")->isVisible());
        QVERIFY(shell::IsBusy());
        QCOMPARE(seams().scheduler->requestedDelays.count(3000), 1);
        QCOMPARE(seams().random->values.size(), values.size());
        QCOMPARE(seams().random->reseeds, 0);
        QVERIFY(!cardLayout());

        seams().scheduler->runPending();
        const Expected e = oracle(values, n, lo, count, o.reversed);
        const tarot::TarotState& s = tarot::State();

        // n distinct cards of the range, with no spare slot; the reversed list holds exactly the reversed
        // cards, in deal order, and has no storage when none is.
        QCOMPARE(listOf(s.DrawnCards), e.cards);
        QCOMPARE(s.DrawnCards.UBound(), n - 1);
        QCOMPARE(static_cast<int>(std::set<int>(e.cards.begin(), e.cards.end()).size()), n);
        for (int c : e.cards)
            QVERIFY(c >= lo && c < lo + count);
        QList<int> reversedCards;
        for (int i = 0; i < n; ++i)
            if (e.reversed[i])
                reversedCards << e.cards[i];
        QCOMPARE(listOf(s.ReversedCards), reversedCards);
        QCOMPARE(tarot::IsArrayInitialized(s.ReversedCards), !reversedCards.isEmpty());
        QCOMPARE(seams().random->values.size(), values.size() - e.consumed);
        QCOMPARE(seams().random->reseeds, n);

        // The places as the layout table says, each turned as its card lies; the crossing card across.
        frmAuto* layout = cardLayout();
        QVERIFY(layout);
        for (int i = 0; i < frmAuto::kPlaceCount; ++i) {
            platform::PictureBox* place = testing::control<platform::PictureBox>(layout, "p", i);
            if (i >= n) {
                QVERIFY(place->isHidden());
                continue;
            }
            QVERIFY(!place->isHidden());
            QVERIFY(!testing::control<platform::Label>(layout, "lbl", i)->isHidden());
            QVERIFY(testing::control<platform::Label>(layout, "lbl", i)->isEnabled());
            QCOMPARE(platform::leftTw(place), double(places[i].x()));
            QCOMPARE(platform::topTw(place), double(places[i].y()));
            const Seen seen = seenOn(place);
            QCOMPARE(seen.card, e.cards[i]);
            const Facing facing =
                spread == 0 && i == 1 ? Facing::Across : e.reversed[i] ? Facing::Reversed : Facing::Upright;
            QCOMPARE(seen.facing, facing);
        }

        // The reading after the header, once; the pane from its top, with the querent's details.
        QCOMPARE(testing::readingPane()->Text(), readingOf(name, s.DrawnCards, s.ReversedCards));
        QCOMPARE(testing::readingPane()->SelStart(), 0);
        QVERIFY(!testing::control<QWidget>(mdi, "picRight")->isHidden());
        QVERIFY(!testing::control<QWidget>(mdi, "picTop")->isHidden());
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isHidden());
        QCOMPARE(testing::control<QLineEdit>(mdi, "txtName")->text(), QStringLiteral("Ada Lovelace"));
        QCOMPARE(testing::control<QLineEdit>(mdi, "txtCountry")->text(), QStringLiteral("Wales"));
        QCOMPARE(testing::control<QLineEdit>(mdi, "txtQ")->text(), QStringLiteral("Shall I travel?"));
        QCOMPARE(testing::control<QLineEdit>(mdi, "txtDOB")->text(),
                 testing::control<QLineEdit>(setUp, "txtDOB")->text());

        // Done: hidden, still loaded, the panel up; nothing held any more; Save has the reading.
        QCOMPARE(platform::Forms::Peek<frmTarotManual>(), w);
        QCOMPARE(w->phase(), frmTarotManual::Phase::Done);
        QVERIFY(!testing::TarotRoad::onView(w));
        QVERIFY(!testing::control<QFrame>(w, "picMessage")->isHidden());
        QVERIFY(!shell::IsBusy());
        QVERIFY(s.Shown.complete);
        QCOMPARE(s.Shown.spreadName, name);
        QCOMPARE(s.Shown.deckLetter, QStringLiteral("o"));
        QCOMPARE(QList<int>(s.Shown.cards.begin(), s.Shown.cards.end()), e.cards);
        QCOMPARE(QList<int>(s.Shown.reversed.begin(), s.Shown.reversed.end()), reversedCards);
    }

    void backsOnOffer_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<int>("offered");
        QTest::newRow("major") << 2 << 22;
        QTest::newRow("minor") << 1 << 56;
        QTest::newRow("neither") << 3 << 78;
    }
    void backsOnOffer()
    {
        QFETCH(int, option);
        QFETCH(int, offered);
        // The Romany spread: 20 recorded picks, enough to empty whole columns.
        frmTarotManual* w = openManual(9, kOptions[option].second);
        QVERIFY(w);
        QList<int> expected;
        for (int i = 0; i < offered; ++i)
            expected << i;
        QCOMPARE(offeredBacks(w), expected);
        for (int i = offered; i < frmTarotManual::kBackCount; ++i)
            QVERIFY(testing::control<platform::Clickable>(w, "p", i)->isHidden() &&
                    !testing::control<platform::Clickable>(w, "p", i)->isEnabled());

        QList<QRect> before;
        for (QWidget* back : testing::controls<platform::Clickable>(w, "p"))
            before << back->geometry();
        // Column 0 (backs 0 and 13) emptied, then more; a picked back cannot be picked again.
        const QList<int> picks = {0, 13, 5, 1, 2, 3};
        for (int i : picks)
            testing::click(testing::control<platform::Clickable>(w, "p", i));
        // Where a picked back lay, a click meets the empty table.
        for (int i : {0, 13})
            testing::click(testing::control<QFrame>(w, "fraPictures"), before[i].center());
        // A picked back is off the table: no click reaches it. Its handler's own guard is called directly.
        w->p_Click(0);
        w->p_Click(13);
        QCOMPARE(int(w->PickCount), picks.size());
        for (int k = 0; k < picks.size(); ++k)
            QCOMPARE(w->PickedBacks(k), picks[k]);
        // 13 columns and 6 rows in index order, row by row, every back where it was.
        const QPoint origin = before[0].topLeft();
        const int dx = before[1].x() - before[0].x();
        const int dy = before[13].y() - before[0].y();
        QVERIFY(dx > 0 && dy > 0);
        for (int i = 0; i < frmTarotManual::kBackCount; ++i) {
            QCOMPARE(testing::control<platform::Clickable>(w, "p", i)->geometry(), before[i]);
            QCOMPARE(before[i].topLeft(), origin + QPoint((i % 13) * dx, (i / 13) * dy));
        }
        QCOMPARE(offeredBacks(w).size(), offered - picks.size());
    }

    // The last pick starts one deal; nothing the user does during the pause or after the deal counts.
    void inputDuringPauseAndAfterDeal()
    {
        frmTarotManual* w = openManual(3, {false, false, true});
        QVERIFY(w);
        pick(w, 3);
        QCOMPARE(w->phase(), frmTarotManual::Phase::Dealing);
        seams().random->script(7, 200);
        const qsizetype queued = seams().random->values.size();
        road.log.clear();

        const QList<int> left = offeredBacks(w);
        testing::click(testing::control<platform::Clickable>(w, "p", left[0]));
        testing::click(testing::control<QPushButton>(w, "cmdBack"));
        testing::click(testing::control<QPushButton>(w, "cmdCancel"));
        for (const char* item : {"mnuStart", "mnuExit", "mnuOnline", "mnuDona"})
            QVERIFY2(!testing::chooseMenu(action(w, item)), item);
        QVERIFY(testing::clickCloseBox(w));
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 1));
        // The window's input is held while the pause runs: no click, key or menu reaches its handlers, nor
        // its close box. Their own guard, the second line, is reached only by calling them; so is Save's,
        // whose querent bar is hidden while the cards are picked.
        QVERIFY(testing::control<QPushButton>(mdi, "cmdSave")->isHidden() ||
                !testing::control<QWidget>(mdi, "picTop")->isVisible());
        mdi->cmdSave_Click();
        w->p_Click(left[1]);
        w->cmdBack_Click();
        w->cmdCancel_Click();
        for (const char* item : {"mnuStart", "mnuExit", "mnuOnline", "mnuDona"})
            action(w, item)->trigger();
        w->subWindow()->close();
        w->close();
        QCOMPARE(offeredBacks(w), left);
        QCOMPARE(platform::Forms::Peek<frmTarotManual>(), w);
        QVERIFY(platform::Forms::Peek<tarot::frmTarot>());
        QVERIFY(!cardLayout());
        QVERIFY(seams().shell->opened.isEmpty());
        QVERIFY(seams().files->requests.isEmpty());
        QVERIFY(seams().messages->shown.isEmpty());
        QCOMPARE(seams().random->values.size(), queued);
        QVERIFY(road.log.isEmpty());

        // Clicks queued while the deal runs reach a window that has finished with them.
        auto post = [](QWidget* target) {
            const QPoint c = target->rect().center();
            const QPoint g = target->mapToGlobal(c);
            QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonPress, c, g, Qt::LeftButton,
                                                                Qt::LeftButton, Qt::NoModifier));
            QCoreApplication::postEvent(target, new QMouseEvent(QEvent::MouseButtonRelease, c, g, Qt::LeftButton,
                                                                Qt::NoButton, Qt::NoModifier));
        };
        post(testing::control<platform::Clickable>(w, "p", left[2]));
        post(testing::control<QPushButton>(w, "cmdCancel"));
        seams().scheduler->runPending();
        QCoreApplication::processEvents();

        const tarot::TarotState& s = tarot::State();
        QCOMPARE(s.DrawnCards.UBound(), 2);
        QCOMPARE(seams().random->reseeds, 3);
        const QList<int> cards = listOf(s.DrawnCards);
        const QString pane = testing::readingPane()->Text();
        const qsizetype rest = seams().random->values.size();

        // After the deal: the window is done with input. It is hidden, its menus are not in the bar, and
        // no click reaches it: its handlers are called directly.
        QVERIFY(!testing::TarotRoad::onView(w));
        QVERIFY(!testing::chooseMenu(action(w, "mnuExit")));
        w->p_Click(left[3]);
        w->cmdBack_Click();
        w->cmdCancel_Click();
        action(w, "mnuExit")->trigger();
        seams().scheduler->runPending();
        QCOMPARE(platform::Forms::Peek<frmTarotManual>(), w);
        QCOMPARE(listOf(s.DrawnCards), cards);
        QCOMPARE(testing::readingPane()->Text(), pane);
        QCOMPARE(seams().random->values.size(), rest);
        QCOMPARE(seams().scheduler->requestedDelays.count(3000), 1);
        QVERIFY(!shell::IsBusy());
        // Only the tool switch takes the finished window away.
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 1));
        QVERIFY(!platform::Forms::Peek<frmTarotManual>());
    }

    void oneCardDealsOnTheFirstClick()
    {
        frmTarotManual* w = openManual(1, {false, false, false});
        QVERIFY(w);
        QVERIFY(w->promptText().startsWith(QStringLiteral("Card 1:  This represents")));
        QVERIFY(!w->promptText().contains(QLatin1Char('\n')));
        seams().random->enqueue({0.5});
        pick(w, 1);
        QCOMPARE(w->phase(), frmTarotManual::Phase::Dealing);
        seams().scheduler->runPending();
        QCOMPARE(listOf(tarot::State().DrawnCards), QList<int>{39});
        QVERIFY(w->promptText().startsWith(QStringLiteral("Card 1:  This represents")));
    }

    void rangeEnds_data()
    {
        QTest::addColumn<int>("option");
        QTest::addColumn<QList<double>>("values");
        QTest::addColumn<QList<int>>("cards");
        QTest::newRow("major, 0") << 2 << QList<double>{0, 0} << QList<int>{0, 1};
        QTest::newRow("minor, 0") << 1 << QList<double>{0, 0.5} << QList<int>{22, 50};
        QTest::newRow("whole, 0") << 0 << QList<double>{0, 0.5} << QList<int>{0, 39};
        QTest::newRow("major, ends") << 2 << QList<double>{0, kAlmostOne} << QList<int>{0, 21};
        QTest::newRow("minor, ends") << 1 << QList<double>{kAlmostOne, 0} << QList<int>{77, 22};
        QTest::newRow("whole, ends") << 0 << QList<double>{kAlmostOne, 0} << QList<int>{77, 0};
        QTest::newRow("a repeat is drawn again") << 0 << QList<double>{0.25, 0.25, 0.75} << QList<int>{19, 58};
    }
    void rangeEnds()
    {
        QFETCH(int, option);
        QFETCH(QList<double>, values);
        QFETCH(QList<int>, cards);
        frmTarotManual* w = openManual(2, kOptions[option].second);
        QVERIFY(w);
        pick(w, 2);
        seams().random->enqueue(values);
        seams().scheduler->runPending();
        QCOMPARE(listOf(tarot::State().DrawnCards), cards);
        QVERIFY(seams().random->values.isEmpty());
    }

    void coin_data()
    {
        QTest::addColumn<double>("x");
        QTest::addColumn<bool>("reversed");
        QTest::newRow("0.5") << 0.5 << true;
        QTest::newRow("0.25") << 0.25 << false;
        QTest::newRow("0.75") << 0.75 << false;
        QTest::newRow("0.125") << 0.125 << true;
        QTest::newRow("0.984375") << 0.984375 << false;
        QTest::newRow("0") << 0.0 << false;
    }
    void coin()
    {
        QFETCH(double, x);
        QFETCH(bool, reversed);
        QCOMPARE(tarot::deal::ManualCoinReversed(x), reversed);

        frmTarotManual* w = openManual(1, {false, false, true});
        QVERIFY(w);
        seams().random->enqueue({0.5, x, 0.9});
        pick(w, 1);
        seams().scheduler->runPending();
        const tarot::TarotState& s = tarot::State();
        QCOMPARE(listOf(s.DrawnCards), QList<int>{39});
        QCOMPARE(listOf(s.ReversedCards), reversed ? QList<int>{39} : QList<int>{});
        QCOMPARE(seams().random->values.size(), 1);
        const Seen seen = seenOn(testing::control<platform::PictureBox>(cardLayout(), "p", 0));
        QCOMPARE(seen.card, 39);
        QCOMPARE(seen.facing, reversed ? Facing::Reversed : Facing::Upright);
        QCOMPARE(testing::readingPane()->Text().contains(tarot::CardReversedTitle(39)), reversed);
    }

    void noCoinWithoutReversals()
    {
        frmTarotManual* w = openManual(1, {false, false, false});
        QVERIFY(w);
        seams().random->enqueue({0.5, 0.5});
        pick(w, 1);
        seams().scheduler->runPending();
        QCOMPARE(seams().random->values.size(), 1);
        QVERIFY(!tarot::IsArrayInitialized(tarot::State().ReversedCards));
    }

    // The crossing card is laid across the first, upright whatever its coin, and still read reversed.
    void crossingCard_data()
    {
        QTest::addColumn<double>("coin");
        QTest::newRow("upright") << 0.0;
        QTest::newRow("reversed") << 0.5;
    }
    void crossingCard()
    {
        QFETCH(double, coin);
        frmTarotManual* w = openManual(0, {false, false, true});
        QVERIFY(w);
        pick(w, 10);
        // Card 10 upright, then card 20 with the coin given, then the rest upright.
        QList<double> values = {10.5 / 78, 0.0, 20.5 / 78, coin};
        for (int k = 2; k < 10; ++k)
            values << (30.5 + k) / 78 << 0.0;
        seams().random->enqueue(values);
        seams().scheduler->runPending();
        frmAuto* layout = cardLayout();
        platform::PictureBox* across = testing::control<platform::PictureBox>(layout, "p", 1);
        QCOMPARE(platform::leftTw(across), 2300.0);
        QCOMPARE(platform::topTw(across), 4200.0);
        QCOMPARE(across->size(), QSize(H + 2, W + 2));
        const Seen seen = seenOn(across);
        QCOMPARE(seen.card, 20);
        QCOMPARE(seen.facing, Facing::Across);
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(layout, "p", 0)).facing, Facing::Upright);
        const bool reversed = coin == 0.5;
        QCOMPARE(listOf(tarot::State().ReversedCards), reversed ? QList<int>{20} : QList<int>{});
        QCOMPARE(testing::readingPane()->Text().contains(tarot::CardReversedTitle(20)), reversed);
        // Laid over the first card.
        const QList<QObject*> order = across->parent()->children();
        QVERIFY(order.indexOf(across) > order.indexOf(testing::control<platform::PictureBox>(layout, "p", 0)));
    }

    // A card picture that cannot be read shows the upright placeholder, never a picture an earlier
    // reading left in the place; the card is still dealt reversed and read so.
    void missingPictureShowsThePlaceholder()
    {
        const QString file = QDir(folder.path()).filePath(QStringLiteral("cards/o40.jpg"));
        QVERIFY(QFile::rename(file, file + QStringLiteral(".away")));
        frmTarotManual* w = openManual(2, {false, false, true});
        QVERIFY(w);
        pick(w, 2);
        seams().random->enqueue({12.5 / 78, 0.0, 40.5 / 78, 0.5});
        seams().scheduler->runPending();
        QVERIFY(QFile::rename(file + QStringLiteral(".away"), file));
        frmAuto* layout = cardLayout();
        const QImage placeholder =
            frmAuto::FramedPicture(frmAuto::PlaceholderPicture()).toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(testing::control<platform::PictureBox>(layout, "p", 1)
                     ->picture()
                     .toImage()
                     .convertToFormat(QImage::Format_RGB32),
                 placeholder);
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(layout, "p", 0)).card, 12);
        QCOMPARE(listOf(tarot::State().ReversedCards), QList<int>{40});
        QVERIFY(testing::readingPane()->Text().contains(tarot::CardReversedTitle(40)));
    }

    // Each placement method over its spread's positions, in deal order: the place and label at the spot
    // and shown, the prompt that follows; positions outside the spread show their place but move nothing.
    void placements_data()
    {
        QTest::addColumn<int>("spread");
        for (int k = 0; k < tarot::catalogue::SpreadCount; ++k)
            QTest::newRow(qPrintable(tarot::catalogue::SpreadText(k))) << k;
    }
    void placements()
    {
        QFETCH(int, spread);
        const QString name = tarot::catalogue::SpreadText(spread);
        frmTarotManual* w = openManual(spread, {false, false, false});
        QVERIFY(w);
        const Places& places = kLayouts[spread];
        const int n = static_cast<int>(places.size());
        // Prompts typed from the placement tables.
        const QHash<int, QString> typed = {
            {0 * 100 + 0, QStringLiteral("Card 2\r\n\r\nThe Crossing")},
            {0 * 100 + 1, QStringLiteral("Card 3: The Root")},
            {0 * 100 + 7, QStringLiteral("Card 9: The Inside\r\nCard 10: The Outcome")},
            {0 * 100 + 8, QStringLiteral("Card 9: The Inside\r\nCard 10: The Outcome")},
            {7 * 100 + 2, QStringLiteral("Card 4\r\nThis card alters the next card (Card5)")},
            {8 * 100 + 1, QStringLiteral("Card 3 reflects you expressions, feelings, desires and sentiments.")},
            {9 * 100 + 5, QStringLiteral("Card 7 represents the past")},
            {9 * 100 + 6, QStringLiteral("Card 8 represents the present")},
            {9 * 100 + 13, QStringLiteral("Card 15 reflects the future")},
            {9 * 100 + 20, QString()},
            {10 * 100 + 7,
             QStringLiteral("Card 9 is Related to Sagittarius which represents you intimacy in religion and philosophy.")},
            {11 * 100 + 3,
             QStringLiteral("Card 5 - Left shoulder: Reveals our learning skills and our capacity to take up things.")},
            {12 * 100 + 3, QString()},
        };

        for (int i = 0; i < n; ++i) {
            const QString before = w->promptText();
            placeWith(w, spread, i);
            frmAuto* layout = cardLayout();
            QVERIFY(layout);
            platform::PictureBox* place = testing::control<platform::PictureBox>(layout, "p", i);
            QCOMPARE(platform::leftTw(place), double(places[i].x()));
            QCOMPARE(platform::topTw(place), double(places[i].y()));
            QVERIFY(!place->isHidden() && place->isEnabled());
            QVERIFY(!testing::control<platform::Label>(layout, "lbl", i)->isHidden() &&
                    testing::control<platform::Label>(layout, "lbl", i)->isEnabled());

            const QString after = w->promptText();
            if (typed.contains(spread * 100 + i))
                QCOMPARE(after, typed[spread * 100 + i]);
            switch (tarot::PlacementPromptKindOf(spread, i)) {
            case tarot::PlacementPromptKind::None: QCOMPARE(after, before); break;
            case tarot::PlacementPromptKind::Empty: QCOMPARE(after, QString()); break;
            case tarot::PlacementPromptKind::Next:
                QCOMPARE(after, tarot::PositionPrompt(*tarot::PositionTextOf(name, i + 1)));
                break;
            case tarot::PlacementPromptKind::Text:
                // Every text names the card the next pick would have filled (Celtic Cross 8 repeats 7's).
                QVERIFY(after.startsWith(QStringLiteral("Card %1").arg(spread == 0 && i == 8 ? 9 : i + 2)));
                break;
            }
            // The box shows the prompt with bare line feeds.
            QCOMPARE(testing::control<QPlainTextEdit>(w, "txtDisp")->toPlainText(),
                     QString(after).remove(QLatin1Char('\r')));
        }
        // The last position of every spread but the Romany writes nothing.
        QCOMPARE(tarot::PlacementPromptKindOf(spread, n - 1),
                 spread == 9 ? tarot::PlacementPromptKind::Empty : tarot::PlacementPromptKind::None);

        // Outside the spread: shown, not moved, no prompt; past the places nothing breaks.
        frmAuto* layout = cardLayout();
        if (n < frmAuto::kPlaceCount) {
            platform::PictureBox* outside = testing::control<platform::PictureBox>(layout, "p", n);
            const QPoint at = outside->pos();
            const QString prompt = w->promptText();
            placeWith(w, spread, n);
            QCOMPARE(outside->pos(), at);
            QVERIFY(!outside->isHidden() && !testing::control<platform::Label>(layout, "lbl", n)->isHidden());
            QCOMPARE(w->promptText(), prompt);
        }
        placeWith(w, spread, 21);
        placeWith(w, spread, -1);
    }

    void placementPromptKinds()
    {
        QMap<tarot::PlacementPromptKind, int> counts;
        int rows = 0;
        for (int k = 0; k < tarot::catalogue::SpreadCount; ++k)
            for (int i = 0; i < tarot::catalogue::SpreadCards(k); ++i, ++rows)
                ++counts[tarot::PlacementPromptKindOf(k, i)];
        QCOMPARE(rows, 103);
        QCOMPARE(counts[tarot::PlacementPromptKind::None], 12);
        QCOMPARE(counts[tarot::PlacementPromptKind::Next], 24);
        QCOMPARE(counts[tarot::PlacementPromptKind::Text], 58);
        QCOMPARE(counts[tarot::PlacementPromptKind::Empty], 9);
        QVERIFY(!tarot::PromptAfterPlacing(3, 3));
        QVERIFY(!tarot::PromptAfterPlacing(13, 0));
    }

    void showCardInfo()
    {
        frmTarotManual* w = openManual(0, {false, false, false});
        QVERIFY(w);
        const QString first = tarot::PositionPrompt(*tarot::PositionTextOf(QStringLiteral("Celtic Cross"), 0));
        QVERIFY(first.startsWith(QStringLiteral("Card 1: The Covering\r\n")));
        QCOMPARE(w->promptText(), first);
        QCOMPARE(testing::control<QPlainTextEdit>(w, "txtDisp")->toPlainText(),
                 QString(first).remove(QLatin1Char('\r')));
        QVERIFY(testing::control<QPlainTextEdit>(w, "txtDisp")->isReadOnly());

        w->ShowCardInfo(QStringLiteral("2"));
        const QString third = w->promptText();
        w->ShowCardInfo(QStringLiteral("2"));
        QCOMPARE(w->promptText(), third);
        w->ShowCardInfo(QStringLiteral("00"));
        QCOMPARE(w->promptText(), first);
        for (const char* position : {"10", "-1", "", "x", "1.0", " 1", "99999999999999999999"}) {
            w->ShowCardInfo(QString::fromLatin1(position));
            QCOMPARE(w->promptText(), first);
        }
        for (const char* spread : {"celtic cross", "Celtic Cross ", "-1", ""}) {
            w->ChosenSpreadName = QString::fromLatin1(spread);
            w->ShowCardInfo(QStringLiteral("1"));
            QCOMPARE(w->promptText(), first);
        }

        // Every prompt is, character for character, what the reading pane writes for that position.
        for (int k = 0; k < tarot::catalogue::SpreadCount; ++k) {
            const QString name = tarot::catalogue::SpreadText(k);
            w->ChosenSpreadName = name;
            for (int i = 0; i < tarot::catalogue::SpreadCards(k); ++i) {
                w->ShowCardInfo(QString::number(i));
                tarot::State().ReadingSpreadName = name;
                platform::RichTextBox box;
                tarot::RichTextBoxSink sink(&box);
                tarot::WritePositionMeaning(sink, i);
                QCOMPARE(w->promptText(), box.Text());
            }
        }
    }

    // A reading opened earlier is still on show when Manual deals a Three Cards reading.
    void dealAfterAnOpenedReading()
    {
        // What opening a ten-card reading from a file leaves: its lists, its deck and its window on show.
        tarot::TarotState& s = tarot::State();
        QPointer<frmAuto> old;
        frmTarotManual* w = openManual(3, {false, false, true}, 0, [&] {
            s.DeckLetter = QStringLiteral("m");
            s.DrawnCards.ReDim(10);
            for (int i = 0; i < 10; ++i)
                s.DrawnCards(i) = 40 + i;
            s.ReversedCards.Erase();
            s.ReversedCards.Append(41);
            old = qobject_cast<frmAuto*>(platform::Forms::Get(QStringLiteral("frmAuto")));
            old->Show();
            old->ShowOpenedReading(QStringLiteral("Celtic Cross"), {40, 41, 42, 43, 44, 45, 46, 47, 48, 49}, {41});
            testing::readingPane()->SetText(QStringLiteral("the old reading"));
        });
        QVERIFY(w);
        QVERIFY(old);
        pick(w, 3);
        // Card 0 reversed, then 1 and 2 upright.
        seams().random->enqueue({0.0, 0.5, 1.5 / 78, 0.0, 2.5 / 78, 0.0});
        seams().scheduler->runPending();

        QCOMPARE(listOf(s.DrawnCards), (QList<int>{0, 1, 2}));
        QCOMPARE(listOf(s.ReversedCards), QList<int>{0});
        QCOMPARE(s.DeckLetter, QStringLiteral("o"));
        const QString pane = testing::readingPane()->Text();
        QCOMPARE(pane, readingOf(QStringLiteral("Three Cards"), s.DrawnCards, s.ReversedCards));
        QVERIFY(!pane.contains(QStringLiteral("the old reading")));
        frmAuto* layout = cardLayout();
        QVERIFY(layout);
        QVERIFY(layout != old && (!old || old->isUnloading()));  // the old window went, its unload included
        for (int i = 3; i < frmAuto::kPlaceCount; ++i)
            QVERIFY(testing::control<platform::PictureBox>(layout, "p", i)->isHidden());
        QCOMPARE(seenOn(testing::control<platform::PictureBox>(layout, "p", 0)).facing, Facing::Reversed);
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isHidden());

        // Save writes the reading on show.
        const QString file = folder.path() + QStringLiteral("/manual.slv");
        seams().files->answers.enqueue(file);
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        QVERIFY(seams().messages->shown.isEmpty());
        QFile saved(file);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        tarot::ShownReading expected;
        expected.complete = true;
        expected.spreadName = QStringLiteral("Three Cards");
        expected.deckLetter = QStringLiteral("o");
        expected.cards = {0, 1, 2};
        expected.reversed = {0};
        QCOMPARE(saved.readAll(), tarot::ComposeReadingFile(expected));
    }

    // A reading dealt by hand comes back from its file as it was: Save, Open, Save give the same bytes,
    // the same text and the same cards where they lay.
    void manualReadingSurvivesSaveAndOpen()
    {
        frmTarotManual* w = openManual(0, {false, false, true});
        QVERIFY(w);
        pick(w, 10);
        // Cards 5..14, every other one reversed; the crossing card's coin says reversed too.
        QList<double> values;
        for (int k = 0; k < 10; ++k)
            values << (5 + k + 0.5) / 78 << (k % 2 ? 0.5 : 0.0);
        seams().random->enqueue(values);
        seams().scheduler->runPending();
        const QString text = testing::readingPane()->Text();
        QList<Seen> seen;
        for (int i = 0; i < 10; ++i)
            seen << seenOn(testing::control<platform::PictureBox>(cardLayout(), "p", i));

        const QString first = folder.path() + QStringLiteral("/by-hand.slv");
        const QString second = folder.path() + QStringLiteral("/by-hand-again.slv");
        seams().files->answers.enqueue(first);
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));

        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        seams().files->answers.enqueue(first);
        testing::click(testing::control<QPushButton>(front, "cmdOpen"));
        QVERIFY(seams().messages->shown.isEmpty());
        QCOMPARE(testing::readingPane()->Text(), text);
        for (int i = 0; i < 10; ++i)
            QCOMPARE(seenOn(testing::control<platform::PictureBox>(cardLayout(), "p", i)), seen[i]);
        seams().files->answers.enqueue(second);
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));

        QFile a(first), b(second);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray bytes = a.readAll();
        QCOMPARE(b.readAll(), bytes);
        QCOMPARE(bytes.count("\r\n"), 2 + 10 + 5);
    }

    void readingPaneHeight_data()
    {
        QTest::addColumn<double>("screenHeight");
        QTest::newRow("screen") << 15360.0;
        QTest::newRow("short screen") << 1500.0;
    }
    void readingPaneHeight()
    {
        QFETCH(double, screenHeight);
        frmTarotManual* w = openManual(1, {false, false, false});
        QVERIFY(w);
        seams().screen->height = screenHeight;
        pick(w, 1);
        seams().scheduler->runPending();
        const double bars = platform::heightTw(testing::control<QWidget>(mdi, "picTop")) +
                            platform::heightTw(testing::control<QWidget>(mdi, "Picture1")) +
                            platform::heightTw(testing::control<QWidget>(mdi, "PicCoBrand")) +
                            platform::heightTw(testing::control<QWidget>(mdi, "Picture6")) + 1200;
        const double expected = std::max(0.0, screenHeight - bars);
        QCOMPARE(platform::heightTw(testing::readingPane()), expected);
        QVERIFY(!testing::control<QWidget>(mdi, "picRight")->isHidden());
    }

    void leaving_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<bool>("toQuerent");
        QTest::newRow("Back") << "cmdBack" << true;
        QTest::newRow("Start Again") << "mnuStart" << true;
        QTest::newRow("Exit") << "cmdCancel" << false;
        QTest::newRow("menu Exit") << "mnuExit" << false;
        QTest::newRow("close box") << "close" << false;
    }
    void leaving()
    {
        QFETCH(QString, road);
        QFETCH(bool, toQuerent);
        frmTarotManual* w = openManual(0, {false, false, false});
        QVERIFY(w);
        pick(w, 4);
        if (road == QLatin1String("close"))
            QVERIFY(testing::clickCloseBox(w));
        else if (road.startsWith(QLatin1String("mnu")))
            QVERIFY(testing::chooseMenu(action(w, qPrintable(road))));
        else
            testing::click(w->findChild<QPushButton*>(road));

        QVERIFY(!platform::Forms::Peek<frmTarotManual>());
        tarot::frmTarotFront* front = platform::Forms::Peek<tarot::frmTarotFront>();
        QVERIFY(front);
        QCOMPARE(testing::TarotRoad::onView(front), toQuerent);
        QCOMPARE(testing::control<QLineEdit>(front, "txtName")->text(), QStringLiteral("Ada Lovelace"));
        QCOMPARE(testing::control<QPlainTextEdit>(front, "txtQuestion")->toPlainText(),
                 QStringLiteral("Shall I travel?"));
        QCOMPARE(testing::control<QWidget>(mdi, "picMain")->isHidden(), toQuerent);
        tarot::frmTarot* screen = platform::Forms::Peek<tarot::frmTarot>();
        QVERIFY(screen);
        QVERIFY(!testing::TarotRoad::onView(screen));
        QVERIFY(!cardLayout());
        QVERIFY(!shell::IsBusy());

        // A new Manual opens a new window from its load.
        if (toQuerent) {
            testing::click(testing::control<QPushButton>(front, "cmdNext"));
            testing::click(testing::control<QPushButton>(screen, "cmdManual"));
            frmTarotManual* again = platform::Forms::Peek<frmTarotManual>();
            QVERIFY(again);
            QCOMPARE(int(again->PickCount), 0);
            QCOMPARE(offeredBacks(again).size(), 78);
        }
    }

    // The arrangement the user sees, on every real screen with a window manager's frame: banner at the top,
    // the spread picture left of the backs, the prompt across the width below them, Exit and Back side by
    // side at the bottom right, nothing over anything else; the whole window inside the work area, also
    // when the user has made the main window narrower than the screen, and the waiting panel across the
    // middle once the last back is picked.
    void arrangement_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("mainWidth");  // 0: as the program fits it
        for (const QSize& size : testing::RealScreenSizes())
            QTest::newRow(qPrintable(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()))) << size << 0;
        QTest::newRow("1920x1080, main window 900 wide") << QSize(1920, 1080) << 900;
    }
    void arrangement()
    {
        QFETCH(QSize, screen);
        QFETCH(int, mainWidth);
        testing::UseScreen(screen);
        frmTarotManual* w = openManual(0, {false, false, false}, 0, [this, mainWidth] {
            if (mainWidth > 0) {
                mdi->resize(mainWidth, mdi->height());
                QApplication::processEvents();
            }
        });
        QVERIFY(w);
        QApplication::processEvents();
        QStringList faults = arrangementFaults(w);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        QCOMPARE(testing::ToolWindowFaults(mdi, w), QStringList());
        // It fits whole, no scrolling needed: the work area of a 768-pixel-high screen holds it.
        const QRect at(w->frame()->mapTo(testing::control<QMdiArea>(mdi, "mdiArea"), QPoint(0, 0)), w->frame()->size());
        QVERIFY2(testing::control<QMdiArea>(mdi, "mdiArea")->contentsRect().contains(at),
                 qPrintable(rectText(at) + QStringLiteral(" in ") +
                            rectText(testing::control<QMdiArea>(mdi, "mdiArea")->contentsRect())));
        QCOMPARE(w->Top(), 0.0);

        pick(w, 10);
        faults = waitingPanelFaults(w);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QStringLiteral("; "))));
        seams().scheduler->runPending();
    }

    // Every prompt of every spread shows whole in its box, from its first line to its last, as the picks
    // bring it.
    void promptShowsWhole()
    {
        for (int spread = 0; spread < tarot::catalogue::SpreadCount; ++spread) {
            frmTarotManual* w = openManual(spread, {false, false, false});
            QVERIFY(w);
            const int n = tarot::catalogue::SpreadCards(spread);
            for (int k = 0; k < n; ++k) {
                QApplication::processEvents();
                QTextCursor end(testing::control<QPlainTextEdit>(w, "txtDisp")->document());
                end.movePosition(QTextCursor::End);
                const QRect last = testing::control<QPlainTextEdit>(w, "txtDisp")->cursorRect(end);
                const QRect first =
                    testing::control<QPlainTextEdit>(w, "txtDisp")
                        ->cursorRect(QTextCursor(testing::control<QPlainTextEdit>(w, "txtDisp")->document()));
                const QString where = QStringLiteral("spread %1, position %2: %3").arg(spread).arg(k).arg(w->promptText());
                QVERIFY2(!w->promptText().isEmpty(), qPrintable(where));
                QVERIFY2(first.top() >= 0 &&
                             last.bottom() < testing::control<QPlainTextEdit>(w, "txtDisp")->viewport()->height(),
                         qPrintable(where));
                if (k + 1 < n)
                    pick(w, 1);
            }
            testing::click(testing::control<QPushButton>(w, "cmdCancel"));
        }
    }

    void menus()
    {
        frmTarotManual* w = openManual(0, {false, false, false});
        QVERIFY(w);
        QStringList bar;
        for (QAction* a : w->menuBarActions())
            bar << a->text();
        QCOMPARE(bar, (QStringList{"&File", "&Help", "Donate", "Make Money &Online"}));
        QVERIFY(!action(w, "mnuMakeMoney")->isEnabled());
        // Each menu exactly as listed, separators included: "-" stands for one.
        auto items = [w](const char* menu) {
            QStringList out;
            for (QAction* a : w->findChild<QMenu*>(QString::fromLatin1(menu))->actions())
                out << (a->isSeparator() ? QStringLiteral("-") : a->text());
            return out;
        };
        QCOMPARE(items("mnuFile"), (QStringList{"&Start Again", "&Exit"}));
        QCOMPARE(items("mnuHelp"), (QStringList{"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                                                "-", "&About Software"}));
        const QList<std::pair<const char*, const char*>> pages = {{"mnuOnline", "help-web-page"},
                                                                  {"mnuVisit", "home-page"},
                                                                  {"mnuUpdate", "download-web-page"},
                                                                  {"mnuDona", "donate"}};
        for (const auto& [item, key] : pages) {
            seams().shell->opened.clear();
            QVERIFY2(testing::chooseMenu(action(w, item)), item);
            QCOMPARE(seams().shell->opened, QStringList{shell::PageAddress(key)});
        }
        seams().shell->opened.clear();
        testing::click(testing::control<platform::Clickable>(w, "Label6"));
        QCOMPARE(seams().shell->opened, QStringList{shell::PageAddress("home-page")});
    }
};

SELVANTHE_TEST_MAIN(TestManual)
#include "tst_manual.moc"
