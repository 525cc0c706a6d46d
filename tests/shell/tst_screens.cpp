// Every window of every tool, in each state the user reaches it in, looked at on the screens the program
// must serve, with the frame a window manager puts around the main window: the main window fits the
// screen, each tool window lies where the work area shows it or can scroll to it and clear of the reading
// pane, every label shows its whole text, every caption reads on its button, every frame keeps its title
// and border clear.
#include "FindControl.h"
#include "ScreenCheck.h"
#include "TestMain.h"
#include "UserInput.h"

#include "platform/PictureBox.h"
#include "runes/RuneTables.h"
#include "runes/RunesChoiceForm.h"
#include "runes/frmRunesReadingAll.h"
#include "runes/frmRunesReadingEntry.h"
#include "runes/frmRunesReadingResult.h"
#include "runes/frmRunesReadingSelect.h"
#include "runes/frmRunesReadingSpread.h"
#include "runictarot/RunicTarotState.h"
#include "runictarot/SunSign.h"
#include "runictarot/frmRunicTarotDisplay.h"
#include "runictarot/frmRunicTarotMain.h"
#include "runictarot/frmRunicTarotSave.h"
#include "shell/frmAbout.h"
#include "shell/frmExitScreen.h"
#include "shell/frmMDI.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/TarotState.h"
#include "tarot/frmAuto.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotManual.h"
#include "tarot/frmTarotOpen.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QScrollBar>
#include <QStyle>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSet>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

using testing::seams;

namespace {

// A date in the middle of each sign, in the sign table's order.
struct SignDate {
    const char* sign;
    int day;
    const char* month;
};
const SignDate kSignDates[] = {{"Aries", 5, "April"},         {"Taurus", 5, "May"},        {"Gemini", 5, "June"},
                               {"Cancer", 5, "July"},         {"Leo", 5, "August"},        {"Virgo", 5, "September"},
                               {"Libra", 5, "October"},       {"Scorpio", 5, "November"},  {"Sagittarius", 5, "December"},
                               {"Capricorn", 5, "January"},   {"Aquarius", 5, "February"}, {"Pisces", 5, "March"}};

// Random values for whatever draws next: enough for any deal, the same on every run.
void scriptRandom()
{
    static unsigned draw = 0;
    seams().random->script(16 + draw++);
}

void processEvents()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

QString sizeName(QSize s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); }

} // namespace

class TestScreens : public QObject {
    Q_OBJECT
    QTemporaryDir files;
    shell::frmMDI* mdi = nullptr;
    QStringList faults;

    // The program started on a screen of the given size.
    void start(QSize screen)
    {
        testing::freshProgram();
        tarot::ResetStateForTests();
        runes::ResetRunesState();
        runictarot::ResetRunicTarotState();
        testing::UseScreen(screen);
        mdi = platform::Forms::Get<shell::frmMDI>();
        mdi->Show();
        QApplication::setActiveWindow(mdi);
        processEvents();
        faults.clear();
    }

    // Everything the user sees of the main window, and of the tool window on view in it.
    void look(const QString& state, const platform::Form* tool = nullptr, const QRegularExpression& expected = {})
    {
        processEvents();
        QStringList found =
            testing::MainWindowFaults(mdi) + testing::ControlFaults(mdi) + testing::NeedlessScrollBars(mdi);
        if (tool)
            found += testing::ToolWindowFaults(mdi, tool);
        for (platform::Form* f : platform::Forms::Loaded())
            if (f != tool && f->kind() == platform::Form::Kind::MdiChild && f->frame()->isVisible())
                found += testing::ToolWindowFaults(mdi, f);
        for (const QString& f : found)
            if (expected.pattern().isEmpty() || !expected.match(f).hasMatch())
                faults << state + QStringLiteral(": ") + f;
    }

    void lookAtTopLevel(const QString& state, const QWidget* window)
    {
        processEvents();
        for (const QString& f : testing::TopLevelFaults(window) + testing::ControlFaults(window))
            faults << state + QStringLiteral(": ") + f;
    }

    // Tells every fault found, one line each; a test message alone would cut the list short.
    bool noFaults() const
    {
        for (const QString& f : faults)
            qWarning().noquote() << f;
        return faults.isEmpty();
    }

    void expect(bool ok, const QString& what)
    {
        if (!ok)
            faults << what;
    }

