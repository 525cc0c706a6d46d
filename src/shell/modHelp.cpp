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
    const QByteArray text = platform::Now().toString(QString::fromLatin1(kDateFormat)).toLatin1();
    platform::settingsStore().set(QString::fromLatin1(kSettingsProgram), QString::fromLatin1(kSettingsSection),
                                  durationKey(), EncodeString(text));
}
} // namespace

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
    const QString last = QString::fromLatin1(DecodeString(stored));
    const QDateTime lastAsked = QDateTime::fromString(last, QString::fromLatin1(kDateFormat));
    // A value that does not read as a date counts as none: the reminder starts afresh instead of
    // falling silent for good.
    if (last.isEmpty() || !lastAsked.isValid()) {
        storeNow();
        return;
    }
    const qint64 d = platform::Now().date().daysTo(lastAsked.date());
    if (d >= -14 && d <= 14)
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
