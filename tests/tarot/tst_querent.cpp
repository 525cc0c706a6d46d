// The querent screen: its lists and menus, the letters-only rule of the name and country boxes, and Next,
// Reset and Exit.
#include "FindControl.h"
#include "TarotRoad.h"
#include "UserInput.h"

#include "platform/Twips.h"
#include "tarot/frmTarotManual.h"
#include "shell/frmAbout.h"
#include "shell/modHelp.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QPlainTextEdit>

using testing::TarotRoad;

namespace {

// One step of typing: a key with its modifiers, or a run of characters.
struct Keys {
    QString chars;
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

void type(QWidget* w, const QList<Keys>& keys)
{
    for (const Keys& k : keys) {
        if (!k.chars.isEmpty() && k.key != Qt::Key_unknown)
            QTest::sendKeyEvent(QTest::Click, w, k.key, k.chars, k.modifiers);
        else if (!k.chars.isEmpty())
            QTest::keyClicks(w, k.chars);
        else
            QTest::keyClick(w, k.key, k.modifiers);
    }
}

QStringList actionNames(const QList<QAction*>& actions)
{
    QStringList out;
    for (QAction* a : actions)
        out << a->objectName() + QLatin1Char('=') + (a->isSeparator() ? QStringLiteral("-") : a->text());
    return out;
}

} // namespace

Q_DECLARE_METATYPE(QList<Keys>)

class TestQuerent : public QObject {
    Q_OBJECT
    TarotRoad road;

private slots:
    void init() { road.start(); }
    void cleanup() { road.finish(); }

    void opensEmptyWithTheDateLists()
    {
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        QCOMPARE(front->windowTitle(), QStringLiteral("Ostrevan"));
        QCOMPARE(front->Left(), (19200 - front->Width()) / 2);
        QCOMPARE(front->Top(), 0.0);
        QCOMPARE(testing::control<QComboBox>(front, "cmbDate")->count(), 31);
        QCOMPARE(testing::control<QComboBox>(front, "cmbDate")->itemText(30), QStringLiteral("31"));
        QCOMPARE(testing::control<QComboBox>(front, "cmbMonth")->count(), 12);
        QCOMPARE(testing::control<QComboBox>(front, "cmbMonth")->itemText(8), QStringLiteral("September"));
        QCOMPARE(testing::control<QComboBox>(front, "cmbYear")->count(), 151);
        QCOMPARE(testing::control<QComboBox>(front, "cmbYear")->itemText(0), QStringLiteral("1900"));
        QCOMPARE(testing::control<QComboBox>(front, "cmbYear")->itemText(150), QStringLiteral("2050"));
        QCOMPARE(testing::control<QComboBox>(front, "cmbDate")->currentText(), QStringLiteral("1"));
        QCOMPARE(testing::control<QComboBox>(front, "cmbMonth")->currentText(), QStringLiteral("January"));
        QCOMPARE(testing::control<QComboBox>(front, "cmbYear")->currentText(), QStringLiteral("1980"));
        for (QComboBox* list :
             {testing::control<QComboBox>(front, "cmbDate"), testing::control<QComboBox>(front, "cmbMonth"),
              testing::control<QComboBox>(front, "cmbYear")})
            QVERIFY(!list->isEditable());
        QVERIFY(testing::control<QLineEdit>(front, "txtName")->text().isEmpty());
        QVERIFY(testing::control<QLineEdit>(front, "txtCountry")->text().isEmpty());
        QVERIFY(testing::control<QPlainTextEdit>(front, "txtQuestion")->toPlainText().isEmpty());
        QCOMPARE(testing::control<QPlainTextEdit>(front, "txtQuestion")->verticalScrollBarPolicy(),
                 Qt::ScrollBarAlwaysOn);
    }

