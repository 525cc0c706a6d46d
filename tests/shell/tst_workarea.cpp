// The work area off the main road, as a user meets it between the steps: scrolled before a window comes,
// a window dragged elsewhere, the keyboard's focus on a control the area does not show, the wheel over a
// list. Each on the small screens, with the frame a window manager puts around the main window.
#include "FindControl.h"
#include "ScreenCheck.h"
#include "TestMain.h"
#include "Roads.h"
#include "UserInput.h"

#include "platform/Forms.h"
#include "runes/RuneTables.h"
#include "runes/frmRunesReadingEntry.h"
#include "runictarot/RunicTarotState.h"
#include "runictarot/frmRunicTarotMain.h"
#include "shell/frmMDI.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/TarotState.h"
#include "tarot/frmAuto.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotManual.h"
#include "tarot/frmTarotOpen.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>

using testing::seams;

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

} // namespace

class TestWorkArea : public QObject {
    Q_OBJECT
    QTemporaryDir files;
    shell::frmMDI* mdi = nullptr;

    QMdiArea* area() const { return testing::control<QMdiArea>(mdi, "mdiArea"); }

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
        settle();
    }

    // Where a tool window's frame stands in the part of the work area on view.
    QRect shown(const platform::Form* form) const
    {
        const QWidget* frame = form->frame();
        return QRect(frame->mapTo(area()->viewport(), QPoint(0, 0)), frame->size());
    }

    // A window that came on view stands in the room the area shows: at its top, centred across it, or at
    // its left edge where the room is narrower than the window.
    QString centredInRoom(const platform::Form* form) const
    {
        const QRect at = shown(form);
        const QSize room = area()->viewport()->size();
        const int left = at.width() <= room.width() ? (room.width() - at.width()) / 2 : 0;
        if (std::abs(at.x() - left) <= 1 && at.y() == 0)
            return {};
        return QStringLiteral("%1 at (%2,%3) in the %4x%5 the work area shows, not at (%6,0)")
            .arg(form->formName())
            .arg(at.x())
            .arg(at.y())
            .arg(room.width())
            .arg(room.height())
            .arg(left);
    }

    // Where a control lies outside what a scroll area it lies in shows (the work area among them); empty
    // where it shows whole.
    static QString hiddenPart(const QWidget* control)
    {
        QString out;
        for (const QWidget* w = control->parentWidget(); w && !w->isWindow(); w = w->parentWidget()) {
            const auto* scroll = qobject_cast<const QAbstractScrollArea*>(w);
            if (!scroll || !scroll->viewport()->isAncestorOf(control))
                continue;
            const QRect at(control->mapTo(scroll->viewport(), QPoint(0, 0)), control->size());
            if (!scroll->viewport()->rect().contains(at))
                out += QStringLiteral("%1 at (%2,%3 %4x%5) outside the %6x%7 that %8 shows; ")
                           .arg(control->objectName())
                           .arg(at.x())
                           .arg(at.y())
                           .arg(at.width())
                           .arg(at.height())
                           .arg(scroll->viewport()->width())
                           .arg(scroll->viewport()->height())
                           .arg(scroll->objectName());
        }
        return out;
    }

    bool fillQuerent(tarot::frmTarotFront* front)
    {
        return testing::typeInto(testing::control<QLineEdit>(front, "txtName"),
                                 QStringLiteral("Marguerite Delacroix")) &&
               testing::typeInto(testing::control<QLineEdit>(front, "txtCountry"), QStringLiteral("United Kingdom"));
    }

    // A reading of the Romany spread, the widest, dealt and saved; the querent screen on view again, to
    // open it.
    tarot::frmTarotFront* savedReading()
    {
        tarot::frmTarotFront* front = testing::tarotQuerent();
        if (!front || !fillQuerent(front))
            return nullptr;
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        auto* setup = platform::Forms::Peek<tarot::frmTarot>();
        if (!setup || !testing::clickEntry(testing::control<QListWidget>(setup, "lstOption"), 9))
            return nullptr;
        seams().random->script(16);
        testing::click(testing::control<QPushButton>(setup, "cmdAuto"));
        seams().files->answers.enqueue(savedFile());
        testing::click(testing::control<QPushButton>(mdi, "cmdSave"));
        return testing::tarotQuerent();
    }

    QString savedFile() const { return files.filePath(QStringLiteral("opened.slv")); }

    // That reading opened again from the querent screen, which stays behind it; the user minimises the
    // reading to go on.
    tarot::frmTarotFront* openedReadingMinimised()
    {
        tarot::frmTarotFront* front = savedReading();
        if (!front)
            return nullptr;
        seams().files->answers.enqueue(savedFile());
        testing::click(testing::control<QPushButton>(front, "cmdOpen"));
        auto* reading = platform::Forms::Peek<tarot::frmAuto>();
        if (!reading)
            return nullptr;
        QPointer<QMdiSubWindow> frame = reading->subWindow();
        if (!QTest::qWaitFor(
                [&] {
                    return frame->isMinimized() ||
                           (testing::clickTitleBar(frame, QStyle::SC_TitleBarMinButton) && frame->isMinimized());
                },
                2000))
            return nullptr;
        return front;
    }

