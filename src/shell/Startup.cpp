#include "shell/Startup.h"

#include "shell/Version.h"

#include <QApplication>
#include <QDir>
#include <QIconEngine>
#include <QPainter>

#include <map>
#include <memory>
#include <thread>

namespace shell {

QString ApplicationName() { return QStringLiteral("Selvanthe"); }

QString DesktopFileName() { return QStringLiteral(SELVANTHE_APP_ID); }

namespace {

// The pictures of an icon of one square picture file for each size, read on a thread of their own from the
// moment the icon is made, side by side with the rest of the start-up. QIcon::addFile decodes every file
// as it is added, on the thread that adds it: for the seven sizes of the program's icon that was a fifth
// of the start-up's work, done again for every window. A window system that takes a window's icon at
// every size (X11 does, as each window first shows) now finds them read; one that takes none never waits.
class IconPictures {
public:
    explicit IconPictures(std::map<int, QString> files) : files_(std::move(files))
    {
        for (const auto& [side, file] : files_)
            images_[side];
        // Writes only the pictures of the sizes already there, and nothing else is read of them until
        // the reader is joined.
        reader_ = std::thread([this] {
            for (auto& [side, image] : images_)
                image = QImage(files_.at(side));
        });
    }
    ~IconPictures() { wait(); }
    IconPictures(const IconPictures&) = delete;
    IconPictures& operator=(const IconPictures&) = delete;

    const std::map<int, QString>& files() const { return files_; }

    // The picture of one of the sizes, on the application's thread.
    const QPixmap& picture(int side)
    {
        wait();
        QPixmap& p = pixmaps_[side];
        if (p.isNull())
            p = QPixmap::fromImage(images_.at(side));
        return p;
    }

private:
    void wait()
    {
        if (reader_.joinable())
            reader_.join();
    }

    const std::map<int, QString> files_;
    std::map<int, QImage> images_;
    std::map<int, QPixmap> pixmaps_;
    std::thread reader_;
};

// An icon of those pictures, each at its size, the others made from the nearest.
class SizedFilesIconEngine final : public QIconEngine {
public:
    explicit SizedFilesIconEngine(std::shared_ptr<IconPictures> pictures) : pictures_(std::move(pictures)) {}

    QIconEngine* clone() const override { return new SizedFilesIconEngine(pictures_); }
    QString key() const override { return QStringLiteral("SizedFilesIconEngine"); }
    bool isNull() override { return pictures_->files().empty(); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (const auto& [side, file] : pictures_->files())
            sizes << QSize(side, side);
        return sizes;
    }

    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = fitting(size);
        return side ? QSize(side, side).boundedTo(size) : QSize();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        const int side = fitting(size);
        if (!side)
            return {};
        const QPixmap& read = pictures_->picture(side);
        if (read.isNull() || (size.width() >= side && size.height() >= side))
            return read;
        return read.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap p = pixmap(rect.size() * ratio, mode, state);
        p.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), p);
    }

private:
    // The smallest size at least as large as the one wanted, else the largest: a larger picture
    // scaled down looks better than a smaller one scaled up.
    int fitting(const QSize& size) const
    {
        const std::map<int, QString>& files = pictures_->files();
        if (files.empty())
            return 0;
        const auto at = files.lower_bound(std::max(size.width(), size.height()));
        return at != files.end() ? at->first : files.rbegin()->first;
    }

    std::shared_ptr<IconPictures> pictures_;
};

} // namespace

QIcon ProgramIcon()
{
    // Made once: every copy shares the pictures read. They go before the application's graphics do.
    static QIcon icon = [] {
        qAddPostRoutine([] { icon = QIcon(); });
        // The same pictures an installation puts into the icon theme, compiled in: icon-<size>.png.
        const QDir theme(QStringLiteral(":/pictures/desktop"));
        std::map<int, QString> files;
        for (const QString& name : theme.entryList({QStringLiteral("icon-*.png")}, QDir::Files))
            files.emplace(name.section(QLatin1Char('-'), 1).section(QLatin1Char('.'), 0, 0).toInt(),
                          theme.filePath(name));
        return QIcon(new SizedFilesIconEngine(std::make_shared<IconPictures>(std::move(files))));
    }();
    return icon;
}

void NameProgram()
{
    QCoreApplication::setOrganizationName(ApplicationName());
    QCoreApplication::setApplicationName(ApplicationName());
    QCoreApplication::setApplicationVersion(QString::fromLatin1(kProgramVersion));
    QGuiApplication::setDesktopFileName(DesktopFileName());
}

} // namespace shell
