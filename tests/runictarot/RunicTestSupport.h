#pragma once
// Roads through the runic tarot windows shared by its window tests.
#include "TestMain.h"
#include "UserInput.h"

#include "runes/RuneTables.h"
#include "runictarot/CopyGuard.h"
#include "runictarot/RunicTarotState.h"
#include "runictarot/SunSign.h"
#include "runictarot/frmRunicTarotDisplay.h"
#include "runictarot/frmRunicTarotMain.h"
#include "runictarot/frmRunicTarotSave.h"
#include "platform/Controls.h"
#include "shell/frmMDI.h"

#include <QPushButton>

#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>

namespace rt {

using runictarot::frmRunicTarotDisplay;
using runictarot::frmRunicTarotMain;
using runictarot::frmRunicTarotSave;

inline void freshRunicTarot()
{
    testing::freshProgram();
    runictarot::ResetRunicTarotState();
    runes::ResetRunesState();
    QGuiApplication::clipboard()->clear();
}

// The details window as the main window's tool switch opens it.
inline frmRunicTarotMain* openTool()
{
    platform::Forms::Get<shell::frmMDI>()->Show();
    testing::click(shell::MDI()->cmdSelectOption[2]);
    return platform::Forms::Peek<frmRunicTarotMain>();
}

inline int monthPosition(const QString& month) { return runictarot::monthIndex(month); }

// The name as it stands in the box (typed, pasted or opened: the key rule is tested on its own), the date
// picked from the lists with the mouse.
inline bool enter(frmRunicTarotMain* m, const QString& name, int day, const QString& month, int year)
{
    m->txtName->setText(name);
    return testing::chooseEntry(m->cmbDate, day - 1) && testing::chooseEntry(m->cmbMonth, monthPosition(month)) &&
           testing::chooseEntry(m->cmbYear, year - runictarot::FirstBirthYear);
}

inline frmRunicTarotDisplay* generate(const QString& name, int day, const QString& month, int year)
{
    frmRunicTarotMain* m = platform::Forms::Peek<frmRunicTarotMain>();
    if (!m)
        m = openTool();
    if (!enter(m, name, day, month, year))
        return nullptr;
    testing::click(m->cmdRunicAstrology);
    return platform::Forms::Peek<frmRunicTarotDisplay>();
}

inline frmRunicTarotSave* openReport(const QString& name, int day, const QString& month, int year)
{
    frmRunicTarotDisplay* d = generate(name, day, month, year);
    if (!d)
        return nullptr;
    testing::click(d->cmdPrint);
    return platform::Forms::Peek<frmRunicTarotSave>();
}

// Puts content on the clipboard as a copy out of a guarded box would, or as another program would.
// A copy out of a guarded box, as the user makes one.
inline void putGuardedCopy(const QString& text)
{
    runictarot::GuardedTextBox box;
    box.SetText(text);
    box.selectAll();
    box.copy();
}
inline void putForeignCopy(const QString& text) { QGuiApplication::clipboard()->setText(text); }
inline QString clipboardText() { return QGuiApplication::clipboard()->text(); }

} // namespace rt
