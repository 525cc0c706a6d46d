#pragma once
// The test doubles of the desktop services, installed once per test process.
#include "FakeRandom.h"
#include "platform/Printing.h"
#include "platform/Services.h"

#include <QDateTime>
#include <QList>
#include <QPointer>
#include <QQueue>
#include <QStringList>
#include <QTemporaryDir>

#include <functional>
#include <memory>

class QWidget;

namespace testing {

struct ShownMessage {
    QString text;
    platform::MsgIcon icon;
    platform::MsgButtons buttons;
    QString title;
    QWidget* parent;
};

// Raised by the fake end of the process, so that a test sees the program end without it ending.
struct ProcessEnded {
    int code;
};

class FakeMessageBoxes : public platform::IMessageBoxes {
public:
    platform::MsgResult show(QWidget* parent, const QString& text, platform::MsgIcon icon,
                             platform::MsgButtons buttons, const QString& title) override;
    QList<ShownMessage> shown;
    QQueue<platform::MsgResult> answers;  // next answers; Yes/No boxes answer No when empty
    std::function<void()> whileShown;     // runs while a box is up (e.g. to check the windows)
};

class FakeFileDialogs : public platform::IFileDialogs {
public:
    QString saveFileName(QWidget*, const platform::FileDialogRequest& r) override;
    QString openFileName(QWidget*, const platform::FileDialogRequest& r) override;
    QQueue<QString> answers;  // empty string = cancel
    QList<platform::FileDialogRequest> requests;
};

class FakeShell : public platform::IShell {
public:
    void openUrl(const QString& address) override
    {
        opened << address;
        if (onOpen)
            onOpen(address);
    }
    QStringList opened;
    std::function<void(const QString&)> onOpen;
};

class FakeScheduler : public platform::IScheduler {
public:
    void after(int ms, QObject* context, std::function<void()> fn) override;
    bool immediate = true;  // run at once; otherwise keep until runPending()
    void runPending();
    QList<int> requestedDelays;

private:
    struct Pending {
        QPointer<QObject> context;
        std::function<void()> fn;
    };
    QList<Pending> pending_;
};

class FakeScreen : public platform::IScreenMetrics {
public:
    double widthTwips() const override { return width; }
    double heightTwips() const override { return height; }
    QRect availablePixels() const override
    {
        return available.isValid() ? available : QRect(0, 0, qRound(width / 15), qRound(height / 15));
    }
    QMargins windowFrame(const QWidget*) const override { return frame; }
    double width = 19200;
    double height = 15360;
    QRect available;  // none: the whole screen
    QMargins frame;   // the window manager's frame around a top-level window
};

class FakeClock : public platform::IClock {
public:
    QDateTime now() const override { return current; }
    QDateTime current = QDateTime(QDate(2026, 12, 10), QTime(10, 0, 0));
};

class FakeExit : public platform::IProcessExit {
public:
    [[noreturn]] void exit(int code) override
    {
        ++exits;
        throw ProcessEnded{code};
    }
    int exits = 0;
};

class FakeInstanceGuard : public platform::IInstanceGuard {
public:
    bool previousInstance() override { return real ? real->previousInstance() : anotherRunning; }
    void release() override
    {
        ++releases;
        if (real)
            real->release();
    }
    bool anotherRunning = false;
    int releases = 0;
    std::unique_ptr<platform::IInstanceGuard> real;  // when set, answers in place of the flag
};

// The desktop's print system: queues to list, and every job handed over kept as the bytes of its PDF.
class FakePrintSystem : public platform::IPrintSystem {
public:
    platform::PrinterList printers() override;
    QPageLayout defaultLayout(const QString&) override;
    platform::QueueState queueState(const QString& printer) override;
    platform::PrintJobAnswer submit(const QString& printer, const QString& pdfFile, const QString& title,
                                    const QList<QPair<QByteArray, QByteArray>>& options) override;
    struct Job {
        QString printer;
        QString title;
        QString file;  // where the PDF was handed over
        QByteArray pdf;
        QList<QPair<QByteArray, QByteArray>> options;
    };
    // Not Answered: the print service is not running or does not answer, and there are no queues.
    platform::ServiceAnswer service = platform::ServiceAnswer::Answered;
    QStringList queues;      // none: no printer is installed
    bool hasDefault = true;  // the first queue is the default one
    platform::QueueState state {platform::ServiceAnswer::Answered, true, false, true, {}}; // what every queue says
    QString refusal;         // when set, every job is refused with this reason
    QList<Job> jobs;         // the jobs taken or refused, in order
    // When set, every question goes to it in place of the fields above (the desktop's own print system).
    std::unique_ptr<platform::IPrintSystem> real;
};

struct Seams {
    FakeMessageBoxes* messages;
    FakeFileDialogs* files;
    FakeShell* shell;
    FakeRandom* random;
    FakeScheduler* scheduler;
    FakeScreen* screen;
    FakeClock* clock;
    FakeExit* exit;
    FakeInstanceGuard* guard;
    FakePrintSystem* print;
    QString settingsFile;
    QString tempDir;
};

// Installs every fake (the settings store is the real one over a file in a temporary folder).
Seams& installSeams();
Seams& seams();
// Clears what the fakes recorded, puts their answers back to the defaults and starts a fresh settings file.
void resetSeams();

} // namespace testing
