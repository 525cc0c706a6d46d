// Start-up with its single-instance guard, the update reminder, and the end of the program.
#include "TestMain.h"

#include "FakeToolWindows.h"
#include "shell/Codec.h"
#include "shell/frmMDI.h"
#include "shell/frmStartup.h"
#include "shell/modHelp.h"

#include <QDir>

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

using testing::seams;

namespace {

const QString kDownload = QStringLiteral("https://www.selvanthe.example/selvanthe/ssd.php?page=download-web-page");

QByteArray storedRaw()
{
    return platform::settingsStore().get(QStringLiteral("Selvanthe"), QStringLiteral("Settings"),
                                         shell::EncodeString("Duration"));
}

QString storedDate() { return QString::fromLatin1(shell::DecodeString(storedRaw())); }

void storeDate(const QDateTime& when)
{
    platform::settingsStore().set(QStringLiteral("Selvanthe"), QStringLiteral("Settings"),
                                  shell::EncodeString("Duration"),
                                  shell::EncodeString(when.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toLatin1()));
}

class ThrowingStore : public platform::ISettingsStore {
public:
    QByteArray get(const QString&, const QString&, const QByteArray&) override
    {
        throw std::runtime_error("settings store unreadable");
    }
    void set(const QString&, const QString&, const QByteArray&, const QByteArray&) override {}
    void sync() override {}
};

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void init() { testing::freshProgram(); }

    void secondCopyOnlySaysSoAndEnds()
    {
        seams().guard->anotherRunning = true;
        auto* startup = platform::Forms::Get<shell::frmStartup>();
        QVERIFY(startup);
        QVERIFY(!startup->continuesRunning());
        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(seams().messages->shown[0].text, QStringLiteral("Application is already running"));
        QCOMPARE(seams().messages->shown[0].title, QStringLiteral("Selvanthe"));
        QCOMPARE(seams().messages->shown[0].icon, platform::MsgIcon::Information);
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmMDI")));
        QVERIFY(storedRaw().isEmpty());  // the reminder never ran
    }

