#include "platform/Services.h"

#include "platform/Lazy.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHash>
#include <QLockFile>
#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QTextDocument>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <cstdlib>
#include <vector>
#include <unistd.h>

namespace platform {

namespace {

constexpr double kTwipsPerPixel = 15.0;

class QtMessageBoxes final : public IMessageBoxes {
public:
    MsgResult show(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons,
                   const QString& title) override
    {
        QMessageBox box(parent);
        box.setWindowTitle(title);
        box.setText(text);
        switch (icon) {
        case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
        case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
        case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
        case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
        case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
        }
        if (buttons == MsgButtons::YesNo) {
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
        } else {
            box.setStandardButtons(QMessageBox::Ok);
        }
        const int answer = box.exec();
        if (buttons == MsgButtons::YesNo)
            return answer == QMessageBox::Yes ? MsgResult::Yes : MsgResult::No;
        return MsgResult::Ok;
    }
};

class QtFileDialogs final : public IFileDialogs {
public:
    QString saveFileName(QWidget* parent, const FileDialogRequest& r) override
    {
        QFileDialog dialog(parent, r.title, QString(), r.filter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(r.defaultSuffix);
        dialog.setOption(QFileDialog::DontConfirmOverwrite, !r.overwritePrompt);
        if (!r.fileName.isEmpty())
            dialog.selectFile(r.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
    QString openFileName(QWidget* parent, const FileDialogRequest& r) override
    {
        QFileDialog dialog(parent, r.title, QString(), r.filter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        if (!r.fileName.isEmpty())
            dialog.selectFile(r.fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

class DesktopShell final : public IShell {
public:
    void openUrl(const QString& address) override
    {
        // The desktop's opener, else Debian's choice of graphical browser, each started with its output
        // going nowhere: the program's own is the session's log, and an opener writes there the whole
        // address (the referral's holds what the user typed: names and e-mail addresses) and, with a text
        // browser behind it, a screen of terminal codes. Qt's way of opening an address hands the opener
        // the program's own output, and has no other.
        for (const QString& opener : {QStringLiteral("xdg-open"), QStringLiteral("x-www-browser")}) {
            QProcess process;
            process.setProgram(opener);
            process.setArguments({address});
            process.setStandardInputFile(QProcess::nullDevice());
            process.setStandardOutputFile(QProcess::nullDevice());
            process.setStandardErrorFile(QProcess::nullDevice());
            if (process.startDetached())
                return;
        }
        MsgBox(QStringLiteral("No web browser could be started to show the page."), MsgIcon::Exclamation);
    }
};

class TimerScheduler final : public IScheduler {
public:
    void after(int ms, QObject* context, std::function<void()> fn) override
    {
        QTimer::singleShot(ms, context, std::move(fn));
    }
};

class PrimaryScreen final : public IScreenMetrics {
public:
    double widthTwips() const override { return size().width() * kTwipsPerPixel; }
    double heightTwips() const override { return size().height() * kTwipsPerPixel; }
    QRect availablePixels() const override
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size());
    }
    QMargins windowFrame(const QWidget* window) const override
    {
        const QRect outer = window->frameGeometry();
        const QRect inner = window->geometry();
        const QMargins real(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                            outer.bottom() - inner.bottom());
        // Before the window manager has framed the window: a title bar and thin borders, as most draw them.
        return real.isNull() ? QMargins(4, 28, 4, 4) : real;
    }

private:
    static QSize size()
    {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen ? screen->size() : QSize(1280, 1024);
    }
};

// The folder of a user's settings, as Qt finds it for its own settings files: $XDG_CONFIG_HOME (from the
// home folder when it is relative), else ~/.config.
QString userSettingsFolder()
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        return QDir::homePath() + QStringLiteral("/.config");
    return QDir::isAbsolutePath(config) ? config : QDir::homePath() + QLatin1Char('/') + config;
}

class IniSettingsStore final : public ISettingsStore {
public:
    explicit IniSettingsStore(const QString& filePath) : filePath_(filePath) {}
    QByteArray get(const QString& program, const QString& section, const QByteArray& key) override
    {
        if (QSettings* stored = settings(program))
            return stored->value(path(section, key)).toString().toLatin1();
        return passedOver_.value(path(section, key));
    }
    void set(const QString& program, const QString& section, const QByteArray& key,
             const QByteArray& value) override
    {
        // Latin-1 maps every byte to one character and back, so the encoded bytes are kept exactly.
        if (QSettings* stored = settings(program))
            stored->setValue(path(section, key), QString::fromLatin1(value));
        else
            passedOver_.insert(path(section, key), value);
    }
    void sync() override
    {
        if (settings_)
            settings_->sync();
    }

private:
    // The store over the program's settings file; none when something that is no regular file stands at
    // its name. Qt would open it and read, and a named pipe there would hold the start before any window
    // (with the single-instance lock already taken) until something wrote into it: the program runs on
    // its defaults instead, keeping what it sets for this run alone and never writing over what is there.
    QSettings* settings(const QString& program)
    {
        if (program != program_ || (!settings_ && !passedOverFile_)) {
            program_ = program;
            settings_.reset();
            passedOver_.clear();
            const QString file =
                filePath_.isEmpty() ? QStringLiteral("%1/%2/%2.ini").arg(userSettingsFolder(), program) : filePath_;
            const QFileInfo info(file);
            passedOverFile_ = info.exists() && !info.isFile();
            if (!passedOverFile_)
                settings_ = std::make_unique<QSettings>(file, QSettings::IniFormat);
        }
        return settings_.get();
    }
    static QString path(const QString& section, const QByteArray& key)
    {
        return section + QLatin1Char('/') + QString::fromLatin1(key);
    }

    QString filePath_;
    QString program_;
    std::unique_ptr<QSettings> settings_;
    bool passedOverFile_ = false;
    QHash<QString, QByteArray> passedOver_;
};

// A lock's holder on another machine (a temporary folder shared over the network) cannot be asked whether
// it still runs. Its lock is believed for this long after it was made, and no longer: a copy that died
// there must not keep the user out for good.
constexpr qint64 kForeignLockSeconds = 24 * 60 * 60;

class LockFileGuard final : public IInstanceGuard {
public:
    explicit LockFileGuard(QStringList paths) : paths_(std::move(paths)) {}
    bool previousInstance() override
    {
        if (!held_.empty())
            return false;
        // A copy started from the desktop has a runtime folder, one started from a su, sudo or cron shell
        // has none, and each finds the other whichever places it knows: this copy takes every place where
        // a lock can be made, and gives them all up again when another copy holds any of them.
        for (const QString& path : paths_) {
            auto lock = std::make_unique<QLockFile>(path);
            switch (tryAt(*lock, path)) {
            case Answer::Taken: held_.push_back(std::move(lock)); break;
            case Answer::Held: release(); return true;
            case Answer::Unusable: break;
            }
        }
        // No lock can be made anywhere: that must never keep the user out, so this copy runs without one.
        return false;
    }
    void release() override
    {
        for (const auto& lock : held_)
            lock->unlock();
        held_.clear();
    }

private:
    enum class Answer { Taken, Held, Unusable };

    static Answer tryAt(QLockFile& lock, const QString& path)
    {
        // Qt's own age limit would also take over the lock of a copy that runs on this machine and has
        // simply run long: a lock here is taken over only when its holder's process is gone (a copy killed
        // or crashed), which the lock file tells by the process id it keeps.
        lock.setStaleLockTime(0);
        if (lock.tryLock(100))
            return Answer::Taken;
        if (lock.error() != QLockFile::LockFailedError)
            return Answer::Unusable;
        // Something that is no lock file stands at its name: no lock can ever be made there. Nor is a file
        // of another user's this user's lock, whatever it holds: in a folder everyone shares, anyone may
        // leave one under this user's name, and this user can never take it away.
        const QFileInfo file(path);
        if (file.isSymLink() || !file.isFile() || file.ownerId() != ::geteuid())
            return Answer::Unusable;
        qint64 pid = 0;
        QString host, app;
        if (lock.getLockInfo(&pid, &host, &app)) {
            if (host.isEmpty() || host == QSysInfo::machineHostName())
                return Answer::Held;  // a live copy on this machine holds it: the lock file checked that
            const qint64 age = file.lastModified().secsTo(QDateTime::currentDateTime());
            if (std::abs(age) <= kForeignLockSeconds)
                return Answer::Held;
        }
        // A lock file that names no holder was never finished by its maker, and a holder elsewhere is long
        // gone: nobody holds it.
        lock.removeStaleLockFile();
        if (lock.tryLock(100))
            return Answer::Taken;
        return lock.error() == QLockFile::LockFailedError ? Answer::Held : Answer::Unusable;
    }

    QStringList paths_;
    std::vector<std::unique_ptr<QLockFile>> held_;
};

class RealExit final : public IProcessExit {
public:
    [[noreturn]] void exit(int code) override
    {
        // Everything the program keeps is written by now; static destructors of the toolkit must not run
        // under a live application object.
        std::fflush(nullptr);
        std::_Exit(code);
    }
};

} // namespace

QString temporaryFolder()
{
    // Qt's answer is empty when TMPDIR names a folder that is not there: a file made "in" it would land in
    // whatever folder the program was started from, and a folder in it at the root. A relative TMPDIR
    // names another folder from each folder the program is started from: Qt's answer for it is refused.
    const QString asked = qEnvironmentVariable("TMPDIR");
    const QString qts = asked.isEmpty() || QDir::isAbsolutePath(asked) ? QDir::tempPath() : QString();
    for (const QString& folder : {qts, QStringLiteral("/tmp"), QStringLiteral("/var/tmp")}) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir() &&
            ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0)
            return folder;
    }
    return QStringLiteral("/tmp");
}

void settleTemporaryFolder()
{
    // Qt asks TMPDIR itself wherever it needs a temporary folder (its runtime folder, when the desktop
    // gives none, among them): it is given the one found here.
    const QString folder = temporaryFolder();
    const QString asked = qEnvironmentVariable("TMPDIR");
    if (QDir::tempPath() != folder || (!asked.isEmpty() && !QDir::isAbsolutePath(asked)))
        qputenv("TMPDIR", QFile::encodeName(folder));
}

QStringList instanceLockPaths()
{
    QStringList paths;
    // The desktop's folder for this user's running programs; it goes when the session ends.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QDir::isAbsolutePath(runtime))
        paths << QDir(runtime).filePath(QStringLiteral("selvanthe.lock"));
    paths << QDir(temporaryFolder()).filePath(QStringLiteral("selvanthe-%1.lock").arg(::getuid()));
    return paths;
}

namespace {

struct Registry {
    std::unique_ptr<IMessageBoxes> messages;
    std::unique_ptr<IFileDialogs> files;
    std::unique_ptr<IShell> shell;
    std::unique_ptr<IScheduler> scheduler;
    std::unique_ptr<IScreenMetrics> screen;
    std::unique_ptr<ISettingsStore> settings;
    std::unique_ptr<IProcessExit> exit;
    std::unique_ptr<IInstanceGuard> guard;
    QString appPath;
};

Registry& reg()
{
    static Registry r;
    return r;
}

} // namespace

void setMessageBoxes(std::unique_ptr<IMessageBoxes> p) { reg().messages = std::move(p); }
void setFileDialogs(std::unique_ptr<IFileDialogs> p) { reg().files = std::move(p); }
void setShell(std::unique_ptr<IShell> p) { reg().shell = std::move(p); }
void setScheduler(std::unique_ptr<IScheduler> p) { reg().scheduler = std::move(p); }
void setScreenMetrics(std::unique_ptr<IScreenMetrics> p) { reg().screen = std::move(p); }
void setSettingsStore(std::unique_ptr<ISettingsStore> p) { reg().settings = std::move(p); }
void setProcessExit(std::unique_ptr<IProcessExit> p) { reg().exit = std::move(p); }
void setInstanceGuard(std::unique_ptr<IInstanceGuard> p) { reg().guard = std::move(p); }

IMessageBoxes& messageBoxes() { return lazy(reg().messages, [] { return std::make_unique<QtMessageBoxes>(); }); }
IFileDialogs& fileDialogs() { return lazy(reg().files, [] { return std::make_unique<QtFileDialogs>(); }); }
IShell& shell()
{
    return lazy(reg().shell, [] { return std::make_unique<DesktopShell>(); });
}
IScheduler& scheduler() { return lazy(reg().scheduler, [] { return std::make_unique<TimerScheduler>(); }); }
IScreenMetrics& screenMetrics()
{
    return lazy(reg().screen, [] { return std::make_unique<PrimaryScreen>(); });
}
ISettingsStore& settingsStore()
{
    return lazy(reg().settings, [] { return std::make_unique<IniSettingsStore>(QString()); });
}
IProcessExit& processExit() { return lazy(reg().exit, [] { return std::make_unique<RealExit>(); }); }
IInstanceGuard& instanceGuard()
{
    return lazy(reg().guard, [] { return std::make_unique<LockFileGuard>(instanceLockPaths()); });
}

std::unique_ptr<IShell> makeDesktopShell() { return std::make_unique<DesktopShell>(); }

std::unique_ptr<ISettingsStore> makeIniSettingsStore(const QString& filePath)
{
    return std::make_unique<IniSettingsStore>(filePath);
}
std::unique_ptr<IInstanceGuard> makeLockFileGuard(const QStringList& lockPaths)
{
    return std::make_unique<LockFileGuard>(lockPaths);
}

QWidget* windowOnView()
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* active = QApplication::activeWindow())
        return active;
    const auto tops = QApplication::topLevelWidgets();
    for (auto it = tops.crbegin(); it != tops.crend(); ++it)
        if ((*it)->isVisible() && (*it)->isWindow() && !(*it)->inherits("QMenu"))
            return *it;
    return nullptr;
}

MsgResult MsgBox(const QString& text, MsgIcon icon, MsgButtons buttons, const QString& title)
{
    return messageBoxes().show(windowOnView(), text, icon, buttons, title.isEmpty() ? AppTitle() : title);
}

void ShellOpen(const QString& address) { shell().openUrl(address); }

QString SaveFileName(QWidget* parent, const FileDialogRequest& request)
{
    const QString suffix = QLatin1Char('.') + request.defaultSuffix;
    for (;;) {
        const QString chosen = fileDialogs().saveFileName(parent, request);
        if (chosen.isEmpty() || request.defaultSuffix.isEmpty() || chosen.endsWith(suffix))
            return chosen;
        // A name that ends in a stop was left where its suffix begins.
        QString path = chosen;
        while (path.endsWith(QLatin1Char('.')))
            path.chop(1);
        path += suffix;
        if (!request.overwritePrompt || !QFileInfo::exists(path))
            return path;
        const QString question = QStringLiteral("The file %1 already exists. Do you want to replace it?")
                                     .arg(QDir::toNativeSeparators(path));
        if (MsgBox(question, MsgIcon::Question, MsgButtons::YesNo, request.title) == MsgResult::Yes)
            return path;
    }
}

QString SentenceWithReason(const QString& sentence, const QString& reason)
{
    QString why = reason.trimmed();
    while (why.endsWith(QLatin1Char('.')))
        why.chop(1);
    return why.isEmpty() ? sentence + QLatin1Char('.') : sentence + QStringLiteral(": ") + why + QLatin1Char('.');
}
double ScreenWidth() { return screenMetrics().widthTwips(); }
double ScreenHeight() { return screenMetrics().heightTwips(); }

QString AppTitle() { return QStringLiteral("Selvanthe"); }

QString AppPath()
{
    if (!reg().appPath.isEmpty())
        return reg().appPath;
    return QCoreApplication::instance() ? QCoreApplication::applicationDirPath() : QDir::currentPath();
}

void setAppPath(const QString& path) { reg().appPath = path; }

} // namespace platform
