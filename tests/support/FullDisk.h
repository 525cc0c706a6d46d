#pragma once
// A folder on a full disk, for the tests of what Save and Print do when their bytes do not fit.
//
// Where the test may mount one, the folder is a small tmpfs of its own, filled up while a test runs its
// step: the disk answers "No space left on device", as a real full disk does. Where it may not (no right
// to mount, as for a user who is not the superuser), the process's file size limit stands in for the
// step: a write past the room left fails with "File too large". Either way the file opens and the write
// after it fails. Which road was taken is written to the test's output, and a road that does not make
// writes fail fails the test instead of letting it pass. SELVANTHE_TEST_NO_MOUNT=1 takes the second road
// even where a mount is allowed.
#include <QString>
#include <QTemporaryDir>

#include <functional>

namespace testing {

class FullDisk {
public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    // How the disk is made full, in words for the test's output.
    QString road() const { return road_; }
    // The system's words for a write that does not fit, as the user should read them.
    QString reason() const;

    // Runs step with no more than room bytes left for a file written into the folder. False, with the
    // step not run, when a write past the room did not fail.
    bool whileFull(qint64 room, const std::function<void()>& step);

private:
    bool fill(qint64 room);
    bool writesFailPast(qint64 room) const;

    QTemporaryDir dir_;
    bool mounted_ = false;
    QString road_;
};

} // namespace testing
