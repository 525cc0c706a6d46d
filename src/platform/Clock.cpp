#include "platform/Clock.h"

namespace platform {

namespace {

class SystemClock final : public IClock {
public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

std::unique_ptr<IClock>& slot()
{
    static std::unique_ptr<IClock> installed;
    return installed;
}

} // namespace

void setClock(std::unique_ptr<IClock> p) { slot() = std::move(p); }
IClock& clock()
{
    if (!slot())
        slot() = std::make_unique<SystemClock>();
    return *slot();
}

QDateTime Now() { return clock().now(); }

} // namespace platform