    // The tarot tool from its button to the set-up screen, through the entry and querent screens.
    tarot::frmTarotFront* querent()
    {
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 1));
        auto* entry = platform::Forms::Peek<tarot::frmTarotOpen>();
        if (!entry)
            return nullptr;
        entry->Timer1_Timer();  // the three seconds have passed: a timer, which no input stands for
        look(QStringLiteral("tarot entry"), entry);
        testing::click(testing::control<QPushButton>(entry, "cmdContd"));
        return platform::Forms::Peek<tarot::frmTarotFront>();
    }

    tarot::frmTarot* setUp(int spread)
    {
        tarot::frmTarotFront* front = querent();
        if (!front)
            return nullptr;
        if (spread == 0)
            look(QStringLiteral("querent"), front);
        if (!testing::typeInto(testing::control<QLineEdit>(front, "txtName"), QStringLiteral("Marguerite Delacroix")) ||
            !testing::typeInto(testing::control<QLineEdit>(front, "txtCountry"), QStringLiteral("United Kingdom")))
            return nullptr;
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        auto* setup = platform::Forms::Peek<tarot::frmTarot>();
        if (setup && !testing::clickEntry(testing::control<QListWidget>(setup, "lstOption"), spread))
            return nullptr;
        return setup;
    }

    // A window its design centres stands at the top of the part of the work area on view, centred across
    // the room the area shows beside the reading pane; where that room is narrower than the window, at its
    // left edge.
    void centred(const QString& state, const platform::Form* form)
    {
        const QWidget* frame = form->frame();
        const QWidget* viewport = testing::control<QMdiArea>(mdi, "mdiArea")->viewport();
        const QPoint at = frame->mapTo(viewport, QPoint(0, 0));
        const int room = viewport->width();
        const int wanted = frame->width() <= room ? (room - frame->width()) / 2 : 0;
        if (std::abs(at.x() - wanted) > 1 || at.y() != 0)
            faults << state + QStringLiteral(": %1 at (%2,%3), not centred across the %4 pixels of the work area")
                                  .arg(form->formName())
                                  .arg(at.x())
                                  .arg(at.y())
                                  .arg(room);
    }

    // The card-layout window with the spread's places on view.
    void lookAtLayout(const QString& state, int spread)
    {
        auto* layout = platform::Forms::Peek<tarot::frmAuto>();
        expect(layout, state + QStringLiteral(": no card-layout window"));
        if (!layout)
            return;
        look(state, layout);
        int shown = 0;
        for (platform::PictureBox* place : testing::controls<platform::PictureBox>(layout, "p"))
            shown += place->isVisibleTo(layout) ? 1 : 0;
        expect(shown == tarot::catalogue::SpreadCards(spread),
               state + QStringLiteral(": %1 card places on view").arg(shown));
        for (const QString& f : testing::ControlFaults(layout))
            faults << state + QStringLiteral(": ") + f;
    }

