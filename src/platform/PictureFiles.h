#pragma once
// Pictures read at the density of the screen. Every picture file has a twin named "<name>@2x.<ext>"
// beside it: the same picture in twice the pixels each way, for screens with more pixels than points (a
// device pixel ratio above 1). Read through here, a picture shows at the same size in points on every
// screen, and sharp where the screen has the pixels for it.
#include <QList>
#include <QPixmap>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace platform {

// "cards/o0.jpg" -> "cards/o0@2x.jpg": the name of a picture's twin for screens of twice the density.
inline QString TwinFile(const QString& path)
{
    const int slash = path.lastIndexOf(QLatin1Char('/'));
    const int dot = path.lastIndexOf(QLatin1Char('.'));
    const int at = dot > slash ? dot : path.size();
    return path.left(at) + QStringLiteral("@2x") + path.mid(at);
}

// 2 where a screen of the program has a device pixel ratio above 1, else 1.
int PictureDensity();

// The picture of a file (or of a built-in resource), read at the screen's density: at density 2 its twin
// when that reads, else the file itself. A null picture when the file itself is no regular file that
// reads as a picture: a twin alone never stands in for a missing picture.
QPixmap ReadPicture(const QString& path);

// Several pictures read as ReadPicture reads each, side by side on threads of their own from the moment the
// batch is made, each then given to `finish` on the thread that read it (finish makes no pixmaps: it works
// on images; none leaves them as read). The caller goes on with other work meanwhile, and has the finished
// pictures from take(), once, in the order of the paths, a null picture where ReadPicture would give one.
class PictureBatch {
public:
    PictureBatch(const QStringList& paths, std::function<QImage(const QImage&)> finish);
    ~PictureBatch();
    PictureBatch(const PictureBatch&) = delete;
    PictureBatch& operator=(const PictureBatch&) = delete;

    QList<QPixmap> take();

private:
    void wait();
    struct Work;
    std::unique_ptr<Work> work_;
};

} // namespace platform