    void captionsAndMenus()
    {
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        const QList<std::pair<QString, QString>> captions = {
            {"lblName", "Name"},       {"lblCountry", "Country"}, {"lblAge", "Date of Birth"},
            {"lblQuestion", "Question"}, {"cmdOpen", "&Open Previous Record"}, {"cmdNext", "&Next"},
            {"cmdReset", "&Reset"},    {"cmdCancel", "&Exit"}};
        for (const auto& [name, caption] : captions) {
            QWidget* w = front->findChild<QWidget*>(name);
            QVERIFY2(w, qPrintable(name));
            const QString text = qobject_cast<QLabel*>(w) ? static_cast<QLabel*>(w)->text()
                                                          : static_cast<QPushButton*>(w)->text();
            QCOMPARE(text, caption);
        }
        QVERIFY(testing::control<platform::Clickable>(front, "Label6")
                    ->text()
                    .endsWith(QString::fromLatin1(shell::kSiteAddress)));
        QVERIFY(testing::control<platform::Clickable>(front, "Label6")
                    ->text()
                    .contains(QString::fromLatin1(shell::kForumHost)));

        QCOMPARE(actionNames(front->menuBarActions()),
                 (QStringList{"mnuFile=File", "mnuHelpMenu=Help", "mnuDon=Donate", "mnuMakeMoney=Make &Money Online"}));
        QCOMPARE(actionNames(front->menuBarActions()[0]->menu()->actions()),
                 (QStringList{"mnuReset=&Reset", "mnuNext=N&ext", "mnuFileSep=-", "mnuExit=E&xit"}));
        QCOMPARE(actionNames(front->menuBarActions()[1]->menu()->actions()),
                 (QStringList{"mnuHelp=Onine &Help", "mnuOnline=Visit Us &Online", "mnuHelpSep1=-",
                              "mnuUpdate=Check For Software Update", "mnuHelpSep2=-", "mnuSoftware=About &Software"}));
        // The querent screen's menus stand in the main window's bar while it is on view.
        QCOMPARE(testing::control<QMenuBar>(road.main(), "menuBar")->actions(), front->menuBarActions());
    }

    void pagesOpenFromMenusAndBanner_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("page");
        const auto page = testing::pageOpenedBy;
        QTest::newRow("help") << "mnuHelp" << page(shell::OpenHelpPage);
        QTest::newRow("online") << "mnuOnline" << page(shell::OpenHomePage);
        QTest::newRow("update") << "mnuUpdate" << page(shell::OpenDownloadPage);
        QTest::newRow("donate") << "mnuDon" << page(shell::OpenDonatePage);
        QTest::newRow("make money") << "mnuMakeMoney" << page(shell::OpenFullBrandPage);
        QTest::newRow("banner") << "Label6" << page(shell::OpenHomePage);
    }
    void pagesOpenFromMenusAndBanner()
    {
        QFETCH(QString, action);
        QFETCH(QString, page);
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        QCOMPARE(testing::pagesOpenedFrom(front, testing::control<platform::Clickable>(front, "Label6"), action),
                 QStringList {page});
    }

    void aboutBoxFromTheMenu()
    {
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        bool shown = false;
        testing::once([] { return platform::Forms::IsLoaded(QStringLiteral("frmAbout")); }, [&] {
            shown = true;
            QVERIFY(platform::Forms::Peek<shell::frmAbout>());
            testing::click(testing::control<QPushButton>(platform::Forms::Peek<shell::frmAbout>(), "cmdOK"));
        });
        QVERIFY(testing::chooseMenu(front->findChild<QAction*>(QStringLiteral("mnuSoftware"))));
        QVERIFY(shown);
    }

