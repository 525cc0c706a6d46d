#include "platform/ImageList.h"

#include "platform/PictureFiles.h"

#include <QPainter>

namespace platform {

ImageList::ImageList(const QStringList& resourcePaths, QSize standIn)
{
    for (const QString& path : resourcePaths)
        images_.append(BuiltInPicture(path, standIn));
}

QPixmap ImageList::ListImage(int n) const
{
    if (n < 1 || n > images_.size())
        return {};
    return images_[n - 1];
}

QPixmap BuiltInPicture(const QString& resourcePath, QSize standIn)
{
    QPixmap p = ReadPicture(resourcePath);
    if (!p.isNull() || standIn.isEmpty())
        return p;
    QPixmap s(standIn);
    s.fill(QColor(90, 70, 140));
    QPainter painter(&s);
    painter.setPen(QColor(230, 210, 140));
    painter.drawRect(0, 0, s.width() - 1, s.height() - 1);
    return s;
}

} // namespace platform
