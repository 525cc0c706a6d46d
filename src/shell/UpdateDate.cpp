#include "shell/UpdateDate.h"

#include "shell/Codec.h"

namespace shell {

namespace {
// A fixed form that does not depend on regional settings, so the date always reads back.
constexpr const char* kDateFormat = "yyyy-MM-dd'T'HH:mm:ss";
} // namespace

std::optional<QDateTime> ReadStoredUpdateDate(QByteArrayView stored)
{
    const QString last = QString::fromLatin1(DecodeString(stored));
    if (last.isEmpty())
        return std::nullopt;
    const QDateTime when = QDateTime::fromString(last, QString::fromLatin1(kDateFormat));
    if (!when.isValid())
        return std::nullopt;
    return when;
}

QByteArray StoredUpdateDateValue(const QDateTime& when)
{
    return EncodeString(when.toString(QString::fromLatin1(kDateFormat)).toLatin1());
}

bool UpdateQuestionIsDue(const QDateTime& lastAsked, const QDateTime& now)
{
    const qint64 d = now.date().daysTo(lastAsked.date());
    return d < -14 || d > 14;
}

} // namespace shell
