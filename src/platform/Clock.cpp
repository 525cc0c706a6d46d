#include "platform/Clock.h"

#include "platform/Lazy.h"

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
    return lazy(slot(), [] { return std::make_unique<SystemClock>(); });
}

QDateTime Now() { return clock().now(); }

} // namespace platform
