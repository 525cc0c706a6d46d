#include "platform/PictureFiles.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>

namespace platform {

namespace {

// Reads only what is a regular file: a pipe or a device never holds the window up.
QPixmap ReadFile(const QString& path)
{
    if (!QFileInfo(path).isFile())
        return {};
    QImageReader reader(path);
    // The reader gives a twin its density from the "@2x" in its name.
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
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
        const QSize size = QImageReader(path).size();
        QPixmap twin = ReadFile(TwinFile(path));
        if (!twin.isNull() && size.isValid() && twin.size() == size * 2) {
            twin.setDevicePixelRatio(2);
            return twin;
        }
    }
    return ReadFile(path);
}

} // namespace platform
