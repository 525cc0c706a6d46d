// What `cmake --install` lays out, checked in the installation given on the command line:
//   install_tst_installed <prefix> [Qt Test options]
// The program alone in the games' folder; its pictures found from there by the program's own search, and
// from the desktop's data folders, every picture the build drew in its place; a desktop entry, icons and metainfo that name one another and the
// program as it names itself.
#include "platform/PictureFiles.h"
#include "platform/PictureFolders.h"
#include "shell/Startup.h"
#include "tarot/CardTable.h"
#include "tarot/SpreadCatalogue.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <cstdio>
#include <vector>

namespace {

// The keys of a desktop entry's main group.
QMap<QString, QString> readDesktopEntry(const QString& path)
{
    QFile file(path);
    QMap<QString, QString> keys;
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return keys;
    bool inMain = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.startsWith(QLatin1Char('[')))
            inMain = line == QLatin1String("[Desktop Entry]");
        else if (inMain && line.contains(QLatin1Char('=')) && !line.startsWith(QLatin1Char('#')))
            keys.insert(line.section(QLatin1Char('='), 0, 0).trimmed(), line.section(QLatin1Char('='), 1).trimmed());
    }
    return keys;
}

// From the metainfo file: the component's type, the text of its id, launchable and binary, and the type
// of the launchable.
QMap<QString, QString> readMetainfo(const QString& path)
{
    QFile file(path);
    QMap<QString, QString> values;
    if (!file.open(QIODevice::ReadOnly))
        return values;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QString name = xml.name().toString();
        if (name == QLatin1String("component") || name == QLatin1String("launchable"))
            values.insert(name + QStringLiteral(".type"), xml.attributes().value(QLatin1String("type")).toString());
        if (name == QLatin1String("id") || name == QLatin1String("launchable") || name == QLatin1String("binary"))
            values.insert(name, xml.readElementText().trimmed());
    }
    if (xml.hasError())
        values.insert(QStringLiteral("error"), xml.errorString());
    return values;
}

} // namespace

class TestInstalled : public QObject {
    Q_OBJECT
    const QDir prefix;

    QString bin() const { return prefix.filePath(QStringLiteral(SELVANTHE_INSTALL_PROGRAM_DIR)); }
    QString data(const QString& rel) const
    {
        return QDir(prefix.filePath(QStringLiteral(SELVANTHE_INSTALL_DATADIR))).filePath(rel);
    }
    // Where a game's data goes.
    QString pictureData() const { return data(QStringLiteral("games/selvanthe")); }

public:
    explicit TestInstalled(const QString& prefixPath) : prefix(prefixPath) {}

private slots:
    void initTestCase() { QVERIFY2(prefix.exists(), qPrintable(prefix.path())); }

