// The control vocabulary's labels and frames as the user sees them: a label shows its whole text in the
// fonts this desktop has, taking the free width beside it before it grows downward, and a frame keeps
// its caption and border clear of what it holds.
#include "ScreenCheck.h"
#include "TestMain.h"
#include "UserInput.h"

#include "platform/Controls.h"
#include "platform/Forms.h"
#include "platform/Twips.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>

using platform::Label;

namespace {

const QString kLong = QStringLiteral("Odin, Freya, the Dwarves and all the gods of the northern sky");
const QString kShort = QStringLiteral("Thor");

enum class Grows { No, Wider, Taller };

// A window of 600 x 300 pixels holding the label at its design place and, where given, a control beside it.
struct Bench {
    QWidget window;
    Label* label = nullptr;
    QLineEdit* beside = nullptr;

    Bench(QRect design, Qt::Alignment align, bool wrap, QRect neighbour)
    {
        window.resize(600, 300);
        label = platform::MakeLabel(&window, QStringLiteral("lblField"), kShort,
                                    {platform::tw(design.x()), platform::tw(design.y()), platform::tw(design.width()),
                                     platform::tw(design.height())},
                                    platform::Look(platform::Verdana(8.25, true)).Align(align).Wrap(wrap));
        if (!neighbour.isNull()) {
            beside = new QLineEdit(&window);
            beside->setGeometry(neighbour);
        }
        window.show();
        QApplication::processEvents();
    }
};

// A window of the design, 400 pixels wide inside, made to try one case.
struct TryWindow : platform::Form {
    explicit TryWindow(int height = 240) : Form(QStringLiteral("frmTry"), Kind::TopLevel)
    {
        SetClientSizeTw(platform::tw(400), platform::tw(height));
    }
};

QLineEdit* box(QWidget* parent, QRect at)
{
    auto* edit = new QLineEdit(parent);
    platform::setGeometryTw(edit, platform::tw(at.x()), platform::tw(at.y()), platform::tw(at.width()),
                            platform::tw(at.height()));
    return edit;
}

QPushButton* button(QWidget* parent, QRect at)
{
    return platform::MakeButton(parent, QStringLiteral("cmdNext"), QStringLiteral("Next"),
                                {platform::tw(at.x()), platform::tw(at.y()), platform::tw(at.width()),
                                 platform::tw(at.height())});
}

// Counts the label's paintings, and those that showed its text cut.
struct PaintWatch : QObject {
    QWidget* window;
    int paints = 0;
    QStringList cut;
    explicit PaintWatch(QWidget* w) : window(w) {}
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            ++paints;
            cut += testing::CutLabels(window);
        }
        return false;
    }
};

} // namespace

Q_DECLARE_METATYPE(Grows)

