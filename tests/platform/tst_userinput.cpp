// The tests' own mouse goes the window system's road: a click reaches only what lies under the pointer,
// as a user's does. A control hidden, covered by another, cut off by the edge of what holds it, or in a
// window a modal one blocks is missed; a double-click is two clicks the desktop pairs.
#include "TestMain.h"
#include "UserInput.h"

#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace {

// A window of two buttons side by side, counting the clicks each gets.
struct Bench {
    QWidget window;
    QPushButton* left = new QPushButton(QStringLiteral("Left"), &window);
    QPushButton* right = new QPushButton(QStringLiteral("Right"), &window);
    int leftClicks = 0, rightClicks = 0;

    Bench()
    {
        window.resize(300, 200);
        left->setGeometry(20, 20, 100, 30);
        right->setGeometry(124, 20, 100, 30);
        QObject::connect(left, &QPushButton::clicked, [this] { ++leftClicks; });
        QObject::connect(right, &QPushButton::clicked, [this] { ++rightClicks; });
        window.show();
        QApplication::processEvents();
    }
};

// Counts the double-click events a control gets.
struct DoubleClicks : QObject {
    int count = 0;
    explicit DoubleClicks(QWidget* control) { control->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::MouseButtonDblClick)
            ++count;
        return false;
    }
};

} // namespace

class TestUserInput : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::freshProgram(); }

    void clickReachesWhatLiesUnderThePointer()
    {
        Bench b;
        testing::click(b.left);
        QCOMPARE(b.leftClicks, 1);
    }

    void clickMissesAHiddenControl()
    {
        Bench b;
        b.left->hide();
        testing::click(b.left);
        QCOMPARE(b.leftClicks, 0);
    }

    void clickMissesACoveredControl()
    {
        Bench b;
        auto* cover = new QPushButton(QStringLiteral("Cover"), &b.window);
        cover->setGeometry(0, 0, 150, 100);
        cover->show();
        int covers = 0;
        QObject::connect(cover, &QPushButton::clicked, [&covers] { ++covers; });
        testing::click(b.left);
        QCOMPARE(b.leftClicks, 0);
        QCOMPARE(covers, 1);
    }

    void clickMissesAControlCutOffByWhatHoldsIt()
    {
        Bench b;
        auto* holder = new QWidget(&b.window);
        holder->setGeometry(0, 100, 300, 40);
        auto* inside = new QPushButton(QStringLiteral("Low"), holder);
        inside->setGeometry(20, 60, 100, 30);  // below the holder's bottom edge
        holder->show();
        int clicks = 0;
        QObject::connect(inside, &QPushButton::clicked, [&clicks] { ++clicks; });
        testing::click(inside);
        QCOMPARE(clicks, 0);
    }

    void clickMissesAControlUnderAToolWindow()
    {
        QWidget main;
        main.resize(400, 300);
        auto* area = new QMdiArea(&main);
        area->setGeometry(0, 0, 400, 300);
        auto* under = new QPushButton(QStringLiteral("Under"), area->viewport());
        under->setGeometry(10, 10, 100, 30);
        auto* tool = new QWidget;
        tool->resize(200, 150);
        QMdiSubWindow* sub = area->addSubWindow(tool);
        sub->move(0, 0);
        main.show();
        sub->show();
        QApplication::processEvents();
        int clicks = 0;
        QObject::connect(under, &QPushButton::clicked, [&clicks] { ++clicks; });
        testing::click(under);
        QCOMPARE(clicks, 0);
    }

    void clickMissesAWindowAModalOneBlocks()
    {
        Bench b;
        QDialog modal(&b.window);
        modal.setModal(true);
        modal.show();
        QApplication::processEvents();
        testing::click(b.left);
        QCOMPARE(b.leftClicks, 0);
        modal.hide();
        QApplication::processEvents();
        testing::click(b.left);
        QCOMPARE(b.leftClicks, 1);
    }

    void clickMissesAControlUnderAWindowKeptInFront()
    {
        Bench b;
        QWidget front;
        front.setWindowFlag(Qt::WindowStaysOnTopHint);
        front.setGeometry(QRect(b.left->mapToGlobal(QPoint(0, 0)), QSize(150, 60)));
        front.show();
        QApplication::processEvents();
        testing::click(b.left);
        QCOMPARE(b.leftClicks, 0);
    }

    void clickMissesAHiddenWindow()
    {
        Bench b;
        b.window.hide();
        QApplication::processEvents();
        testing::click(b.left);
        QCOMPARE(b.leftClicks, 0);
    }

    // Two clicks at one place within the double-click time are two clicks on a push button, as the
    // desktop delivers them; the second press of the pair also comes as a double-click.
    void doubleClickIsTwoClicksThePairs()
    {
        Bench b;
        DoubleClicks doubles(b.left);
        QVERIFY(testing::doubleClick(b.left));
        QCOMPARE(b.leftClicks, 2);
        QCOMPARE(doubles.count, 1);

        // Quick clicks on two buttons a few pixels apart: each gets its own click.
        const QPoint nearEdge(b.left->width() - 2, 15);
        QVERIFY(testing::doubleClickAcross(b.left, nearEdge, b.right, QPoint(1, 15)));
        QCOMPARE(b.leftClicks, 3);
        QCOMPARE(b.rightClicks, 1);
    }

    // Ordinary clicks, however quick the test, never pair into a double-click.
    void clicksApartAreNoDoubleClick()
    {
        Bench b;
        DoubleClicks doubles(b.left);
        testing::click(b.left);
        testing::click(b.left);
        QCOMPARE(b.leftClicks, 2);
        QCOMPARE(doubles.count, 0);
    }
};

SELVANTHE_TEST_MAIN(TestUserInput)
#include "tst_userinput.moc"
