#pragma once
// Roads through the runic tarot windows shared by its window tests.
#include "TestMain.h"

#include "runes/RuneTables.h"
#include "runictarot/CopyGuard.h"
#include "runictarot/RunicTarotState.h"
#include "runictarot/SunSign.h"
#include "runictarot/frmRunicTarotDisplay.h"
#include "runictarot/frmRunicTarotMain.h"
#include "runictarot/frmRunicTarotSave.h"
#include "shell/frmMDI.h"

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
    shell::MDI()->cmdSelectOption_Click(2);
    return platform::Forms::Peek<frmRunicTarotMain>();
}

inline int monthPosition(const QString& month) { return runictarot::monthIndex(month); }

inline void enter(frmRunicTarotMain* m, const QString& name, int day, const QString& month, int year)
{
    m->txtName->setText(name);
    m->cmbDate->setCurrentIndex(day - 1);
    m->cmbMonth->setCurrentIndex(monthPosition(month));
    m->cmbYear->setCurrentIndex(year - runictarot::FirstBirthYear);
}

inline frmRunicTarotDisplay* generate(const QString& name, int day, const QString& month, int year)
{
    frmRunicTarotMain* m = platform::Forms::Peek<frmRunicTarotMain>();
    if (!m)
        m = openTool();
    enter(m, name, day, month, year);
    m->cmdRunicAstrology_Click();
    return platform::Forms::Peek<frmRunicTarotDisplay>();
}

inline frmRunicTarotSave* openReport(const QString& name, int day, const QString& month, int year)
{
    frmRunicTarotDisplay* d = generate(name, day, month, year);
    if (!d)
        return nullptr;
    d->cmdPrint_Click();
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
