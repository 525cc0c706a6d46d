#include "FakeToolWindows.h"

#include "platform/Forms.h"
#include "platform/PictureBox.h"
#include "shell/ToolSwitch.h"
#include "shell/frmMDI.h"

#include <QWidget>

namespace testing {

FakeToolWindow::FakeToolWindow(const QString& name, QStringList* log) : Form(name), log_(log)
{
    SetClientSizeTw(6000, 4500);
}

void FakeToolWindow::Form_Load() { log_->append(QStringLiteral("load:") + formName()); }

void FakeToolWindow::Form_Unload()
{
    log_->append(QStringLiteral("unload:") + formName());
    shell::frmMDI* mdi = shell::MDI();
    if (!mdi)
        return;
    const QString& n = formName();
    if (n == QLatin1String("frmAuto")) {
        mdi->ShowWelcomePanel(true);
        mdi->ShowQuerentBar(false);
    } else if (n == QLatin1String("frmTarotManual") || n == QLatin1String("frmTarotOpen") ||
               n == QLatin1String("frmTarotFront") || n == QLatin1String("frmTarot") ||
               n == QLatin1String("frmRunicTarotMain") || n == QLatin1String("frmRunicTarotDisplay")) {
        mdi->ShowWelcomePanel(true);
    } else if (n == QLatin1String("frmRunesReadingResult")) {
        mdi->ShowRunesSidePanel(true);
        mdi->ShowRunesStepBar(true);
    } else if (n == QLatin1String("frmRunicTarotSave")) {
        if (platform::Form* display = platform::Forms::Get(QStringLiteral("frmRunicTarotDisplay")))
            display->Show();
    }
}

const QStringList& toolWindowNames()
{
    // The windows the tool switch knows, each once, in its order.
    static const QStringList names = [] {
        QStringList unique;
        for (const QString& name : shell::ToolWindowUnloadOrder())
            if (!unique.contains(name))
                unique << name;
        return unique;
    }();
    return names;
}

void registerFakeToolWindows(QStringList* log)
{
    for (const QString& name : toolWindowNames())
        platform::Forms::Register(name, [name, log] { return new FakeToolWindow(name, log); });
}

} // namespace testing