    void keyRule_data()
    {
        QTest::addColumn<bool>("country");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QList<Keys>>("keys");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("messages");
        struct Row {
            const char* tag;
            const char* before;
            int cursor;
            QList<Keys> keys;
            const char* after;
            int messages;
        };
        const QList<Row> rows = {
            {"A", "", 0, {{"A"}}, "A", 0},
            {"Z", "", 0, {{"Z"}}, "Z", 0},
            {"a", "", 0, {{"a"}}, "a", 0},
            {"z", "", 0, {{"z"}}, "z", 0},
            {"space", "Ann", 3, {{" "}}, "Ann ", 0},
            {"backspace", "Ann", 3, {{{}, Qt::Key_Backspace}}, "An", 0},
            {"delete", "Ann", 0, {{{}, Qt::Key_Delete}}, "nn", 0},
            {"arrows and home", "An", 2, {{{}, Qt::Key_Left}, {{}, Qt::Key_Home}, {"X"}}, "XAn", 0},
            {"digit 0", "", 0, {{"0"}}, "", 1},
            {"digit 9", "Ann", 3, {{"9"}}, "Ann", 1},
            {"apostrophe", "", 0, {{"'"}}, "", 1},
            {"hyphen", "", 0, {{"-"}}, "", 1},
            {"full stop", "", 0, {{"."}}, "", 1},
            {"return", "Ann", 3, {{{}, Qt::Key_Return}}, "Ann", 1},
            {"accented letter", "", 0, {{QStringLiteral("\u00e9"), Qt::Key_Eacute}}, "", 1},
            {"escape", "Ann", 3, {{{}, Qt::Key_Escape}}, "Ann", 1},
            {"ctrl+backspace", "Ann Lee", 7, {{{}, Qt::Key_Backspace, Qt::ControlModifier}}, "Ann ", 0},
            {"ctrl+v", "Ann", 3, {{{}, Qt::Key_V, Qt::ControlModifier}}, "Ann", 1},
            {"ctrl+a", "Ann", 3, {{{}, Qt::Key_A, Qt::ControlModifier}, {"b"}}, "Annb", 1},
            {"O'Neil", "", 0, {{"O'Neil"}}, "ONeil", 1},
            {"two refused keys", "", 0, {{"R2D2"}}, "RD", 2},
        };
        for (bool country : {false, true})
            for (const Row& r : rows)
                QTest::addRow("%s: %s", country ? "country" : "name", r.tag)
                    << country << QString::fromUtf8(r.before) << r.cursor << r.keys << QString::fromUtf8(r.after)
                    << r.messages;
    }
    void keyRule()
    {
        QFETCH(bool, country);
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QList<Keys>, keys);
        QFETCH(QString, after);
        QFETCH(int, messages);
        QGuiApplication::clipboard()->setText(QStringLiteral("123"));
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        QLineEdit* box =
            country ? testing::control<QLineEdit>(front, "txtCountry") : testing::control<QLineEdit>(front, "txtName");
        // What the box holds before, typed, and the cursor brought back with the arrow key.
        QVERIFY(testing::typeInto(box, before));
        for (qsizetype i = cursor; i < before.size(); ++i)
            QVERIFY(testing::key(Qt::Key_Left));
        QCOMPARE(box->cursorPosition(), cursor);
        QVERIFY(testing::seams().messages->shown.isEmpty());
        // A real box takes the focus away while it is up; the rule gives it back to the box.
        testing::seams().messages->whileShown = [front] {
            testing::control<QPushButton>(front, "cmdNext")->setFocus();
        };

        type(box, keys);

