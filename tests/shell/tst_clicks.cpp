// A click is a press and a release on the same control, and a double-click ends at the screen its first
// click opened: the second press lands on whatever that screen put under the pointer, and presses nothing.
#include "FindControl.h"
#include "ScreenCheck.h"
#include "TestMain.h"
#include "Roads.h"
#include "UserInput.h"

#include "platform/PictureBox.h"
#include "runes/RuneTables.h"
#include "runes/RunesChoiceForm.h"
#include "runes/frmRunesReadingEntry.h"
#include "runes/frmRunesReadingResult.h"
#include "runes/frmRunesReadingSelect.h"
#include "runes/frmRunesReadingSpread.h"
#include "runictarot/RunicTarotState.h"
#include "runictarot/frmRunicTarotDisplay.h"
#include "runictarot/frmRunicTarotMain.h"
#include "shell/frmMDI.h"
#include "tarot/TarotState.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotManual.h"
#include "tarot/frmTarotOpen.h"

#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QStyleHints>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <functional>

using testing::openMain;
using testing::runesEntry;
using testing::runeSetScreen;
using testing::runicDetails;
using testing::seams;
using testing::tarotEntry;
using testing::tarotManual;
using testing::tarotQuerent;

namespace {

platform::Form* form(const char* name) { return platform::Forms::Peek(QString::fromLatin1(name)); }

// Tool windows loaded, by name.
QStringList toolWindows()
{
    QStringList out;
    for (platform::Form* f : platform::Forms::Loaded())
        if (f->kind() == platform::Form::Kind::MdiChild && !f->isUnloading())
            out << f->formName();
    return out;
}

bool onView(const char* name)
{
    platform::Form* f = form(name);
    return f && !f->isUnloading() && f->frame() && f->frame()->isVisible();
}

runes::frmRunesReadingSpread* runeSpreadScreen()
{
    runes::frmRunesReadingSelect* set = runeSetScreen();
    if (!set)
        return nullptr;
    testing::click(testing::control<platform::Clickable>(set, "picCatagory", 2));
    return platform::Forms::Peek<runes::frmRunesReadingSpread>();
}

// A control that acts on a click, another control of the same window, and what tells that it acted.
struct Clickable {
    QWidget* control = nullptr;
    QWidget* other = nullptr;
    std::function<bool()> acted;
};
using ClickableMaker = std::function<Clickable()>;

ClickableMaker runeChoice(bool spreadScreen, bool picture)
{
    return [=]() -> Clickable {
        runes::RunesChoiceForm* screen = spreadScreen ? static_cast<runes::RunesChoiceForm*>(runeSpreadScreen())
                                                      : static_cast<runes::RunesChoiceForm*>(runeSetScreen());
        if (!screen)
            return {};
        QWidget* control = picture
                               ? static_cast<QWidget*>(testing::control<platform::Clickable>(screen, "picCatagory", 1))
                               : testing::control<platform::Clickable>(screen, "lblInfo", 1);
        QWidget* other = picture
                             ? static_cast<QWidget*>(testing::control<platform::Clickable>(screen, "picCatagory", 3))
                             : testing::control<platform::Clickable>(screen, "lblInfo", 3);
        const QStringList before = toolWindows();
        return {control, other, [before] { return toolWindows() != before; }};
    };
}

ClickableMaker manualBack()
{
    return []() -> Clickable {
        tarot::frmTarotManual* manual = tarotManual();
        if (!manual)
            return {};
        QPointer<tarot::frmTarotManual> w(manual);
        return {testing::control<platform::Clickable>(manual, "p", 5),
                testing::control<platform::Clickable>(manual, "p", 6), [w] {
                    return !w || w->PickCount != 0 || testing::control<platform::Clickable>(w, "p", 5)->isHidden();
                }};
    };
}

ClickableMaker banner()
{
    return []() -> Clickable {
        tarot::frmTarotFront* front = tarotQuerent();
        if (!front)
            return {};
        seams().shell->opened.clear();
        return {testing::control<platform::Clickable>(front, "Label6"), testing::control<QPushButton>(front, "cmdNext"),
                [] { return !seams().shell->opened.isEmpty(); }};
    };
}

ClickableMaker welcomeLink()
{
    return []() -> Clickable {
        shell::frmMDI* mdi = openMain();
        return {testing::control<QWidget>(mdi, "lblCaption", 4), testing::control<QWidget>(mdi, "lblCaption", 5),
                [] { return !toolWindows().isEmpty(); }};
    };
}

} // namespace