    void lockFileTellsASecondCopy()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("selvanthe.lock"));
        auto first = platform::makeLockFileGuard(path);
        auto second = platform::makeLockFileGuard(path);
        QVERIFY(!first->previousInstance());
        QVERIFY(second->previousInstance());
        QVERIFY(!first->previousInstance());  // asking again does not lose the lock
        first->release();
        QVERIFY(!second->previousInstance());
    }

    // A lock that cannot be made never keeps the user out, and nothing is made on the way to it.
    void lockThatCannotBeMadeLetsTheProgramStart_data()
    {
        QTest::addColumn<QString>("where");
        QTest::newRow("missing folder") << "missing/selvanthe.lock";
        QTest::newRow("a file where the folder should be") << "file/selvanthe.lock";
        QTest::newRow("read-only folder") << "readonly/selvanthe.lock";
    }
    void lockThatCannotBeMadeLetsTheProgramStart()
    {
        QFETCH(QString, where);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("readonly")));
        QVERIFY(::chmod(QFile::encodeName(dir.filePath(QStringLiteral("readonly"))).constData(), 0500) == 0);

        seams().guard->real = platform::makeLockFileGuard(dir.filePath(where));
        auto* startup = platform::Forms::Get<shell::frmStartup>();
        QVERIFY(startup->continuesRunning());
        QVERIFY(seams().messages->shown.isEmpty());
        QVERIFY(shell::MDI() && shell::MDI()->isVisible());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
        QVERIFY(::chmod(QFile::encodeName(dir.filePath(QStringLiteral("readonly"))).constData(), 0700) == 0);
    }

    // The lock lives in the desktop's runtime folder, else in the temporary folder, one per user.
    void lockPath()
    {
        const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", "/run/user/4321");
        QCOMPARE(platform::instanceLockPath(), QStringLiteral("/run/user/4321/selvanthe.lock"));
        for (const char* unusable : {"", "relative/folder"}) {
            qputenv("XDG_RUNTIME_DIR", unusable);
            QCOMPARE(platform::instanceLockPath(),
                     QDir(QDir::tempPath()).filePath(QStringLiteral("selvanthe-%1.lock").arg(::getuid())));
        }
        if (runtime.isNull())
            qunsetenv("XDG_RUNTIME_DIR");
        else
            qputenv("XDG_RUNTIME_DIR", runtime);
    }

    // The program itself: a copy killed outright leaves its lock behind, and the next start takes it
    // over; with no runtime folder and a temporary folder that is missing, it starts and makes nothing.
    void programKilledNeverBlocksTheNextStart()
    {
        const QString program = QStringLiteral(SELVANTHE_RUNTIME_DIR "/selvanthe");
        if (!QFileInfo(program).isExecutable())
            QSKIP("the program is not built");
        QTemporaryDir home;
        QTemporaryDir runtime;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), home.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());

        QProcess first;
        first.setProcessEnvironment(env);
        first.start(program, {});
        QVERIFY(first.waitForStarted());
        const QString lock = runtime.filePath(QStringLiteral("selvanthe.lock"));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(lock), 20000);
        auto next = platform::makeLockFileGuard(lock);
        QVERIFY(next->previousInstance());  // the running copy holds it
        ::kill(static_cast<pid_t>(first.processId()), SIGKILL);
        QVERIFY(first.waitForFinished());
        QVERIFY(QFileInfo::exists(lock));
        QVERIFY(!next->previousInstance());
        next->release();

        const QString missing = QStringLiteral("/selvanthe-missing-temporary-folder");
        QVERIFY(!QFileInfo::exists(missing));
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
        env.insert(QStringLiteral("TMPDIR"), missing);
        QProcess alone;
        alone.setProcessEnvironment(env);
        alone.start(program, {});
        QVERIFY(alone.waitForStarted());
        QVERIFY(!alone.waitForFinished(2000));  // still running
        alone.kill();
        alone.waitForFinished();
        QVERIFY(!QFileInfo::exists(missing));
    }

    void onlyCopyRemindsThenOpensTheMainWindow()
    {
        auto* startup = platform::Forms::Get<shell::frmStartup>();
        QVERIFY(startup->continuesRunning());
        QCOMPARE(startup->windowTitle(), QStringLiteral("Selvanthe v1.15"));
        QCOMPARE(startup->lblStartupCaption->text(), QStringLiteral("Selvanthe v1.15"));
        QVERIFY(!startup->isVisible());
        QVERIFY(!storedDate().isEmpty());
        auto* mdi = shell::MDI();
        QVERIFY(mdi);
        QVERIFY(mdi->isVisible());
        QCOMPARE(mdi->windowTitle(), QStringLiteral("Selvanthe v1.15"));
        QVERIFY(seams().messages->shown.isEmpty());
    }

    void failingReminderStillOpensTheMainWindow()
    {
        platform::setSettingsStore(std::make_unique<ThrowingStore>());
        auto* startup = platform::Forms::Get<shell::frmStartup>();
        QVERIFY(startup->continuesRunning());
        QVERIFY(shell::MDI() && shell::MDI()->isVisible());
    }

    void reminder_data()
    {
        QTest::addColumn<QDateTime>("stored");
        QTest::addColumn<bool>("asks");
        const QDateTime now(QDate(2026, 12, 10), QTime(0, 1, 0));
        QTest::newRow("14 days ago") << now.addDays(-14) << false;
        QTest::newRow("14 days ahead") << now.addDays(14) << false;
        QTest::newRow("15 days ago, late in the day") << QDateTime(QDate(2026, 11, 25), QTime(23, 59, 0)) << true;
        QTest::newRow("15 days ahead") << now.addDays(15) << true;
        QTest::newRow("today") << now << false;
    }
    void reminder()
    {
        QFETCH(QDateTime, stored);
        QFETCH(bool, asks);
        seams().clock->current = QDateTime(QDate(2026, 12, 10), QTime(0, 1, 0));
        storeDate(stored);
        const QByteArray before = storedRaw();
        shell::AskForUpdate();
        QCOMPARE(seams().messages->shown.size(), asks ? 1 : 0);
        if (asks) {
            const testing::ShownMessage& m = seams().messages->shown[0];
            QCOMPARE(m.text, QStringLiteral("There maybe an update to this software available\n"
                                            "Do you want to check for an update?"));
            QCOMPARE(m.buttons, platform::MsgButtons::YesNo);
            QCOMPARE(m.icon, platform::MsgIcon::Information);
            // Answered No: no page, and the date renewed all the same.
            QVERIFY(seams().shell->opened.isEmpty());
            QCOMPARE(storedDate(), QStringLiteral("2026-12-10T00:01:00"));
        } else {
            QCOMPARE(storedRaw(), before);
        }
    }

    void reminderFirstRunAndUnreadableValueStoreSilently()
    {
        shell::AskForUpdate();
        QVERIFY(seams().messages->shown.isEmpty());
        QCOMPARE(storedDate(), QStringLiteral("2026-12-10T10:00:00"));

        platform::settingsStore().set(QStringLiteral("Selvanthe"), QStringLiteral("Settings"),
                                      shell::EncodeString("Duration"), shell::EncodeString("12/8/2009 7:30:15 PM"));
        shell::AskForUpdate();
        QVERIFY(seams().messages->shown.isEmpty());
        QCOMPARE(storedDate(), QStringLiteral("2026-12-10T10:00:00"));
    }

    void reminderYesStoresThenOpensTheDownloadPage()
    {
        storeDate(seams().clock->current.addDays(-30));
        seams().messages->answers.enqueue(platform::MsgResult::Yes);
        QString dateWhenOpened;
        seams().shell->onOpen = [&](const QString&) { dateWhenOpened = storedDate(); };
        shell::AskForUpdate();
        QCOMPARE(seams().shell->opened, QStringList{kDownload});
        QCOMPARE(dateWhenOpened, QStringLiteral("2026-12-10T10:00:00"));
    }

    void reminderKeepsKeyAndValueEncodedInTheStore()
    {
        shell::AskForUpdate();
        platform::settingsStore().sync();
        QSettings raw(seams().settingsFile, QSettings::IniFormat);
        const QStringList keys = raw.allKeys();
        QCOMPARE(keys.size(), 1);
        QCOMPARE(keys[0], QStringLiteral("Settings/") + QString::fromLatin1("\x99\xCA\xC7\xB6\xC9\xBE\xC4\xC3"));
        QCOMPARE(raw.value(keys[0]).toString().toLatin1(), shell::EncodeString("2026-12-10T10:00:00"));
    }

    void quitUnloadsEachWindowOnceInLoadOrderAndEnds()
    {
        QStringList log;
        testing::registerFakeToolWindows(&log);
        platform::Forms::Get<shell::frmStartup>();
        // Unload routines that ask to quit again while the program is ending.
        for (const char* name : {"frmTarotOpen", "frmRunicTarotMain", "frmAuto"}) {
            platform::Forms::Register(QString::fromLatin1(name), [name, &log] {
                auto* f = new testing::FakeToolWindow(QString::fromLatin1(name), &log);
                QObject::connect(f, &platform::Form::unloaded, [] { shell::QuitApplication(); });
                return f;
            });
            platform::Forms::Get(QString::fromLatin1(name));
        }
        log.clear();
        QVERIFY_THROWS_EXCEPTION(testing::ProcessEnded, shell::QuitApplication());
        QCOMPARE(seams().exit->exits, 1);
        QCOMPARE(log, (QStringList{QStringLiteral("unload:frmTarotOpen"), QStringLiteral("unload:frmRunicTarotMain"),
                                   QStringLiteral("unload:frmAuto")}));
        QVERIFY(platform::Forms::Loaded().isEmpty());
        QVERIFY(!platform::Forms::IsLoaded(QStringLiteral("frmExitScreen")));
        // Nothing loads while the program ends.
        QVERIFY(!platform::Forms::Get(QStringLiteral("frmTarotOpen")));
    }
};

SELVANTHE_TEST_MAIN(TestStartup)
#include "tst_startup.moc"