    void onlyTheProgramInBin()
    {
        const QStringList entries = QDir(bin()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QCOMPARE(entries, QStringList{QStringLiteral("selvanthe")});
        const QFileInfo program(QDir(bin()).filePath(QStringLiteral("selvanthe")));
        QVERIFY(program.isFile() && program.isExecutable());
    }

    // From <prefix>/games, where the installed program runs, its own search lands on the data folder, and
    // every picture the tarot tool asks for is there and readable, with its twin for dense screens beside
    // it at twice the size.
    void picturesFoundBesideTheProgram()
    {
        const QString root = platform::FindPictureRoot(bin(), {});
        QCOMPARE(QFileInfo(root).canonicalFilePath(), QFileInfo(pictureData()).canonicalFilePath());
        QVERIFY(platform::PictureFoldersPresent(root));
        QStringList files;
        for (int deck = 0; deck < tarot::catalogue::DeckCount; ++deck)
            for (int n = 0; n < tarot::CardCount; ++n)
                files << tarot::catalogue::CardPictureFile(root, tarot::catalogue::DeckLetterOf(deck), n);
        for (int k = 0; k < tarot::catalogue::SpreadCount; ++k)
            files << tarot::catalogue::SpreadPictureFile(root, k);
        QStringList unreadable;
        for (const QString& file : files) {
            const QImage picture(file);
            if (picture.isNull())
                unreadable << file;
            else if (QImage(platform::TwinFile(file)).size() != picture.size() * 2)
                unreadable << platform::TwinFile(file);
        }
        QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QLatin1Char('\n'))));
    }

    // Every other picture the generator drew into the folders beside the built program (its manifest
    // names them all) is in the data folder too, with its twin; the program's icon alone is compiled in.
    void everyPictureInItsPlace()
    {
        QFile manifest(QStringLiteral(SELVANTHE_RUNTIME_DIR "/picture-manifest.txt"));
        QVERIFY2(manifest.open(QIODevice::ReadOnly), qPrintable(manifest.fileName()));
        const QDir root(platform::FindPictureRoot(bin(), {}));
        QStringList missing;
        int pictures = 0;
        for (const QByteArray& line : manifest.readAll().split('\n')) {
            const QList<QByteArray> fields = line.split('\t');
            const QString name = QString::fromUtf8(fields.value(0));
            if (fields.size() < 2 || name.startsWith(QLatin1Char('#')) || name == QLatin1String("-") ||
                name.startsWith(QLatin1Char(':')))
                continue;
            ++pictures;
            const QImage picture(root.filePath(name));
            if (picture.isNull())
                missing << name;
            // The pointer alone has no twin.
            else if (fields.value(1) != "cursor" &&
                     QImage(platform::TwinFile(root.filePath(name))).size() != picture.size() * 2)
                missing << platform::TwinFile(name);
        }
        QVERIFY(pictures > 300);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(QLatin1Char('\n'))));
    }

    // A program copied elsewhere finds the pictures through the desktop's data folders.
    void picturesFoundInADataFolder()
    {
        QTemporaryDir elsewhere;
        QVERIFY(elsewhere.isValid());
        const QString root = platform::FindPictureRoot(
            elsewhere.path(), {elsewhere.filePath(QStringLiteral("nothing")), data(QString())});
        QCOMPARE(QFileInfo(root).canonicalFilePath(), QFileInfo(pictureData()).canonicalFilePath());
    }

    void desktopEntryNamesTheProgramItsIconAndItsWindow()
    {
        const QString id = shell::DesktopFileName();
        const auto entry = readDesktopEntry(data(QStringLiteral("applications/%1.desktop").arg(id)));
        QCOMPARE(entry.value(QStringLiteral("Type")), QStringLiteral("Application"));
        QCOMPARE(entry.value(QStringLiteral("Name")), QStringLiteral("Selvanthe"));
        QVERIFY(!entry.value(QStringLiteral("Comment")).isEmpty());
        QVERIFY(!entry.value(QStringLiteral("Categories")).isEmpty());
        // Exec names the installed program by its full path (of the prefix the build was made for, which
        // may not be this one): the games' folder is not on every session's PATH.
        const QFileInfo exec(entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0));
        QVERIFY2(exec.isAbsolute(), qPrintable(exec.filePath()));
        QCOMPARE(QDir(bin()).entryList(QDir::Files), QStringList{exec.fileName()});
        QCOMPARE(exec.dir().dirName(), QDir(bin()).dirName());
        QCOMPARE(entry.value(QStringLiteral("Icon")), id);
        QCOMPARE(entry.value(QStringLiteral("StartupWMClass")), shell::ApplicationName());
    }

    void iconAtEverySize()
    {
        for (int size : {16, 24, 32, 48, 64, 128, 256}) {
            const QString path = data(QStringLiteral("icons/hicolor/%1x%1/apps/%2.png").arg(size).arg(shell::DesktopFileName()));
            const QImage icon(path);
            QVERIFY2(!icon.isNull(), qPrintable(path));
            QCOMPARE(icon.size(), QSize(size, size));
            // Drawn, with a transparent corner: a round icon, not a blank or square one.
            QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(icon.pixel(size / 2, size / 2)), 255);
        }
    }

    void metainfoLaunchesTheDesktopEntry()
    {
        const QString id = shell::DesktopFileName();
        const auto meta = readMetainfo(data(QStringLiteral("metainfo/%1.metainfo.xml").arg(id)));
        QVERIFY2(!meta.contains(QStringLiteral("error")), qPrintable(meta.value(QStringLiteral("error"))));
        QCOMPARE(meta.value(QStringLiteral("component.type")), QStringLiteral("desktop-application"));
        QCOMPARE(meta.value(QStringLiteral("id")), id);
        QCOMPARE(meta.value(QStringLiteral("launchable.type")), QStringLiteral("desktop-id"));
        QCOMPARE(meta.value(QStringLiteral("launchable")), id + QStringLiteral(".desktop"));
        QCOMPARE(meta.value(QStringLiteral("binary")), QStringLiteral("selvanthe"));
    }

    void manualPage()
    {
        const QFileInfo page(prefix.filePath(QStringLiteral(SELVANTHE_INSTALL_MANDIR "/man6/selvanthe.6.gz")));
        QVERIFY2(page.isFile() && page.size() > 0, qPrintable(page.filePath()));
    }
};

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2 || argv[1][0] == '-') {
        std::fprintf(stderr, "usage: %s <installation prefix> [Qt Test options]\n", argv[0]);
        return 2;
    }
    TestInstalled tc(QString::fromLocal8Bit(argv[1]));
    std::vector<char*> rest{argv[0]};
    rest.insert(rest.end(), argv + 2, argv + argc);
    return QTest::qExec(&tc, static_cast<int>(rest.size()), rest.data());
}

#include "tst_installed.moc"
