#include "FullDisk.h"

#include <QDebug>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/statvfs.h>

namespace testing {

namespace {

constexpr qint64 kDiskSize = 256 * 1024;
const char* const kFiller = ".filler";

} // namespace

FullDisk::FullDisk()
{
    const QByteArray where = QFile::encodeName(dir_.path());
    const QByteArray options = "size=" + QByteArray::number(kDiskSize) + ",mode=0777";
    if (qEnvironmentVariableIntValue("SELVANTHE_TEST_NO_MOUNT") == 1) {
        road_ = QStringLiteral("the file size limit (a mount was not tried)");
    } else if (::mount("tmpfs", where.constData(), "tmpfs", 0, options.constData()) == 0) {
        mounted_ = true;
        road_ = QStringLiteral("a full tmpfs of %1 KiB").arg(kDiskSize / 1024);
    } else {
        road_ = QStringLiteral("the file size limit (no tmpfs may be mounted here: %1)").arg(qt_error_string(errno));
    }
    qInfo("Full disk: %s", qPrintable(road_));
}

FullDisk::~FullDisk()
{
    if (mounted_)
        ::umount2(QFile::encodeName(dir_.path()).constData(), MNT_DETACH);
}

QString FullDisk::reason() const { return qt_error_string(mounted_ ? ENOSPC : EFBIG); }

bool FullDisk::fill(qint64 room)
{
    struct statvfs disk {};
    if (::statvfs(QFile::encodeName(dir_.path()).constData(), &disk) != 0)
        return false;
    const qint64 page = static_cast<qint64>(disk.f_frsize);
    const qint64 free = static_cast<qint64>(disk.f_bavail) * page;
    QFile filler(filePath(QString::fromLatin1(kFiller)));
    if (!filler.open(QIODevice::WriteOnly))
        return false;
    // tmpfs counts whole pages: the filler leaves the room, rounded up to a page, and no more.
    const qint64 take = free - (room + page - 1) / page * page;
    return take <= 0 || (filler.write(QByteArray(take, '\0')) == take && filler.flush());
}

bool FullDisk::writesFailPast(qint64 room) const
{
    QFile probe(filePath(QStringLiteral(".probe")));
    if (!probe.open(QIODevice::WriteOnly))
        return false;
    // Past the room: on the tmpfs the rest of the page the room was rounded up to, and then some.
    const qint64 past = room + (mounted_ ? 8192 : 1);
    const bool failed = probe.write(QByteArray(past, 'x')) != past || !probe.flush();
    probe.close();
    probe.remove();
    return failed;
}

bool FullDisk::whileFull(qint64 room, const std::function<void()>& step)
{
    bool armed = false;
    if (mounted_) {
        armed = fill(room) && writesFailPast(room);
        if (armed)
            step();
        QFile::remove(filePath(QString::fromLatin1(kFiller)));
        return armed;
    }
    // The limit holds for every file the process writes, for the time of the step only. A write past it
    // raises SIGXFSZ, which would end the process: ignored, the write fails with EFBIG instead.
    struct rlimit before {};
    if (::getrlimit(RLIMIT_FSIZE, &before) != 0)
        return false;
    struct rlimit limited = before;
    limited.rlim_cur = static_cast<rlim_t>(room);
    auto* const oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (::setrlimit(RLIMIT_FSIZE, &limited) == 0) {
        armed = writesFailPast(room);
        if (armed)
            step();
        ::setrlimit(RLIMIT_FSIZE, &before);
    }
    std::signal(SIGXFSZ, oldHandler);
    return armed;
}

} // namespace testing
