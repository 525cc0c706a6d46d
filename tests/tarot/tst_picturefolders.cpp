// Where the program finds its picture folders, cards/ and pic/ and the others beside them: beside the
// program, in the installation's data folder reached from the program's folder, or in a data folder of the
// desktop; the tarot entry screen's check applied to the folder found, and the other pictures read there.
#include "FindControl.h"
#include "TarotRoad.h"

#include "platform/PictureBox.h"
#include "platform/PictureFolders.h"
#include "shell/frmMDI.h"

#include <QFile>

using testing::TarotRoad;

namespace {

// Folders named by their path under one temporary root: "prefix/games" is the program's folder,
// "prefix/share/games/selvanthe" the installation's data folder, "data1" and "data2" the desktop's data
// folders.
class Tree {
public:
    QString path(const QString& rel) const { return QDir(dir_.path()).filePath(rel); }
    QString programFolder() const { return path(QStringLiteral("prefix/games")); }
    QStringList dataFolders() const { return {path(QStringLiteral("data1")), path(QStringLiteral("data2"))}; }

    // "cards+pic" makes both picture folders under rel; "cards" or "pic" only the one.
    bool make(const QString& rel, const QString& what)
    {
        bool ok = QDir().mkpath(path(rel)) && QDir().mkpath(programFolder());
        for (const QString& folder : what.split(QLatin1Char('+'), Qt::SkipEmptyParts))
            ok = ok && QDir().mkpath(QDir(path(rel)).filePath(folder));
        return ok;
    }

private:
    QTemporaryDir dir_;
};

} // namespace

class TestPictureFolders : public QObject {
    Q_OBJECT
    TarotRoad road;

private slots:
    void init() { road.start(); }
    void cleanup() { road.finish(); }

    void candidatesInOrder()
    {
        const QStringList c =
            platform::PictureRootCandidates(QStringLiteral("/opt/sv/games"), {QStringLiteral("/home/u/.local/share"),
                                                                              QString(), QStringLiteral("/usr/share")});
        QCOMPARE(c, (QStringList{QStringLiteral("/opt/sv/games"), QStringLiteral("/opt/sv/share/games/selvanthe"),
                                 QStringLiteral("/home/u/.local/share/games/selvanthe"),
                                 QStringLiteral("/usr/share/games/selvanthe")}));
    }

    void firstPlaceHoldingBoth_data()
    {
        QTest::addColumn<QStringList>("layout");  // pairs of folder and what it holds
        QTest::addColumn<QString>("found");       // "" for the program's folder, with the check failing there

        QTest::newRow("build tree") << QStringList{"prefix/games", "cards+pic"} << "prefix/games";
        QTest::newRow("installed") << QStringList{"prefix/share/games/selvanthe", "cards+pic"}
                                   << "prefix/share/games/selvanthe";
        QTest::newRow("beside the program wins over the installation")
            << QStringList{"prefix/games", "cards+pic", "prefix/share/games/selvanthe", "cards+pic"} << "prefix/games";
        QTest::newRow("half a folder beside the program is passed over")
            << QStringList{"prefix/games", "cards", "prefix/share/games/selvanthe", "cards+pic"}
            << "prefix/share/games/selvanthe";
        QTest::newRow("a data folder of the desktop")
            << QStringList{"data2/games/selvanthe", "cards+pic"} << "data2/games/selvanthe";
        QTest::newRow("the first data folder wins")
            << QStringList{"data1/games/selvanthe", "cards+pic", "data2/games/selvanthe", "cards+pic"}
            << "data1/games/selvanthe";
        QTest::newRow("the installation wins over the data folders")
            << QStringList{"data1/games/selvanthe", "cards+pic", "prefix/share/games/selvanthe", "cards+pic"}
            << "prefix/share/games/selvanthe";
        QTest::newRow("each place half full")
            << QStringList{"prefix/games", "pic", "prefix/share/games/selvanthe", "cards", "data1/games/selvanthe", "pic"}
            << "";
        QTest::newRow("nothing anywhere") << QStringList{} << "";
    }
    void firstPlaceHoldingBoth()
    {
        QFETCH(QStringList, layout);
        QFETCH(QString, found);
        Tree tree;
        QVERIFY(tree.make(QStringLiteral("prefix/games"), QString()));
        for (int i = 0; i + 1 < layout.size(); i += 2)
            QVERIFY(tree.make(layout[i], layout[i + 1]));

        const QString root = platform::FindPictureRoot(tree.programFolder(), tree.dataFolders());
        if (found.isEmpty()) {
            QCOMPARE(root, tree.programFolder());
            QVERIFY(!platform::PictureFoldersPresent(root));
        } else {
            QCOMPARE(root, tree.path(found));
            QVERIFY(platform::PictureFoldersPresent(root));
        }
    }

    void aFileIsNoFolder()
    {
        Tree tree;
        QVERIFY(tree.make(QStringLiteral("prefix/games"), QStringLiteral("cards")));
        QVERIFY(tree.make(QStringLiteral("data1/games/selvanthe"), QStringLiteral("cards+pic")));
        QFile file(tree.path(QStringLiteral("prefix/games/pic")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(platform::FindPictureRoot(tree.programFolder(), tree.dataFolders()),
                 tree.path(QStringLiteral("data1/games/selvanthe")));
    }

    // The tarot tool of an installed program opens on the installation's folders, and reads its spread
    // pictures from there.
    void theToolOpensOnAnInstallation()
    {
        Tree tree;
        QVERIFY(tree.make(QStringLiteral("prefix/share/games/selvanthe"), QStringLiteral("cards+pic")));
        QImage spread(40, 50, QImage::Format_RGB32);
        spread.fill(Qt::darkGreen);
        QVERIFY(spread.save(tree.path(QStringLiteral("prefix/share/games/selvanthe/pic/c0.jpg")), "JPG"));
        platform::setAppPath(tree.programFolder());

        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        QVERIFY(testing::seams().messages->shown.isEmpty());
        QCOMPARE(testing::control<platform::PictureBox>(setUp, "pctCard")->picture().size(), QSize(40, 50));
    }

    // The other pictures of the program come from the folder found, as the cards do: the main window's
    // tool buttons show the installation's icons; a picture missing there shows as its plain stand-in, at
    // the picture's size.
    void toolPicturesFromTheFolderFound_data()
    {
        QTest::addColumn<bool>("installed");
        QTest::newRow("in the installation's data folder") << true;
        QTest::newRow("missing") << false;
    }
    void toolPicturesFromTheFolderFound()
    {
        QFETCH(bool, installed);
        Tree tree;
        QVERIFY(tree.make(QStringLiteral("prefix/share/games/selvanthe"), QStringLiteral("cards+pic+icons")));
        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(QColor(0, 128, 128));
        if (installed)
            QVERIFY(icon.save(tree.path(QStringLiteral("prefix/share/games/selvanthe/icons/tool-runes.png")), "PNG"));
        platform::setAppPath(tree.programFolder());

        shell::frmMDI* mdi = road.main();
        const QImage shown = testing::control<platform::PictureBox>(mdi, "picToolIcon", 0)->picture().toImage();
        QCOMPARE(shown.size(), QSize(32, 32));
        QCOMPARE(shown.pixelColor(16, 16), installed ? QColor(0, 128, 128) : QColor(90, 70, 140));
    }
};

SELVANTHE_TEST_MAIN(TestPictureFolders)
#include "tst_picturefolders.moc"
