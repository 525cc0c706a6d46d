#include "shell/modHelp.h"

#include "platform/Services.h"
#include "shell/Codec.h"

namespace shell {

namespace {
QByteArray durationKey() { return EncodeString("Duration"); }

void storeNow()
{
    platform::settingsStore().set(QString::fromLatin1(kSettingsProgram), QString::fromLatin1(kSettingsSection),
                                  durationKey(), StoredUpdateDateValue(platform::Now()));
}
} // namespace

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
