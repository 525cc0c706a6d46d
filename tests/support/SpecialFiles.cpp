#include "SpecialFiles.h"

#include <QDir>
#include <QFile>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

namespace testing {

bool makeSpecialFile(const QString& kind, const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    if (kind == QLatin1String("pipe"))
        return ::mkfifo(native.constData(), 0600) == 0;
    if (kind == QLatin1String("device"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == QLatin1String("folder"))
        return QDir().mkdir(path);
    if (kind == QLatin1String("socket")) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (native.size() >= static_cast<qsizetype>(sizeof(address.sun_path)))
            return false;
        std::memcpy(address.sun_path, native.constData(), static_cast<size_t>(native.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        if (fd < 0)
            return false;
        const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0;
        ::close(fd);  // the socket's name stays in the folder
        return bound;
    }
    return false;
}

PipeUnblocker::PipeUnblocker(const QString& pipePath) : path_(QFile::encodeName(pipePath))
{
    thread_ = std::thread([this] {
        using namespace std::chrono;
        const auto letGoAt = steady_clock::now() + seconds(3);
        while (!stop_) {
            std::this_thread::sleep_for(milliseconds(20));
            if (steady_clock::now() < letGoAt)
                continue;
            // Opening the writing end without waiting succeeds only while a reader has the pipe open.
            const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd >= 0) {
                unblocked_ = true;
                ::close(fd);
            }
        }
    });
}

PipeUnblocker::~PipeUnblocker()
{
    stop_ = true;
    thread_.join();
}

} // namespace testing
