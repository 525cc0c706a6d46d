// Where the tarot tool finds cards/ and pic/: beside the program, in the installation's data folder
// reached from the program's folder, or in a data folder of the desktop; and the entry screen's check
// applied to the folder found.
#include "TarotRoad.h"

#include "platform/PictureBox.h"
#include "tarot/PictureFolders.h"

#include <QFile>

using testing::TarotRoad;

namespace {

// Folders named by their path under one temporary root: "prefix/bin" is the program's folder,
// "prefix/share/selvanthe" the installation's data folder, "data1" and "data2" the desktop's data folders.
class Tree {
public:
    QString path(const QString& rel) const { return QDir(dir_.path()).filePath(rel); }
    QString programFolder() const { return path(QStringLiteral("prefix/bin")); }
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
        const QStringList c = tarot::PictureRootCandidates(QStringLiteral("/opt/sv/bin"),
                                                           {QStringLiteral("/home/u/.local/share"), QString(),
                                                            QStringLiteral("/usr/share")});
        QCOMPARE(c, (QStringList{QStringLiteral("/opt/sv/bin"), QStringLiteral("/opt/sv/share/selvanthe"),
                                 QStringLiteral("/home/u/.local/share/selvanthe"),
                                 QStringLiteral("/usr/share/selvanthe")}));
    }

    void firstPlaceHoldingBoth_data()
    {
        QTest::addColumn<QStringList>("layout");  // pairs of folder and what it holds
        QTest::addColumn<QString>("found");       // "" for the program's folder, with the check failing there

        QTest::newRow("build tree") << QStringList{"prefix/bin", "cards+pic"} << "prefix/bin";
        QTest::newRow("installed") << QStringList{"prefix/share/selvanthe", "cards+pic"} << "prefix/share/selvanthe";
        QTest::newRow("beside the program wins over the installation")
            << QStringList{"prefix/bin", "cards+pic", "prefix/share/selvanthe", "cards+pic"} << "prefix/bin";
        QTest::newRow("half a folder beside the program is passed over")
            << QStringList{"prefix/bin", "cards", "prefix/share/selvanthe", "cards+pic"} << "prefix/share/selvanthe";
        QTest::newRow("a data folder of the desktop")
            << QStringList{"data2/selvanthe", "cards+pic"} << "data2/selvanthe";
        QTest::newRow("the first data folder wins")
            << QStringList{"data1/selvanthe", "cards+pic", "data2/selvanthe", "cards+pic"} << "data1/selvanthe";
        QTest::newRow("the installation wins over the data folders")
            << QStringList{"data1/selvanthe", "cards+pic", "prefix/share/selvanthe", "cards+pic"}
            << "prefix/share/selvanthe";
        QTest::newRow("each place half full") << QStringList{"prefix/bin", "pic", "prefix/share/selvanthe", "cards",
                                                             "data1/selvanthe", "pic"}
                                              << "";
        QTest::newRow("nothing anywhere") << QStringList{} << "";
    }
    void firstPlaceHoldingBoth()
    {
        QFETCH(QStringList, layout);
        QFETCH(QString, found);
        Tree tree;
        QVERIFY(tree.make(QStringLiteral("prefix/bin"), QString()));
        for (int i = 0; i + 1 < layout.size(); i += 2)
            QVERIFY(tree.make(layout[i], layout[i + 1]));

        const QString root = tarot::FindPictureRoot(tree.programFolder(), tree.dataFolders());
        if (found.isEmpty()) {
            QCOMPARE(root, tree.programFolder());
            QVERIFY(!tarot::PictureFoldersPresent(root));
        } else {
            QCOMPARE(root, tree.path(found));
            QVERIFY(tarot::PictureFoldersPresent(root));
        }
    }

    void aFileIsNoFolder()
    {
        Tree tree;
        QVERIFY(tree.make(QStringLiteral("prefix/bin"), QStringLiteral("cards")));
        QVERIFY(tree.make(QStringLiteral("data1/selvanthe"), QStringLiteral("cards+pic")));
        QFile file(tree.path(QStringLiteral("prefix/bin/pic")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QCOMPARE(tarot::FindPictureRoot(tree.programFolder(), tree.dataFolders()), tree.path(QStringLiteral("data1/selvanthe")));
    }

    // The tarot tool of an installed program opens on the installation's folders, and reads its spread
    // pictures from there.
    void theToolOpensOnAnInstallation()
    {
        Tree tree;
        QVERIFY(tree.make(QStringLiteral("prefix/share/selvanthe"), QStringLiteral("cards+pic")));
        QImage spread(40, 50, QImage::Format_RGB32);
        spread.fill(Qt::darkGreen);
        QVERIFY(spread.save(tree.path(QStringLiteral("prefix/share/selvanthe/pic/c0.jpg")), "JPG"));
        platform::setAppPath(tree.programFolder());

        tarot::frmTarot* setUp = road.setUp();
        QVERIFY(setUp);
        QVERIFY(testing::seams().messages->shown.isEmpty());
        QCOMPARE(setUp->pctCard->picture().size(), QSize(40, 50));
    }
};

SELVANTHE_TEST_MAIN(TestPictureFolders)
#include "tst_picturefolders.moc"
