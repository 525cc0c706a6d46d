#include "platform/PictureFiles.h"

#include <QBuffer>
#include <QCache>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

namespace platform {

namespace {

// A picture file as it was last read: its bytes, and what they gave.
struct Read {
    QByteArray bytes;
    QSize size; // from the header
    QPixmap picture;
    bool decoded = false;
};

// The pictures read lately. Decoding the card pictures is most of what a deal costs, and a deal shows the
// cards of the deals before it again. At most 64 MiB (the whole deck with its twins): the picture read
// least lately goes first.
QCache<QString, Read>& Lately()
{
    static QCache<QString, Read> cache = [] {
        // The pictures go with the application's graphics, before the end of the process.
        qAddPostRoutine([] { Lately().clear(); });
        return QCache<QString, Read>(64 * 1024); // KiB
    }();
    return cache;
}

// What a picture file holds now: its header's size, and its picture where `decode`, at `density` pixels to
// the point. The file is read whole every time and compared with what it held when last read, never
// trusted by size or time: a picture replaced within one tick of the file system's clock, or copied with
// its old time, still shows as the new one. Reads only what is a regular file: a pipe or a device never
// holds the window up.
Read ReadFile(const QString& path, bool decode, int density = 1)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    Read now {file.readAll()};
    file.close();
    const Read* seen = Lately().object(path);
    const bool again = seen && seen->bytes == now.bytes;
    if (again && (seen->decoded || !decode))
        return *seen;
    // Decoded from the bytes just compared, so what shows is what was checked.
    QBuffer buffer(&now.bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    now.size = reader.size();
    if (decode) {
        QImage image = reader.read();
        image.setDevicePixelRatio(density);
        now.picture = image.isNull() ? QPixmap() : QPixmap::fromImage(std::move(image));
        now.decoded = true;
    }
    // A picture is kept decoded from its second reading on. Most pictures of a deal are met for the first
    // time and shown once, framed or turned into pictures of their own; keeping each of them decoded would
    // take fresh memory for every one, which costs the first deal more than decoding them again.
    Read kept = now;
    if (!again) {
        kept.picture = QPixmap();
        kept.decoded = false;
    }
    const qint64 pixels = kept.picture.isNull() ? 0 : qint64(kept.picture.width()) * kept.picture.height();
    const qint64 bytes = kept.bytes.size() + pixels * kept.picture.depth() / 8;
    Lately().insert(path, new Read(kept), int(qMax<qint64>(1, bytes / 1024)));
    return now;
}

} // namespace

int PictureDensity()
{
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

QPixmap ReadPicture(const QString& path)
{
    if (path.isEmpty())
        return {};
    if (PictureDensity() > 1) {
        // A twin that is not the picture at twice its size (left from other pictures) is passed over; so is
        // a twin whose picture is missing.
        const QSize size = ReadFile(path, false).size;
        if (size.isValid()) {
            const QPixmap twin = ReadFile(TwinFile(path), true, 2).picture;
            if (!twin.isNull() && twin.size() == size * 2)
                return twin;
        }
    }
    return ReadFile(path, true).picture;
}

} // namespace platform
