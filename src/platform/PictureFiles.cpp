#include "platform/PictureFiles.h"

#include <QBuffer>
#include <QCache>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QThread>

#include <atomic>
#include <thread>

namespace platform {

namespace {

// A picture file as it was read: its bytes, and what they gave.
struct Read {
    bool found = false; // a regular file that could be opened
    QByteArray bytes;
    QSize size; // from the header
    QImage picture;
    bool decoded = false;
    bool again = false; // the same bytes as when read before
    bool fresh = false; // read anew, not taken from before
};

// What the pictures read lately may hold, in KiB, at `density` pixels to the point: what the largest deal
// shows, 21 card pictures of 144 x 250 points decoded (141 KiB each at one pixel to the point, four times
// that at two), with the bytes of their files and twins (48 KiB a card at most). That is 4 MiB at one
// pixel to the point and 12.5 MiB at two: a deal that shows the cards of the one before finds them all
// decoded, and the memory the pictures keep no longer grows with the number of deals.
int LatelyBoundKiB(int density)
{
    constexpr qint64 kDealPictures = 21;
    constexpr qint64 kDecodedAtOne = 144 * 250 * 4;
    constexpr qint64 kFiles = 48 * 1024;
    return int(kDealPictures * (kDecodedAtOne * density * density + kFiles) / 1024);
}

// The pictures read lately. Decoding the card pictures is most of what a deal costs, and a deal shows
// cards of the deals before it again. The picture read least lately goes first.
QCache<QString, Read>& Lately()
{
    static QCache<QString, Read> cache = [] {
        // The pictures go with the application's graphics, before the end of the process.
        qAddPostRoutine([] { Lately().clear(); });
        return QCache<QString, Read>(LatelyBoundKiB(PictureDensity()));
    }();
    return cache;
}

Read Before(const QString& path)
{
    const Read* seen = Lately().object(path);
    return seen ? *seen : Read {};
}

// What a picture file holds now: its header's size, and its picture where `decode`, at `density` pixels to
// the point. The file is read whole every time and compared with what it held when read before, never
// trusted by size or time: a picture replaced within one tick of the file system's clock, or copied with
// its old time, still shows as the new one. Reads only what is a regular file: a pipe or a device never
// holds the window up. Touches nothing shared, so it runs on any thread.
Read ReadFile(const QString& path, const Read& before, bool decode, int density)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {};
    Read now;
    now.found = true;
    now.bytes = file.readAll();
    file.close();
    now.again = before.found && before.bytes == now.bytes;
    if (now.again && (before.decoded || !decode)) {
        Read same = before;
        same.again = true;
        same.fresh = false;
        return same;
    }
    now.fresh = true;
    // Decoded from the bytes just compared, so what shows is what was checked.
    QBuffer buffer(&now.bytes);
    buffer.open(QIODevice::ReadOnly);
    // The name's suffix says which reader to try first, as it does for a reader of the file itself.
    QImageReader reader(&buffer, QFileInfo(path).suffix().toLatin1());
    now.size = reader.size();
    if (decode) {
        now.picture = reader.read();
        now.picture.setDevicePixelRatio(density);
        now.decoded = true;
    }
    return now;
}

// Remembers what a read found. A picture is kept decoded from its second reading on: most pictures of a
// deal are met for the first time and shown once, framed or turned into pictures of their own, and
// keeping each of them decoded would take fresh memory for every one, which costs the first deal more
// than decoding them again.
void Remember(const QString& path, const Read& read)
{
    if (!read.found || !read.fresh)
        return;
    auto* kept = new Read(read);
    if (!read.again) {
        kept->picture = QImage();
        kept->decoded = false;
    }
    const qint64 bytes = kept->bytes.size() + kept->picture.sizeInBytes();
    Lately().insert(path, kept, int(qMax<qint64>(1, bytes / 1024)));
}

// A file's picture as ReadPicture gives it, from what the file and its twin held when read before; what
// was read on the way is left in base and twin, to be remembered. Touches nothing shared.
QImage PictureOf(const QString& path, int density, Read& base, Read& twin)
{
    if (density > 1) {
        // A twin that is not the picture at twice its size (left from other pictures) is passed over; so
        // is a twin whose picture is missing.
        base = ReadFile(path, base, false, 1);
        if (base.size.isValid()) {
            twin = ReadFile(TwinFile(path), twin, true, 2);
            if (!twin.picture.isNull() && twin.picture.size() == base.size * 2)
                return twin.picture;
        }
    }
    base = ReadFile(path, base, true, 1);
    return base.picture;
}

// One picture of a batch: what was read before, then what was read and made.
struct Job {
    QString path;
    Read base;
    Read twin;
    QImage made;
};

// Helpers a batch starts besides the thread that made it. Four at most: a spread's pictures are read no
// sooner by more, whose starting costs the first deal more than they save (each new thread's memory is
// touched for the first time).
int HelperCount(qsizetype pictures)
{
    return pictures < 2 ? 0 : qBound(0, qMin(int(pictures) - 1, QThread::idealThreadCount() - 1), 4);
}

} // namespace

int PictureDensity()
{
    return qGuiApp && qGuiApp->devicePixelRatio() > 1.0 ? 2 : 1;
}

QPixmap ReadPicture(const QString& path)
{
    // A batch of one reads on this thread alone.
    return PictureBatch({path}, {}).take().constFirst();
}

struct PictureBatch::Work {
    std::vector<Job> jobs;
    std::function<QImage(const QImage&)> finish;
    int density = 1;
    std::atomic<int> next {0};
    std::vector<std::thread> helpers;

    // Takes the jobs left one by one until none is.
    void run()
    {
        for (int i = next++; i < int(jobs.size()); i = next++) {
            Job& job = jobs[size_t(i)];
            const QImage picture = PictureOf(job.path, density, job.base, job.twin);
            if (!picture.isNull())
                job.made = finish ? finish(picture) : picture;
        }
    }
};

PictureBatch::PictureBatch(const QStringList& paths, std::function<QImage(const QImage&)> finish)
    : work_(std::make_unique<Work>())
{
    Work& w = *work_;
    w.finish = std::move(finish);
    w.density = PictureDensity();
    w.jobs.reserve(size_t(paths.size()));
    for (const QString& path : paths)
        w.jobs.push_back({path, Before(path), w.density > 1 ? Before(TwinFile(path)) : Read {}, {}});
    // This thread takes its share when the pictures are wanted. The helpers end with the batch: none
    // outlives what it reads for.
    const int helpers = HelperCount(paths.size());
    w.helpers.reserve(size_t(helpers));
    for (int i = 0; i < helpers; ++i)
        w.helpers.emplace_back([&w] { w.run(); });
}

PictureBatch::~PictureBatch() { wait(); }

void PictureBatch::wait()
{
    work_->run();
    for (std::thread& helper : work_->helpers)
        helper.join();
    work_->helpers.clear();
}

QList<QPixmap> PictureBatch::take()
{
    wait();
    QList<QPixmap> pictures;
    pictures.reserve(qsizetype(work_->jobs.size()));
    for (Job& job : work_->jobs) {
        Remember(job.path, job.base);
        if (work_->density > 1)
            Remember(TwinFile(job.path), job.twin);
        pictures.append(job.made.isNull() ? QPixmap() : QPixmap::fromImage(std::move(job.made)));
    }
    return pictures;
}

} // namespace platform
