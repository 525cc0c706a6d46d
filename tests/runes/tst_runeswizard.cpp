// The runes wizard: the entry step, the rune-set and spread screens, the roads between them and out.
#include "FindControl.h"
#include "TestMain.h"
#include "UserInput.h"

#include "RunesTestHelpers.h"
#include "platform/Controls.h"
#include "platform/Twips.h"
#include "runes/frmRunesReadingSelect.h"
#include "runes/frmRunesReadingSpread.h"
#include "shell/modHelp.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>

using namespace runestest;
using runes::frmRunesReadingEntry;
using runes::frmRunesReadingResult;
using runes::frmRunesReadingSelect;
using runes::frmRunesReadingSpread;

namespace {

const QString kHomePage = shell::PageAddress("home-page");

platform::Form* Window(const QString& name) { return platform::Forms::Peek(name); }

// Opens the named step the way the user reaches it.
platform::Form* ReachStep(const QString& name)
{
    frmRunesReadingEntry* entry = OpenEntry();
    if (name == QLatin1String(frmRunesReadingEntry::kFormName))
        return entry;
    if (name == QLatin1String(frmRunesReadingSpread::kFormName))
        testing::click(testing::control<QRadioButton>(entry, "optRune", 2));
    if (name == QLatin1String(frmRunesReadingResult::kFormName)) {
        testing::click(testing::control<QRadioButton>(entry, "optRune", 2));
        testing::click(testing::control<QRadioButton>(entry, "optSpread", 4));
    }
    testing::click(testing::control<QPushButton>(entry, "cmdNext"));
    return Window(name);
}

} // namespace