private slots:
    void initTestCase() { QVERIFY(files.isValid()); }

    void cleanup() { seams().scheduler->immediate = true; }

    void screens_data()
    {
        QTest::addColumn<QSize>("screen");
        for (QSize s : testing::RealScreenSizes())
            QTest::newRow(qPrintable(sizeName(s))) << s;
    }

    // The welcome panel, the about box and the exit screen with each of its four messages.
    void mainWindow_data() { screens_data(); }
    void mainWindow()
    {
        QFETCH(QSize, screen);
        start(screen);
        look(QStringLiteral("welcome"));
        testing::once([] { return platform::Forms::IsLoaded(QStringLiteral("frmAbout")); }, [this] {
            auto* about = platform::Forms::Peek<shell::frmAbout>();
            QVERIFY(about);
            lookAtTopLevel(QStringLiteral("about box"), about);
            testing::click(testing::control<QPushButton>(about, "cmdOK"));
        });
        QVERIFY(testing::chooseMenu(mdi->findChild<QAction*>(QStringLiteral("mnuAbout"))));
        expect(!platform::Forms::IsLoaded(QStringLiteral("frmAbout")), QStringLiteral("about box still open"));
        QSet<QString> messages;
        for (int message = 0; message < 4; ++message) {
            const QStringList before = faults;
            start(screen);
            faults = before;
            seams().random->values.enqueue(message / 4.0 + 0.1);
            testing::click(testing::control<QPushButton>(mdi, "cmdMdiExit"));
            auto* exitScreen = platform::Forms::Peek<shell::frmExitScreen>();
            QVERIFY(exitScreen);
            lookAtTopLevel(QStringLiteral("exit screen, message %1").arg(message), exitScreen);
            messages << testing::control<platform::Label>(exitScreen, "Label2")->text();
        }
        QCOMPARE(messages.size(), 4);
        QVERIFY2(noFaults(), "see the faults above");
    }

    // The tarot tool's screens, and each spread's card-layout window by AutoCast, by Open (twice) and by
    // hand, with the manual window before its last pick and while the deal waits.
    void tarotTool_data() { screens_data(); }
    void tarotTool()
    {
        QFETCH(QSize, screen);
        start(screen);
        for (int spread = 0; spread < tarot::catalogue::SpreadCount; ++spread) {
            const QString name = tarot::catalogue::SpreadText(spread);
            tarot::frmTarot* setup = setUp(spread);
            QVERIFY2(setup, qPrintable(name));
            look(QStringLiteral("set-up, ") + name, setup);
            for (const QString& f : testing::ControlFaults(setup))
                faults << QStringLiteral("set-up, ") + name + QStringLiteral(": ") + f;
            scriptRandom();
            testing::click(testing::control<QPushButton>(setup, "cmdAuto"));
            lookAtLayout(QStringLiteral("AutoCast ") + name, spread);

            const QString file = files.filePath(QStringLiteral("reading%1.slv").arg(spread));
            seams().files->answers.enqueue(file);
            testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
            tarot::frmTarotFront* front = querent();
            QVERIFY(front);
            for (const char* time : {"first", "second"}) {
                seams().files->answers.enqueue(file);
                // The reading opened first lies over the querent screen: the user minimises it.
                QVERIFY(testing::uncover(testing::control<QPushButton>(front, "cmdOpen")));
                testing::click(testing::control<QPushButton>(front, "cmdOpen"));
                lookAtLayout(QStringLiteral("%1 Open ").arg(QLatin1String(time)) + name, spread);
            }

            setup = setUp(spread);
            QVERIFY(setup);
            testing::click(testing::control<QPushButton>(setup, "cmdManual"));
            auto* manual = platform::Forms::Peek<tarot::frmTarotManual>();
            QVERIFY2(manual, qPrintable(name));
            const int count = tarot::catalogue::SpreadCards(spread);
            for (int pick = 0; pick < count; ++pick) {
                if (pick == count - 1) {
                    look(QStringLiteral("manual, last pick ") + name, manual);
                    seams().scheduler->immediate = false;
                }
                testing::click(testing::control<platform::Clickable>(manual, "p", pick));
            }
            // While the deal waits, its message lies over some backs by design, and the input is held.
            look(QStringLiteral("manual, waiting ") + name, manual, QRegularExpression(QStringLiteral("^p\\(\\d+\\) covered at its middle by Label1\\(")));
            scriptRandom();
            seams().scheduler->runPending();
            seams().scheduler->immediate = true;
            lookAtLayout(QStringLiteral("by hand ") + name, spread);
        }
        QVERIFY2(noFaults(), "see the faults above");
    }

    // The main window on the roads that change its panels: a reading with a long question, the window
    // narrowed by the user, the reading closed. The querent bar shows the start of the question; the
    // window's own buttons stay inside it; the welcome panel leaves no empty band and no sliver of the pane.
    void mainWindowOnItsRoads_data() { screens_data(); }
    void mainWindowOnItsRoads()
    {
        QFETCH(QSize, screen);
        start(screen);
        tarot::frmTarotFront* front = querent();
        QVERIFY(front);
        const QString question = QStringLiteral("Will the house by the river, the one my grandmother left to the "
                                                "three of us, still be ours when the year turns, and should I be "
                                                "the one to keep it?");
        QVERIFY(
            testing::typeInto(testing::control<QLineEdit>(front, "txtName"), QStringLiteral("Marguerite Delacroix")));
        QVERIFY(testing::typeInto(testing::control<QLineEdit>(front, "txtCountry"), QStringLiteral("United Kingdom")));
        QVERIFY(testing::typeInto(testing::control<QPlainTextEdit>(front, "txtQuestion"), question));
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        auto* setup = platform::Forms::Peek<tarot::frmTarot>();
        QVERIFY(setup);
        QVERIFY(testing::clickEntry(testing::control<QListWidget>(setup, "lstOption"), 1));
        scriptRandom();
        testing::click(testing::control<QPushButton>(setup, "cmdAuto"));
        auto* layout = platform::Forms::Peek<tarot::frmAuto>();
        QVERIFY(layout);
        look(QStringLiteral("reading"), layout);

        // The bar shows what a box holding the question from its first word shows.
        QLineEdit probe(testing::control<QWidget>(mdi, "picTop"));
        probe.setFont(testing::control<QLineEdit>(mdi, "txtQ")->font());
        probe.setPalette(testing::control<QLineEdit>(mdi, "txtQ")->palette());
        probe.setReadOnly(testing::control<QLineEdit>(mdi, "txtQ")->isReadOnly());
        probe.setGeometry(testing::control<QLineEdit>(mdi, "txtQ")->geometry());
        probe.setText(question);
        probe.setCursorPosition(0);
        QCOMPARE(testing::control<QLineEdit>(mdi, "txtQ")->text(), question);
        expect(testing::control<QLineEdit>(mdi, "txtQ")->grab().toImage() == probe.grab().toImage(),
               QStringLiteral("the querent bar does not show the start of the question"));

        const int width = mdi->width();
        mdi->resize(mdi->minimumWidth(), mdi->height());
        look(QStringLiteral("narrowed, reading"), layout);
        mdi->resize(width, mdi->height());

        QVERIFY(testing::clickCloseBox(layout));
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmAuto")));
        look(QStringLiteral("welcome after a reading"));
        mdi->resize(mdi->minimumWidth(), mdi->height());
        look(QStringLiteral("narrowed, welcome"));
        QVERIFY2(noFaults(), "see the faults above");
    }

    // After an Open the querent screen stays behind the reading. The user minimises the reading, goes on
    // with Next and then with Manual: each window comes on view in the work area, clear of the reading
    // pane, centred in the room left of the pane, or at its top left where the room is too small.
    void roadAfterAnOpen_data() { screens_data(); }
    void roadAfterAnOpen()
    {
        QFETCH(QSize, screen);
        start(screen);
        const int spread = 9;  // the Romany spread, the widest layout
        tarot::frmTarot* setup = setUp(spread);
        QVERIFY(setup);
        scriptRandom();
        testing::click(testing::control<QPushButton>(setup, "cmdAuto"));
        const QString file = files.filePath(QStringLiteral("road.slv"));
        seams().files->answers.enqueue(file);
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        tarot::frmTarotFront* front = querent();
        QVERIFY(front);
        seams().files->answers.enqueue(file);
        testing::click(testing::control<QPushButton>(front, "cmdOpen"));
        lookAtLayout(QStringLiteral("opened"), spread);
        auto* reading = platform::Forms::Peek<tarot::frmAuto>();
        QVERIFY(reading);
        QPointer<QMdiSubWindow> frame = reading->subWindow();
        QVERIFY(QTest::qWaitFor(
            [&] { return frame->isMinimized() || (testing::clickTitleBar(frame, QStyle::SC_TitleBarMinButton) && frame->isMinimized()); },
            2000));
        look(QStringLiteral("querent after an Open"), front);
        centred(QStringLiteral("querent after an Open"), front);
        QVERIFY(
            testing::typeInto(testing::control<QLineEdit>(front, "txtName"), QStringLiteral("Marguerite Delacroix")));
        QVERIFY(testing::typeInto(testing::control<QLineEdit>(front, "txtCountry"), QStringLiteral("United Kingdom")));
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        setup = platform::Forms::Peek<tarot::frmTarot>();
        QVERIFY(setup);
        look(QStringLiteral("set-up after an Open"), setup);
        centred(QStringLiteral("set-up after an Open"), setup);
        testing::click(testing::control<QPushButton>(setup, "cmdManual"));
        auto* manual = platform::Forms::Peek<tarot::frmTarotManual>();
        QVERIFY(manual);
        look(QStringLiteral("manual after an Open"), manual);
        centred(QStringLiteral("manual after an Open"), manual);
        QVERIFY2(noFaults(), "see the faults above");
    }

    // After AutoCast the card-layout window stands at the top left of the work area and stays there when
    // the work area changes size; its scroll bars reach the cards laid out and nothing beyond them.
    void cardLayoutAfterAutoCast_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<int>("spread");
        for (QSize s : testing::RealScreenSizes())
            for (int spread : {1, 9})  // One Card, and the Romany spread, the widest
                QTest::newRow(qPrintable(sizeName(s) + QLatin1Char(' ') + tarot::catalogue::SpreadText(spread)))
                    << s << spread;
    }
    void cardLayoutAfterAutoCast()
    {
        QFETCH(QSize, screen);
        QFETCH(int, spread);
        start(screen);
        tarot::frmTarot* setup = setUp(spread);
        QVERIFY(setup);
        scriptRandom();
        testing::click(testing::control<QPushButton>(setup, "cmdAuto"));
        auto* layout = platform::Forms::Peek<tarot::frmAuto>();
        QVERIFY(layout);
        processEvents();
        QCOMPARE(layout->frame()->pos(), QPoint(0, 0));
        // The user narrows the main window: the work area changes size.
        mdi->resize(mdi->width() - 120, mdi->height());
        processEvents();
        QCOMPARE(layout->frame()->pos(), QPoint(0, 0));

        QRect cards;
        for (const platform::PictureBox* place : testing::controls<platform::PictureBox>(layout, "p"))
            if (place->isVisibleTo(layout))
                cards |= place->geometry();
        const QScrollArea* area = testing::control<QScrollArea>(layout, "scrClient");
        const QSize shown = area->viewport()->size();
        QCOMPARE(area->horizontalScrollBar()->maximum(), std::max(0, cards.right() + 1 - shown.width()));
        QCOMPARE(area->verticalScrollBar()->maximum(), std::max(0, cards.bottom() + 1 - shown.height()));
    }

    // Each runes screen: entry, rune set, spread, the result of each spread, the list of all runes.
    void runesTool_data() { screens_data(); }
    void runesTool()
    {
        QFETCH(QSize, screen);
        start(screen);
        for (int spread = 0; spread < 5; ++spread) {
            testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 0));
            auto* entry = platform::Forms::Peek<runes::frmRunesReadingEntry>();
            QVERIFY(entry);
            look(QStringLiteral("runes entry"), entry);
            testing::click(testing::control<QPushButton>(entry, "cmdNext"));
            auto* set = platform::Forms::Peek<runes::frmRunesReadingSelect>();
            QVERIFY(set);
            look(QStringLiteral("rune set"), set);
            testing::click(testing::control<platform::Clickable>(set, "lblInfo", spread));
            auto* spreads = platform::Forms::Peek<runes::frmRunesReadingSpread>();
            QVERIFY(spreads);
            look(QStringLiteral("runes spread"), spreads);
            // The spread screen's cells are in grid order; find the cell that stores this spread.
            scriptRandom();
            testing::click(testing::control<platform::Clickable>(spreads, "lblInfo", 4 - spread));
            auto* result = platform::Forms::Peek<runes::frmRunesReadingResult>();
            QVERIFY(result);
            look(QStringLiteral("runes result %1").arg(runes::RuneSpreadName(runes::RuneSpread())), result);
            testing::click(testing::control<QPushButton>(result, "Command3"));
        }
        // No road of the tool opens the list of all runes: it is opened straight.
        auto* all = platform::Forms::Get<runes::frmRunesReadingAll>();
        QVERIFY(all);
        all->Show();
        look(QStringLiteral("list of all runes"), all);
        QVERIFY2(noFaults(), "see the faults above");
    }

    // The runic tarot's details window, its reading window for every sign on both tabs, and the report.
    void runicTarot_data() { screens_data(); }
    void runicTarot()
    {
        QFETCH(QSize, screen);
        start(screen);
        testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", 2));
        auto* details = platform::Forms::Peek<runictarot::frmRunicTarotMain>();
        QVERIFY(details);
        look(QStringLiteral("runic tarot details"), details);
        for (const SignDate& d : kSignDates) {
            QVERIFY(testing::typeInto(testing::control<QLineEdit>(details, "txtName"),
                                      QStringLiteral("Marguerite Delacroix")));
            QVERIFY(testing::chooseEntry(testing::control<QComboBox>(details, "cmbDate"), d.day - 1));
            QVERIFY(testing::chooseEntry(testing::control<QComboBox>(details, "cmbMonth"),
                                         runictarot::monthIndex(QString::fromLatin1(d.month))));
            testing::click(testing::control<QPushButton>(details, "cmdRunicAstrology"));
            QCOMPARE(runictarot::State().SunSign, QString::fromLatin1(d.sign));
            auto* reading = platform::Forms::Peek<runictarot::frmRunicTarotDisplay>();
            QVERIFY(reading);
            for (int tab = 0; tab < 2; ++tab) {
                QVERIFY(testing::clickTab(testing::control<QTabWidget>(reading, "SSTab1"), tab));
                look(QStringLiteral("%1 tab %2").arg(QLatin1String(d.sign)).arg(tab), reading);
            }
            if (d.sign == kSignDates[0].sign) {
                testing::click(testing::control<QPushButton>(reading, "cmdPrint"));
                auto* report = platform::Forms::Peek<runictarot::frmRunicTarotSave>();
                QVERIFY(report);
                look(QStringLiteral("report"), report);
                report->close();
            }
            testing::click(testing::control<QPushButton>(reading, "cmdBack"));
        }
        QVERIFY2(noFaults(), "see the faults above");
    }
};

SELVANTHE_TEST_MAIN(TestScreens)
#include "tst_screens.moc"
