#include "shell/Quit.h"

#include "platform/Forms.h"
#include "platform/Services.h"

#include <QPointer>

namespace shell {

namespace {
bool g_quitting = false;
int g_busy = 0;
} // namespace

void QuitApplication()
{
    if (g_quitting)
        return;
    g_quitting = true;
    platform::Forms::SetLoadingBlocked(true);
    QList<QPointer<platform::Form>> loaded;
    for (platform::Form* form : platform::Forms::Loaded())
        loaded.append(form);
    for (const QPointer<platform::Form>& form : loaded) {
        if (!form)
            continue;
        try {
            platform::Forms::Unload(form);
        } catch (const std::exception&) {
            // A window that fails while unloading is passed over; the program ends all the same.
        }
    }
    platform::settingsStore().sync();
    platform::instanceGuard().release();
    platform::processExit().exit(0);
}

bool IsQuitting() { return g_quitting; }

bool IsBusy() { return g_busy > 0; }
BusyScope::BusyScope() { ++g_busy; }
BusyScope::~BusyScope() { --g_busy; }

void ResetQuitStateForTests()
{
    g_quitting = false;
    g_busy = 0;
    platform::Forms::SetLoadingBlocked(false);
}

} // namespace shell
