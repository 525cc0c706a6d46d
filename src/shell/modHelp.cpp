#include "shell/modHelp.h"

#include "platform/Services.h"
#include "shell/Codec.h"

namespace shell {

namespace {
// A fixed form that does not depend on regional settings, so the date always reads back.
constexpr const char* kDateFormat = "yyyy-MM-dd'T'HH:mm:ss";

QByteArray durationKey() { return EncodeString("Duration"); }

void storeNow()
{
    platform::settingsStore().set(QString::fromLatin1(kSettingsProgram), QString::fromLatin1(kSettingsSection),
                                  durationKey(), StoredUpdateDateValue(platform::Now()));
}
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

QString PageAddress(const char* pageKey)
{
    return QString::fromLatin1(kSiteAddress) + QStringLiteral("/selvanthe/ssd.php?page=") +
           QString::fromLatin1(pageKey);
}

void OpenHomePage() { platform::ShellOpen(PageAddress("home-page")); }
void OpenHelpPage() { platform::ShellOpen(PageAddress("help-web-page")); }
void OpenDownloadPage() { platform::ShellOpen(PageAddress("download-web-page")); }
void OpenDonatePage() { platform::ShellOpen(PageAddress("donate")); }
void OpenFullBrandPage() { platform::ShellOpen(PageAddress("fully-branded")); }
void OpenCoBrandPage() { platform::ShellOpen(PageAddress("co-brand")); }
void OpenSoftwareCataloguePage() { platform::ShellOpen(PageAddress("quendrasoftwares")); }

void AskForUpdate()
{
    const QByteArray stored = platform::settingsStore().get(
        QString::fromLatin1(kSettingsProgram), QString::fromLatin1(kSettingsSection), durationKey());
    const std::optional<QDateTime> lastAsked = ReadStoredUpdateDate(stored);
    // A value that does not read as a date counts as none: the reminder starts afresh instead of
    // falling silent for good.
    if (!lastAsked) {
        storeNow();
        return;
    }
    if (!UpdateQuestionIsDue(*lastAsked, platform::Now()))
        return;
    const platform::MsgResult answer =
        platform::MsgBox(QStringLiteral("There maybe an update to this software available\n"
                                        "Do you want to check for an update?"),
                         platform::MsgIcon::Information, platform::MsgButtons::YesNo);
    storeNow();
    if (answer == platform::MsgResult::Yes)
        OpenDownloadPage();
}

} // namespace shell
