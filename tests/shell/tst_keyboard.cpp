// The keyboard: the order Tab takes through every window and on to the main window's own controls, Tab
// out of every box of several lines, the name boxes' rules under Alt and Ctrl, and each reading done from
// start to end with the keyboard alone.
#include "FindControl.h"
#include "ScreenCheck.h"
#include "TestMain.h"
#include "Roads.h"
#include "UserInput.h"

#include "platform/PictureBox.h"
#include "platform/RichTextBox.h"
#include "runes/RuneTables.h"
#include "runes/RunesChoiceForm.h"
#include "runes/frmRunesReadingEntry.h"
#include "runes/frmRunesReadingResult.h"
#include "runes/frmRunesReadingSelect.h"
#include "runes/frmRunesReadingSpread.h"
#include "runictarot/RunicTarotState.h"
#include "runictarot/frmRunicTarotDisplay.h"
#include "runictarot/frmRunicTarotMain.h"
#include "runictarot/frmRunicTarotSave.h"
#include "shell/Codec.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "tarot/ReadingFile.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/TarotState.h"
#include "tarot/frmAuto.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotManual.h"
#include "tarot/frmTarotOpen.h"

#include <QAccessible>
#include <QComboBox>
#include <QSet>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>

#include <array>
#include <cmath>
#include <functional>

using testing::openMain;
using testing::runesEntry;
using testing::runicDetails;
using testing::runicReading;
using testing::seams;
using testing::tarotQuerent;
using testing::tarotSetUp;

