// The program's style paints a long scroll bar in bands: the bars the user sees are, pixel for pixel, the
// ones the desktop's own style paints, whatever their length, their slider's place or a press on them. The
// suite runs this once more on a screen of twice the density.
#include "TestMain.h"
#include "UserInput.h"

#include "platform/Style.h"

#include <QScrollBar>
#include <QStyleFactory>

namespace {

// The bar as it paints itself on screen in the given style.
QImage paint(QScrollBar& bar, QStyle& style)
{
    bar.setStyle(&style);
    return bar.grab().toImage();
}

} // namespace

class TestStyle : public QObject {
    Q_OBJECT

private slots:
    void bandedBarLooksAsTheDesktopsBar_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<Qt::Orientation>("orientation");
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("value"); // of 0 to 1000
        QTest::addColumn<bool>("pressed");
        QTest::newRow("short, one band") << QStringLiteral("Fusion") << Qt::Vertical << 40 << 0 << false;
        QTest::newRow("a pane's height, slider at the top")
            << QStringLiteral("Fusion") << Qt::Vertical << 310 << 0 << false;
        QTest::newRow("a pane's height, slider midway, pressed")
            << QStringLiteral("Fusion") << Qt::Vertical << 310 << 500 << true;
        QTest::newRow("a screen's height, slider at the end")
            << QStringLiteral("Fusion") << Qt::Vertical << 1000 << 1000 << false;
        QTest::newRow("across a window, slider midway")
            << QStringLiteral("Fusion") << Qt::Horizontal << 733 << 420 << false;
        QTest::newRow("across a window, pressed") << QStringLiteral("Fusion") << Qt::Horizontal << 733 << 0 << true;
        QTest::newRow("another style, a pane's height")
            << QStringLiteral("Windows") << Qt::Vertical << 310 << 500 << false;
        QTest::newRow("another style, across a window, pressed")
            << QStringLiteral("Windows") << Qt::Horizontal << 733 << 420 << true;
    }

    void bandedBarLooksAsTheDesktopsBar()
    {
        QFETCH(QString, style);
        QFETCH(Qt::Orientation, orientation);
        QFETCH(int, length);
        QFETCH(int, value);
        QFETCH(bool, pressed);
        std::unique_ptr<QStyle> desktop(QStyleFactory::create(style));
        QVERIFY(desktop);
        platform::BandedScrollBarStyle banded(style);

        QWidget window;
        QScrollBar bar(orientation, &window);
        bar.setRange(0, 1000);
        bar.setPageStep(150);
        bar.setValue(value);
        const int across = bar.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &bar);
        bar.setGeometry(orientation == Qt::Vertical ? QRect(0, 0, across, length) : QRect(0, 0, length, across));
        window.resize(bar.size());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        if (pressed) {
            // The user holds the slider down: it takes the page's share of the groove between the arrows.
            const double share = 150.0 / 1150.0;
            const int middle = across + int((length - 2 * across) * (value / 1000.0 * (1 - share) + share / 2));
            QVERIFY(
                testing::press(&bar, Qt::LeftButton,
                               orientation == Qt::Vertical ? QPoint(across / 2, middle) : QPoint(middle, across / 2)));
            QVERIFY(bar.isSliderDown());
        }
        const QImage expected = paint(bar, *desktop);
        const QImage shown = paint(bar, banded);
        QVERIFY2(shown == expected, qPrintable(QStringLiteral("differs at density %1").arg(bar.devicePixelRatio())));
        // A bar that painted nothing would pass as well.
        QImage blank(expected.size(), expected.format());
        blank.fill(Qt::transparent);
        QVERIFY(expected != blank);
        if (pressed)
            QVERIFY(testing::release(&bar));
    }
};

SELVANTHE_TEST_MAIN(TestStyle)
#include "tst_style.moc"