Q_DECLARE_METATYPE(ClickableMaker)

class TestClicks : public QObject {
    Q_OBJECT
    QTemporaryDir programFolder;

private slots:
    void initTestCase()
    {
        QVERIFY(programFolder.isValid());
        QVERIFY(QDir(programFolder.path()).mkpath(QStringLiteral("cards")));
        QVERIFY(QDir(programFolder.path()).mkpath(QStringLiteral("pic")));
    }

    void init()
    {
        testing::freshProgram();
        // A screen big enough that every tool window lies inside the main window, as on a desktop.
        testing::UseScreen(QSize(1608, 1432));
        tarot::ResetStateForTests();
        runes::ResetRunesState();
        runictarot::ResetRunicTarotState();
        platform::setAppPath(programFolder.path());
    }

    void cleanup() { platform::setAppPath(QStringLiteral(SELVANTHE_RUNTIME_DIR)); }

    void clickIsAPressAndAReleaseOnTheControl_data()
    {
        QTest::addColumn<ClickableMaker>("make");
        QTest::newRow("rune set picture") << runeChoice(false, true);
        QTest::newRow("rune set description") << runeChoice(false, false);
        QTest::newRow("rune spread picture") << runeChoice(true, true);
        QTest::newRow("rune spread description") << runeChoice(true, false);
        QTest::newRow("face-down card") << manualBack();
        QTest::newRow("banner") << banner();
        QTest::newRow("welcome link") << welcomeLink();
    }
    void clickIsAPressAndAReleaseOnTheControl()
    {
        QFETCH(ClickableMaker, make);

        // Pressed on the control, let go over another: the release comes to the control that was pressed,
        // outside it.
        Clickable c = make();
        QVERIFY(c.control && c.other);
        const QPoint over = c.control->mapFromGlobal(c.other->mapToGlobal(c.other->rect().center()));
        QVERIFY(!c.control->rect().contains(over));
        testing::press(c.control);
        testing::release(c.control, Qt::LeftButton, over);
        QVERIFY(!c.acted());

        // A release that ends no press of its own (the pressed control went away under the pointer).
        testing::release(c.control);
        QVERIFY(!c.acted());

        // Another button's click.
        testing::press(c.control, Qt::RightButton);
        testing::release(c.control, Qt::RightButton);
        QVERIFY(!c.acted());

        // Press and release on it.
        testing::press(c.control);
        testing::release(c.control);
        QVERIFY(c.acted());
    }

