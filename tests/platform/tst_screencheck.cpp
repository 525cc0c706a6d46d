// The screen checks themselves, on small windows made to show each fault: a label too small for its text
// by the toolkit's own measure, label text under a control made after it, a button a click at its middle
// does not reach.
#include "ScreenCheck.h"
#include "TestMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

class TestScreenCheck : public QObject {
    Q_OBJECT

private slots:
    void init() { testing::freshProgram(); }

    void cutLabelsMeasuresWithTheToolkitsLabel()
    {
        QWidget window;
        window.resize(400, 200);
        auto* label = new QLabel(QStringLiteral("Odin, Freya and the Dwarves"), &window);
        label->move(10, 10);
        label->resize(label->sizeHint());
        window.show();
        QCOMPARE(testing::CutLabels(&window), QStringList());
        label->resize(label->sizeHint().width() - 4, label->sizeHint().height());
        QCOMPARE(testing::CutLabels(&window).size(), 1);

        // Wrapped: as tall as the toolkit says its lines need in its width.
        label->setWordWrap(true);
        label->resize(80, label->heightForWidth(80));
        QCOMPARE(testing::CutLabels(&window), QStringList());
        label->resize(80, label->heightForWidth(80) - 4);
        QCOMPARE(testing::CutLabels(&window).size(), 1);
    }

    void hiddenLabelTextIsUnderAControlMadeAfterIt_data()
    {
        QTest::addColumn<bool>("editFirst");
        QTest::addColumn<int>("faults");
        QTest::newRow("box made after the label") << false << 1;
        QTest::newRow("box made before the label") << true << 0;
    }
    void hiddenLabelTextIsUnderAControlMadeAfterIt()
    {
        QFETCH(bool, editFirst);
        QFETCH(int, faults);
        QWidget window;
        window.resize(400, 200);
        QLineEdit* box = editFirst ? new QLineEdit(&window) : nullptr;
        auto* label = new QLabel(QStringLiteral("Runes of the northern sky"), &window);
        label->setGeometry(10, 10, 300, 30);
        if (!box)
            box = new QLineEdit(&window);
        box->setGeometry(40, 5, 100, 40);
        window.show();
        QCOMPARE(testing::HiddenLabelText(&window).size(), faults);
    }

    void coveredButtons()
    {
        QWidget window;
        window.resize(400, 200);
        auto* button = new QPushButton(QStringLiteral("Next"), &window);
        button->setGeometry(10, 10, 100, 30);
        window.show();
        QApplication::processEvents();
        QCOMPARE(testing::CoveredButtons(&window), QStringList());

        // A panel made after it lies over its middle.
        auto* panel = new QWidget(&window);
        panel->setGeometry(40, 0, 100, 60);
        panel->show();
        QCOMPARE(testing::CoveredButtons(&window).size(), 1);
        panel->hide();

        // A window kept in front of this one.
        QWidget front;
        front.setWindowFlag(Qt::WindowStaysOnTopHint);
        front.setGeometry(QRect(button->mapToGlobal(QPoint(0, 0)), QSize(200, 100)));
        front.show();
        QApplication::processEvents();
        QCOMPARE(testing::CoveredButtons(&window).size(), 1);
    }
};

SELVANTHE_TEST_MAIN(TestScreenCheck)
#include "tst_screencheck.moc"
