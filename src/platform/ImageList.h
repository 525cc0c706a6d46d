#pragma once
// A list of pictures stored with a window, read by 1-based position as the windows were designed.
#include <QList>
#include <QPixmap>
#include <QStringList>

namespace platform {

class ImageList {
public:
    ImageList() = default;
    // The pictures of the files given (resources or files of the picture folders), each read as
    // BuiltInPicture reads it.
    explicit ImageList(const QStringList& paths, QSize standIn = QSize(32, 32));

    int Count() const { return static_cast<int>(images_.size()); }
    // Picture at 1-based position n; a null pixmap outside 1..Count.
    QPixmap ListImage(int n) const;
    void Add(const QPixmap& picture) { images_.append(picture); }

private:
    QList<QPixmap> images_;
};

// A picture by its resource path or file, at the screen's density (see PictureFiles.h). Where it is missing
// (not drawn by the build, not installed), a plain stand-in of the given size keeps every window usable.
QPixmap BuiltInPicture(const QString& path, QSize standIn);
// A picture of the program's picture folders by its name under the picture root ("stones/gold/1.jpg",
// see PictureFolders.h), with the same stand-in where it is missing.
QPixmap FolderPicture(const QString& name, QSize standIn);

} // namespace platform
