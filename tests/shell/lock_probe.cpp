// A second process for the start-up tests: asks the single-instance guard as a copy of the program does,
// prints what it answered, then holds what it took until its input ends.
//   lock_probe            the program's own guard, in the places the environment gives
//   lock_probe PATH...    the guard over these places only
#include "platform/Services.h"

#include <QCoreApplication>

#include <cstdio>
#include <unistd.h>

int main(int argc, char** argv)
{
    platform::settleTemporaryFolder();
    QCoreApplication app(argc, argv);
    const QStringList paths = QCoreApplication::arguments().mid(1);
    const std::unique_ptr<platform::IInstanceGuard> own =
        paths.isEmpty() ? nullptr : platform::makeLockFileGuard(paths);
    platform::IInstanceGuard& guard = own ? *own : platform::instanceGuard();
    const bool another = guard.previousInstance();
    std::printf("%s\n", another ? "another copy runs" : "runs");
    std::fflush(stdout);
    char c = 0;
    while (::read(STDIN_FILENO, &c, 1) > 0) {
    }
    guard.release();
    return 0;
}
