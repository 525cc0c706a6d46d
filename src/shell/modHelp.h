#pragma once
// The maker's web pages and the update reminder.
#include <QString>

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>

#include <optional>

namespace shell {

// The maker's site. Every page address is the site, the page script and a page key.
inline constexpr const char* kSiteAddress = "https://www.selvanthe.example";
inline constexpr const char* kSiteDisplayAddress = "www.selvanthe.example";
inline constexpr const char* kForumHost = "forum.selvanthe.example";

QString PageAddress(const char* pageKey);

void OpenHomePage();
void OpenHelpPage();
void OpenDownloadPage();
void OpenDonatePage();
void OpenFullBrandPage();
void OpenCoBrandPage();
void OpenSoftwareCataloguePage();

// Asks, at most once a fortnight, whether to look for an update. Its only memory is the date of the last
// question in the settings store.
void AskForUpdate();

// The stored value of the last update question: the date, in a fixed form that does not depend on
// regional settings, encoded. Nothing when the value reads as no date.
std::optional<QDateTime> ReadStoredUpdateDate(QByteArrayView stored);
QByteArray StoredUpdateDateValue(const QDateTime& when);
// Whether the reminder asks again: the date lies more than fourteen days before or after today.
bool UpdateQuestionIsDue(const QDateTime& lastAsked, const QDateTime& now);

// Where the reminder keeps its date, as the store sees it.
inline constexpr const char* kSettingsProgram = "Selvanthe";
inline constexpr const char* kSettingsSection = "Settings";

} // namespace shell