namespace {

QStringList aboutClashes;  // what the modal about box showed, read while it was up

QString nameOf(const QWidget* w)
{
    if (!w)
        return QStringLiteral("<none>");
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// A key to whatever has the focus, or to the active window when nothing has.
void press(Qt::Key key, Qt::KeyboardModifiers modifiers = {})
{
    QWidget* w = QApplication::focusWidget();
    if (!w)
        w = QApplication::activeWindow();
    if (w)
        QTest::keyClick(w, key, modifiers);
    QApplication::processEvents();  // as the event loop runs between one key and the next
}

// Tab pressed until the focus comes back where it started: the names of the controls on the way, the
// first one included.
QStringList tabCycle(bool backwards = false)
{
    QWidget* start = QApplication::focusWidget();
    QStringList out{nameOf(start)};
    for (int i = 0; i < 80; ++i) {
        press(backwards ? Qt::Key_Backtab : Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
        QWidget* now = QApplication::focusWidget();
        if (!now || now == start)
            break;
        out << nameOf(now);
    }
    return out;
}

// Whether a button of any window shows itself pressed, as one pressed by its access key does until it acts.
bool anyButtonDown()
{
    for (QWidget* top : QApplication::topLevelWidgets())
        for (QAbstractButton* b : top->findChildren<QAbstractButton*>())
            if (b->isDown())
                return true;
    return false;
}

// The main window's own stops while a tool window is open, in the order Tab meets them.
const QStringList kToolButtons = {"cmdSelectOption(1)", "cmdSelectOption(0)", "cmdSelectOption(2)"};
QStringList mainStops(bool runesPanel = false)
{
    QStringList out = kToolButtons;
    if (runesPanel)
        out << QStringLiteral("Check1");
    out << QStringLiteral("cmdMdiExit");
    return out;
}

// What the walk of the about box found, from inside its loop.
QStringList aboutUnnamed;

// Controls a user acts on, under the accessible object, that have no name for a screen reader.
void unnamedControls(QAccessibleInterface* face, QStringList& out, QSet<QObject*>& seen, int depth = 0)
{
    if (!face || !face->isValid() || depth > 60)
        return;
    if (QObject* o = face->object()) {
        if (seen.contains(o) && face->role() != QAccessible::PageTab && face->role() != QAccessible::ListItem)
            return;
        seen.insert(o);
    }
    if (face->state().invisible || face->state().offscreen)
        return;
    static const QList<QAccessible::Role> acted = {
        QAccessible::Button,   QAccessible::CheckBox, QAccessible::RadioButton, QAccessible::ComboBox,
        QAccessible::EditableText, QAccessible::Link, QAccessible::PageTab, QAccessible::List,
        QAccessible::SpinBox,  QAccessible::Slider,   QAccessible::ButtonMenu,  QAccessible::ListItem};
    if (acted.contains(face->role()) && face->text(QAccessible::Name).trimmed().isEmpty()) {
        QString where = face->object() ? face->object()->objectName() : QString();
        if (where.isEmpty() && face->object())
            where = QString::fromLatin1(face->object()->metaObject()->className());
        for (QAccessibleInterface* up = face->parent(); up && where.count(QLatin1Char('/')) < 3; up = up->parent())
            if (up->object() && !up->object()->objectName().isEmpty()) {
                where = up->object()->objectName() + QLatin1Char('/') + where;
                break;
            }
        out << QStringLiteral("%1 (role %2)").arg(where).arg(int(face->role()));
    }
    for (int i = 0; i < face->childCount(); ++i)
        unnamedControls(face->child(i), out, seen, depth + 1);
}

// Opens a window state the way a user reaches it; the window whose boxes are looked at.
using Road = std::function<QWidget*()>;

QStringList manualButtonsLeftToRight()
{
    auto* w = platform::Forms::Peek<tarot::frmTarotManual>();
    if (!w)
        return {};
    return testing::control<QPushButton>(w, "cmdBack")->x() <= testing::control<QPushButton>(w, "cmdCancel")->x()
               ? QStringList {"cmdBack", "cmdCancel"}
               : QStringList {"cmdCancel", "cmdBack"};
}

struct FocusRow {
    const char* name;
    Road road;
    QStringList order;  // from the control that has the focus as the state is reached
};

QList<FocusRow> focusRows()
{
    return {
        {"main window", [] { return static_cast<QWidget*>(openMain()); },
         QStringList {"cmdSelectOption(1)", "cmdSelectOption(0)", "cmdSelectOption(2)", "cmdMdiExit"}},
        {"runes entry", [] { return static_cast<QWidget*>(runesEntry()); },
         QStringList {"txtName", "cboDate", "cboMonth", "cboYear", "txtQuestion", "optRune(5)", "optSpread(5)",
                      "Command2", "Command1", "cmdNext"} +
             mainStops(true)},
        {"rune set screen",
         [] {
             runes::frmRunesReadingEntry* entry = runesEntry();
             if (!entry)
                 return static_cast<QWidget*>(nullptr);
             testing::click(testing::control<QPushButton>(entry, "cmdNext"));
             return static_cast<QWidget*>(platform::Forms::Peek<runes::frmRunesReadingSelect>());
         },
         QStringList {"picCatagory(4)", "picCatagory(1)", "picCatagory(0)", "picCatagory(2)", "picCatagory(3)"} +
             mainStops(true)},
        {"rune spread screen",
         [] {
             runes::frmRunesReadingEntry* entry = runesEntry();
             if (!entry)
                 return static_cast<QWidget*>(nullptr);
             testing::click(testing::control<QRadioButton>(entry, "optRune", 2));
             testing::click(testing::control<QPushButton>(entry, "cmdNext"));
             return static_cast<QWidget*>(platform::Forms::Peek<runes::frmRunesReadingSpread>());
         },
         QStringList {"picCatagory(4)", "picCatagory(3)", "picCatagory(2)", "picCatagory(1)", "picCatagory(0)"} +
             mainStops(true)},
        {"runes result",
         [] {
             runes::frmRunesReadingEntry* entry = runesEntry();
             if (!entry)
                 return static_cast<QWidget*>(nullptr);
             testing::click(testing::control<QRadioButton>(entry, "optRune", 2));
             testing::click(testing::control<QRadioButton>(entry, "optSpread", 4));
             seams().random->script(5);
             testing::click(testing::control<QPushButton>(entry, "cmdNext"));
             return static_cast<QWidget*>(platform::Forms::Peek<runes::frmRunesReadingResult>());
         },
         QStringList {"RichTextBox1", "Check1", "Command3", "Command1"} + kToolButtons + QStringList {"cmdMdiExit"}},
        {"tarot entry",
         [] {
             testing::click(testing::control<QPushButton>(openMain(), "cmdSelectOption", 1));
             auto* open = platform::Forms::Peek<tarot::frmTarotOpen>();
             if (!open)
                 return static_cast<QWidget*>(nullptr);
             open->Timer1_Timer();
             return static_cast<QWidget*>(open);
         },
         QStringList {"cmdContd"} + mainStops()},
        {"tarot querent", [] { return static_cast<QWidget*>(tarotQuerent()); },
         QStringList {"txtName", "txtCountry", "cmbDate", "cmbMonth", "cmbYear", "txtQuestion", "cmdOpen", "cmdNext",
                      "cmdReset", "cmdCancel"} +
             mainStops()},
        {"tarot set-up", [] { return static_cast<QWidget*>(tarotSetUp()); },
         QStringList {"cboCards", "lstOption", "chkLA", "chkHA", "chkRev", "cmdAuto", "cmdManual", "cmdBack",
                      "cmdCancel"} +
             mainStops()},
        {"manual reading",
         [] {
             tarot::frmTarot* setUp = tarotSetUp();
             if (!setUp)
                 return static_cast<QWidget*>(nullptr);
             testing::click(testing::control<QPushButton>(setUp, "cmdManual"));
             return static_cast<QWidget*>(platform::Forms::Peek<tarot::frmTarotManual>());
         },
         // The backs are one stop; its two buttons follow as they stand, left to right.
         QStringList {"p(0)", "<manual buttons>"} + mainStops()},
        {"tarot reading on show",
         [] {
             tarot::frmTarot* setUp = tarotSetUp();
             if (!setUp)
                 return static_cast<QWidget*>(nullptr);
             seams().random->script(3);
             testing::click(testing::control<QPushButton>(setUp, "cmdAuto"));
             return static_cast<QWidget*>(shell::MDI());
         },
         QStringList {"scrClient"} + kToolButtons +
             QStringList {"txtName", "txtDOB", "txtCountry", "txtQ", "cmdSave", "cmdPrint", "RTB", "cmdMdiExit"}},
        {"runic tarot details", [] { return static_cast<QWidget*>(runicDetails()); },
         QStringList {"txtName", "cmbDate", "cmbMonth", "cmbYear", "cmdRunicAstrology", "cmdOpen", "cmdExit"} +
             mainStops()},
        {"runic tarot reading", [] { return static_cast<QWidget*>(runicReading()); },
         QStringList {"qt_tabwidget_tabbar", "txtAboutYourRuneStone", "cmdPrint", "cmdBack"} + mainStops()},
        {"runic tarot report",
         [] {
             runictarot::frmRunicTarotDisplay* d = runicReading();
             if (!d || !testing::tabTo(testing::control<QPushButton>(d, "cmdPrint")))
                 return static_cast<QWidget*>(nullptr);
             press(Qt::Key_Return);
             auto* report = platform::Forms::Peek<runictarot::frmRunicTarotSave>();
             if (report)
                 (void)QTest::qWaitForWindowActive(report);
             return static_cast<QWidget*>(report);
         },
         QStringList {"RTB", "cmdSave", "cmdPrint"} + mainStops()},
    };
}

// The access key a caption gives, upper case; none for a caption without one ("&&" shows an ampersand).
QChar mnemonicOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&'))
            continue;
        if (caption[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return caption[i + 1].toUpper();
    }
    return {};
}

// Access keys that more than one control answers at once in the window: its buttons, frames, labels
// with a partner, tabs and menu bar entries that are on view. Each clash as "key: caption, caption".
// An access key inside a tool window answers only while the focus is in that window (the toolkit's rule
// for windows in a work area): the controls of the window's own, and those of each tool window with them.
QStringList clashesIn(QWidget* window)
{
    QMap<const QWidget*, QMap<QChar, QStringList>> byPlace; // by tool window; null for the window's own
    const QWidget* place = nullptr;
    auto note = [&](const QString& caption) {
        const QChar key = mnemonicOf(caption);
        if (!key.isNull())
            byPlace[place][key] << caption;
    };
    for (QWidget* w : window->findChildren<QWidget*>()) {
        place = nullptr;
        for (const QWidget* up = w; up && up != window && !place; up = up->parentWidget())
            if (qobject_cast<const QMdiSubWindow*>(up))
                place = up;
        if (!w->isVisible() || !w->isEnabled())
            continue;
        if (auto* b = qobject_cast<QAbstractButton*>(w))
            note(b->text());
        else if (auto* g = qobject_cast<QGroupBox*>(w))
            note(g->title());
        else if (auto* l = qobject_cast<QLabel*>(w); l && l->buddy())
            note(l->text());
        else if (auto* t = qobject_cast<QTabBar*>(w))
            for (int i = 0; i < t->count(); ++i)
                note(t->tabText(i));
        else if (auto* bar = qobject_cast<QMenuBar*>(w))
            for (QAction* a : bar->actions())
                if (a->isVisible() && a->isEnabled())
                    note(a->text());
    }
    QStringList out;
    const QMap<QChar, QStringList> own = byPlace.value(nullptr);
    QList<const QWidget*> places = byPlace.keys();
    if (!places.contains(nullptr))
        places << nullptr;
    for (const QWidget* tool : places) {
        QMap<QChar, QStringList> byKey = own;
        if (tool)
            for (auto it = byPlace[tool].cbegin(); it != byPlace[tool].cend(); ++it)
                byKey[it.key()] += it.value();
        else if (places.size() > 1)
            continue; // seen with each tool window
        for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
            if (it.value().size() > 1)
                out << QString(it.key()) + QStringLiteral(": ") + it.value().join(QStringLiteral(", "));
    }
    return out;
}

// The same within every menu that the window's menu bar opens, each menu on its own.
QStringList clashesInMenus(QWidget* window)
{
    QStringList out;
    std::function<void(QMenu*)> walk = [&](QMenu* menu) {
        QMap<QChar, QStringList> byKey;
        for (QAction* a : menu->actions()) {
            if (!a->isVisible() || !a->isEnabled() || a->isSeparator())
                continue;
            const QChar key = mnemonicOf(a->text());
            if (!key.isNull())
                byKey[key] << a->text();
            if (a->menu())
                walk(a->menu());
        }
        for (auto it = byKey.cbegin(); it != byKey.cend(); ++it)
            if (it.value().size() > 1)
                out << menu->title() + QStringLiteral(" ") + QString(it.key()) + QStringLiteral(": ") +
                           it.value().join(QStringLiteral(", "));
    };
    for (QMenuBar* bar : window->findChildren<QMenuBar*>())
        for (QAction* a : bar->actions())
            if (a->isVisible() && a->isEnabled() && a->menu())
                walk(a->menu());
    return out;
}

} // namespace

Q_DECLARE_METATYPE(Road)

// The relative luminance of a colour, as the web's accessibility rules define it.
double luminance(QRgb c)
{
    auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
}

double contrastRatio(QRgb a, QRgb b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// What the user sees change on a control as it takes the focus: the pixels that differ, each of which
// must stand out from what it covers by 3:1 at least, and must run along all four sides. Empty where it does.
QString weakFocusFrame(const QImage& before, const QImage& after)
{
    if (before.size() != after.size() || before.isNull())
        return QStringLiteral("the two pictures differ in size");
    const int w = before.width(), h = before.height();
    int changed = 0, weak = 0;
    double weakest = 21;
    std::array<int, 4> sides {}; // pixels changed near the left, top, right, bottom edge
    const int band = std::max(6, w / 8);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const QRgb a = before.pixel(x, y), b = after.pixel(x, y);
            if (a == b)
                continue;
            ++changed;
            const double ratio = contrastRatio(a, b);
            weakest = std::min(weakest, ratio);
            if (ratio < 3)
                ++weak;
            sides[0] += x < band;
            sides[1] += y < band;
            sides[2] += x >= w - band;
            sides[3] += y >= h - band;
        }
    if (changed == 0)
        return QStringLiteral("nothing shows the focus");
    if (weak > 0)
        return QStringLiteral("%1 of the %2 pixels of the focus frame stand out less than 3:1 (the weakest %3:1)")
            .arg(weak)
            .arg(changed)
            .arg(weakest, 0, 'f', 2);
    const int length = std::min(w, h) / 4; // along each side, at least a quarter of the shorter one
    for (int side = 0; side < 4; ++side)
        if (sides[static_cast<size_t>(side)] < length)
            return QStringLiteral("the focus frame runs along too little of side %1 (%2 pixels)")
                .arg(side)
                .arg(sides[static_cast<size_t>(side)]);
    return {};
}

class TestKeyboard : public QObject {
    Q_OBJECT
    QTemporaryDir files;

private slots:
    void initTestCase() { QVERIFY(files.isValid()); }

    void init()
    {
        testing::freshProgram();
        // A screen big enough that every tool window lies inside the main window, as on a desktop.
        testing::UseScreen(QSize(1608, 1432));
        tarot::ResetStateForTests();
        runes::ResetRunesState();
        runictarot::ResetRunicTarotState();
    }

    // Tab goes through each window in its order and on through the main window's own controls, back to
    // where it began; Shift+Tab goes the same way back.
    void focusOrder_data()
    {
        QTest::addColumn<Road>("road");
        QTest::addColumn<QStringList>("order");
        for (const FocusRow& row : focusRows())
            QTest::newRow(row.name) << row.road << row.order;
    }
    void focusOrder()
    {
        QFETCH(Road, road);
        QFETCH(QStringList, order);
        QVERIFY(road());
        if (const qsizetype at = order.indexOf(QStringLiteral("<manual buttons>")); at >= 0) {
            order.removeAt(at);
            const QStringList buttons = manualButtonsLeftToRight();
            for (qsizetype i = 0; i < buttons.size(); ++i)
                order.insert(at + i, buttons[i]);
        }
        QCOMPARE(tabCycle(), order);
        QStringList back = order;
        std::reverse(back.begin() + 1, back.end());
        QCOMPARE(tabCycle(true), back);
    }

    // A screen reader can read every window: every control a user can act on has a role and a name, in
    // each state the user reaches.
    void everyControlHasANameAndRole_data()
    {
        focusOrder_data();
        QTest::newRow("exit screen") << Road([] {
            testing::click(testing::control<QPushButton>(openMain(), "cmdMdiExit"));
            platform::Form* screen = platform::Forms::Peek(QStringLiteral("frmExitScreen"));
            return screen ? screen->window() : nullptr;
        }) << QStringList();
        // The reading's second page holds controls of its own.
        QTest::newRow("runic tarot reading, planet page") << Road([] {
            runictarot::frmRunicTarotDisplay* d = runicReading();
            return d && testing::clickTab(testing::control<QTabWidget>(d, "SSTab1"), 1) ? static_cast<QWidget*>(d)
                                                                                        : nullptr;
        }) << QStringList();
        // Modal: looked at from inside its own loop.
        QTest::newRow("about box") << Road([] {
            shell::frmMDI* mdi = openMain();
            testing::once([] { return platform::Forms::IsLoaded(QStringLiteral("frmAbout")); }, [] {
                auto* about = platform::Forms::Peek<shell::frmAbout>();
                QSet<QObject*> seen;
                unnamedControls(QAccessible::queryAccessibleInterface(about), aboutUnnamed, seen);
                aboutUnnamed << (seen.contains(testing::control<QPushButton>(about, "cmdOK"))
                                     ? QString()
                                     : QStringLiteral("about box not read"));
                aboutUnnamed.removeAll(QString());
                testing::click(testing::control<QPushButton>(about, "cmdOK"));
            });
            return testing::chooseMenu(mdi->findChild<QAction*>(QStringLiteral("mnuAbout"))) ? static_cast<QWidget*>(mdi)
                                                                                               : nullptr;
        }) << QStringList();
    }
    void everyControlHasANameAndRole()
    {
        QFETCH(Road, road);
        QAccessible::setActive(true);
        aboutUnnamed.clear();
        QWidget* shown = road();
        QVERIFY(shown);
        QStringList unnamed = aboutUnnamed;
        QSet<QObject*> seen;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible())
                unnamedControls(QAccessible::queryAccessibleInterface(top), unnamed, seen);
        QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("; "))));
        QVERIFY(seen.contains(shown));
    }

    // Every box of several lines, on every screen: Tab and Shift+Tab leave it, and put nothing into it.
    void tabLeavesEveryBoxOfSeveralLines_data() { focusOrder_data(); }
    void tabLeavesEveryBoxOfSeveralLines()
    {
        QFETCH(Road, road);
        QWidget* window = road();
        QVERIFY(window);
        QList<QAbstractScrollArea*> boxes;
        for (QTextEdit* box : window->findChildren<QTextEdit*>())
            boxes << box;
        for (QPlainTextEdit* box : window->findChildren<QPlainTextEdit*>())
            boxes << box;
        for (QAbstractScrollArea* box : boxes) {
            if (!box->isVisible() || box->focusPolicy() == Qt::NoFocus)
                continue;
            for (bool backwards : {false, true}) {
                testing::click(box->viewport());
                QVERIFY2(box->hasFocus(), qPrintable(box->objectName()));
                auto* rich = qobject_cast<QTextEdit*>(box);
                const QString before = rich ? rich->toPlainText() : static_cast<QPlainTextEdit*>(box)->toPlainText();
                press(backwards ? Qt::Key_Backtab : Qt::Key_Tab, backwards ? Qt::ShiftModifier : Qt::NoModifier);
                QVERIFY2(!box->hasFocus(), qPrintable(box->objectName()));
                const QString after = rich ? rich->toPlainText() : static_cast<QPlainTextEdit*>(box)->toPlainText();
                QCOMPARE(after, before);
            }
        }
    }

    // No two controls on view at once answer the same access key, in any window state; nor two items of
    // one menu.
    void noAccessKeyIsShared_data()
    {
        focusOrder_data();
        QTest::newRow("reading reopened, querent screen behind") << Road([] {
            tarot::frmTarotFront* front = tarotQuerent();
            tarot::ShownReading reading;
            reading.complete = true;
            reading.spreadName = QStringLiteral("Three Cards");
            reading.deckLetter = QStringLiteral("o");
            reading.cards = {4, 40, 70};
            const QString path = QDir::temp().filePath(QStringLiteral("mnemonics.slv"));
            QFile f(path);
            if (!f.open(QIODevice::WriteOnly) || f.write(tarot::ComposeReadingFile(reading)) < 0)
                return static_cast<QWidget*>(nullptr);
            f.close();
            seams().files->answers.enqueue(path);
            testing::click(testing::control<QPushButton>(front, "cmdOpen"));
            return platform::Forms::IsLoaded(QStringLiteral("frmAuto")) ? static_cast<QWidget*>(front) : nullptr;
        }) << QStringList();
        QTest::newRow("about box") << Road([] {
            shell::frmMDI* mdi = openMain();
            testing::once([] { return platform::Forms::IsLoaded(QStringLiteral("frmAbout")); }, [] {
                auto* about = platform::Forms::Peek<shell::frmAbout>();
                QVERIFY(about);
                aboutClashes = clashesIn(about) + clashesInMenus(about);
                testing::click(testing::control<QPushButton>(about, "cmdOK"));
            });
            return testing::chooseMenu(mdi->findChild<QAction*>(QStringLiteral("mnuAbout"))) ? static_cast<QWidget*>(mdi)
                                                                                               : nullptr;
        }) << QStringList();
        QTest::newRow("exit screen") << Road([] {
            testing::click(testing::control<QPushButton>(openMain(), "cmdMdiExit"));
            platform::Form* screen = platform::Forms::Peek(QStringLiteral("frmExitScreen"));
            return screen ? screen->window() : nullptr;
        }) << QStringList();
    }
    void noAccessKeyIsShared()
    {
        QFETCH(Road, road);
        aboutClashes.clear();
        QWidget* shown = road();
        QVERIFY(shown);
        QWidget* window = shown->window();
        const QStringList clashes = clashesIn(window) + aboutClashes + clashesInMenus(window);
        QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(QStringLiteral("; "))));
    }

    // Alt+E on a tool window presses that window's Exit alone: the tool closes, the welcome panel comes
    // back, and the program goes on; pressed again, it closes nothing more.
    void altEPressesTheToolsOwnExit_data()
    {
        QTest::addColumn<Road>("road");
        QTest::newRow("tarot querent") << Road([] { return static_cast<QWidget*>(tarotQuerent()); });
        QTest::newRow("runic tarot details") << Road([] { return static_cast<QWidget*>(runicDetails()); });
    }
    void altEPressesTheToolsOwnExit()
    {
        QFETCH(Road, road);
        QPointer<QWidget> tool = road();
        QVERIFY(tool);
        const QString name = tool->objectName();
        shell::frmMDI* mdi = shell::MDI();
        // A button pressed by its access key shows itself pressed for a moment before it acts.
        press(Qt::Key_E, Qt::AltModifier);
        QTRY_VERIFY(!platform::Forms::IsLoaded(name) || static_cast<platform::Form*>(tool.data())->isUnloading());
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isVisible());
        press(Qt::Key_E, Qt::AltModifier);
        // A button the key reached would show itself pressed until it acts: once none does, whatever the
        // key did is done.
        QTRY_VERIFY(!anyButtonDown());
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmExitScreen")));
        QVERIFY(platform::Forms::IsLoaded(QStringLiteral("frmMDI")) && mdi->isVisible());
        // The main window's Exit answers Alt+X.
        QCOMPARE(mnemonicOf(testing::control<QPushButton>(mdi, "cmdMdiExit")->text()), QLatin1Char('X'));
    }

    // The runes question takes no TAB: Next stores the question as typed around the Tab.
    void runesQuestionStoresNoTab()
    {
        runes::frmRunesReadingEntry* entry = runesEntry();
        QVERIFY(entry);
        QVERIFY(testing::control<QLineEdit>(entry, "txtName")->hasFocus());
        QVERIFY(testing::tabTo(
            testing::control<QPlainTextEdit>(entry, "txtQuestion"))); // its placeholder selected, to be typed over
        // Tab only passed through the name box: its placeholder stays.
        QCOMPARE(testing::control<QLineEdit>(entry, "txtName")->text(), QStringLiteral("Input Name"));
        QVERIFY(testing::type(QStringLiteral("Will it rain")));
        press(Qt::Key_Tab);
        QVERIFY(testing::control<QRadioButton>(entry, "optRune", 5)->hasFocus());
        testing::click(testing::control<QRadioButton>(entry, "optRune", 1));
        testing::click(testing::control<QRadioButton>(entry, "optSpread", 4));
        seams().random->script(9);
        testing::click(testing::control<QPushButton>(entry, "cmdNext"));
        QVERIFY(!runes::Question().contains(QLatin1Char('\t')));
        QCOMPARE(runes::Question(), QStringLiteral("Will it rain"));
    }

    // Alt with a letter or digit is a menu key: it types nothing into a name box and shows nothing.
    // Ctrl with a letter is a control character, refused by the box's rule with its message.
    void nameBoxesTakeNoCharacterFromAltOrCtrl_data()
    {
        QTest::addColumn<QString>("box");
        QTest::newRow("tarot name") << "tarot name";
        QTest::newRow("tarot country") << "tarot country";
        QTest::newRow("runic tarot name") << "runic name";
    }
    void nameBoxesTakeNoCharacterFromAltOrCtrl()
    {
        QFETCH(QString, box);
        QLineEdit* edit = nullptr;
        QString message;
        if (box.startsWith(QLatin1String("tarot"))) {
            tarot::frmTarotFront* front = tarotQuerent();
            QVERIFY(front);
            edit = box.endsWith(QLatin1String("name")) ? testing::control<QLineEdit>(front, "txtName")
                                                       : testing::control<QLineEdit>(front, "txtCountry");
            message = box.endsWith(QLatin1String("name")) ? QStringLiteral("Name cannot contain Numbers and Special Characters")
                                                          : QStringLiteral("Country cannot contain Numbers and Special Characters");
        } else {
            runictarot::frmRunicTarotMain* details = runicDetails();
            QVERIFY(details);
            edit = testing::control<QLineEdit>(details, "txtName");
            message = QStringLiteral("Please Enter Only Alphabet !");
        }
        testing::click(edit);
        QVERIFY(edit->hasFocus());
        for (const QString& c : {QStringLiteral("7"), QStringLiteral("q"), QStringLiteral("1"), QStringLiteral(".")}) {
            QTest::keyClick(edit, c.at(0).toLatin1(), Qt::AltModifier);
        }
        QCOMPARE(edit->text(), QString());
        QVERIFY(seams().messages->shown.isEmpty());

        QTest::keyClick(edit, 'v', Qt::ControlModifier);
        QTest::keyClick(edit, 'c', Qt::ControlModifier);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(seams().messages->shown.size(), 2);
        for (const testing::ShownMessage& m : seams().messages->shown)
            QCOMPARE(m.text, message);
    }

    // The tarot entry screen's Continue takes the focus as it appears, and keeps to it as the timer ticks on.
    void continueTakesTheFocusWhenItAppears()
    {
        testing::click(testing::control<QPushButton>(openMain(), "cmdSelectOption", 1));
        auto* open = platform::Forms::Peek<tarot::frmTarotOpen>();
        QVERIFY(open);
        QVERIFY(!testing::control<QPushButton>(open, "cmdContd")->hasFocus());
        open->Timer1_Timer();
        QVERIFY(testing::control<QPushButton>(open, "cmdContd")->hasFocus());
        press(Qt::Key_Tab);
        QCOMPARE(nameOf(QApplication::focusWidget()), kToolButtons[0]);
        open->Timer1_Timer();
        QCOMPARE(nameOf(QApplication::focusWidget()), kToolButtons[0]);
    }

    // A tarot reading from the main window to the saved file, AutoCast or Manual, with the keyboard alone.
    void tarotReadingByKeyboard_data()
    {
        QTest::addColumn<bool>("manual");
        QTest::addColumn<int>("spread");
        QTest::newRow("AutoCast, Three Cards") << false << 3;
        QTest::newRow("Manual, Tree of Life") << true << 11;
    }
    void tarotReadingByKeyboard()
    {
        QFETCH(bool, manual);
        QFETCH(int, spread);
        shell::frmMDI* mdi = openMain();
        QVERIFY(testing::tabTo(testing::control<QPushButton>(mdi, "cmdSelectOption", 1)));
        press(Qt::Key_Space);
        auto* open = platform::Forms::Peek<tarot::frmTarotOpen>();
        QVERIFY(open);
        open->Timer1_Timer();
        press(Qt::Key_Return);

        auto* front = platform::Forms::Peek<tarot::frmTarotFront>();
        QVERIFY(front && testing::control<QLineEdit>(front, "txtName")->hasFocus());
        QVERIFY(testing::type(QStringLiteral("Ann Lee")));
        press(Qt::Key_Tab);
        QVERIFY(testing::type(QStringLiteral("Wales")));
        press(Qt::Key_Tab);
        press(Qt::Key_Down);  // the 2nd
        QVERIFY(testing::tabTo(testing::control<QPlainTextEdit>(front, "txtQuestion")));
        QVERIFY(testing::type(QStringLiteral("Shall I travel?")));
        QVERIFY(testing::tabTo(testing::control<QPushButton>(front, "cmdNext")));
        press(Qt::Key_Return);

        auto* setUp = platform::Forms::Peek<tarot::frmTarot>();
        QVERIFY(setUp && testing::control<QComboBox>(setUp, "cboCards")->hasFocus());
        press(Qt::Key_Tab);
        QVERIFY(testing::control<QListWidget>(setUp, "lstOption")->hasFocus());
        for (int i = 0; i < spread; ++i)
            press(Qt::Key_Down);
        QCOMPARE(setUp->no, tarot::catalogue::SpreadCards(spread));
        QVERIFY(testing::tabTo(manual ? testing::control<QPushButton>(setUp, "cmdManual")
                                      : testing::control<QPushButton>(setUp, "cmdAuto")));
        seams().random->script(static_cast<unsigned>(spread));
        seams().scheduler->immediate = true;
        press(Qt::Key_Return);

        if (manual) {
            auto* w = platform::Forms::Peek<tarot::frmTarotManual>();
            QVERIFY(w && testing::control<platform::Clickable>(w, "p", 0)->hasFocus());
            // Space picks the back with the focus, the arrows move on, Enter picks too.
            const int n = tarot::catalogue::SpreadCards(spread);
            for (int k = 0; k < n; ++k) {
                if (k % 2) {
                    press(Qt::Key_Right);
                    press(Qt::Key_Return);
                } else {
                    press(Qt::Key_Space);
                }
            }
            QCOMPARE(w->phase(), tarot::frmTarotManual::Phase::Done);
        }

        const tarot::TarotState& s = tarot::State();
        QVERIFY(s.Shown.complete);
        QCOMPARE(s.Shown.spreadName, tarot::catalogue::SpreadText(spread));
        QCOMPARE(s.Shown.cards.size(), tarot::catalogue::SpreadCards(spread));
        QCOMPARE(testing::control<QLineEdit>(mdi, "txtName")->text(), QStringLiteral("Ann Lee"));
        QCOMPARE(testing::control<QLineEdit>(mdi, "txtDOB")->text(), QStringLiteral("2 January 1980"));

        // The reading pane is reached and scrolled from the keyboard, and Save is pressed with Enter.
        QVERIFY(testing::tabTo(testing::readingPane()));
        press(Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(testing::readingPane()->textCursor().position(),
                 testing::readingPane()->document()->characterCount() - 1);
        const QString file = files.filePath(QStringLiteral("keyboard-%1.slv").arg(spread));
        seams().files->answers.enqueue(file);
        QVERIFY(testing::tabTo(testing::control<QPushButton>(mdi, "cmdSave")));
        press(Qt::Key_Return);
        QVERIFY(QFile::exists(file));
    }

    // The runes entry's focus order holds in every state of the window: each group is one stop, at its
    // ticked option, whether the option was ticked with the arrow keys, the mouse or at the start.
    void runesEntryFocusOrderHoldsAfterAChoice_data()
    {
        QTest::addColumn<bool>("mouse");
        QTest::newRow("arrow keys") << false;
        QTest::newRow("mouse") << true;
    }
    void runesEntryFocusOrderHoldsAfterAChoice()
    {
        QFETCH(bool, mouse);
        runes::frmRunesReadingEntry* entry = runesEntry();
        QVERIFY(entry);
        if (mouse) {
            QVERIFY(testing::click(testing::control<QRadioButton>(entry, "optRune", 2)));
            QVERIFY(testing::click(testing::control<QRadioButton>(entry, "optSpread", 3)));
        } else {
            QVERIFY(testing::tabTo(testing::control<QRadioButton>(entry, "optRune", 5)));
            press(Qt::Key_Left);
            press(Qt::Key_Left);
            press(Qt::Key_Left);
            QVERIFY(testing::tabTo(testing::control<QRadioButton>(entry, "optSpread", 5)));
            press(Qt::Key_Left);
            press(Qt::Key_Left);
        }
        QVERIFY(testing::control<QRadioButton>(entry, "optRune", 2)->isChecked());
        QVERIFY(testing::control<QRadioButton>(entry, "optSpread", 3)->isChecked());
        QVERIFY(testing::tabTo(testing::control<QLineEdit>(entry, "txtName")));
        const QStringList order = QStringList{"txtName", "cboDate", "cboMonth", "cboYear", "txtQuestion", "optRune(2)",
                                              "optSpread(3)", "Command2", "Command1", "cmdNext"} +
                                  mainStops(true);
        QCOMPARE(tabCycle(), order);
        QStringList back = order;
        std::reverse(back.begin() + 1, back.end());
        QCOMPARE(tabCycle(true), back);
    }

    // A double-click on a rune set opens the spread screen with the focus on its first choice, not on the
    // one the second press landed on: Space then picks no spread the user never chose.
    void spreadScreenAfterADoubleClickStartsAtItsFirstChoice()
    {
        runes::frmRunesReadingEntry* entry = runesEntry();
        QVERIFY(entry);
        testing::click(testing::control<QPushButton>(entry, "cmdNext"));
        auto* set = platform::Forms::Peek<runes::frmRunesReadingSelect>();
        QVERIFY(set);
        QVERIFY(testing::doubleClick(testing::control<platform::Clickable>(set, "picCatagory", 2)));
        auto* spread = platform::Forms::Peek<runes::frmRunesReadingSpread>();
        QVERIFY(spread);
        QCOMPARE(runes::RuneSpread(), 5);
        QCOMPARE(testing::focused(),
                 static_cast<QWidget*>(testing::control<platform::Clickable>(spread, "picCatagory", 4)));
    }

    // An access key of the tool window in front acts while the focus is on the main window's strip.
    void accessKeysReachTheToolWindowInFront()
    {
        shell::frmMDI* mdi = openMain();
        runes::frmRunesReadingEntry* entry = runesEntry();
        QVERIFY(entry);
        QVERIFY(testing::tabTo(testing::control<QPushButton>(mdi, "cmdSelectOption", 2)));
        press(Qt::Key_N, Qt::AltModifier);
        QTRY_VERIFY(platform::Forms::Peek<runes::frmRunesReadingSelect>());
    }

    // When Exit closes a tool window, the focus goes to the window now in front, or else to the main
    // window's first tool button.
    void focusAfterExit()
    {
        shell::frmMDI* mdi = openMain();
        tarot::frmTarotFront* front = tarotQuerent();
        QVERIFY(front);
        QVERIFY(testing::tabTo(testing::control<QPushButton>(front, "cmdCancel")));
        press(Qt::Key_Return);
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmTarotFront")));
        QCOMPARE(testing::focused(), static_cast<QWidget*>(testing::control<QPushButton>(mdi, "cmdSelectOption", 1)));

        // The card-layout window of an opened reading, closed over the querent screen: the querent screen.
        tarot::frmTarot* setUp = tarotSetUp();
        QVERIFY(setUp);
        seams().random->script(3);
        testing::click(testing::control<QPushButton>(setUp, "cmdAuto"));
        const QString file = files.filePath(QStringLiteral("focus-after-exit.slv"));
        seams().files->answers.enqueue(file);
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        QVERIFY(QFile::exists(file));
        front = tarotQuerent();
        QVERIFY(front);
        seams().files->answers.enqueue(file);
        testing::click(testing::control<QPushButton>(front, "cmdOpen"));
        auto* layout = platform::Forms::Peek<tarot::frmAuto>();
        QVERIFY(layout && layout->isVisible() && front->isVisible());
        QVERIFY(testing::tabTo(layout->findChild<QWidget*>(QStringLiteral("scrClient"))));
        press(Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmAuto")));
        QVERIFY(testing::focused() && front->isAncestorOf(testing::focused()));
    }

    // Ctrl+F4 closes the card-layout window, as it closes the active document window, wherever the
    // focus is, in it or on the main window's own controls; its File menu stays as it is. The focus then
    // goes where it goes after Exit (no tool window is left in front: to the first tool button), or stays
    // on the main window's control that held it; never on to the main window's Exit, where the next Enter
    // would end the session.
    void ctrlF4ClosesTheCardLayoutWindow_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("after");
        struct Kind {
            const char* name;
            const char* focus;
            const char* after;
        };
        const Kind kinds[] = {{"in it", "scrClient", "cmdSelectOption(1)"},
                              {"on the reading pane", "RTB", "cmdSelectOption(1)"},
                              {"on a tool button", "cmdSelectOption(2)", "cmdSelectOption(2)"}};
        for (QSize s : testing::SmallScreenSizes())
            for (const Kind& k : kinds)
                QTest::newRow(qPrintable(testing::ScreenSizeName(s) + QLatin1Char(' ') + QLatin1String(k.name)))
                    << s << QString::fromLatin1(k.focus) << QString::fromLatin1(k.after);
    }
    void ctrlF4ClosesTheCardLayoutWindow()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, focus);
        QFETCH(QString, after);
        testing::UseScreen(screen);
        shell::frmMDI* mdi = openMain();
        tarot::frmTarot* setUp = tarotSetUp();
        QVERIFY(setUp);
        seams().random->script(3);
        QVERIFY(testing::tabTo(testing::control<QPushButton>(setUp, "cmdAuto")));
        press(Qt::Key_Return);
        auto* layout = platform::Forms::Peek<tarot::frmAuto>();
        QVERIFY(layout);
        QVERIFY(testing::tabTo(mdi->findChild<QWidget*>(focus)));
        QStringList file;
        for (QAction* a : layout->menuBarActions().first()->menu()->actions())
            file << a->text();
        QCOMPARE(file, (QStringList{"&Start Again", "&Exit"}));
        press(Qt::Key_F4, Qt::ControlModifier);
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmAuto")));
        QVERIFY(testing::control<QWidget>(mdi, "picMain")->isVisible());
        QCOMPARE(nameOf(testing::focused()), after);
        press(Qt::Key_Return);
        QVERIFY(mdi->isVisible());
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmExitScreen")));
    }

    // The keyboard's focus on a face-down back and on a rune choice is a frame that stands out from what
    // is around it, as the screen paints it.
    void focusFramesStandOut_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("place");
        const std::pair<const char*, const char*> places[] = {
            {"face-down back", "back"}, {"rune set", "rune set"}, {"rune spread", "rune spread"}};
        for (QSize s : testing::SmallScreenSizes())
            for (const auto& [name, place] : places)
                QTest::newRow(qPrintable(testing::ScreenSizeName(s) + QLatin1Char(' ') + QLatin1String(name)))
                    << s << QString::fromLatin1(place);
    }
    void focusFramesStandOut()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, place);
        testing::UseScreen(screen);
        shell::frmMDI* mdi = openMain();
        QWidget* control = nullptr;
        if (place == QLatin1String("back")) {
            tarot::frmTarotManual* manual = testing::tarotManual();
            QVERIFY(manual);
            control = testing::control<platform::Clickable>(manual, "p", 0);
        } else {
            runes::frmRunesReadingSelect* set = testing::runeSetScreen();
            QVERIFY(set);
            control = testing::control<platform::Clickable>(set, "picCatagory", 2);
            if (place == QLatin1String("rune spread")) {
                QVERIFY(testing::click(control));
                auto* spread = platform::Forms::Peek<runes::frmRunesReadingSpread>();
                QVERIFY(spread);
                control = testing::control<platform::Clickable>(spread, "picCatagory", 1);
            }
        }
        // Away from it, then back to it with Tab.
        QVERIFY(testing::tabTo(testing::control<QPushButton>(mdi, "cmdMdiExit")));
        const QImage before = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(testing::tabTo(control));
        const QImage after = control->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(weakFocusFrame(before, after), QString());
    }

    // The about box closes with Escape.
    void aboutBoxClosesWithEscape()
    {
        shell::frmMDI* mdi = openMain();
        bool closed = false;
        testing::once([] { return platform::Forms::IsLoaded(QStringLiteral("frmAbout")); }, [&closed] {
            auto* about = platform::Forms::Peek<shell::frmAbout>();
            QTest::keyClick(about->focusWidget() ? about->focusWidget() : about, Qt::Key_Escape);
            closed = !platform::Forms::IsLoaded(QStringLiteral("frmAbout"));
            if (!closed)
                testing::click(
                    testing::control<QPushButton>(about, "cmdOK")); // the box must not stay open over the other cases
        });
        QVERIFY(testing::chooseMenu(mdi->findChild<QAction*>(QStringLiteral("mnuAbout"))));
        QVERIFY(closed);
    }

    // Shift+Tab passes a minimised tool window by, as Tab does.
    void shiftTabPassesAMinimisedToolWindow()
    {
        shell::frmMDI* mdi = openMain();
        tarot::frmTarotFront* front = tarotQuerent();
        QVERIFY(front);
        QVERIFY(testing::clickTitleBar(front, QStyle::SC_TitleBarMinButton));
        QTRY_VERIFY(front->subWindow()->isMinimized());
        QVERIFY(testing::tabTo(testing::control<QPushButton>(mdi, "cmdSelectOption", 1)));
        const QStringList back = tabCycle(true);
        QVERIFY2(back.size() > 2, qPrintable(back.join(QLatin1Char(' '))));
        QCOMPARE(back.last(), QStringLiteral("cmdSelectOption(0)"));
        const QStringList forth = tabCycle();
        QCOMPARE(forth.size(), back.size());
    }

    // A runes reading through the rune-set and spread screens with the keyboard alone.
    void runesReadingByKeyboard()
    {
        shell::frmMDI* mdi = openMain();
        QVERIFY(testing::tabTo(testing::control<QPushButton>(mdi, "cmdSelectOption", 0)));
        press(Qt::Key_Return);
        auto* entry = platform::Forms::Peek<runes::frmRunesReadingEntry>();
        QVERIFY(entry && testing::control<QLineEdit>(entry, "txtName")->hasFocus());
        QVERIFY(testing::type(QStringLiteral("Ann")));
        QVERIFY(testing::tabTo(testing::control<QPushButton>(entry, "cmdNext")));
        press(Qt::Key_Return);

        auto* set = platform::Forms::Peek<runes::frmRunesReadingSelect>();
        QVERIFY(set);
        QVERIFY(testing::control<platform::Clickable>(set, "picCatagory", 4)->hasFocus());
        QVERIFY(testing::tabTo(testing::control<platform::Clickable>(set, "picCatagory", 2))); // Jade
        // Every description stays black on white at rest; the focus shows as the style's frame around
        // the picture.
        for (QWidget* info : testing::controls<platform::Clickable>(set, "lblInfo")) {
            QCOMPARE(info->palette().color(QPalette::WindowText), QColor(Qt::black));
            QCOMPARE(info->palette().color(QPalette::Window), QColor(Qt::white));
        }
        const QImage focused = testing::control<platform::Clickable>(set, "picCatagory", 2)->grab().toImage();
        press(Qt::Key_Tab);
        QVERIFY(!testing::control<platform::Clickable>(set, "picCatagory", 2)->hasFocus());
        QVERIFY(testing::control<platform::Clickable>(set, "picCatagory", 2)->grab().toImage() != focused);
        QVERIFY(testing::tabTo(testing::control<platform::Clickable>(set, "picCatagory", 2)));
        QCOMPARE(testing::control<platform::Clickable>(set, "picCatagory", 2)->grab().toImage(), focused);
        press(Qt::Key_Space);
        QCOMPARE(runes::RuneType(), qint16(2));

        auto* spread = platform::Forms::Peek<runes::frmRunesReadingSpread>();
        QVERIFY(spread && testing::control<platform::Clickable>(spread, "picCatagory", 4)->hasFocus());
        QVERIFY(testing::tabTo(testing::control<platform::Clickable>(spread, "picCatagory", 3))); // Norn
        seams().random->script(11);
        press(Qt::Key_Return);
        QCOMPARE(runes::RuneSpread(), 3);
        auto* result = platform::Forms::Peek<runes::frmRunesReadingResult>();
        QVERIFY(result);
        QVERIFY(
            testing::control<platform::RichTextBox>(result, "RichTextBox1")->Text().contains(QStringLiteral("Ann")));
        QVERIFY(testing::control<platform::RichTextBox>(result, "RichTextBox1")->hasFocus());
    }

    // A runic tarot reading and its report with the keyboard alone; Escape closes the report.
    void runicTarotReadingByKeyboard()
    {
        shell::frmMDI* mdi = openMain();
        QVERIFY(testing::tabTo(testing::control<QPushButton>(mdi, "cmdSelectOption", 2)));
        press(Qt::Key_Space);
        auto* details = platform::Forms::Peek<runictarot::frmRunicTarotMain>();
        QVERIFY(details && testing::control<QLineEdit>(details, "txtName")->hasFocus());
        QVERIFY(testing::type(QStringLiteral("ann")));
        press(Qt::Key_Tab);
        for (int i = 0; i < 6; ++i)
            press(Qt::Key_Down);  // the 7th
        press(Qt::Key_Tab);
        for (int i = 0; i < 4; ++i)
            press(Qt::Key_Down);  // May
        QVERIFY(testing::tabTo(testing::control<QPushButton>(details, "cmdRunicAstrology")));
        press(Qt::Key_Return);

        auto* reading = platform::Forms::Peek<runictarot::frmRunicTarotDisplay>();
        QVERIFY(reading && reading->isVisible());
        QCOMPARE(runictarot::State().SunSign, QStringLiteral("Taurus"));
        QVERIFY(testing::tabTo(testing::control<QPushButton>(reading, "cmdPrint")));
        press(Qt::Key_Return);
        auto* report = platform::Forms::Peek<runictarot::frmRunicTarotSave>();
        QVERIFY(report);
        QVERIFY(QTest::qWaitForWindowActive(report));
        QVERIFY(report->isAncestorOf(QApplication::focusWidget()));
        press(Qt::Key_Escape);
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmRunicTarotSave")) ||
                platform::Forms::Peek<runictarot::frmRunicTarotSave>()->isUnloading());
        QVERIFY(reading->isVisible());
    }
};

SELVANTHE_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