private slots:
    void initTestCase() { QVERIFY(files.isValid()); }

    void cleanup() { seams().scheduler->immediate = true; }

    void smallScreens_data()
    {
        QTest::addColumn<QSize>("screen");
        for (QSize s : testing::SmallScreenSizes())
            QTest::newRow(qPrintable(testing::ScreenSizeName(s))) << s;
    }

    // After an Open the user minimises the reading, goes on with Next and scrolls the work area to the
    // set-up screen's Exit, then chooses Manual and picks the backs: the manual window and then the card
    // window come on view in the room the area shows, whatever its scroll.
    void windowsComeOnViewInTheScrolledArea_data() { smallScreens_data(); }
    void windowsComeOnViewInTheScrolledArea()
    {
        QFETCH(QSize, screen);
        start(screen);
        tarot::frmTarotFront* front = openedReadingMinimised();
        QVERIFY(front);
        QVERIFY(fillQuerent(front));
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        auto* setup = platform::Forms::Peek<tarot::frmTarot>();
        QVERIFY(setup);
        QCOMPARE(centredInRoom(setup), QString());
        QPushButton* exit = testing::control<QPushButton>(setup, "cmdCancel");
        QVERIFY(testing::scrollIntoView(exit, exit->rect().bottomRight()));
        const QPoint scrolled(area()->horizontalScrollBar()->value(), area()->verticalScrollBar()->value());
        if (screen.width() == 1024)
            QVERIFY2(!scrolled.isNull(), "the set-up screen fits the work area: nothing to scroll");

        testing::click(testing::control<QPushButton>(setup, "cmdManual"));
        auto* manual = platform::Forms::Peek<tarot::frmTarotManual>();
        QVERIFY(manual && manual->isVisible());
        settle();
        QCOMPARE(centredInRoom(manual), QString());
        QCOMPARE(testing::ToolWindowFaults(mdi, manual).join(QLatin1Char('\n')), QString());

        const auto backs = testing::controls<platform::Clickable>(manual, "p");
        const int count = tarot::catalogue::SpreadCards(tarot::State().TarotSpreadIndex);
        seams().random->script(17);
        for (int pick = 0; pick < count; ++pick)
            QVERIFY(testing::click(backs[pick]));
        auto* reading = platform::Forms::Peek<tarot::frmAuto>();
        QVERIFY(reading && reading->isVisible() && !reading->subWindow()->isMinimized());
        settle();
        QCOMPARE(shown(reading).topLeft(), QPoint(0, 0));
        QCOMPARE(testing::ToolWindowFaults(mdi, reading).join(QLatin1Char('\n')), QString());
    }

    // A window the user dragged elsewhere keeps the place the user gave it when the room the work area
    // shows changes (a reading opened, the reading pane coming beside it; the main window narrowed). Where
    // it no longer fits there, it moves only as far as it must to stay on view.
    void aMovedWindowStaysWhereTheUserPutIt_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("change");
        for (QSize s : testing::SmallScreenSizes()) {
            QTest::newRow(qPrintable(testing::ScreenSizeName(s) + QStringLiteral(" querent, reading opened")))
                << s << QStringLiteral("querent") << QStringLiteral("open");
            for (const char* window : {"querent", "set-up", "manual"})
                QTest::newRow(
                    qPrintable(testing::ScreenSizeName(s) + QStringLiteral(" %1, narrowed").arg(QLatin1String(window))))
                    << s << QString::fromLatin1(window) << QStringLiteral("narrow");
        }
    }
    void aMovedWindowStaysWhereTheUserPutIt()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, window);
        QFETCH(QString, change);
        start(screen);
        tarot::frmTarotFront* front = change == QLatin1String("open") ? savedReading() : testing::tarotQuerent();
        QVERIFY(front && fillQuerent(front));
        platform::Form* moved = front;
        if (window != QLatin1String("querent")) {
            testing::click(testing::control<QPushButton>(front, "cmdNext"));
            moved = platform::Forms::Peek<tarot::frmTarot>();
            QVERIFY(moved);
        }
        if (window == QLatin1String("manual")) {
            testing::click(testing::control<QPushButton>(moved, "cmdManual"));
            moved = platform::Forms::Peek<tarot::frmTarotManual>();
            QVERIFY(moved);
        }
        settle();
        QCOMPARE(centredInRoom(moved), QString());
        const QRect before = shown(moved);
        QVERIFY(testing::dragTitle(moved, QPoint(-30, 20)));
        settle();
        const QRect dragged = shown(moved);
        QVERIFY2(dragged.topLeft() != before.topLeft(), "the drag did not move the window");

        if (change == QLatin1String("open")) {
            seams().files->answers.enqueue(savedFile());
            testing::click(testing::control<QPushButton>(front, "cmdOpen"));
            QVERIFY(platform::Forms::Peek<tarot::frmAuto>());
            QVERIFY(testing::control<QWidget>(mdi, "picRight")->isVisible());
        } else {
            mdi->resize(mdi->width() - 200, mdi->height()); // the user narrows the main window
        }
        settle();
        // Inside the room as far as it fits there, otherwise covering it; nowhere farther from the
        // user's place than that.
        const QSize room = area()->viewport()->size();
        const auto kept = [](int at, int size, int space) {
            return size <= space ? std::clamp(at, 0, space - size) : std::clamp(at, space - size, 0);
        };
        const QPoint wanted(kept(dragged.x(), dragged.width(), room.width()),
                            kept(dragged.y(), dragged.height(), room.height()));
        QCOMPARE(shown(moved).topLeft(), wanted);
    }

    // Tab brings the keyboard's focus to controls the work area does not show (the set-up screen after an
    // Open, wider and taller than the room left of the reading pane; the manual window): the area scrolls
    // until the control with the focus shows whole, in it and in every scroll area it lies in.
    void theAreaScrollsToTheFocus_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("overflows"); // the window is larger than the room: Tab meets a control off view
        // The suite runs these once more on a screen of twice the density, which the rows name.
        const qreal density = qApp->devicePixelRatio();
        const QString dense = density == 1 ? QString() : QStringLiteral(" at %1x").arg(density);
        for (QSize s : testing::SmallScreenSizes())
            for (const char* window : {"set-up", "manual"}) {
                // The set-up screen fits the room at 1366x768 and lies wholly on view there.
                const bool overflows = s.width() < 1366 || QByteArrayView(window) == "manual";
                QTest::newRow(qPrintable(testing::ScreenSizeName(s) + dense + QLatin1Char(' ') + QLatin1String(window)))
                    << s << QString::fromLatin1(window) << overflows;
            }
    }
    void theAreaScrollsToTheFocus()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, window);
        QFETCH(bool, overflows);
        start(screen);
        tarot::frmTarotFront* front = openedReadingMinimised();
        QVERIFY(front && fillQuerent(front));
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        platform::Form* tool = platform::Forms::Peek<tarot::frmTarot>();
        QVERIFY(tool);
        if (window == QLatin1String("manual")) {
            testing::click(testing::control<QPushButton>(tool, "cmdManual"));
            tool = platform::Forms::Peek<tarot::frmTarotManual>();
            QVERIFY(tool);
        }
        settle();
        QStringList offView; // what lay off view as Tab set out for it
        for (const char* name : {"cmdCancel", "cmdBack"}) {
            QPushButton* button = testing::control<QPushButton>(tool, name);
            offView << hiddenPart(button);
            QVERIFY(testing::tabTo(button));
            settle();
            QCOMPARE(hiddenPart(button), QString());
        }
        // And back up with Shift+Tab to the first control.
        QWidget* first = platform::FirstTabStop(tool);
        QVERIFY(first);
        offView << hiddenPart(first);
        QVERIFY(testing::tabTo(first, true));
        settle();
        QCOMPARE(hiddenPart(first), QString());
        offView.removeAll(QString());
        if (overflows)
            QVERIFY2(!offView.isEmpty(), "every control lay on view before Tab came to it: the area had nothing to do");
    }

    // The wheel turned over a drop-down list the user has not given the focus leaves its value as it is,
    // in every window that has one: the querent's birth date, the deck, the runes' and the runic tarot's
    // dates. Once the list has the focus, each notch moves it by one.
    void theWheelChangesAListOnlyWithTheFocus_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("window");
        for (QSize s : testing::SmallScreenSizes())
            for (const char* window : {"querent", "set-up", "runes entry", "runic tarot details"})
                QTest::newRow(qPrintable(testing::ScreenSizeName(s) + QLatin1Char(' ') + QLatin1String(window)))
                    << s << QString::fromLatin1(window);
    }
    void theWheelChangesAListOnlyWithTheFocus()
    {
        QFETCH(QSize, screen);
        QFETCH(QString, window);
        start(screen);
        platform::Form* tool = nullptr;
        if (window == QLatin1String("querent"))
            tool = testing::tarotQuerent();
        else if (window == QLatin1String("set-up"))
            tool = testing::tarotSetUp();
        else if (window == QLatin1String("runes entry"))
            tool = testing::runesEntry();
        else
            tool = testing::runicDetails();
        QVERIFY(tool);
        settle();
        const QList<QComboBox*> lists = tool->findChildren<QComboBox*>();
        QVERIFY(!lists.isEmpty());
        for (QComboBox* list : lists) {
            QVERIFY(list->count() > 1);
            if (list->hasFocus())
                QVERIFY(testing::key(Qt::Key_Tab)); // the window opened on it: the user goes on
            QVERIFY(!list->hasFocus());
            const int before = list->currentIndex();
            // Down a notch moves a list to its next entry; the last one goes back instead.
            const int notch = before + 1 < list->count() ? -1 : 1;
            QVERIFY(testing::turnWheel(list, notch));
            QCOMPARE(list->currentIndex(), before);
            QVERIFY(!list->hasFocus());
            QVERIFY(testing::tabTo(list));
            QVERIFY(testing::turnWheel(list, notch));
            QCOMPARE(list->currentIndex(), before - notch);
            QVERIFY(testing::turnWheel(list, -notch));
            QCOMPARE(list->currentIndex(), before);
        }
    }

    // A minimised reading stays within reach: the set-up and manual windows that come on view after it
    // leave its title clear, and its button there brings it back.
    void aMinimisedWindowStaysReachable_data() { smallScreens_data(); }
    void aMinimisedWindowStaysReachable()
    {
        QFETCH(QSize, screen);
        start(screen);
        tarot::frmTarotFront* front = openedReadingMinimised();
        QVERIFY(front && fillQuerent(front));
        auto* reading = platform::Forms::Peek<tarot::frmAuto>();
        QVERIFY(reading);
        QMdiSubWindow* minimised = reading->subWindow();
        const auto titleClear = [&] {
            const QRect title = testing::titleBarPart(minimised, QStyle::SC_TitleBarLabel) & minimised->rect();
            const int y = title.center().y();
            // As a user scrolls to it, where it lies below what the area shows.
            if (!testing::scrollIntoView(minimised, title.center()))
                return false;
            for (const QPoint at : {QPoint(title.left() + 2, y), title.center(), QPoint(title.right() - 2, y)}) {
                const QWidget* over = area()->viewport()->childAt(minimised->mapTo(area()->viewport(), at));
                if (!over || (over != minimised && !minimised->isAncestorOf(over)))
                    return false;
            }
            return !title.isEmpty();
        };
        // Nor does the minimised reading, kept in front, cover what the window on view offers the user.
        const auto controlsCovered = [&](const platform::Form* form) {
            QStringList covered;
            const QRect bar(minimised->mapTo(area()->viewport(), QPoint(0, 0)), minimised->size());
            for (const QWidget* w : form->findChildren<QWidget*>()) {
                const bool control = qobject_cast<const QAbstractButton*>(w) || qobject_cast<const QLabel*>(w) ||
                                     qobject_cast<const QComboBox*>(w) || qobject_cast<const QLineEdit*>(w) ||
                                     qobject_cast<const QListWidget*>(w);
                if (control && w->isVisibleTo(form) &&
                    bar.intersects(QRect(w->mapTo(area()->viewport(), QPoint(0, 0)), w->size())))
                    covered << w->objectName();
            }
            return covered.join(QLatin1String(", "));
        };
        testing::click(testing::control<QPushButton>(front, "cmdNext"));
        auto* setup = platform::Forms::Peek<tarot::frmTarot>();
        QVERIFY(setup);
        settle();
        QVERIFY2(titleClear(), "the set-up screen covers the minimised reading");
        QCOMPARE(controlsCovered(setup), QString());
        testing::click(testing::control<QPushButton>(setup, "cmdManual"));
        auto* manual = platform::Forms::Peek<tarot::frmTarotManual>();
        QVERIFY(manual);
        settle();
        QVERIFY2(titleClear(), "the manual window covers the minimised reading");
        QCOMPARE(controlsCovered(manual), QString());
        QVERIFY(testing::clickTitleBar(minimised, QStyle::SC_TitleBarNormalButton));
        QTRY_VERIFY(!minimised->isMinimized());
        // Restored, it comes back on view, though the area was scrolled to where it lay minimised.
        settle();
        QVERIFY2(area()->viewport()->rect().contains(shown(reading).topLeft()),
                 qPrintable(QStringLiteral("the restored reading's corner stands at %1,%2, off view")
                                .arg(shown(reading).x())
                                .arg(shown(reading).y())));
    }

    // On a screen 800 pixels wide the main window fits, with its frame, and keeps its own buttons and the
    // work area's scroll bars inside; the querent bar's question box stops short of Save.
    void anEightHundredPixelScreen()
    {
        start(QSize(800, 600));
        QCOMPARE(testing::MainWindowFaults(mdi).join(QLatin1Char('\n')), QString());
        tarot::frmTarot* setup = testing::tarotSetUp();
        QVERIFY(setup);
        seams().random->script(3);
        QVERIFY(testing::click(testing::control<QPushButton>(setup, "cmdAuto")));
        auto* reading = platform::Forms::Peek<tarot::frmAuto>();
        QVERIFY(reading);
        settle();
        QCOMPARE(testing::MainWindowFaults(mdi).join(QLatin1Char('\n')), QString());
        QCOMPARE(testing::ToolWindowFaults(mdi, reading).join(QLatin1Char('\n')), QString());
        const QRect screen = seams().screen->availablePixels();
        for (const QScrollBar* bar : {area()->horizontalScrollBar(), area()->verticalScrollBar()})
            if (bar->isVisible())
                QVERIFY2(screen.contains(QRect(bar->mapToGlobal(QPoint(0, 0)), bar->size())),
                         "a scroll bar off the screen");
        const QRect question = testing::control<QLineEdit>(mdi, "txtQ")->geometry();
        const QRect save = testing::control<QPushButton>(mdi, "cmdSave")->geometry();
        QVERIFY2(question.right() < save.left(), "the question box runs under Save");
        QVERIFY(question.width() > 0);
    }
};

SELVANTHE_TEST_MAIN(TestWorkArea)
#include "tst_workarea.moc"
