#include "platform/WholeFile.h"

#include <QSaveFile>

#include <cerrno>
#include <unistd.h>

namespace platform {

bool writeWholeFile(const QString& path, const QByteArray& bytes, QString* whyNot)
{
    QSaveFile file(path);
    auto fail = [&](const QString& reason) {
        if (whyNot)
            *whyNot = reason;
        file.cancelWriting();
        return false;
    };
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    // A write cut short tells no reason of its own; the next one meets the fault and names it (or finds
    // room after all).
    for (qint64 done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return fail(file.errorString());
        done += written;
    }
    // The bytes may still wait in the file's buffer, and Qt 6.4's commit() reports success when its own
    // last flush fails: the empty or cut file would then take the old one's place. So they are flushed
    // here, and checked; as with a write, a flush cut short is tried once more for its reason.
    if (!file.flush() && !file.flush())
        return fail(file.errorString());
    // Written is not yet stored: a network file system may tell a full quota only when asked to sync.
    // A file system that cannot sync at all says so with EINVAL, which is no failure of the save.
    if (::fsync(file.handle()) != 0 && errno != EINVAL)
        return fail(qt_error_string(errno));
    if (!file.commit()) {
        if (whyNot)
            *whyNot = file.errorString();
        return false;
    }
    return true;
}

} // namespace platform
