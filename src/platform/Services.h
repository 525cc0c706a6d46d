#pragma once
// The services the program takes from the desktop: message boxes, file dialogs, the browser, timers,
// the screen size, the settings store and the end of the process, with the random sequence and the
// clock, which the rules take alone (platform/Random.h, platform/Clock.h). Each is an interface with one
// production implementation; a test installs its own once per process.
#include "platform/Clock.h"
#include "platform/Random.h"

#include <QByteArray>
#include <QMargins>
#include <QRect>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QObject;
class QWidget;

namespace platform {

enum class MsgIcon { None, Information, Exclamation, Critical, Question };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No };

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    virtual MsgResult show(QWidget* parent, const QString& text, MsgIcon icon, MsgButtons buttons,
                           const QString& title) = 0;
};

struct FileDialogRequest {
    QString title;
    QString filter;         // Qt filter text, e.g. "Selvanthe (*.slv)"
    QString defaultSuffix;  // added to a typed name without one
    QString fileName;       // start name
    bool overwritePrompt = true;
};

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // An empty result means the user cancelled.
    virtual QString saveFileName(QWidget* parent, const FileDialogRequest& request) = 0;
    virtual QString openFileName(QWidget* parent, const FileDialogRequest& request) = 0;
};

class IShell {
public:
    virtual ~IShell() = default;
    virtual void openUrl(const QString& address) = 0;
};

class IScheduler {
public:
    virtual ~IScheduler() = default;
    // Runs fn once after ms milliseconds on the user-interface thread, unless context is gone by then.
    virtual void after(int ms, QObject* context, std::function<void()> fn) = 0;
};

class IScreenMetrics {
public:
    virtual ~IScreenMetrics() = default;
    virtual double widthTwips() const = 0;
    virtual double heightTwips() const = 0;
    // The part of the screen a window may take (without the desktop's panels), in pixels.
    virtual QRect availablePixels() const = 0;
    // The frame the window manager puts around a top-level window: the real one once it is there, a likely
    // one before.
    virtual QMargins windowFrame(const QWidget* window) const = 0;
};

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    // Keys and values are the stored bytes, kept exactly; an absent value reads as empty.
    virtual QByteArray get(const QString& program, const QString& section, const QByteArray& key) = 0;
    virtual void set(const QString& program, const QString& section, const QByteArray& key,
                     const QByteArray& value) = 0;
    virtual void sync() = 0;
};

class IProcessExit {
public:
    virtual ~IProcessExit() = default;
    [[noreturn]] virtual void exit(int code) = 0;
};

class IInstanceGuard {
public:
    virtual ~IInstanceGuard() = default;
    // True when another live copy of the program holds the guard. Otherwise this copy takes it for its
    // run, or runs without it when it cannot be made.
    virtual bool previousInstance() = 0;
    virtual void release() = 0;
};

// Installing replaces the current implementation for the rest of the process.
void setMessageBoxes(std::unique_ptr<IMessageBoxes>);
void setFileDialogs(std::unique_ptr<IFileDialogs>);
void setShell(std::unique_ptr<IShell>);
void setScheduler(std::unique_ptr<IScheduler>);
void setScreenMetrics(std::unique_ptr<IScreenMetrics>);
void setSettingsStore(std::unique_ptr<ISettingsStore>);
void setProcessExit(std::unique_ptr<IProcessExit>);
void setInstanceGuard(std::unique_ptr<IInstanceGuard>);

IMessageBoxes& messageBoxes();
IFileDialogs& fileDialogs();
IShell& shell();
IScheduler& scheduler();
IScreenMetrics& screenMetrics();
ISettingsStore& settingsStore();
IProcessExit& processExit();
IInstanceGuard& instanceGuard();

// The window the user is looking at: the active window, else the top-most visible one, else none.
QWidget* windowOnView();

// Convenience calls in the shape the windows use them.
MsgResult MsgBox(const QString& text, MsgIcon icon = MsgIcon::None, MsgButtons buttons = MsgButtons::Ok,
                 const QString& title = QString());
void ShellOpen(const QString& address);
// The save dialog, then the name it gave with the request's suffix added where the name does not end in
// it: a file of the program's is opened again by that suffix alone. A name so changed that is a file
// there already is asked about first, as the dialog asks of the name it gives; No goes back to the
// dialog. Empty when the user cancelled.
QString SaveFileName(QWidget* parent, const FileDialogRequest& request);
// A sentence of the program's that ends in a reason given by the system or a queue: "sentence: reason.",
// the reason's own stop left out, or "sentence." when there is no reason.
QString SentenceWithReason(const QString& sentence, const QString& reason);
double ScreenWidth();   // twips
double ScreenHeight(); // twips

// The program's title, used as the default title of its message boxes.
QString AppTitle();
// The folder of the running program, where the picture folders are looked for first
// (platform/PictureFolders.h). A test may point it elsewhere.
QString AppPath();
void setAppPath(const QString& path);

// Production implementations, for tests that want the real thing over a temporary file.
std::unique_ptr<ISettingsStore> makeIniSettingsStore(const QString& filePath);
// The guard over every place of these where a lock can be made: another copy holding any keeps this one
// out.
std::unique_ptr<IInstanceGuard> makeLockFileGuard(const QStringList& lockPaths);
// Where the program keeps its single-instance lock: in $XDG_RUNTIME_DIR when that is set, and in the
// temporary folder.
QStringList instanceLockPaths();
// The folder for files of a moment: the system's temporary folder (TMPDIR, when it is an absolute path),
// else /tmp, else /var/tmp, whichever is first a folder this user can write into.
QString temporaryFolder();
// Points TMPDIR at that folder where the environment's would not give it, so that Qt's own users of the
// temporary folder find the same one. Called at start-up, before anything asks.
void settleTemporaryFolder();
// The desktop's browser, as the program opens addresses.
std::unique_ptr<IShell> makeDesktopShell();

} // namespace platform
