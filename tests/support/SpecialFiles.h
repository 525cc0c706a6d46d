#pragma once
// Paths that are no regular file, for the tests of the readers: a named pipe, a socket, a device and a
// folder, and a guard that keeps a reader stuck on a pipe from hanging the test run.
#include <QString>

#include <atomic>
#include <thread>

namespace testing {

// Makes a path of the kind named: "pipe" (a named pipe), "socket" (a bound local socket), "device" (a
// link to /dev/zero) or "folder". False when it could not be made.
bool makeSpecialFile(const QString& kind, const QString& path);

// While it lives, a reader that waits on the pipe at the path (opening it waits for a writer) is let go
// after a few seconds: the pipe's writing end is opened and closed, so the reader sees an empty pipe and
// the test goes on to fail instead of hanging.
class PipeUnblocker {
public:
    explicit PipeUnblocker(const QString& pipePath);
    ~PipeUnblocker();
    PipeUnblocker(const PipeUnblocker&) = delete;
    PipeUnblocker& operator=(const PipeUnblocker&) = delete;

    // Whether a reader had to be let go.
    bool hadToUnblock() const { return unblocked_; }

private:
    QByteArray path_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> unblocked_{false};
    std::thread thread_;
};

} // namespace testing
