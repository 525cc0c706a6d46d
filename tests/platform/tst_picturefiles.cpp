// A picture is read from its file each time it is shown: a picture file replaced since it was last shown
// shows the new picture, however it was replaced, and a removed one shows as missing, even though the
// pictures shown lately are kept decoded.
#include "TestMain.h"

#include "platform/PictureFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// A picture of one colour. As a BMP every picture of one size has the same number of bytes, so a
// replacement is told from the picture it replaces by nothing but its content.
QImage Plain(QColor colour, QSize size = {40, 60})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QColor ColourOf(const QPixmap& picture)
{
    return picture.toImage().pixelColor(picture.width() / 2, picture.height() / 2);
}

enum class Replace { InPlace, InPlaceKeepingItsTime, ByRename };

} // namespace

class TestPictureFiles : public QObject {
    Q_OBJECT
    QTemporaryDir dir;

    QString file(const QString& name) const { return dir.filePath(name); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        // The checks below read pictures at the density of an ordinary screen.
        QCOMPARE(platform::PictureDensity(), 1);
    }

    void replacedPictureShowsTheNewOne_data()
    {
        QTest::addColumn<Replace>("how");
        QTest::newRow("written over") << Replace::InPlace;
        QTest::newRow("written over, its time kept") << Replace::InPlaceKeepingItsTime;
        QTest::newRow("another file renamed onto it") << Replace::ByRename;
    }

    void replacedPictureShowsTheNewOne()
    {
        QFETCH(Replace, how);
        const QString path = file(QStringLiteral("card.bmp"));
        QFile::remove(path);
        QVERIFY(Plain(Qt::red).save(path));
        const QDateTime written = QFileInfo(path).lastModified();
        QCOMPARE(ColourOf(platform::ReadPicture(path)), QColor(Qt::red));
        // Shown twice, as a deal shows its cards again: the same picture.
        QCOMPARE(ColourOf(platform::ReadPicture(path)), QColor(Qt::red));

        // At once, within the same tick of the file system's clock as often as not.
        if (how == Replace::ByRename) {
            const QString other = file(QStringLiteral("other.bmp"));
            QVERIFY(Plain(Qt::blue).save(other));
            QVERIFY(QFile::remove(path));
            QVERIFY(QFile::rename(other, path));
        } else {
            QVERIFY(Plain(Qt::blue).save(path));
        }
        if (how == Replace::InPlaceKeepingItsTime) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.setFileTime(written, QFileDevice::FileModificationTime));
        }
        const QPixmap shown = platform::ReadPicture(path);
        QCOMPARE(shown.size(), QSize(40, 60));
        QCOMPARE(ColourOf(shown), QColor(Qt::blue));
    }

    void pictureOfAnotherSizeShowsAtItsSize()
    {
        const QString path = file(QStringLiteral("back.png"));
        QVERIFY(Plain(Qt::green).save(path));
        QCOMPARE(platform::ReadPicture(path).size(), QSize(40, 60));
        QVERIFY(Plain(Qt::green, {80, 30}).save(path));
        QCOMPARE(platform::ReadPicture(path).size(), QSize(80, 30));
    }

    void removedPictureIsMissingUntilItIsBack()
    {
        const QString path = file(QStringLiteral("stone.png"));
        QVERIFY(Plain(Qt::darkGray).save(path));
        QVERIFY(!platform::ReadPicture(path).isNull());
        QVERIFY(QFile::remove(path));
        QVERIFY(platform::ReadPicture(path).isNull());
        QVERIFY(Plain(Qt::yellow).save(path));
        QCOMPARE(ColourOf(platform::ReadPicture(path)), QColor(Qt::yellow));
    }

    void fileThatNoLongerReadsAsAPictureIsMissing()
    {
        const QString path = file(QStringLiteral("rune.png"));
        QVERIFY(Plain(Qt::cyan).save(path));
        QVERIFY(!platform::ReadPicture(path).isNull());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        QVERIFY(f.write("not a picture") > 0);
        f.close();
        QVERIFY(platform::ReadPicture(path).isNull());
    }
};

SELVANTHE_TEST_MAIN(TestPictureFiles)
#include "tst_picturefiles.moc"
