#include "platform/PictureFiles.h"

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

// What a picture file holds now: its header's size, and its picture where `decode`. The file is read
// whole every time and compared with what it held when last decoded, never trusted by size or time: a
// picture replaced within one tick of the file system's clock, or copied with its old time, still shows
// as the new one. Reads only what is a regular file: a pipe or a device never holds the window up.
Read ReadFile(const QString& path, bool decode)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    Read now {file.readAll()};
    if (const Read* seen = Lately().object(path); seen && seen->bytes == now.bytes && (seen->decoded || !decode))
        return *seen;
    // The reader gives a twin its density from the "@2x" in the file's name.
    QImageReader reader(path);
    now.size = reader.size();
    if (decode) {
        const QImage image = reader.read();
        now.picture = image.isNull() ? QPixmap() : QPixmap::fromImage(image);
        now.decoded = true;
    }
    const qint64 pixels = now.picture.isNull() ? 0 : qint64(now.picture.width()) * now.picture.height();
    const qint64 bytes = now.bytes.size() + pixels * now.picture.depth() / 8;
    Lately().insert(path, new Read(now), int(qMax<qint64>(1, bytes / 1024)));
    return now;
}

} // namespace

int PictureDensity()
{
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

QPixmap ReadPicture(const QString& path)
{
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return {};
    if (PictureDensity() > 1) {
        // A twin that is not the picture at twice its size (left from other pictures) is passed over.
        const QSize size = ReadFile(path, false).size;
        QPixmap twin = ReadFile(TwinFile(path), true).picture;
        if (!twin.isNull() && size.isValid() && twin.size() == size * 2) {
            twin.setDevicePixelRatio(2);
            return twin;
        }
    }
    return ReadFile(path, true).picture;
}

} // namespace platform