class TestControls : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::freshProgram(); }

    void labelGrowsToItsText_data()
    {
        QTest::addColumn<QRect>("design");
        QTest::addColumn<int>("align");
        QTest::addColumn<bool>("wrap");
        QTest::addColumn<QRect>("neighbour");
        QTest::addColumn<QString>("text");
        QTest::addColumn<Grows>("grows");
        const int left = int(Qt::AlignLeft | Qt::AlignTop);
        const QRect field(200, 40, 80, 14);
        QTest::newRow("fits") << field << left << false << QRect() << kShort << Grows::No;
        QTest::newRow("one line, free width") << field << left << false << QRect() << kLong << Grows::Wider;
        QTest::newRow("wrapping, free width") << field << left << true << QRect() << kLong << Grows::Wider;
        QTest::newRow("a control beside it") << field << left << true << QRect(300, 30, 100, 30) << kLong
                                             << Grows::Taller;
        QTest::newRow("one line, a control beside it") << field << left << false << QRect(300, 30, 100, 30) << kLong
                                                       << Grows::Taller;
        QTest::newRow("centred") << field << int(Qt::AlignHCenter | Qt::AlignTop) << false << QRect() << kLong
                                 << Grows::Wider;
        QTest::newRow("right-aligned") << QRect(400, 40, 80, 14) << int(Qt::AlignRight | Qt::AlignTop) << false
                                       << QRect() << kLong << Grows::Wider;
        QTest::newRow("a control overlapping it by design") << field << left << false << QRect(200, 40, 80, 14)
                                                            << kLong << Grows::Wider;
    }

    void labelGrowsToItsText()
    {
        QFETCH(QRect, design);
        QFETCH(int, align);
        QFETCH(bool, wrap);
        QFETCH(QRect, neighbour);
        QFETCH(QString, text);
        QFETCH(Grows, grows);
        Bench bench(design, Qt::Alignment(align), wrap, neighbour);
        bench.label->setText(text);
        const QRect at = bench.label->geometry();
        QCOMPARE(testing::CutLabels(&bench.window), QStringList());
        QVERIFY(bench.window.rect().contains(at));
        QVERIFY(at.contains(design));
        QCOMPARE(at.top(), design.top());
        switch (grows) {
        case Grows::No: QCOMPARE(at, design); break;
        case Grows::Wider:
            QVERIFY(at.width() > design.width());
            QCOMPARE(at.height() <= design.height() + 1, true);  // a line of this font may need a pixel more
            break;
        case Grows::Taller: QVERIFY(at.height() > design.height() + 1); break;
        }
        if (align & Qt::AlignHCenter)
            QVERIFY(std::abs(at.center().x() - design.center().x()) <= 1);
        if (align & Qt::AlignRight)
            QCOMPARE(at.right(), design.right());
        if (bench.beside && !neighbour.intersects(design))
            QVERIFY(!at.intersects(neighbour));
        // Given its short text again, it goes back to its design place.
        bench.label->setText(kShort);
        QCOMPARE(bench.label->geometry(), design);
    }

    // Text given through the plain label's setter, or a place given by the window, is taken up at once
    // the label is painted or shown again.
    void labelFollowsWhateverChangedIt()
    {
        Bench bench(QRect(200, 40, 80, 14), Qt::AlignLeft | Qt::AlignTop, false, QRect());
        static_cast<QLabel*>(bench.label)->setText(kLong);
        bench.label->repaint();
        QApplication::processEvents();
        QCOMPARE(testing::CutLabels(&bench.window), QStringList());

        bench.label->setText(kShort);
        platform::setGeometryTw(bench.label, platform::tw(20), platform::tw(100), platform::tw(60), platform::tw(14));
        bench.label->hide();
        bench.label->show();
        QCOMPARE(bench.label->geometry(), QRect(20, 100, 60, 14));
        bench.label->setText(kLong);
        QCOMPARE(bench.label->geometry().topLeft(), QPoint(20, 100));
        QCOMPARE(testing::CutLabels(&bench.window), QStringList());
    }

    // Controls placed where the style draws a frame's caption or border move below it, with everything
    // else the frame holds, and the frame grows to hold them.
    void frameKeepsItsCaptionClear()
    {
        QWidget window;
        window.resize(400, 300);
        platform::Frame* frame = platform::MakeFrame(&window, QStringLiteral("fraChoice"), QStringLiteral("Select A Spread"),
                                                     {150, 150, 3705, 1815}, platform::Verdana(9.75, true));
        auto* high = new QLineEdit(frame);
        high->setGeometry(6, 12, 200, 22);
        auto* low = new QLineEdit(frame);
        low->setGeometry(6, 60, 200, 22);
        auto* bottom = new QLineEdit(frame);
        bottom->setGeometry(6, 96, 200, 22);
        const int height = frame->height();
        window.show();
        QApplication::processEvents();
        QCOMPARE(testing::CoveredFrames(&window), QStringList());
        QVERIFY(high->y() > 12);
        // Everything in the frame moves down together, so no two controls come onto one line.
        QCOMPARE(low->y() - high->y(), 60 - 12);
        QCOMPARE(bottom->y() - low->y(), 96 - 60);
        QVERIFY(frame->height() >= height);
        QVERIFY(frame->geometry().contains(QRect(frame->mapTo(&window, bottom->pos()), bottom->size())));
    }

    // A label that grows downward moves what lies below it in its column down by as much, and the window
    // grows to hold them: it never covers the control below it.
    void grownLabelMovesDownWhatLiesBelowIt()
    {
        TryWindow window(100);
        Label* label = platform::MakeLabel(&window, QStringLiteral("lblField"), kShort, {300, 300, 2250, 210},
                                           platform::Look(platform::Verdana(8.25, true)).Wrap());
        box(&window, {180, 15, 100, 22});  // beside it: it cannot widen
        QLineEdit* below = box(&window, {20, 40, 150, 22});
        QPushButton* last = button(&window, {20, 70, 100, 26});
        window.show();
        QApplication::processEvents();
        const int height = window.height();

        label->setText(kLong + QLatin1Char(' ') + kLong);
        QApplication::processEvents();
        const int grew = label->height() - 14;
        QVERIFY(grew > 0);
        QCOMPARE(testing::ControlFaults(&window), QStringList());
        QVERIFY(!label->geometry().intersects(below->geometry()));
        QCOMPARE(below->y() - label->geometry().bottom(), 40 - 33);  // the design's space between them
        QCOMPARE(last->y(), 70 + grew);
        QCOMPARE(window.height(), height + grew);
        QVERIFY(window.rect().contains(last->geometry()));

        label->setText(kShort);
        QApplication::processEvents();
        QCOMPARE(below->geometry(), QRect(20, 40, 150, 22));
        QCOMPARE(window.height(), height);
    }

    // A control placed under a frame's caption moves below it with everything the frame holds, so two
    // controls never come onto one line.
    void frameMovesItsControlsTogether()
    {
        TryWindow window;
        platform::Frame* frame = platform::MakeFrame(&window, QStringLiteral("fraChoice"), QStringLiteral("Select A Spread"),
                                                     {150, 150, 4500, 1500}, platform::Verdana(9.75, true));
        QLineEdit* high = box(frame, {6, 4, 200, 22});
        QLineEdit* low = box(frame, {6, 30, 200, 22});
        window.show();
        QApplication::processEvents();
        QCOMPARE(testing::ControlFaults(&window), QStringList());
        QVERIFY(!high->geometry().intersects(low->geometry()));
        QCOMPARE(low->y() - high->y(), 30 - 4);
        QVERIFY(frame->rect().contains(low->geometry()));
    }

    // A frame grown to hold what its caption pushed down moves what lies below it down by as much.
    void grownFrameMovesDownWhatLiesBelowIt()
    {
        TryWindow window;
        platform::Frame* frame = platform::MakeFrame(&window, QStringLiteral("fraChoice"), QStringLiteral("Select A Spread"),
                                                     {150, 150, 4500, 600}, platform::Verdana(9.75, true));
        QLineEdit* high = box(frame, {6, 6, 200, 22});
        QPushButton* next = button(&window, {10, 54, 100, 26});
        window.show();
        QApplication::processEvents();
        QCOMPARE(testing::ControlFaults(&window), QStringList());
        QVERIFY(frame->height() > 40);
        QVERIFY(frame->rect().contains(high->geometry()));
        QVERIFY(!frame->geometry().intersects(next->geometry()));
        QCOMPARE(next->y() - frame->geometry().bottom(), 54 - 49);
        QVERIFY(window.rect().contains(next->geometry()));
    }

    // The window moves a label that its text had grown: the label keeps its design size at its new place,
    // and shrinks back to it when its text is short again.
    void labelMovedByItsWindowShrinksBack()
    {
        Bench bench(QRect(200, 40, 80, 14), Qt::AlignLeft | Qt::AlignTop, false, QRect());
        bench.label->setText(kLong);
        QVERIFY(bench.label->width() > 80);
        platform::setTopTw(bench.label, platform::tw(100));
        platform::setLeftTw(bench.label, platform::tw(20));
        QCOMPARE(bench.label->geometry().topLeft(), QPoint(20, 100));
        bench.label->setText(kShort);
        QApplication::processEvents();
        QCOMPARE(bench.label->geometry(), QRect(20, 100, 80, 14));
    }

    // Whichever setter gives a label its text, the label is never painted with that text cut: through its
    // own, it holds the text at once; through the toolkit's, it is grown before its first painting.
    void noLabelIsPaintedCut_data()
    {
        QTest::addColumn<bool>("ownSetter");
        QTest::newRow("its own setter") << true;
        QTest::newRow("the toolkit's setter") << false;
    }
    void noLabelIsPaintedCut()
    {
        QFETCH(bool, ownSetter);
        Bench bench(QRect(200, 40, 80, 14), Qt::AlignLeft | Qt::AlignTop, true, QRect(300, 30, 100, 30));
        PaintWatch watch(&bench.window);
        bench.label->installEventFilter(&watch);
        if (ownSetter) {
            bench.label->setText(kLong);
            const QImage atOnce = bench.label->grab().toImage();
            QCOMPARE(testing::CutLabels(&bench.window), QStringList());
            QApplication::processEvents();
            QCOMPARE(bench.label->grab().toImage(), atOnce);
        }
        else {
            static_cast<QLabel*>(bench.label)->setText(kLong);
            QApplication::processEvents();
        }
        QTRY_VERIFY(watch.paints > 0);
        QCOMPARE(watch.cut, QStringList());
        QCOMPARE(testing::CutLabels(&bench.window), QStringList());
    }

    // A clickable is a button to the toolkit: Space, Enter and Return press it while it has the focus,
    // which it shows with the style's frame; a screen reader finds it by its role and name.
    void clickableTakesTheKeysAndShowsItsFocus_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Space") << int(Qt::Key_Space);
        QTest::newRow("Return") << int(Qt::Key_Return);
        QTest::newRow("Enter") << int(Qt::Key_Enter);
    }
    void clickableTakesTheKeysAndShowsItsFocus()
    {
        QFETCH(int, key);
        QWidget window;
        window.resize(300, 200);
        platform::Clickable* picture = platform::MakeClickablePicture(&window, QStringLiteral("picStone"),
                                                                      {150, 150, 1500, 1500}, QStringLiteral("Gold"));
        QPixmap stone(60, 60);
        stone.fill(Qt::darkYellow);
        picture->setPicture(stone);
        auto* other = new QLineEdit(&window);
        other->setGeometry(150, 150, 100, 25);
        int clicks = 0;
        QObject::connect(picture, &QAbstractButton::clicked, [&clicks] { ++clicks; });
        window.show();
        QApplication::setActiveWindow(&window);
        other->setFocus();
        const QImage atRest = picture->grab().toImage();
        QVERIFY(testing::tabTo(picture));
        QVERIFY(picture->grab().toImage() != atRest);
        QTest::keyClick(picture, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);
        QCOMPARE(clicks, 1);

        QAccessible::setActive(true);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(picture);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Button);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Gold"));
        QVERIFY(face->actionInterface() && face->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
        face->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks, 2);
    }

    // A link shows its caption as written, an ampersand included, and gives it no access key.
    void linkShowsItsCaptionAsWritten()
    {
        QWidget window;
        window.resize(400, 100);
        platform::Clickable* link = platform::MakeLink(&window, QStringLiteral("lblLink"), QStringLiteral("Name & link"),
                                                       {150, 150, 3000, 300}, platform::Verdana(8.25));
        int clicks = 0;
        QObject::connect(link, &QAbstractButton::clicked, [&clicks] { ++clicks; });
        window.show();
        QCOMPARE(link->text(), QStringLiteral("Name & link"));
        QVERIFY(link->shortcut().isEmpty());
        QCOMPARE(link->focusPolicy(), Qt::NoFocus);
        QAccessible::setActive(true);
        QAccessibleInterface* face = QAccessible::queryAccessibleInterface(link);
        QVERIFY(face);
        QCOMPARE(face->role(), QAccessible::Link);
        QCOMPARE(face->text(QAccessible::Name), QStringLiteral("Name & link"));
        QVERIFY(testing::click(link));
        QCOMPARE(clicks, 1);
        // It grows to its caption as a label does.
        link->setText(QStringLiteral("Name & link, and a longer caption that needs more room than it had"));
        QCOMPARE(testing::CutCaptions(&window), QStringList());
    }
};

SELVANTHE_TEST_MAIN(TestControls)
#include "tst_controls.moc"
