#pragma once
// The process's standard output and error written into a file while it stands, as a session's log takes
// them: what the program writes there and what the programs it starts write there, which inherit them.
#include <QFile>
#include <QString>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace testing {

class OutputCaught {
public:
    explicit OutputCaught(const QString& file)
    {
        std::fflush(nullptr);
        const int into = ::open(QFile::encodeName(file).constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
        out_ = ::dup(STDOUT_FILENO);
        err_ = ::dup(STDERR_FILENO);
        if (into >= 0) {
            ::dup2(into, STDOUT_FILENO);
            ::dup2(into, STDERR_FILENO);
            ::close(into);
        }
    }
    ~OutputCaught()
    {
        std::fflush(nullptr);
        if (out_ >= 0) {
            ::dup2(out_, STDOUT_FILENO);
            ::close(out_);
        }
        if (err_ >= 0) {
            ::dup2(err_, STDERR_FILENO);
            ::close(err_);
        }
    }
    OutputCaught(const OutputCaught&) = delete;
    OutputCaught& operator=(const OutputCaught&) = delete;

private:
    int out_ = -1;
    int err_ = -1;
};

} // namespace testing
