#pragma once
// Puts an environment variable back as it was (set or not, and its value) when the scope ends, for a test
// that changes what the program reads from its environment.
#include <QByteArray>
#include <QtGlobal>

namespace testing {

class EnvironmentKept {
public:
    explicit EnvironmentKept(const char* name)
        : name_(name), value_(qgetenv(name)), wasSet_(qEnvironmentVariableIsSet(name))
    {
    }
    ~EnvironmentKept()
    {
        if (wasSet_)
            qputenv(name_, value_);
        else
            qunsetenv(name_);
    }
    EnvironmentKept(const EnvironmentKept&) = delete;
    EnvironmentKept& operator=(const EnvironmentKept&) = delete;

private:
    const char* name_;
    QByteArray value_;
    bool wasSet_;
};

} // namespace testing
