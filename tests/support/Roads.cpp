#include "FindControl.h"
#include "Roads.h"

#include "UserInput.h"

#include "platform/Forms.h"
#include "platform/RichTextBox.h"
#include "runes/frmRunesReadingEntry.h"
#include "runes/frmRunesReadingSelect.h"
#include "runictarot/frmRunicTarotDisplay.h"
#include "runictarot/frmRunicTarotMain.h"
#include "shell/frmMDI.h"
#include "tarot/frmTarot.h"
#include "tarot/frmTarotFront.h"
#include "tarot/frmTarotManual.h"
#include "tarot/frmTarotOpen.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace testing {

shell::frmMDI* openMain()
{
    auto* mdi = platform::Forms::Get<shell::frmMDI>();
    mdi->Show();
    QApplication::setActiveWindow(mdi);
    mdi->activateWindow();
    (void)QTest::qWaitForWindowActive(mdi);
    return mdi;
}

platform::RichTextBox* readingPane() { return control<platform::RichTextBox>(shell::MDI(), "RTB"); }

tarot::frmTarotOpen* tarotEntry()
{
    click(testing::control<QPushButton>(openMain(), "cmdSelectOption", 1));
    return platform::Forms::Peek<tarot::frmTarotOpen>();
}

tarot::frmTarotFront* tarotQuerent()
{
    tarot::frmTarotOpen* open = tarotEntry();
    if (!open)
        return nullptr;
    open->Timer1_Timer(); // the three seconds have passed
    click(testing::control<QPushButton>(open, "cmdContd"));
    return platform::Forms::Peek<tarot::frmTarotFront>();
}

tarot::frmTarot* tarotSetUp()
{
    tarot::frmTarotFront* front = tarotQuerent();
    if (!front)
        return nullptr;
    click(testing::control<QPushButton>(front, "cmdNext"));
    return platform::Forms::Peek<tarot::frmTarot>();
}

tarot::frmTarotManual* tarotManual()
{
    tarot::frmTarot* setUp = tarotSetUp();
    if (!setUp)
        return nullptr;
    click(testing::control<QPushButton>(setUp, "cmdManual"));
    return platform::Forms::Peek<tarot::frmTarotManual>();
}

runes::frmRunesReadingEntry* runesEntry()
{
    click(testing::control<QPushButton>(openMain(), "cmdSelectOption", 0));
    return platform::Forms::Peek<runes::frmRunesReadingEntry>();
}

runes::frmRunesReadingSelect* runeSetScreen()
{
    runes::frmRunesReadingEntry* entry = runesEntry();
    if (!entry)
        return nullptr;
    click(testing::control<QPushButton>(entry, "cmdNext"));
    return platform::Forms::Peek<runes::frmRunesReadingSelect>();
}

runictarot::frmRunicTarotMain* runicDetails()
{
    click(testing::control<QPushButton>(openMain(), "cmdSelectOption", 2));
    return platform::Forms::Peek<runictarot::frmRunicTarotMain>();
}

runictarot::frmRunicTarotDisplay* runicReading()
{
    runictarot::frmRunicTarotMain* details = runicDetails();
    if (!details)
        return nullptr;
    click(testing::control<QLineEdit>(details, "txtName"));
    type(QStringLiteral("ann"));
    click(testing::control<QPushButton>(details, "cmdRunicAstrology"));
    return platform::Forms::Peek<runictarot::frmRunicTarotDisplay>();
}

} // namespace testing
