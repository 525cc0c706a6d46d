// The shared helpers: the list test, picture turns and pictures in a rich text box.
#include "TestMain.h"

#include "platform/PictureBox.h"
#include "platform/RichTextBox.h"
#include "shell/ListHelpers.h"
#include "shell/modRotate90.h"

#include <QClipboard>
#include <QTextBlock>
#include <QTextFragment>

using platform::VbArray;

namespace {
QPixmap marked(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(Qt::white);
    img.setPixel(0, 0, qRgb(255, 0, 0));
    return QPixmap::fromImage(img);
}

bool isRed(QRgb c) { return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60; }
} // namespace

class TestHelpers : public QObject {
    Q_OBJECT
private slots:
    void isInArray_data()
    {
        QTest::addColumn<int>("value");
        QTest::addColumn<bool>("found");
        QTest::newRow("written element") << 17 << true;
        QTest::newRow("absent") << 41 << false;
        QTest::newRow("unwritten slots hold 0") << 0 << true;
        QTest::newRow("upper bound is inclusive") << 9 << true;
    }
    void isInArray()
    {
        QFETCH(int, value);
        QFETCH(bool, found);
        VbArray<std::int32_t> list;
        list.ReDim(10);
        const int written[] = {5, 17, 40, 2};
        for (int i = 0; i < 4; ++i)
            list(i) = written[i];
        list(10) = 9;
        QCOMPARE(shell::IsInArray(value, list), found);
    }

    void isInArrayEdges()
    {
        VbArray<std::int32_t> one;
        one.ReDim(0);
        one(0) = 7;
        QVERIFY(shell::IsInArray(7, one));
        QVERIFY(!shell::IsInArray(8, one));

        VbArray<std::int32_t> never;
        QVERIFY_THROWS_EXCEPTION(platform::SubscriptOutOfRange, shell::IsInArray(0, never));
        one.Erase();
        QVERIFY_THROWS_EXCEPTION(platform::SubscriptOutOfRange, shell::IsInArray(7, one));

        // The draws look only at the cards already dealt, so an unfilled 0 is no repeat.
        const std::int32_t dealt[] = {5, 17, 0, 0};
        QVERIFY(!shell::IsInArray(0, std::span<const std::int32_t>(dealt, 2)));
        QVERIFY(shell::IsInArray(17, std::span<const std::int32_t>(dealt, 2)));
    }

    void quarterTurn_data()
    {
        QTest::addColumn<int>("w");
        QTest::addColumn<int>("h");
        QTest::newRow("card") << 145 << 250;
        QTest::newRow("wide") << 200 << 100;
        QTest::newRow("square") << 120 << 120;
    }
    void quarterTurn()
    {
        QFETCH(int, w);
        QFETCH(int, h);
        QWidget holder;
        platform::PictureBox box(&holder);
        box.setGeometry(30, 40, w, h);
        box.setAutoRedraw(true);
        box.setPicture(marked(w, h));
        shell::RotatePicture90(box);
        QCOMPARE(box.size(), QSize(h, w));
        QCOMPARE(box.pos(), QPoint(30, 40));
        const QImage shown = box.shown().toImage();
        // The source's top-left corner goes to the top-right: the card's top edge lies on the right.
        QVERIFY(isRed(shown.pixel(h - 1, 0)));
        QVERIFY(!isRed(shown.pixel(0, 0)));
    }

    void quarterTurnTurnsWhatIsShown()
    {
        // A reversed crossing card: half a turn, then a quarter, ends three quarters round.
        platform::PictureBox box;
        box.resize(145, 250);
        box.setPicture(marked(145, 250));
        shell::RotatePicture180(box);
        shell::RotatePicture90(box);
        const QImage shown = box.shown().toImage();
        QCOMPARE(shown.size(), QSize(250, 145));
        QVERIFY(isRed(shown.pixel(0, 144)));
    }

    void halfTurn()
    {
        platform::PictureBox box;
        box.resize(144, 250);
        QImage original(144, 250, QImage::Format_RGB32);
        for (int y = 0; y < 250; ++y)
            for (int x = 0; x < 144; ++x)
                original.setPixel(x, y, qRgb(x, y % 256, (x * y) % 256));
        box.setPicture(QPixmap::fromImage(original));
        shell::RotatePicture180(box);
        QVERIFY(!box.autoRedraw());
        QCOMPARE(box.picture().toImage().convertToFormat(QImage::Format_RGB32).pixel(143, 249), original.pixel(0, 0));
        shell::RotatePicture180(box);
        QCOMPARE(box.picture().toImage().convertToFormat(QImage::Format_RGB32), original);

        // A smaller picture is stretched over the whole inside, and stays turned on repaint.
        platform::PictureBox big;
        big.resize(100, 80);
        big.setPicture(marked(10, 8));
        shell::RotatePicture180(big);
        QCOMPARE(big.picture().size(), QSize(100, 80));
        QVERIFY(isRed(big.shown().toImage().pixel(99, 79)));

        platform::PictureBox empty;
        empty.resize(50, 50);
        shell::RotatePicture180(empty);
        QVERIFY(empty.picture().isNull());
        QCOMPARE(empty.size(), QSize(50, 50));
    }

    void insertPictureLeavesTheClipboardAlone()
    {
        QGuiApplication::clipboard()->setText(QStringLiteral("another program's text"));
        platform::RichTextBox box;
        box.SetText(QStringLiteral("ab"));
        box.SetSelStart(1);
        QImage first(10, 12, QImage::Format_RGB32);
        first.fill(Qt::red);
        QImage second(20, 14, QImage::Format_RGB32);
        second.fill(Qt::blue);
        shell::InsertPicture(first, &box);
        shell::InsertPicture(second, &box);
        QCOMPARE(box.SelStart(), 3);
        QList<QSize> sizes;
        for (QTextBlock b = box.document()->begin(); b.isValid(); b = b.next())
            for (auto it = b.begin(); !it.atEnd(); ++it)
                if (it.fragment().charFormat().isImageFormat()) {
                    const QTextImageFormat f = it.fragment().charFormat().toImageFormat();
                    sizes.append(QSize(int(f.width()), int(f.height())));
                    const QImage shown = box.document()->resource(QTextDocument::ImageResource, QUrl(f.name())).value<QImage>();
                    QCOMPARE(shown.size(), sizes.last());
                }
        QCOMPARE(sizes, (QList<QSize>{QSize(10, 12), QSize(20, 14)}));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("another program's text"));
    }
};

SELVANTHE_TEST_MAIN(TestHelpers)
#include "tst_helpers.moc"
