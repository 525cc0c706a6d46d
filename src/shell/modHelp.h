#pragma once
// The maker's web pages and the update reminder.
#include <QString>

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

// Where the reminder keeps its date, as the store sees it.
inline constexpr const char* kSettingsProgram = "Selvanthe";
inline constexpr const char* kSettingsSection = "Settings";

} // namespace shell