class TestRunesWizard : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void init()
    {
        testing::freshProgram();
        runes::ResetRunesState();
    }

    void entryOpensFresh()
    {
        frmRunesReadingEntry* entry = OpenEntry();
        QVERIFY(entry);
        shell::frmMDI* mdi = shell::MDI();
        QCOMPARE(entry->windowTitle(), QStringLiteral("Keldamar"));
        QCOMPARE(testing::control<platform::Clickable>(entry, "Label1")->text(),
                 QStringLiteral("Free rune guides at www.selvanthe.example"));
        QCOMPARE(testing::control<QGroupBox>(entry, "Frame1")->title(),
                 QStringLiteral("Name && Date Of Birth Of Person"));
        QCOMPARE(testing::control<QGroupBox>(entry, "Frame2")->title(),
                 QStringLiteral("Question that needs to be answered"));
        QCOMPARE(testing::control<QGroupBox>(entry, "Frame3")->title(), QStringLiteral("Type Of Rune"));
        QCOMPARE(testing::control<QGroupBox>(entry, "Frame4")->title(), QStringLiteral("Type Of  Spread"));
        const QStringList runeCaptions = {"Gold", "Ice", "Jade", "Spirit", "Stone", "Select Later"};
        const QStringList spreadCaptions = {"Cross", "Diamond", "Fork", "Norn", "Single", "Select Later"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(testing::control<QRadioButton>(entry, "optRune", i)->text(), runeCaptions[i]);
            QCOMPARE(testing::control<QRadioButton>(entry, "optSpread", i)->text(), spreadCaptions[i]);
        }
        QVERIFY(testing::control<QRadioButton>(entry, "optRune", 5)->isChecked());
        QVERIFY(testing::control<QRadioButton>(entry, "optSpread", 5)->isChecked());
        QCOMPARE(runes::RuneType(), qint16(5));
        QCOMPARE(runes::RuneSpread(), 5);
        QCOMPARE(testing::control<QPushButton>(entry, "Command2")->text(), QStringLiteral("Exit"));
        QCOMPARE(testing::control<QPushButton>(entry, "Command1")->text(), QStringLiteral("Reset"));
        QCOMPARE(testing::control<QPushButton>(entry, "cmdNext")->text(), QStringLiteral("&Next"));

        QCOMPARE(testing::control<QLineEdit>(entry, "txtName")->text(), QStringLiteral("Input Name"));
        QCOMPARE(entry->QuestionText(), QStringLiteral("Input Question\r\n"));
        QCOMPARE(testing::control<QComboBox>(entry, "cboDate")->count(), 31);
        QCOMPARE(testing::control<QComboBox>(entry, "cboMonth")->count(), 12);
        QCOMPARE(testing::control<QComboBox>(entry, "cboYear")->count(), 121);
        QCOMPARE(testing::control<QComboBox>(entry, "cboDate")->itemText(30), QStringLiteral(" 31"));
        QCOMPARE(testing::control<QComboBox>(entry, "cboMonth")->itemText(11), QStringLiteral("December"));
        QCOMPARE(testing::control<QComboBox>(entry, "cboYear")->itemText(0), QStringLiteral(" 1900"));
        QCOMPARE(testing::control<QComboBox>(entry, "cboYear")->itemText(120), QStringLiteral(" 2020"));
        QCOMPARE(testing::control<QComboBox>(entry, "cboDate")->currentText(), QStringLiteral(" 1"));
        QCOMPARE(testing::control<QComboBox>(entry, "cboMonth")->currentText(), QStringLiteral("January"));
        QCOMPARE(testing::control<QComboBox>(entry, "cboYear")->currentText(), QStringLiteral(" 1980"));
        QCOMPARE(entry->focusWidget(), testing::control<QLineEdit>(entry, "txtName"));

        // Placed at the top, centred in the width the side panel leaves; the bar reads up to "Enter Data".
        QCOMPARE(entry->Top(), 0.0);
        QCOMPARE(entry->Left(),
                 (19200 - platform::widthTw(testing::control<platform::PictureBox>(mdi, "picLeft")) - entry->Width()) /
                     2);
        QVERIFY(OnShow(testing::control<platform::PictureBox>(mdi, "picLeft")));
        QVERIFY(OnShow(testing::control<QWidget>(mdi, "picRunesReadingTop")));
        QVERIFY(!OnShow(testing::control<QWidget>(mdi, "picMain")));
        QCOMPARE(StepLabels(mdi), QStringLiteral("111000000"));
        QVERIFY(testing::seams().messages->shown.isEmpty());
    }

    void nextStoresTheDetails_data()
    {
        QTest::addColumn<QString>("typedName");  // keys typed into the name box; empty: none
        QTest::addColumn<QString>("question");   // typed into the question box; empty: left alone
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("storedQuestion");
        QTest::addColumn<QString>("birthDate");
        QTest::newRow("fresh window") << "" << "" << 0 << 0 << 80 << "" << "" << " 1 January  1980";
        QTest::newRow("placeholder typed") << "Input Name" << "" << 0 << 0 << 80 << "" << "" << " 1 January  1980";
        QTest::newRow("other case kept") << "input name" << "" << 0 << 0 << 80 << "input name" << ""
                                         << " 1 January  1980";
        QTest::newRow("blanks kept") << "  Ann  " << " Why? " << 4 << 1 << 0 << "  Ann  " << " Why? "
                                     << " 5 February  1900";
        QTest::newRow("two lines") << "Ann" << "Will it\nrain?" << 30 << 11 << 120 << "Ann"
                                   << "Will it\r\nrain?" << " 31 December  2020";
    }

    void nextStoresTheDetails()
    {
        QFETCH(QString, typedName);
        QFETCH(QString, question);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        frmRunesReadingEntry* entry = OpenEntry();
        runes::SetQuerentName(QStringLiteral("earlier"));
        if (!typedName.isEmpty())
            QTest::keyClicks(testing::control<QLineEdit>(entry, "txtName"), typedName);
        if (!question.isEmpty())
            QVERIFY(testing::typeInto(testing::control<QPlainTextEdit>(entry, "txtQuestion"), question));
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(entry, "cboDate"), day));
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(entry, "cboMonth"), month));
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(entry, "cboYear"), year));
        testing::click(testing::control<QPushButton>(entry, "cmdNext"));
        QTEST(runes::QuerentName(), "name");
        QTEST(runes::Question(), "storedQuestion");
        QTEST(runes::BirthDate(), "birthDate");
        QVERIFY(testing::seams().messages->shown.isEmpty());
    }

    void nextRoutes_data()
    {
        QTest::addColumn<int>("runeSet");
        QTest::addColumn<int>("spread");
        QTest::addColumn<QString>("next");
        QTest::newRow("both chosen") << 3 << 1 << frmRunesReadingResult::kFormName;
        QTest::newRow("set chosen, spread later") << 0 << 5 << frmRunesReadingSpread::kFormName;
        QTest::newRow("both later") << 5 << 5 << frmRunesReadingSelect::kFormName;
        QTest::newRow("spread chosen, set later") << 5 << 2 << frmRunesReadingSelect::kFormName;
    }

    void nextRoutes()
    {
        QFETCH(int, runeSet);
        QFETCH(int, spread);
        QFETCH(QString, next);
        frmRunesReadingEntry* entry = OpenEntry();
        testing::click(testing::control<QRadioButton>(entry, "optRune", runeSet));
        testing::click(testing::control<QRadioButton>(entry, "optSpread", spread));
        QCOMPARE(runes::RuneType(), qint16(runeSet));
        QCOMPARE(runes::RuneSpread(), spread);
        bool nextOnShowAtUnload = false;
        connect(entry, &platform::Form::unloaded, this,
                [&] { nextOnShowAtUnload = Window(next) && OnShow(Window(next)->frame()); });
        testing::click(testing::control<QPushButton>(entry, "cmdNext"));
        QVERIFY(nextOnShowAtUnload);
        QCOMPARE(LoadedToolWindows(), QStringList{next});
        // A spread chosen now waits in the state for the set screen.
        QCOMPARE(runes::RuneSpread(), spread);
    }

    void namePlaceholderGivesWayToAnyKey()
    {
        frmRunesReadingEntry* entry = OpenEntry();
        // The focus comes back to the box: its placeholder is selected. Tab passing through leaves it.
        QCOMPARE(testing::focused(), testing::control<QLineEdit>(entry, "txtName"));
        QVERIFY(testing::key(Qt::Key_Tab));
        QVERIFY(testing::focused() != testing::control<QLineEdit>(entry, "txtName"));
        QVERIFY(testing::key(Qt::Key_Backtab, Qt::ShiftModifier));
        QCOMPARE(testing::focused(), testing::control<QLineEdit>(entry, "txtName"));
        QCOMPARE(testing::control<QLineEdit>(entry, "txtName")->selectedText(), QStringLiteral("Input Name"));
        QTest::keyClick(testing::control<QLineEdit>(entry, "txtName"), Qt::Key_Left);
        QCOMPARE(testing::control<QLineEdit>(entry, "txtName")->text(), QString());
        QTest::keyClicks(testing::control<QLineEdit>(entry, "txtName"), QStringLiteral("Ann"));
        // Once a name is typed, keys edit it as usual.
        QTest::keyClick(testing::control<QLineEdit>(entry, "txtName"), Qt::Key_Backspace);
        QCOMPARE(testing::control<QLineEdit>(entry, "txtName")->text(), QStringLiteral("An"));
        // The placeholder's words typed again count as the placeholder: the next key clears them.
        QTest::keyClick(testing::control<QLineEdit>(entry, "txtName"), Qt::Key_Backspace);
        QTest::keyClick(testing::control<QLineEdit>(entry, "txtName"), Qt::Key_Backspace);
        QTest::keyClicks(testing::control<QLineEdit>(entry, "txtName"), QStringLiteral("Input Name"));
        QCOMPARE(testing::control<QLineEdit>(entry, "txtName")->text(), QStringLiteral("Input Name"));
        QTest::keyClick(testing::control<QLineEdit>(entry, "txtName"), Qt::Key_Shift);
        QCOMPARE(testing::control<QLineEdit>(entry, "txtName")->text(), QString());
    }

    void questionPlaceholderIsReplacedByTyping()
    {
        frmRunesReadingEntry* entry = OpenEntry();
        testing::clickInto(testing::control<QPlainTextEdit>(entry, "txtQuestion"));
        QCOMPARE(testing::focused(), testing::control<QPlainTextEdit>(entry, "txtQuestion"));
        QCOMPARE(testing::control<QPlainTextEdit>(entry, "txtQuestion")->textCursor().selectedText().length(), 15);
        QTest::keyClicks(testing::control<QPlainTextEdit>(entry, "txtQuestion"), QStringLiteral("Why?"));
        QCOMPARE(entry->QuestionText(), QStringLiteral("Why?"));
        // A question that is not the placeholder is left as it is when the box gets the focus.
        QVERIFY(testing::key(Qt::Key_Tab));
        QVERIFY(testing::focused() != testing::control<QPlainTextEdit>(entry, "txtQuestion"));
        QVERIFY(testing::key(Qt::Key_Backtab, Qt::ShiftModifier));
        QCOMPARE(testing::focused(), testing::control<QPlainTextEdit>(entry, "txtQuestion"));
        QVERIFY(!testing::control<QPlainTextEdit>(entry, "txtQuestion")->textCursor().hasSelection());
    }

    void resetRestoresTheEntriesAndKeepsTheState()
    {
        frmRunesReadingEntry* entry = OpenEntry();
        runes::SetQuerentName(QStringLiteral("Ann"));
        runes::SetBirthDate(QStringLiteral(" 2 March  1990"));
        runes::SetQuestion(QStringLiteral("Why?"));
        QTest::keyClicks(testing::control<QLineEdit>(entry, "txtName"), QStringLiteral("Bea"));
        QVERIFY(testing::typeInto(testing::control<QPlainTextEdit>(entry, "txtQuestion"), QStringLiteral("When?")));
        testing::click(testing::control<QRadioButton>(entry, "optRune", 1));
        testing::click(testing::control<QRadioButton>(entry, "optSpread", 3));
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(entry, "cboDate"), 9));
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(entry, "cboMonth"), 9));
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(entry, "cboYear"), 9));
        testing::click(testing::control<QPushButton>(entry, "Command1"));
        QCOMPARE(testing::control<QLineEdit>(entry, "txtName")->text(), QStringLiteral("Input Name"));
        QCOMPARE(testing::control<QLineEdit>(entry, "txtName")->selectedText(), QStringLiteral("Input Name"));
        QCOMPARE(entry->QuestionText(), QStringLiteral("Input Question\r\n"));
        QVERIFY(testing::control<QRadioButton>(entry, "optRune", 5)->isChecked());
        QVERIFY(testing::control<QRadioButton>(entry, "optSpread", 5)->isChecked());
        QCOMPARE(runes::RuneType(), qint16(5));
        QCOMPARE(runes::RuneSpread(), 5);
        QCOMPARE(testing::control<QComboBox>(entry, "cboDate")->currentIndex(), 0);
        QCOMPARE(testing::control<QComboBox>(entry, "cboMonth")->currentIndex(), 0);
        QCOMPARE(testing::control<QComboBox>(entry, "cboYear")->currentIndex(), 80);
        QCOMPARE(runes::QuerentName(), QStringLiteral("Ann"));
        QCOMPARE(runes::BirthDate(), QStringLiteral(" 2 March  1990"));
        QCOMPARE(runes::Question(), QStringLiteral("Why?"));
        // A Next right after Reset stores both boxes as empty.
        testing::click(testing::control<QPushButton>(entry, "cmdNext"));
        QCOMPARE(runes::QuerentName(), QString());
        QCOMPARE(runes::Question(), QString());
    }

    void exitBringsBackTheWelcomePanel_data()
    {
        QTest::addColumn<QString>("from");
        QTest::newRow("entry") << frmRunesReadingEntry::kFormName;
        QTest::newRow("result") << frmRunesReadingResult::kFormName;
    }

    void exitBringsBackTheWelcomePanel()
    {
        QFETCH(QString, from);
        platform::Form* window = ReachStep(from);
        QVERIFY(window);
        shell::frmMDI* mdi = shell::MDI();
        testing::control<QWidget>(mdi, "picRight")->show();
        if (auto* entry = qobject_cast<frmRunesReadingEntry*>(window))
            testing::click(testing::control<QPushButton>(entry, "Command2"));
        else
            testing::click(testing::control<QPushButton>(static_cast<frmRunesReadingResult*>(window), "Command3"));
        QCOMPARE(LoadedToolWindows(), QStringList());
        QVERIFY(OnShow(testing::control<QWidget>(mdi, "picMain")));
        QVERIFY(!OnShow(testing::control<QWidget>(mdi, "picRight")));
        QVERIFY(!OnShow(testing::control<platform::PictureBox>(mdi, "picLeft")));
        // The step bar stays, as the last step left it.
        QVERIFY(OnShow(testing::control<QWidget>(mdi, "picRunesReadingTop")));
        QCOMPARE(StepLabels(mdi), from == QLatin1String(frmRunesReadingResult::kFormName) ? QStringLiteral("111111111")
                                                                                          : QStringLiteral("111000000"));
        QVERIFY(!runes::ResultShown());
    }

    void closingAStepLeavesAWayOn_data()
    {
        QTest::addColumn<QString>("step");
        QTest::addColumn<bool>("backToEntry");
        QTest::newRow("entry") << frmRunesReadingEntry::kFormName << false;
        QTest::newRow("set screen") << frmRunesReadingSelect::kFormName << false;
        QTest::newRow("spread screen") << frmRunesReadingSpread::kFormName << false;
        QTest::newRow("result") << frmRunesReadingResult::kFormName << true;
    }

    void closingAStepLeavesAWayOn()
    {
        QFETCH(QString, step);
        QFETCH(bool, backToEntry);
        platform::Form* window = ReachStep(step);
        QVERIFY(window);
        QVERIFY(window->subWindow());
        QVERIFY(testing::clickCloseBox(window->subWindow()));
        shell::frmMDI* mdi = shell::MDI();
        if (backToEntry) {
            QCOMPARE(LoadedToolWindows(), QStringList{frmRunesReadingEntry::kFormName});
            QVERIFY(OnShow(Window(frmRunesReadingEntry::kFormName)->frame()));
            QVERIFY(OnShow(testing::control<platform::PictureBox>(mdi, "picLeft")));
            QVERIFY(OnShow(testing::control<QWidget>(mdi, "picRunesReadingTop")));
            QCOMPARE(StepLabels(mdi), QStringLiteral("111000000"));
            QVERIFY(!OnShow(testing::control<QWidget>(mdi, "picMain")));
        } else {
            QCOMPARE(LoadedToolWindows(), QStringList());
            QVERIFY(OnShow(testing::control<QWidget>(mdi, "picMain")));
            QVERIFY(!OnShow(testing::control<platform::PictureBox>(mdi, "picLeft")));
        }
    }

    void startAgainOpensAFreshEntry()
    {
        auto* result = static_cast<frmRunesReadingResult*>(ReachStep(frmRunesReadingResult::kFormName));
        QVERIFY(result);
        shell::frmMDI* mdi = shell::MDI();
        QVERIFY(!OnShow(testing::control<platform::PictureBox>(mdi, "picLeft")));
        const int reseeds = testing::seams().random->reseeds;
        testing::click(testing::control<QPushButton>(result, "Command1"));
        auto* entry = platform::Forms::Peek<frmRunesReadingEntry>();
        QVERIFY(entry);
        QCOMPARE(LoadedToolWindows(), QStringList{frmRunesReadingEntry::kFormName});
        QCOMPARE(testing::seams().random->reseeds, reseeds + 1);
        QVERIFY(!runes::ResultShown());
        QVERIFY(testing::control<QRadioButton>(entry, "optRune", 5)->isChecked());
        QVERIFY(testing::control<QRadioButton>(entry, "optSpread", 5)->isChecked());
        QCOMPARE(runes::RuneType(), qint16(5));
        QCOMPARE(runes::RuneSpread(), 5);
        QCOMPARE(testing::control<QLineEdit>(entry, "txtName")->text(), QStringLiteral("Input Name"));
        QCOMPARE(entry->Top(), 0.0);
        QCOMPARE(entry->Left(),
                 (19200 - platform::widthTw(testing::control<platform::PictureBox>(mdi, "picLeft")) - entry->Width()) /
                     2);
        QVERIFY(OnShow(testing::control<platform::PictureBox>(mdi, "picLeft")));
        QVERIFY(OnShow(testing::control<QWidget>(mdi, "picRunesReadingTop")));
        QCOMPARE(StepLabels(mdi), QStringLiteral("111000000"));
    }

    void toolSwitchTakesTheRunesWindowsAway_data()
    {
        QTest::addColumn<int>("control");
        QTest::addColumn<bool>("link");
        QTest::newRow("runes button") << 0 << false;
        QTest::newRow("runes link") << 3 << true;
        QTest::newRow("tarot button") << 1 << false;
        QTest::newRow("runic tarot link") << 5 << true;
    }

    void toolSwitchTakesTheRunesWindowsAway()
    {
        QFETCH(int, control);
        QFETCH(bool, link);
        QVERIFY(ReachStep(frmRunesReadingResult::kFormName));
        platform::Forms::Get(QStringLiteral("frmRunesReadingAll"));
        shell::frmMDI* mdi = shell::MDI();
        // The welcome panel lies hidden while a reading shows: no click reaches its links now. They share
        // the buttons' tool switch, which the call runs as their click would.
        if (link)
            mdi->lblCaption_Click(control);
        else
            testing::click(testing::control<QPushButton>(mdi, "cmdSelectOption", control));
        QVERIFY(!runes::ResultShown());
        const QStringList loaded = LoadedToolWindows();
        for (const char* name : {"frmRunesReadingAll", "frmRunesReadingResult", "frmRunesReadingSelect",
                                 "frmRunesReadingSpread"})
            QVERIFY2(!loaded.contains(QLatin1String(name)), name);
        if (control == 0 || control == 3) {
            QCOMPARE(loaded, QStringList{frmRunesReadingEntry::kFormName});
            QVERIFY(OnShow(testing::control<platform::PictureBox>(mdi, "picLeft")));
            QVERIFY(OnShow(testing::control<QWidget>(mdi, "picRunesReadingTop")));
            QCOMPARE(StepLabels(mdi), QStringLiteral("111000000"));
        } else {
            QVERIFY(!loaded.contains(QLatin1String(frmRunesReadingEntry::kFormName)));
            QVERIFY(!OnShow(testing::control<platform::PictureBox>(mdi, "picLeft")));
            QVERIFY(!OnShow(testing::control<QWidget>(mdi, "picRunesReadingTop")));
        }
    }

    void bannersOpenTheHomePage()
    {
        frmRunesReadingEntry* entry = OpenEntry();
        testing::click(testing::control<platform::Clickable>(entry, "Label1"));
        QCOMPARE(testing::seams().shell->opened, QStringList{kHomePage});
        testing::click(testing::control<QPushButton>(entry, "cmdNext"));
        auto* set = platform::Forms::Peek<frmRunesReadingSelect>();
        QVERIFY(set);
        QCOMPARE(testing::control<platform::Clickable>(set, "Label1")->text(),
                 QStringLiteral("Share your readings in our online forum"));
        testing::click(testing::control<platform::Clickable>(set, "Label1"));
        QCOMPARE(testing::seams().shell->opened, (QStringList{kHomePage, kHomePage}));
        // The banner is no choice: the screen stays.
        QCOMPARE(LoadedToolWindows(), QStringList{frmRunesReadingSelect::kFormName});
    }

    void choiceScreensShowTheirCells_data()
    {
        QTest::addColumn<bool>("spreadScreen");
        QTest::addColumn<QString>("instructionCaption");
        QTest::addColumn<QString>("instruction");
        QTest::addColumn<QStringList>("captions");  // by index
        QTest::addColumn<QList<int>>("gridOrder");  // choice index of each cell after the instruction
        QTest::addColumn<QString>("stepLabels");
        const QString blanks(67, QLatin1Char(' '));
        QTest::newRow("set") << false << "Select A Rune Type"
                             << "It is always best to select a stone that best represents your question type." +
                                    blanks + "Click on the right type of stone to genrate reading using it."
                             << QStringList{"Gold", "Ice", "Jade", "Spirit", "Stone"} << QList<int>{4, 1, 0, 2, 3}
                             << "111110000";
        QTest::newRow("spread") << true << "Select A Spread"
                                << "It is always best to select a spread that best represents your question type." +
                                       blanks + "Click on the right type of spread to genrate reading using it."
                                << QStringList{"Cross", "Diamond", "Fork", "Norn", "Single"}
                                << QList<int>{4, 3, 2, 1, 0} << "111111100";
    }

    void choiceScreensShowTheirCells()
    {
        QFETCH(bool, spreadScreen);
        QFETCH(QStringList, captions);
        QFETCH(QList<int>, gridOrder);
        auto* screen = static_cast<runes::RunesChoiceForm*>(
            ReachStep(spreadScreen ? frmRunesReadingSpread::kFormName : frmRunesReadingSelect::kFormName));
        QVERIFY(screen);
        shell::frmMDI* mdi = shell::MDI();
        QCOMPARE(screen->windowTitle(), QStringLiteral("Keldamar"));
        QTEST(testing::control<QGroupBox>(screen, "fraInstruction")->title(), "instructionCaption");
        QTEST(testing::control<platform::Label>(screen, "Label2")->text(), "instruction");
        QTEST(StepLabels(mdi), "stepLabels");
        // It fills the work area from its top-left corner.
        QCOMPARE(screen->Left(), 0.0);
        QCOMPARE(screen->Top(), 0.0);
        QApplication::processEvents();
        QCOMPARE(screen->Width(), platform::tw(testing::control<QMdiArea>(mdi, "mdiArea")->contentsRect().width()));
        QCOMPARE(screen->Height(), platform::tw(testing::control<QMdiArea>(mdi, "mdiArea")->contentsRect().height()));
        const double lefts[2] = {210, 4110}, tops[3] = {780, 2745, 4710};
        QCOMPARE(platform::leftTw(testing::control<QGroupBox>(screen, "fraInstruction")), 210.0);
        QCOMPARE(platform::topTw(testing::control<QGroupBox>(screen, "fraInstruction")), 780.0);
        for (int g = 0; g < 5; ++g) {
            const auto i = static_cast<size_t>(gridOrder[g]);
            QCOMPARE(testing::control<QGroupBox>(screen, "fraChoice", i)->title(), captions[gridOrder[g]]);
            QCOMPARE(platform::leftTw(testing::control<QGroupBox>(screen, "fraChoice", i)), lefts[(g + 1) % 2]);
            QCOMPARE(platform::topTw(testing::control<QGroupBox>(screen, "fraChoice", i)), tops[(g + 1) / 2]);
            QCOMPARE(testing::control<platform::Clickable>(screen, "picCatagory", i)->parentWidget(),
                     testing::control<QGroupBox>(screen, "fraChoice", i));
            QCOMPARE(testing::control<platform::Clickable>(screen, "lblInfo", i)->parentWidget(),
                     testing::control<QGroupBox>(screen, "fraChoice", i));
            QCOMPARE(testing::control<platform::Clickable>(screen, "picCatagory", i)->picture().size(), QSize(63, 84));
            // The choices show the hand; the window's own surface does not.
            QCOMPARE(testing::control<platform::Clickable>(screen, "picCatagory", i)->cursor().shape(),
                     testing::control<platform::Clickable>(screen, "Label1")->cursor().shape());
            QVERIFY(testing::control<platform::Clickable>(screen, "picCatagory", i)->cursor().shape() !=
                    Qt::ArrowCursor);
        }
        QCOMPARE(screen->cursor().shape(), Qt::ArrowCursor);
        if (spreadScreen) {
            QCOMPARE(testing::control<platform::Clickable>(screen, "lblInfo", 3)->text(),
                     QStringLiteral("The Norn Spread represents the past (first Norn), the "
                                    "present (second Norn) and future(third Norn)."));
        } else {
            QCOMPARE(testing::control<platform::Clickable>(screen, "lblInfo", 0)->text(),
                     QStringLiteral("These runes are used for readings related to business, work, and property"));
            QCOMPARE(testing::control<platform::Clickable>(screen, "lblInfo", 4)->text(),
                     QStringLiteral("These are used for questions related to the real "
                                    "world and somethings which are beyond human control."));
        }
    }

    void highlights_data()
    {
        QTest::addColumn<bool>("spreadScreen");
        QTest::addColumn<int>("index");
        QTest::addColumn<QColor>("back");  // of the highlighted description
        const QColor grey = QApplication::palette().color(QPalette::Disabled, QPalette::Text);
        const QColor grounds[5] = {Qt::yellow, grey, Qt::green, Qt::red, Qt::black};
        for (int i = 0; i < 5; ++i)
            QTest::addRow("set %d", i) << false << i << grounds[i];
        QTest::newRow("set, surface") << false << 6 << QColor(Qt::white);
        for (int i = 0; i < 5; ++i)
            QTest::addRow("spread %d", i) << true << i << QColor(Qt::white);
        QTest::newRow("spread, surface") << true << 6 << QColor(Qt::white);
    }

    void highlights()
    {
        QFETCH(bool, spreadScreen);
        QFETCH(int, index);
        QFETCH(QColor, back);
        auto* screen = static_cast<runes::RunesChoiceForm*>(
            ReachStep(spreadScreen ? frmRunesReadingSpread::kFormName : frmRunesReadingSelect::kFormName));
        QVERIFY(screen);
        MoveOver(testing::control<platform::Clickable>(screen, "lblInfo",
                                                       (index + 1) % 5)); // another highlight first, which must go
        if (index == 6)
            MoveOver(screen);
        else
            MoveOver(testing::control<platform::Clickable>(screen, "picCatagory", index));
        for (int i = 0; i < 5; ++i) {
            QWidget* info = testing::control<platform::Clickable>(screen, "lblInfo", i);
            QCOMPARE(Back(info), i == index ? back : QColor(Qt::white));
            if (i != index) {
                QCOMPARE(Fore(info), QColor(Qt::black));
                continue;
            }
            // The highlight is blue text wherever blue can be read on the set's colour; always readable.
            QVERIFY2(platform::Contrast(Fore(info), back) >= 4.5,
                     qPrintable(QStringLiteral("%1 on %2").arg(Fore(info).name(), back.name())));
            if (platform::Contrast(Qt::blue, back) >= 4.5)
                QCOMPARE(Fore(info), QColor(Qt::blue));
        }
    }

    void highlightFollowsThePointer()
    {
        auto* screen = static_cast<runes::RunesChoiceForm*>(ReachStep(frmRunesReadingSelect::kFormName));
        QVERIFY(screen);
        MoveOver(testing::control<platform::Clickable>(screen, "picCatagory", 2));
        QCOMPARE(Fore(testing::control<platform::Clickable>(screen, "lblInfo", 2)), QColor(Qt::blue));
        // Frames, the instruction and the banner have no hover of their own: the highlight stays.
        for (QWidget* w : std::initializer_list<QWidget*> {testing::control<QGroupBox>(screen, "fraChoice", 2),
                                                           testing::control<platform::Label>(screen, "Label2"),
                                                           testing::control<QGroupBox>(screen, "fraInstruction"),
                                                           testing::control<platform::Clickable>(screen, "Label1")}) {
            MoveOver(w);
            QCOMPARE(Fore(testing::control<platform::Clickable>(screen, "lblInfo", 2)), QColor(Qt::blue));
        }
        MoveOver(testing::control<platform::Clickable>(screen, "lblInfo", 0));
        QCOMPARE(Fore(testing::control<platform::Clickable>(screen, "lblInfo", 2)), QColor(Qt::black));
        QCOMPARE(Fore(testing::control<platform::Clickable>(screen, "lblInfo", 0)), QColor(Qt::blue));
        MoveOver(screen);
        QCOMPARE(Fore(testing::control<platform::Clickable>(screen, "lblInfo", 0)), QColor(Qt::black));
    }

    void choosingASetGoesOn_data()
    {
        QTest::addColumn<bool>("onPicture");
        QTest::addColumn<int>("spreadChosenBefore");
        QTest::addColumn<QString>("next");
        QTest::newRow("gold picture, no spread yet") << true << 5 << frmRunesReadingSpread::kFormName;
        QTest::newRow("gold description, spread chosen") << false << 3 << frmRunesReadingResult::kFormName;
    }

    void choosingASetGoesOn()
    {
        QFETCH(bool, onPicture);
        QFETCH(int, spreadChosenBefore);
        QFETCH(QString, next);
        frmRunesReadingEntry* entry = OpenEntry();
        testing::click(testing::control<QRadioButton>(entry, "optSpread", spreadChosenBefore));
        testing::click(testing::control<QPushButton>(entry, "cmdNext"));
        auto* set = platform::Forms::Peek<frmRunesReadingSelect>();
        QVERIFY(set);
        bool nextOnShowAtUnload = false;
        connect(set, &platform::Form::unloaded, this,
                [&] { nextOnShowAtUnload = Window(next) && OnShow(Window(next)->frame()); });
        testing::click(onPicture ? static_cast<QWidget*>(testing::control<platform::Clickable>(set, "picCatagory", 0))
                                 : testing::control<platform::Clickable>(set, "lblInfo", 0));
        QCOMPARE(runes::RuneType(), qint16(0));
        QVERIFY(nextOnShowAtUnload);
        QCOMPARE(LoadedToolWindows(), QStringList{next});
    }

    void choosingASpreadOpensTheResult_data()
    {
        QTest::addColumn<bool>("onPicture");
        QTest::newRow("cross picture") << true;
        QTest::newRow("cross description") << false;
    }

    void choosingASpreadOpensTheResult()
    {
        QFETCH(bool, onPicture);
        auto* spread = static_cast<frmRunesReadingSpread*>(ReachStep(frmRunesReadingSpread::kFormName));
        QVERIFY(spread);
        testing::click(onPicture
                           ? static_cast<QWidget*>(testing::control<platform::Clickable>(spread, "picCatagory", 0))
                           : testing::control<platform::Clickable>(spread, "lblInfo", 0));
        QCOMPARE(runes::RuneSpread(), 0);
        QCOMPARE(LoadedToolWindows(), QStringList{frmRunesReadingResult::kFormName});
        QVERIFY(runes::ResultShown());
    }

    void wholeRoadThroughBothScreens()
    {
        frmRunesReadingEntry* entry = OpenEntry();
        QTest::keyClicks(testing::control<QLineEdit>(entry, "txtName"), QStringLiteral("Ann"));
        testing::click(testing::control<QPushButton>(entry, "cmdNext"));
        auto* set = platform::Forms::Peek<frmRunesReadingSelect>();
        QVERIFY(set);
        testing::click(testing::control<platform::Clickable>(set, "picCatagory", 4));
        auto* spread = platform::Forms::Peek<frmRunesReadingSpread>();
        QVERIFY(spread);
        testing::click(testing::control<platform::Clickable>(spread, "lblInfo", 4));
        auto* result = platform::Forms::Peek<frmRunesReadingResult>();
        QVERIFY(result);
        QCOMPARE(runes::RuneType(), qint16(4));
        QCOMPARE(runes::RuneSpread(), 4);
        QVERIFY(testing::control<platform::RichTextBox>(result, "RichTextBox1")
                    ->Text()
                    .startsWith(QStringLiteral("\r\nName: Ann\r\n")));
        QCOMPARE(StepLabels(shell::MDI()), QStringLiteral("111111111"));
        QVERIFY(testing::seams().messages->shown.isEmpty());
    }
};

SELVANTHE_TEST_MAIN(TestRunesWizard)
#include "tst_runeswizard.moc"
