#include "platform/RegularFile.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

std::optional<QByteArray> readRegularFile(const QString& path, qint64 maxBytes)
{
    if (path.isEmpty() || maxBytes < 0)
        return std::nullopt;
    // Opening a pipe for reading waits for a writer, and a device may wait for anything: not blocking
    // here, and asking the open file (not the name, which may change meanwhile) what it is.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return std::nullopt;
    struct FdCloser {
        int fd;
        ~FdCloser() { ::close(fd); }
    } closer{fd};

    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;

    // One byte past the cap tells an oversized file from one that just fits, whatever its size says.
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(maxBytes + 1));
    qsizetype got = 0;
    while (got < bytes.size()) {
        const ssize_t n = ::read(fd, bytes.data() + got, static_cast<size_t>(bytes.size() - got));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return std::nullopt;
        }
        if (n == 0)
            break;
        got += n;
    }
    if (got > maxBytes)
        return std::nullopt;
    bytes.truncate(got);
    return bytes;
}

} // namespace platform
