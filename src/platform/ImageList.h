#pragma once
// A list of pictures stored with a window, read by 1-based position as the windows were designed.
#include <QList>
#include <QPixmap>
#include <QStringList>

namespace platform {

class ImageList {
public:
    ImageList() = default;
    explicit ImageList(const QStringList& resourcePaths, QSize standIn = QSize(32, 32));

    int Count() const { return static_cast<int>(images_.size()); }
    // Picture at 1-based position n; a null pixmap outside 1..Count.
    QPixmap ListImage(int n) const;
    void Add(const QPixmap& picture) { images_.append(picture); }

private:
    QList<QPixmap> images_;
};

// A built-in picture by resource path, at the screen's density (see PictureFiles.h). Until the build has
// drawn it, a plain stand-in of the given size keeps every window usable.
QPixmap BuiltInPicture(const QString& resourcePath, QSize standIn);

} // namespace platform