    // Each rune set double-clicked, on its picture and on its description: the spread screen opens and
    // stays; no spread is chosen and no result window opens.
    void doubleClickOnARuneSetStopsAtTheSpreadScreen_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<bool>("picture");
        const char* const kSets[] = {"Gold", "Ice", "Jade", "Spirit", "Stone"};
        for (int set = 0; set < 5; ++set)
            for (bool picture : {true, false})
                QTest::addRow("%s, %s", kSets[set], picture ? "picture" : "description")
                    << set << picture;
    }
    void doubleClickOnARuneSetStopsAtTheSpreadScreen()
    {
        QFETCH(int, set);
        QFETCH(bool, picture);
        runes::frmRunesReadingSelect* screen = runeSetScreen();
        QVERIFY(screen);
        QWidget* choice = picture
                              ? static_cast<QWidget*>(testing::control<platform::Clickable>(screen, "picCatagory", set))
                              : testing::control<platform::Clickable>(screen, "lblInfo", set);
        QVERIFY(testing::doubleClick(choice));
        QCOMPARE(runes::RuneType(), qint16(set));
        QCOMPARE(runes::RuneSpread(), 5);
        QCOMPARE(toolWindows(), QStringList{QStringLiteral("frmRunesReadingSpread")});
        QVERIFY(onView("frmRunesReadingSpread"));
    }

    // The first click of a double-click puts a clickable picture under the pointer: it came on view after
    // the double-click's first press, and the rest of the double-click presses nothing on it. Its own
    // double-click is one click; a push button's is two, as the desktop has it.
    void doubleClickPressesNoClickableThatCameOnView()
    {
        QWidget window;
        window.resize(300, 200);
        QPushButton first(QStringLiteral("Next"), &window);
        first.setGeometry(100, 80, 100, 30);
        platform::Clickable second(&window);
        second.setGeometry(100, 80, 100, 30);
        second.hide();
        int nexts = 0, chosen = 0;
        QObject::connect(&first, &QPushButton::clicked, [&] {
            ++nexts;
            first.hide();
            second.show();
        });
        QObject::connect(&second, &QAbstractButton::clicked, [&] { ++chosen; });
        window.show();
        QVERIFY(testing::doubleClick(&first));
        QVERIFY(second.isVisible());
        QCOMPARE(chosen, 0);
        // A click of its own presses it; its own double-click is one click.
        QVERIFY(testing::click(&second));
        QCOMPARE(chosen, 1);
        QVERIFY(testing::doubleClick(&second));
        QCOMPARE(chosen, 2);
        second.hide();
        first.show();
        QObject::disconnect(&first, nullptr, nullptr, nullptr);
        QObject::connect(&first, &QPushButton::clicked, [&] { ++nexts; });
        QVERIFY(testing::doubleClick(&first));
        QCOMPARE(nexts, 3);
    }

    // With a drop-down list open, two quick clicks on a button: the first closes the list, the second
    // presses the button.
    void quickClicksAfterAnOpenListPressTheButton()
    {
        QWidget window;
        window.resize(400, 300);
        auto* list = new QComboBox(&window);
        list->addItems({QStringLiteral("Gold"), QStringLiteral("Ice")});
        list->setGeometry(10, 10, 120, 25);
        auto* next = new QPushButton(QStringLiteral("Next"), &window);
        next->setGeometry(250, 240, 100, 30);
        int pressed = 0;
        QObject::connect(next, &QPushButton::clicked, [&pressed] { ++pressed; });
        window.show();
        QApplication::setActiveWindow(&window);
        testing::QuietPopups quiet;
        QVERIFY(testing::click(list));
        QTRY_VERIFY(list->view()->isVisible());
        QVERIFY(testing::doubleClick(next));
        QTRY_VERIFY(!list->view()->isVisible());
        QCOMPARE(pressed, 1);
    }

    // Two quick picks on neighbouring face-down cards, a few pixels apart: both are picked.
    void quickPicksOnNeighbouringBacksPickBoth()
    {
        tarot::frmTarotManual* manual = tarotManual();
        QVERIFY(manual);
        QWidget* left = testing::control<platform::Clickable>(manual, "p", 0);
        QWidget* right = testing::control<platform::Clickable>(manual, "p", 1);
        const QPoint a(left->width() - 1, left->height() / 2);
        const QPoint b(0, right->height() / 2);
        const QPoint apart = right->mapToGlobal(b) - left->mapToGlobal(a);
        QVERIFY(apart.manhattanLength() <= QGuiApplication::styleHints()->mouseDoubleClickDistance());
        // The user looks at the backs before picking: they have been on view for a while.
        QTest::qWait(QGuiApplication::styleHints()->mouseDoubleClickInterval());
        QVERIFY(testing::doubleClickAcross(left, a, right, b));
        QCOMPARE(manual->PickCount, 2);
        QVERIFY(left->isHidden() && right->isHidden());
    }

    // A button that replaces its screen, double-clicked: the new screen stays, nothing on it is pressed.
    void doubleClickStopsAtTheScreenItOpens_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<QString>("opens");
        QTest::newRow("runes Next") << "runes Next" << "frmRunesReadingSelect";
        QTest::newRow("tarot Continue") << "tarot Continue" << "frmTarotFront";
        QTest::newRow("tarot Next") << "tarot Next" << "frmTarot";
        QTest::newRow("runic tarot Generate") << "runic Generate" << "frmRunicTarotDisplay";
        QTest::newRow("set-up Back") << "set-up Back" << "frmTarotFront";
        QTest::newRow("manual Back") << "manual Back" << "frmTarotFront";
        QTest::newRow("runic Back") << "runic Back" << "frmRunicTarotMain";
        QTest::newRow("runes Start Again") << "runes Start Again" << "frmRunesReadingEntry";
    }
    void doubleClickStopsAtTheScreenItOpens()
    {
        QFETCH(QString, road);
        QFETCH(QString, opens);
        QWidget* button = nullptr;
        if (road == QLatin1String("runes Next")) {
            runes::frmRunesReadingEntry* entry = runesEntry();
            QVERIFY(entry);
            button = testing::control<QPushButton>(entry, "cmdNext");
        } else if (road == QLatin1String("tarot Continue")) {
            tarot::frmTarotOpen* open = tarotEntry();
            QVERIFY(open);
            open->Timer1_Timer();
            button = testing::control<QPushButton>(open, "cmdContd");
        } else if (road == QLatin1String("tarot Next")) {
            tarot::frmTarotFront* front = tarotQuerent();
            QVERIFY(front);
            button = testing::control<QPushButton>(front, "cmdNext");
        } else if (road == QLatin1String("set-up Back")) {
            tarot::frmTarotFront* front = tarotQuerent();
            QVERIFY(front);
            testing::click(testing::control<QPushButton>(front, "cmdNext"));
            QVERIFY(platform::Forms::Peek<tarot::frmTarot>());
            button = testing::control<QPushButton>(platform::Forms::Peek<tarot::frmTarot>(), "cmdBack");
        } else if (road == QLatin1String("manual Back")) {
            tarot::frmTarotManual* manual = tarotManual();
            QVERIFY(manual);
            button = testing::control<QPushButton>(manual, "cmdBack");
        } else if (road == QLatin1String("runic Back")) {
            runictarot::frmRunicTarotMain* details = runicDetails();
            QVERIFY(details);
            testing::click(testing::control<QLineEdit>(details, "txtName"));
            QVERIFY(testing::type(QStringLiteral("ann")));
            testing::click(testing::control<QPushButton>(details, "cmdRunicAstrology"));
            QVERIFY(platform::Forms::Peek<runictarot::frmRunicTarotDisplay>());
            button =
                testing::control<QPushButton>(platform::Forms::Peek<runictarot::frmRunicTarotDisplay>(), "cmdBack");
        } else if (road == QLatin1String("runes Start Again")) {
            runes::frmRunesReadingEntry* entry = runesEntry();
            QVERIFY(entry);
            testing::click(testing::control<QRadioButton>(entry, "optRune", 1));
            testing::click(testing::control<QRadioButton>(entry, "optSpread", 1));
            testing::click(testing::control<QPushButton>(entry, "cmdNext"));
            QVERIFY(platform::Forms::Peek<runes::frmRunesReadingResult>());
            button = testing::control<QPushButton>(platform::Forms::Peek<runes::frmRunesReadingResult>(), "Command1");
        } else {
            runictarot::frmRunicTarotMain* details = runicDetails();
            QVERIFY(details);
            testing::click(testing::control<QLineEdit>(details, "txtName"));
            QVERIFY(testing::type(QStringLiteral("ann")));
            button = testing::control<QPushButton>(details, "cmdRunicAstrology");
        }
        const QStringList before = toolWindows();
        QVERIFY(testing::doubleClick(button));
        QVERIFY(onView(opens.toLatin1().constData()));
        // Nothing beyond the new screen: no further window loaded, none of the new one's buttons pressed.
        QStringList expected = before;
        expected << opens;
        QStringList now = toolWindows();
        QCOMPARE(QSet<QString>(now.begin(), now.end()) - QSet<QString>(expected.begin(), expected.end()), QSet<QString>());
        QVERIFY(seams().messages->shown.isEmpty());
        QVERIFY(seams().shell->opened.isEmpty());
    }

    // Enter and Return press the button that has the focus, as Space does.
    void enterPressesTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
        QTest::newRow("Space") << int(Qt::Key_Space);
    }
    void enterPressesTheFocusedButton()
    {
        QFETCH(int, key);
        tarot::frmTarotFront* front = tarotQuerent();
        QVERIFY(front);
        testing::click(testing::control<QLineEdit>(front, "txtName"));
        QVERIFY(testing::tabTo(testing::control<QPushButton>(front, "cmdNext")));
        const Qt::KeyboardModifiers mods = key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier;
        QTest::keyClick(testing::control<QPushButton>(front, "cmdNext"), Qt::Key(key), mods);
        QVERIFY(onView("frmTarot"));
        QVERIFY(!onView("frmTarotFront"));
    }
};

SELVANTHE_TEST_MAIN(TestClicks)
#include "tst_clicks.moc"
