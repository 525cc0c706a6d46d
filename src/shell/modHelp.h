#pragma once
// The maker's web pages opened in the browser, and the update reminder.
#include "shell/MakerSite.h"
#include "shell/UpdateDate.h"

namespace shell {

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

} // namespace shell
