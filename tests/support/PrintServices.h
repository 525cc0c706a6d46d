#pragma once
// Print services of a test's own, for the tests that reach the desktop's print system itself: one that
// takes every connection and never answers, as a hung scheduler does, and a print scheduler of the
// test's own (Debian's cupsd) with the queues the test gives it, run as the user the test runs as, on
// the loopback. While a PrintServerChosen stands, this process's print system asks that service alone:
// the print service of the machine is never asked, nor changed.
#include "EnvironmentKept.h"

#include <QList>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

namespace testing {

// This process's print system talks to the server given (host:port) while it stands.
class PrintServerChosen {
public:
    explicit PrintServerChosen(const QString& server);
    ~PrintServerChosen();
    PrintServerChosen(const PrintServerChosen&) = delete;
    PrintServerChosen& operator=(const PrintServerChosen&) = delete;

private:
    EnvironmentKept kept_;
};

// A listener on the loopback that takes every connection and never says a word.
class SilentPrintService {
public:
    SilentPrintService();
    ~SilentPrintService();
    SilentPrintService(const SilentPrintService&) = delete;
    SilentPrintService& operator=(const SilentPrintService&) = delete;
    bool listening() const { return port_ != 0; }
    QString server() const;

private:
    int socket_ = -1;
    quint16 port_ = 0;
};

// A queue of the private scheduler, as the scheduler keeps it.
struct PrintQueue {
    QString name;
    bool isDefault = false;
    bool stopped = false;
    bool accepting = true;
    QString message; // the queue's own words on its state, as the scheduler keeps them
};

class PrivateScheduler {
public:
    // The scheduler's program, or empty where it is not installed.
    static QString program();

    explicit PrivateScheduler(const QList<PrintQueue>& queues);
    ~PrivateScheduler();
    PrivateScheduler(const PrivateScheduler&) = delete;
    PrivateScheduler& operator=(const PrivateScheduler&) = delete;

    // Runs the scheduler and waits until it answers; false, with the reason, when it does not.
    bool start(QString* whyNot);
    QString server() const;
    // Stops the scheduler's process where it stands: the system still takes connections for it, and
    // nothing answers them. It goes on when it is ended.
    void hang();
    // Ends the scheduler: nothing takes a connection any more.
    void end();
    // The documents of the jobs the scheduler holds, as it keeps them in its spool.
    int documentsHeld() const;

private:
    bool writeConfiguration(QString* whyNot) const;
    QString log() const;

    QList<PrintQueue> queues_;
    QTemporaryDir dir_;
    QProcess process_;
    quint16 port_ = 0;
};

} // namespace testing
