#include "PrintServices.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <cups/cups.h>

#include <arpa/inet.h>
#include <cerrno>
#include <csignal>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/types.h>
#include <unistd.h>

namespace testing {

PrintServerChosen::PrintServerChosen(const QString& server) : kept_("CUPS_SERVER")
{
    qputenv("CUPS_SERVER", server.toLocal8Bit());
    // libcups reads the variable once for each thread and keeps what it read: it is told to read again.
    cupsSetServer(nullptr);
}

PrintServerChosen::~PrintServerChosen()
{
    // The variable is put back as the kept one ends, after this; libcups reads it again when next asked.
    cupsSetServer(nullptr);
}

namespace {

// A socket listening on a port of the loopback the system chose, and the port; -1 when none.
int listenOnTheLoopback(quint16* port)
{
    const int s = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (s < 0)
        return -1;
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    if (::bind(s, reinterpret_cast<sockaddr*>(&address), size) != 0 || ::listen(s, 64) != 0 ||
        ::getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) != 0) {
        ::close(s);
        return -1;
    }
    *port = ntohs(address.sin_port);
    return s;
}

} // namespace

SilentPrintService::SilentPrintService()
{
    // Connections wait in the system's queue of the listener, taken by nobody: no word is ever sent.
    socket_ = listenOnTheLoopback(&port_);
}

SilentPrintService::~SilentPrintService()
{
    if (socket_ >= 0)
        ::close(socket_);
}

QString SilentPrintService::server() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

QString PrivateScheduler::program()
{
    for (const QString& path : {QStringLiteral("/usr/sbin/cupsd"), QStringLiteral("/usr/local/sbin/cupsd")})
        if (QFileInfo(path).isExecutable())
            return path;
    return {};
}

PrivateScheduler::PrivateScheduler(const QList<PrintQueue>& queues) : queues_(queues)
{
    process_.setProcessChannelMode(QProcess::MergedChannels);
}

PrivateScheduler::~PrivateScheduler() { end(); }

QString PrivateScheduler::server() const { return QStringLiteral("127.0.0.1:%1").arg(port_); }

bool PrivateScheduler::writeConfiguration(QString* whyNot) const
{
    const QDir root(dir_.path());
    for (const char* folder : {"spool/temp", "log", "cache", "state", "ppd"})
        root.mkpath(QString::fromLatin1(folder));
    auto write = [&](const char* name, const QString& text) {
        QFile file(root.filePath(QString::fromLatin1(name)));
        if (file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size())
            return true;
        *whyNot = file.fileName() + QStringLiteral(": ") + file.errorString();
        return false;
    };
    // Everything the scheduler keeps or writes stays in the test's folder; it listens on the loopback
    // alone, shares nothing and asks nobody for a password.
    const QString files =
        QStringLiteral("ServerRoot %1\nStateDir %1/state\nCacheDir %1/cache\nRequestRoot %1/spool\n"
                       "TempDir %1/spool/temp\nErrorLog %1/log/error_log\nAccessLog %1/log/access_log\n"
                       "PageLog %1/log/page_log\nPrintcap %1/printcap\nDataDir /usr/share/cups\n"
                       "ServerBin /usr/lib/cups\nFileDevice Yes\nSandboxing Relaxed\n")
            .arg(root.path());
    const QString scheduler = QStringLiteral("Listen 127.0.0.1:%1\nBrowsing No\nLogLevel warn\nDefaultAuthType None\n"
                                             "WebInterface No\n<Location />\nOrder Allow,Deny\nAllow all\n</Location>\n"
                                             "<Policy default>\n<Limit All>\nOrder Allow,Deny\nAllow all\n</Limit>\n"
                                             "</Policy>\n")
                                  .arg(port_);
    QString printers;
    for (const PrintQueue& q : queues_) {
        const QString tag = q.isDefault ? QStringLiteral("DefaultPrinter") : QStringLiteral("Printer");
        printers += QStringLiteral("<%1 %2>\nInfo %2\nDeviceURI file:///dev/null\nState %3\n")
                        .arg(tag, q.name, q.stopped ? QStringLiteral("Stopped") : QStringLiteral("Idle"));
        if (!q.message.isEmpty())
            printers += QStringLiteral("StateMessage %1\n").arg(q.message);
        printers += QStringLiteral("Accepting %1\nShared No\n</%2>\n")
                        .arg(q.accepting ? QStringLiteral("Yes") : QStringLiteral("No"), tag);
    }
    return write("cups-files.conf", files) && write("cupsd.conf", scheduler) && write("printers.conf", printers);
}

QString PrivateScheduler::log() const
{
    QFile file(QDir(dir_.path()).filePath(QStringLiteral("log/error_log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromLocal8Bit(file.readAll()) : QString();
}

bool PrivateScheduler::start(QString* whyNot)
{
    if (!dir_.isValid()) {
        *whyNot = QStringLiteral("no folder for the scheduler: ") + dir_.errorString();
        return false;
    }
    // A port free a moment ago may be taken by the time the scheduler asks for it: a few are tried.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int probe = listenOnTheLoopback(&port_);
        if (probe < 0) {
            *whyNot = QStringLiteral("no port on the loopback: ") + qt_error_string(errno);
            return false;
        }
        ::close(probe);
        if (!writeConfiguration(whyNot))
            return false;
        const QDir root(dir_.path());
        process_.start(program(),
                       {QStringLiteral("-f"), QStringLiteral("-c"), root.filePath(QStringLiteral("cupsd.conf")),
                        QStringLiteral("-s"), root.filePath(QStringLiteral("cups-files.conf"))});
        if (!process_.waitForStarted(10000)) {
            *whyNot = process_.errorString();
            return false;
        }
        // Up when it answers a question; a scheduler that could not listen ends at once.
        const QDeadlineTimer deadline(20000);
        while (!deadline.hasExpired() && process_.state() == QProcess::Running) {
            if (http_t* http =
                    httpConnect2("127.0.0.1", port_, nullptr, AF_INET, HTTP_ENCRYPTION_NEVER, 1, 1000, nullptr)) {
                httpSetTimeout(http, 5.0, nullptr, nullptr);
                ipp_t* response = cupsDoRequest(http, ippNewRequest(IPP_OP_CUPS_GET_DEFAULT), "/");
                const bool answered = response != nullptr;
                ippDelete(response);
                httpClose(http);
                if (answered)
                    return true;
            }
            QThread::msleep(50);
            process_.waitForFinished(0);
        }
        *whyNot =
            QStringLiteral("the scheduler did not come up: ") + QString::fromLocal8Bit(process_.readAll()) + log();
        end();
    }
    return false;
}

int PrivateScheduler::documentsHeld() const
{
    // The scheduler keeps each job's document as d<job>-<number> beside the job's own c<job>.
    return int(QDir(QDir(dir_.path()).filePath(QStringLiteral("spool")))
                   .entryList({QStringLiteral("d*")}, QDir::Files)
                   .size());
}

void PrivateScheduler::hang()
{
    if (process_.state() == QProcess::Running)
        ::kill(pid_t(process_.processId()), SIGSTOP);
}

void PrivateScheduler::end()
{
    if (process_.state() == QProcess::NotRunning)
        return;
    process_.terminate();
    // A scheduler stopped where it stood takes the signal to end once it goes on.
    ::kill(pid_t(process_.processId()), SIGCONT);
    if (!process_.waitForFinished(10000)) {
        process_.kill();
        process_.waitForFinished(10000);
    }
}

} // namespace testing
