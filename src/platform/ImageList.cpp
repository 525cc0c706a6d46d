#include "platform/ImageList.h"

#include "platform/PictureFiles.h"
#include "platform/PictureFolders.h"

#include <QPainter>

namespace platform {

ImageList::ImageList(const QStringList& paths, QSize standIn)
{
    for (const QString& path : paths)
        images_.append(BuiltInPicture(path, standIn));
}

QPixmap ImageList::ListImage(int n) const
{
    if (n < 1 || n > images_.size())
        return {};
    return images_[n - 1];
}

QPixmap BuiltInPicture(const QString& path, QSize standIn)
{
    QPixmap p = ReadPicture(path);
    if (!p.isNull() || standIn.isEmpty())
        return p;
    QPixmap s(standIn);
    s.fill(QColor(90, 70, 140));
    QPainter painter(&s);
    painter.setPen(QColor(230, 210, 140));
    painter.drawRect(0, 0, s.width() - 1, s.height() - 1);
    return s;
}

QPixmap FolderPicture(const QString& name, QSize standIn) { return BuiltInPicture(PictureFile(name), standIn); }

} // namespace platform
