// Start-up with its single-instance guard, the update reminder, and the end of the program.
#include "FindControl.h"
#include "EnvironmentKept.h"
#include "TestMain.h"

#include "FakeToolWindows.h"
#include "shell/Codec.h"
#include "app/Program.h"
#include "shell/Startup.h"
#include "shell/frmMDI.h"
#include "shell/frmStartup.h"
#include "shell/modHelp.h"

#include <QDir>

#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLockFile>
#include <QMessageBox>
#include <QProcess>
#include <QSettings>
#include <QSysInfo>
#include <QTemporaryDir>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <thread>
#include <csignal>
#include <sys/stat.h>
#include <grp.h>
#include <pwd.h>
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

// The sizes an icon holds, smallest first.
QList<QSize> sizesOf(const QIcon& icon)
{
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    return sizes;
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

// The user the guard's other processes run as. Where the test runs as the superuser, for whom no folder
// is closed, a user of no standing (one of its own for each run, so that runs side by side never meet in
// the system's temporary folder); otherwise the test's own user.
uid_t probeUser()
{
    static const uid_t uid = ::getuid() == 0 ? static_cast<uid_t>(200000 + ::getpid() % 100000) : ::getuid();
    return uid;
}

// Runs the process as the probe's user.
void runAsProbeUser(QProcess& process)
{
    if (::getuid() != 0)
        return;
    const uid_t uid = probeUser();
    process.setChildProcessModifier([uid] {
        if (::setgroups(0, nullptr) != 0 || ::setgid(uid) != 0 || ::setuid(uid) != 0)
            ::_exit(127);
    });
}

// Whether the probe's user may search a folder (or run a program): asked of the system as that user, so
// every folder above it counts, as it does for the probe itself. A build under a private home (a
// container's /root is 0700) is out of reach for a user of no standing.
bool probeUserCanReach(const QString& path)
{
    QProcess test;
    runAsProbeUser(test);
    test.start(QStringLiteral("/usr/bin/test"), {QStringLiteral("-x"), path});
    return test.waitForFinished(10000) && test.exitStatus() == QProcess::NormalExit && test.exitCode() == 0;
}

// Where the folders the probe's user works in are made: the test's own temporary folder where that user
// can reach it, else the system's.
QString probeArea()
{
    static const QString area = probeUserCanReach(QDir::tempPath()) ? QDir::tempPath() : QStringLiteral("/tmp");
    return area;
}

// A folder of the test's own, made where the probe's user can reach it.
class ProbeFolder : public QTemporaryDir {
public:
    ProbeFolder() : QTemporaryDir(probeArea() + QStringLiteral("/tst_startup-XXXXXX")) {}
};

// A program as the probe's user can start it: where it was built, or else a copy in a folder that user
// can reach, made once for the run.
QString probeProgram(const QString& built)
{
    if (probeUserCanReach(built))
        return built;
    static ProbeFolder copies;
    const QString copy = copies.filePath(QFileInfo(built).fileName());
    if (!QFileInfo::exists(copy) &&
        (!QFile::copy(built, copy) || ::chmod(QFile::encodeName(copies.path()).constData(), 0755) != 0 ||
         ::chmod(QFile::encodeName(copy).constData(), 0755) != 0))
        return built;
    return copy;
}

// Hands a folder to the probe's user, so that it may write there.
bool giveToProbeUser(const QString& folder)
{
    const QByteArray native = QFile::encodeName(folder);
    return ::chmod(native.constData(), 0755) == 0 &&
           (::getuid() != 0 || ::chown(native.constData(), probeUser(), probeUser()) == 0);
}

// Lets the probe's user through a folder the test made (QTemporaryDir makes it for its owner alone).
bool openToProbeUser(const QString& folder) { return ::chmod(QFile::encodeName(folder).constData(), 0755) == 0; }

// Closes a folder to writing for the probe's user, whoever that is: its owner too, so also where the test
// runs as an ordinary user, who is the probe's user and owns the folder.
bool closeToProbeUser(const QString& folder) { return ::chmod(QFile::encodeName(folder).constData(), 0555) == 0; }

// Another copy's guard, in a process of its own run as the probe's user: it asks as the program does and
// holds what it took until it is ended.
class GuardProbe {
public:
    GuardProbe(const QProcessEnvironment& env, const QString& startFolder, const QStringList& lockPaths = {})
    {
        process_.setProcessEnvironment(env);
        process_.setWorkingDirectory(startFolder);
        runAsProbeUser(process_);
        process_.start(probeProgram(QCoreApplication::applicationDirPath() + QStringLiteral("/lock_probe")), lockPaths);
        if (process_.waitForStarted() && process_.waitForReadyRead(20000))
            answer_ = QString::fromLocal8Bit(process_.readLine()).trimmed();
        else
            answer_ = QStringLiteral("no answer: ") + process_.errorString() +
                      QString::fromLocal8Bit(process_.readAllStandardError());
    }
    ~GuardProbe() { end(); }
    QString answer() const { return answer_; }
    // Ends the copy as a copy ends: its lock is given up.
    void end()
    {
        if (process_.state() == QProcess::NotRunning)
            return;
        process_.closeWriteChannel();
        if (!process_.waitForFinished(10000))
            process_.kill();
        process_.waitForFinished();
    }

private:
    QProcess process_;
    QString answer_;
};

const QString kRuns = QStringLiteral("runs");
const QString kAnotherRuns = QStringLiteral("another copy runs");

QProcessEnvironment probeEnvironment(const QString& temporaryFolder)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    env.insert(QStringLiteral("TMPDIR"), temporaryFolder);
    return env;
}

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System);
}


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
        auto first = platform::makeLockFileGuard({path});
        auto second = platform::makeLockFileGuard({path});
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
        QTest::newRow("a folder where the lock should be") << "folder";
    }
    void lockThatCannotBeMadeLetsTheProgramStart()
    {
        QFETCH(QString, where);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));

        seams().guard->real = platform::makeLockFileGuard({dir.filePath(where)});
        auto* startup = platform::Forms::Get<shell::frmStartup>();
        QVERIFY(startup->continuesRunning());
        QVERIFY(seams().messages->shown.isEmpty());
        QVERIFY(shell::MDI() && shell::MDI()->isVisible());
        QCOMPARE(entries(dir.path()), (QStringList{"file", "folder"}));
        QVERIFY(entries(dir.filePath(QStringLiteral("folder"))).isEmpty());
    }

    // A folder the user may not write into, tried as a user to whom that applies: the copy runs without
    // a lock and makes nothing there; a second copy runs as well.
    void lockInAFolderTheUserCannotWrite()
    {
        ProbeFolder dir;
        QVERIFY(closeToProbeUser(dir.path()));
        const QString lock = dir.filePath(QStringLiteral("selvanthe.lock"));
        GuardProbe first(probeEnvironment(dir.path()), dir.path(), {lock});
        GuardProbe second(probeEnvironment(dir.path()), dir.path(), {lock});
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 0700) == 0);
        QCOMPARE(first.answer(), kRuns);
        QCOMPARE(second.answer(), kRuns);
        QVERIFY(entries(dir.path()).isEmpty());
    }

    // The lock lives in the desktop's runtime folder, then in the temporary folder, one per user. A
    // temporary folder that is not there is replaced by the system's own, never by the folder the program
    // was started from.
    void lockPaths()
    {
        testing::EnvironmentKept runtimeKept("XDG_RUNTIME_DIR");
        testing::EnvironmentKept tmpKept("TMPDIR");
        if (!QFileInfo(QStringLiteral("/tmp")).isDir() || ::access("/tmp", W_OK | X_OK) != 0)
            QSKIP("this machine has no /tmp to write into");
        QTemporaryDir tmp;
        const QString mine = QStringLiteral("selvanthe-%1.lock").arg(::getuid());
        const QString inTmp = QFileInfo(tmp.path()).canonicalFilePath() + QLatin1Char('/') + mine;
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        qputenv("XDG_RUNTIME_DIR", "/run/user/4321");
        QCOMPARE(platform::instanceLockPaths(), (QStringList{"/run/user/4321/selvanthe.lock", inTmp}));
        for (const char* unusable : {"", "relative/folder"}) {
            qputenv("XDG_RUNTIME_DIR", unusable);
            QCOMPARE(platform::instanceLockPaths(), QStringList{inTmp});
        }
        qunsetenv("XDG_RUNTIME_DIR");
        // A relative one, there or not, names another folder from each folder the program starts in.
        for (const char* unusable : {"/selvanthe-missing-temporary-folder", "", "relative-and-missing", "."}) {
            qputenv("TMPDIR", unusable);
            QCOMPARE(platform::instanceLockPaths(), QStringList{"/tmp/" + mine});
            QCOMPARE(platform::temporaryFolder(), QStringLiteral("/tmp"));
            // Qt's own users of the temporary folder are handed the same one.
            platform::settleTemporaryFolder();
            QCOMPARE(QDir::tempPath(), QStringLiteral("/tmp"));
        }
    }

    // With no runtime folder and a TMPDIR that is not there, or one that is a relative path, two copies
    // started from two folders: the second is told of the first, the lock lies in the system's temporary
    // folder and goes with the first copy, and neither folder they were started from gets a file.
    void twoCopiesWithoutATemporaryFolder_data()
    {
        QTest::addColumn<QString>("tmpdir");
        QTest::newRow("not there") << "/selvanthe-missing-temporary-folder";
        QTest::newRow("a relative path") << ".";
    }
    void twoCopiesWithoutATemporaryFolder()
    {
        QFETCH(QString, tmpdir);
        const QString missing = QStringLiteral("/selvanthe-missing-temporary-folder");
        QVERIFY(!QFileInfo::exists(missing));
        const QString lock = QStringLiteral("/tmp/selvanthe-%1.lock").arg(probeUser());
        QVERIFY2(!QFileInfo::exists(lock), qPrintable(lock + " is left from elsewhere"));
        ProbeFolder here;
        ProbeFolder there;
        QVERIFY(giveToProbeUser(here.path()) && giveToProbeUser(there.path()));
        {
            GuardProbe first(probeEnvironment(tmpdir), here.path());
            QCOMPARE(first.answer(), kRuns);
            QVERIFY(QFileInfo(lock).isFile());
            GuardProbe second(probeEnvironment(tmpdir), there.path());
            QCOMPARE(second.answer(), kAnotherRuns);
            first.end();
            QVERIFY(!QFileInfo::exists(lock));
        }
        QVERIFY(entries(here.path()).isEmpty());
        QVERIFY(entries(there.path()).isEmpty());
        QVERIFY(!QFileInfo::exists(missing));
    }

    // One copy started with a runtime folder (from the desktop's menu) and one without (from a su, sudo
    // or cron shell), in either order: the second is told of the first, and one that is told leaves
    // nothing behind.
    void copiesWithAndWithoutARuntimeFolder_data()
    {
        QTest::addColumn<bool>("runtimeFirst");
        QTest::newRow("with a runtime folder first") << true;
        QTest::newRow("without a runtime folder first") << false;
    }
    void copiesWithAndWithoutARuntimeFolder()
    {
        QFETCH(bool, runtimeFirst);
        ProbeFolder dir;
        QVERIFY(openToProbeUser(dir.path()));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("runtime")) && giveToProbeUser(dir.filePath("runtime")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tmp")) && giveToProbeUser(dir.filePath("tmp")));
        const QProcessEnvironment without = probeEnvironment(dir.filePath(QStringLiteral("tmp")));
        QProcessEnvironment with = without;
        with.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(QStringLiteral("runtime")));

        GuardProbe first(runtimeFirst ? with : without, dir.path());
        QCOMPARE(first.answer(), kRuns);
        GuardProbe second(runtimeFirst ? without : with, dir.path());
        QCOMPARE(second.answer(), kAnotherRuns);
        second.end();
        if (!runtimeFirst)
            QVERIFY(entries(dir.filePath(QStringLiteral("runtime"))).isEmpty());
        // The first still holds the guard for a third copy, from either start.
        GuardProbe third(runtimeFirst ? without : with, dir.path());
        QCOMPARE(third.answer(), kAnotherRuns);
    }

    // A lock file another user left under this user's name in a folder everyone shares (the system's
    // temporary folder is one): it names a live copy on this machine, yet it is no lock of this user's,
    // and the copy runs. Only the superuser can leave another user's file there for a test.
    void lockFileOfAnotherUser()
    {
        if (::getuid() != 0)
            QSKIP("only the superuser can leave a file of another user's for the probe");
        ProbeFolder dir;
        QVERIFY(::chmod(QFile::encodeName(dir.path()).constData(), 01777) == 0);
        const QString lock = dir.filePath(QStringLiteral("selvanthe-%1.lock").arg(probeUser()));
        {
            QFile file(lock);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(QByteArray::number(QCoreApplication::applicationPid()) + "\nselvanthe\n" +
                       QSysInfo::machineHostName().toUtf8() + "\n");
            QVERIFY(::chmod(QFile::encodeName(lock).constData(), 0644) == 0);
        }
        GuardProbe copy(probeEnvironment(dir.path()), dir.path());
        QCOMPARE(copy.answer(), kRuns);
        GuardProbe again(probeEnvironment(dir.path()), dir.path());
        QCOMPARE(again.answer(), kRuns);
        QCOMPARE(entries(dir.path()), QStringList {QFileInfo(lock).fileName()});
    }

    // A runtime folder that cannot hold the lock (not there, not writable for the user, a file in its
    // place): the lock goes to the temporary folder, and a second copy is still told of the first.
    void twoCopiesWithAnUnusableRuntimeFolder_data()
    {
        QTest::addColumn<QString>("runtime");
        QTest::newRow("missing") << "missing";
        QTest::newRow("not writable") << "closed";
        QTest::newRow("a file") << "file";
    }
    void twoCopiesWithAnUnusableRuntimeFolder()
    {
        QFETCH(QString, runtime);
        ProbeFolder dir;
        QVERIFY(openToProbeUser(dir.path()));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("closed")) && closeToProbeUser(dir.filePath("closed")));
        QFile file(dir.filePath(QStringLiteral("file")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tmp")) && giveToProbeUser(dir.filePath("tmp")));
        QProcessEnvironment env = probeEnvironment(dir.filePath(QStringLiteral("tmp")));
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir.filePath(runtime));

        GuardProbe first(env, dir.path());
        QCOMPARE(first.answer(), kRuns);
        QCOMPARE(entries(dir.filePath(QStringLiteral("tmp"))),
                 QStringList{QStringLiteral("selvanthe-%1.lock").arg(probeUser())});
        GuardProbe second(env, dir.path());
        QCOMPARE(second.answer(), kAnotherRuns);
        QVERIFY(entries(dir.filePath(QStringLiteral("closed"))).isEmpty());
        QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("missing"))));
    }

    // A lock whose holder is on another machine cannot be checked: believed while it is young, it no
    // longer keeps the user out once it is older than any run. A copy that runs here keeps its lock
    // however long it has run.
    void lockFromAnotherMachine_data()
    {
        QTest::addColumn<QString>("host");  // empty: a copy on this machine holds it
        QTest::addColumn<int>("ageDays");
        QTest::addColumn<bool>("anotherRuns");
        QTest::newRow("another machine, years ago") << "faraway-host" << 3 * 365 << false;
        QTest::newRow("another machine, two days ago") << "faraway-host" << 2 << false;
        QTest::newRow("another machine, a minute ago") << "faraway-host" << 0 << true;
        QTest::newRow("this machine, running for years") << "" << 3 * 365 << true;
    }
    void lockFromAnotherMachine()
    {
        QFETCH(QString, host);
        QFETCH(int, ageDays);
        QFETCH(bool, anotherRuns);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("selvanthe.lock"));
        auto holder = platform::makeLockFileGuard({path});
        if (host.isEmpty()) {
            QVERIFY(!holder->previousInstance());
        } else {
            QFile lock(path);
            QVERIFY(lock.open(QIODevice::WriteOnly));
            lock.write("4242\nselvanthe\n" + host.toUtf8() + "\n");
        }
        QFile lock(path);
        QVERIFY(lock.open(QIODevice::ReadWrite));
        QVERIFY(lock.setFileTime(QDateTime::currentDateTime().addDays(-ageDays).addSecs(-60),
                                 QFileDevice::FileModificationTime));
        lock.close();
        auto next = platform::makeLockFileGuard({path});
        QCOMPARE(next->previousInstance(), anotherRuns);
        if (!anotherRuns) {
            // Taken over: the lock is this copy's now.
            qint64 pid = 0;
            QString name, where;
            QLockFile check(path);
            QVERIFY(check.getLockInfo(&pid, &name, &where));
            QCOMPARE(pid, QCoreApplication::applicationPid());
        }
        next->release();
        holder->release();
    }

    // The program itself: a copy killed outright leaves its lock behind, and the next start takes it
    // over; with no runtime folder and a temporary folder that is missing, it starts and makes nothing.
    void programKilledNeverBlocksTheNextStart()
    {
        const QString program = QStringLiteral(SELVANTHE_RUNTIME_DIR "/selvanthe");
        if (!QFileInfo(program).isExecutable())
            QSKIP("the program is not built");
        ProbeFolder home;
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
        auto next = platform::makeLockFileGuard({lock});
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
        QVERIFY(giveToProbeUser(home.path()));
        // Qt's own runtime folder for the probe's user, as Qt names it, which this start may make.
        const passwd* account = ::getpwuid(probeUser());
        const QString qtRuntime =
            QStringLiteral("/tmp/runtime-") + QString::fromLocal8Bit(account ? account->pw_name : "");
        const bool hadQtRuntime = QFileInfo::exists(qtRuntime);
        QProcess alone;
        alone.setProcessEnvironment(env);
        alone.setWorkingDirectory(home.path());
        runAsProbeUser(alone);
        QByteArray said;
        QObject::connect(&alone, &QProcess::readyReadStandardError, [&] { said += alone.readAllStandardError(); });
        alone.start(probeProgram(program), {});
        QVERIFY(alone.waitForStarted());
        const QString lockInTmp = QStringLiteral("/tmp/selvanthe-%1.lock").arg(probeUser());
        QTRY_VERIFY2_WITH_TIMEOUT(QFileInfo::exists(lockInTmp), qPrintable(QString::number(alone.state()) + said),
                                  20000);
        QVERIFY(!alone.waitForFinished(1000));  // still running
        alone.kill();
        alone.waitForFinished();
        QFile::remove(lockInTmp);
        // Qt's own runtime folder, which it makes in the temporary folder where the desktop gives none, is
        // looked for in the folder the program found, not at the root.
        said += alone.readAllStandardError();
        if (!hadQtRuntime)
            QDir().rmdir(qtRuntime);
        QVERIFY2(!said.contains("'/runtime-"), said.constData());
        QVERIFY(!QFileInfo::exists(missing));
        QVERIFY(!QFileInfo::exists(home.filePath(QStringLiteral("selvanthe-%1.lock").arg(probeUser()))));
    }

    // A named pipe where the program's settings file should be: the program starts on its defaults, and
    // never opens it, which would wait for a writer before any window, the single-instance lock already
    // taken. A writer stands by the whole time, so that an opening is seen (and lets go at once). The
    // pipe stays as it was.
    void settingsFileThatIsAPipe()
    {
        testing::EnvironmentKept config("XDG_CONFIG_HOME");
        QTemporaryDir home;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        QVERIFY(QDir(home.path()).mkdir(QStringLiteral("Selvanthe")));
        const QByteArray pipe = QFile::encodeName(home.filePath(QStringLiteral("Selvanthe/Selvanthe.ini")));
        QVERIFY(::mkfifo(pipe.constData(), 0600) == 0);
        std::atomic<bool> done {false};
        std::atomic<bool> opened {false};
        std::thread writer([&] {
            while (!done) {
                // Opening a pipe to write without waiting works only while something has it open to read.
                const int fd = ::open(pipe.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
                if (fd >= 0) {
                    opened = true;
                    ::close(fd);
                }
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        });
        platform::setSettingsStore(platform::makeIniSettingsStore(QString()));
        auto* startup = platform::Forms::Get<shell::frmStartup>();
        const bool runs = startup && startup->continuesRunning();
        done = true;
        writer.join();
        QVERIFY(runs);
        QVERIFY(!opened);
        QVERIFY(shell::MDI() && shell::MDI()->isVisible());
        QVERIFY(seams().messages->shown.isEmpty()); // a first run, as far as the program knows
        struct stat st {};
        QVERIFY(::stat(pipe.constData(), &st) == 0 && S_ISFIFO(st.st_mode));
    }

    void onlyCopyRemindsThenOpensTheMainWindow()
    {
        auto* startup = platform::Forms::Get<shell::frmStartup>();
        QVERIFY(startup->continuesRunning());
        QCOMPARE(startup->windowTitle(), QStringLiteral("Selvanthe v1.15"));
        QCOMPARE(testing::control<QLabel>(startup, "lblStartupCaption")->text(), QStringLiteral("Selvanthe v1.15"));
        QVERIFY(!startup->isVisible());
        QVERIFY(!storedDate().isEmpty());
        auto* mdi = shell::MDI();
        QVERIFY(mdi);
        QVERIFY(mdi->isVisible());
        QCOMPARE(mdi->windowTitle(), QStringLiteral("Selvanthe v1.15"));
        QVERIFY(seams().messages->shown.isEmpty());
    }

    // The program's icon at every size of the desktop's icon theme, on the message boxes start-up shows
    // before any window (as the program makes its boxes: on the parent they are given) and on the main
    // window.
    void programIconOnTheFirstBoxesAndTheMainWindow_data()
    {
        QTest::addColumn<bool>("anotherCopy");
        QTest::newRow("already running") << true;
        QTest::newRow("update question") << false;
    }
    void programIconOnTheFirstBoxesAndTheMainWindow()
    {
        QFETCH(bool, anotherCopy);
        const QList<QSize> everySize{{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}, {128, 128}, {256, 256}};
        seams().guard->anotherRunning = anotherCopy;
        storeDate(seams().clock->current.addDays(-30));
        QList<QSize> onTheBox;
        seams().messages->whileShown = [&] {
            QMessageBox box(seams().messages->shown.constLast().parent);
            onTheBox = sizesOf(box.windowIcon());
        };
        QCOMPARE(app::StartProgram(), !anotherCopy);
        QCOMPARE(seams().messages->shown.size(), 1);
        QCOMPARE(onTheBox, everySize);
        if (!anotherCopy)
            QCOMPARE(sizesOf(shell::MDI()->windowIcon()), everySize);
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