        QCOMPARE(box->text(), after);
        const auto& shown = testing::seams().messages->shown;
        QCOMPARE(shown.size(), messages);
        for (const testing::ShownMessage& m : shown) {
            QCOMPARE(m.text, country ? QStringLiteral("Country cannot contain Numbers and Special Characters")
                                     : QStringLiteral("Name cannot contain Numbers and Special Characters"));
            QCOMPARE(m.icon, platform::MsgIcon::Information);
            QCOMPARE(m.buttons, platform::MsgButtons::Ok);
            QCOMPARE(m.title, QStringLiteral("Selvanthe"));
        }
        if (messages > 0)
            QCOMPARE(QApplication::focusWidget(), box);
    }

    void composedInputFallsUnderTheRule_data()
    {
        QTest::addColumn<QString>("commit");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("messages");
        QTest::newRow("letters") << "ab" << "ab" << 0;
        QTest::newRow("accented letter") << QStringLiteral("\u00e9") << "" << 1;
        QTest::newRow("letter and accented letter") << QStringLiteral("a\u00e8b") << "ab" << 1;
    }
    void composedInputFallsUnderTheRule()
    {
        QFETCH(QString, commit);
        QFETCH(QString, after);
        QFETCH(int, messages);
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        QInputMethodEvent event(QString(), {});
        event.setCommitString(commit);
        QApplication::sendEvent(testing::control<QLineEdit>(front, "txtName"), &event);
        QCOMPARE(testing::control<QLineEdit>(front, "txtName")->text(), after);
        QCOMPARE(testing::seams().messages->shown.size(), messages);
    }

    void tabMovesOnWithoutAMessage()
    {
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        QApplication::setActiveWindow(road.main());
        testing::clickInto(testing::control<QLineEdit>(front, "txtName"));
        QCOMPARE(testing::focused(), testing::control<QLineEdit>(front, "txtName"));
        QTest::keyClick(testing::control<QLineEdit>(front, "txtName"), Qt::Key_Tab);
        QVERIFY(!testing::control<QLineEdit>(front, "txtName")->hasFocus());
        QVERIFY(testing::control<QLineEdit>(front, "txtName")->text().isEmpty());
        QVERIFY(testing::seams().messages->shown.isEmpty());
    }

    void pastingThroughTheBoxBypassesTheRule()
    {
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        QGuiApplication::clipboard()->setText(QStringLiteral("12"));
        // Ctrl+V is a key the rule refuses; Shift+Insert pastes without a character of its own.
        testing::clickInto(testing::control<QLineEdit>(front, "txtName"));
        QVERIFY(testing::key(Qt::Key_Insert, Qt::ShiftModifier));
        QCOMPARE(testing::control<QLineEdit>(front, "txtName")->text(), QStringLiteral("12"));
        QVERIFY(testing::seams().messages->shown.isEmpty());
    }

    void questionAndDateHaveNoRule()
    {
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        QTest::keyClicks(testing::control<QPlainTextEdit>(front, "txtQuestion"),
                         QStringLiteral("Will I move in 2027?"));
        QCOMPARE(testing::control<QPlainTextEdit>(front, "txtQuestion")->toPlainText(),
                 QStringLiteral("Will I move in 2027?"));
        QVERIFY(testing::seams().messages->shown.isEmpty());
    }

    void nextHandsTheDetailsToAFreshSetUpScreen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("country");
        QTest::addColumn<QString>("question");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("dob");
        QTest::newRow("all given") << "Ann Lee" << "Wales" << "What lies ahead?\nAnd after?" << 8 << 2 << 101
                                   << "9 March 2001";
        QTest::newRow("all empty") << "" << "" << "" << 0 << 0 << 80 << "1 January 1980";
        QTest::newRow("31 February passes") << "Bo" << "" << "" << 30 << 1 << 0 << "31 February 1900";
    }
    void nextHandsTheDetailsToAFreshSetUpScreen()
    {
        QFETCH(QString, name);
        QFETCH(QString, country);
        QFETCH(QString, question);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, dob);
        shell::frmMDI* mdi = road.main();
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        QVERIFY(testing::typeInto(testing::control<QLineEdit>(front, "txtName"), name));
        QVERIFY(testing::typeInto(testing::control<QLineEdit>(front, "txtCountry"), country));
        QVERIFY(testing::typeInto(testing::control<QPlainTextEdit>(front, "txtQuestion"), question));
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(front, "cmbDate"), day));
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(front, "cmbMonth"), month));
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(front, "cmbYear"), year));
        tarot::State().TarotSpreadName = QStringLiteral("X");

        testing::click(testing::control<QPushButton>(front, "cmdNext"));

        auto* setUp = platform::Forms::Peek<tarot::frmTarot>();
        QVERIFY(setUp);
        QVERIFY(TarotRoad::onView(setUp));
        QCOMPARE(tarot::State().TarotSpreadName, QStringLiteral("-1"));  // the load ran first
        QCOMPARE(testing::control<QLineEdit>(setUp, "txtName")->text(), name);
        QCOMPARE(testing::control<QLineEdit>(setUp, "txtDOB")->text(), dob);
        QCOMPARE(testing::control<QLineEdit>(setUp, "txtCountry")->text(), country);
        QCOMPARE(testing::control<QPlainTextEdit>(setUp, "txtQ")->toPlainText(), question);
        QCOMPARE(platform::Forms::Peek<tarot::frmTarotFront>(), front);
        QVERIFY(!TarotRoad::onView(front));
        QCOMPARE(testing::control<QLineEdit>(front, "txtName")->text(), name); // its entries stay for Back
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isHidden());
    }

    void menuNextResetAndExitAreTheButtons()
    {
        shell::frmMDI* mdi = road.main();
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        QVERIFY(testing::typeInto(testing::control<QLineEdit>(front, "txtName"), QStringLiteral("Ann")));
        QVERIFY(testing::chooseMenu(front->findChild<QAction*>(QStringLiteral("mnuReset"))));
        QVERIFY(testing::control<QLineEdit>(front, "txtName")->text().isEmpty());
        QVERIFY(testing::chooseMenu(front->findChild<QAction*>(QStringLiteral("mnuNext"))));
        auto* setUp = platform::Forms::Peek<tarot::frmTarot>();
        QVERIFY(setUp);
        QVERIFY(TarotRoad::onView(setUp));
        testing::click(testing::control<QPushButton>(setUp, "cmdBack"));
        QVERIFY(TarotRoad::onView(front));
        QVERIFY(testing::chooseMenu(front->findChild<QAction*>(QStringLiteral("mnuExit"))));
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmTarotFront")));
        QVERIFY(!testing::control<QWidget>(mdi, "picMain")->isHidden());
    }

    void backReloadsTheSetUpScreenButTheManualRoadKeepsIt()
    {
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        tarot::frmTarot* setUp = platform::Forms::Peek<tarot::frmTarot>();
        QVERIFY(setUp);
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(setUp, "cboCards"), 1));
        QVERIFY(testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), 5));
        testing::click(testing::control<QPushButton>(setUp, "cmdBack"));
        QVERIFY(TarotRoad::onView(front));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        setUp = platform::Forms::Peek<tarot::frmTarot>();
        QCOMPARE(testing::control<QComboBox>(setUp, "cboCards")->currentIndex(), 0);
        QCOMPARE(testing::control<QListWidget>(setUp, "lstOption")->currentRow(), 0);
        QCOMPARE(tarot::State().TarotSpreadName, QStringLiteral("-1"));

        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(setUp, "cboCards"), 1));
        QVERIFY(testing::clickEntry(testing::control<QListWidget>(setUp, "lstOption"), 5));
        // The real manual reading window, whose Back is taken.
        tarot::RegisterTarotForms();
        testing::click(testing::control<QPushButton>(setUp, "cmdManual"));
        auto* manual = platform::Forms::Peek<tarot::frmTarotManual>();
        QVERIFY(manual);
        // The manual reading's Back: the querent screen again, the set-up screen still loaded and hidden.
        testing::click(testing::control<QPushButton>(manual, "cmdBack"));
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmTarotManual")));
        QVERIFY(TarotRoad::onView(front));
        QVERIFY(!TarotRoad::onView(setUp));
        QVERIFY(testing::typeInto(testing::control<QLineEdit>(front, "txtName"), QStringLiteral("Cy")));
        road.log.clear();
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        QCOMPARE(platform::Forms::Peek<tarot::frmTarot>(), setUp);
        QVERIFY(TarotRoad::onView(setUp));
        QCOMPARE(testing::control<QComboBox>(setUp, "cboCards")->currentIndex(), 1);
        QCOMPARE(testing::control<QListWidget>(setUp, "lstOption")->currentRow(), 5);
        QCOMPARE(testing::control<QLineEdit>(setUp, "txtName")->text(), QStringLiteral("Cy"));
        QCOMPARE(tarot::State().TarotSpreadName, QStringLiteral("The Line Spread"));  // no reset
    }

    void resetClearsEverythingAndFocusesTheName()
    {
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        QApplication::setActiveWindow(road.main());
        QTest::keyClicks(testing::control<QLineEdit>(front, "txtName"), QStringLiteral("Ann1"));
        QVERIFY(testing::typeInto(testing::control<QLineEdit>(front, "txtCountry"), QStringLiteral("Wales")));
        QVERIFY(testing::typeInto(testing::control<QPlainTextEdit>(front, "txtQuestion"), QStringLiteral("Why?")));
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(front, "cmbDate"), 4));
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(front, "cmbMonth"), 4));
        QVERIFY(testing::chooseEntry(testing::control<QComboBox>(front, "cmbYear"), 4));
        QVERIFY(testing::tabTo(testing::control<QPushButton>(front, "cmdCancel")));
        testing::click(testing::control<QPushButton>(front, "cmdReset"));
        QVERIFY(testing::control<QLineEdit>(front, "txtName")->text().isEmpty());
        QVERIFY(testing::control<QLineEdit>(front, "txtCountry")->text().isEmpty());
        QVERIFY(testing::control<QPlainTextEdit>(front, "txtQuestion")->toPlainText().isEmpty());
        QCOMPARE(testing::control<QComboBox>(front, "cmbDate")->currentText(), QStringLiteral("1"));
        QCOMPARE(testing::control<QComboBox>(front, "cmbMonth")->currentText(), QStringLiteral("January"));
        QCOMPARE(testing::control<QComboBox>(front, "cmbYear")->currentText(), QStringLiteral("1980"));
        QVERIFY(testing::control<QLineEdit>(front, "txtName")->hasFocus());
    }

    void exitUnloadsAndTheWelcomePanelReturns()
    {
        shell::frmMDI* mdi = road.main();
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isHidden());
        testing::click(testing::control<QPushButton>(front, "cmdCancel"));
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmTarotFront")));
        QVERIFY(!testing::control<QWidget>(mdi, "picMain")->isHidden());
        QVERIFY(platform::Forms::IsLoaded(QStringLiteral("frmTarotOpen")));  // hidden, as the tool left it
    }

    void openPreviousRecordIsInPlace()
    {
        tarot::frmTarotFront* front = road.querent();
        QVERIFY(front);
        testing::click(testing::control<QPushButton>(front, "cmdOpen"));
        QVERIFY(TarotRoad::onView(front));
        QVERIFY(testing::seams().messages->shown.isEmpty());
    }
};

SELVANTHE_TEST_MAIN(TestQuerent)
#include "tst_querent.moc"
