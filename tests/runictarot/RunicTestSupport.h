#pragma once
// Roads through the runic tarot windows shared by its window tests.
#include "FindControl.h"
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

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>

#include <algorithm>

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
    QApplication::setActiveWindow(shell::MDI());  // as the desktop gives the window it shows the keyboard
    testing::click(testing::control<QPushButton>(shell::MDI(), "cmdSelectOption", 2));
    return platform::Forms::Peek<frmRunicTarotMain>();
}

inline int monthPosition(const QString& month) { return runictarot::monthIndex(month); }

// The name put into its box in place of what it held, as the user puts it there: typed. A name the key
// rule would refuse a character of reaches the box by no input (typing and every paste obey the rule),
// only as Open puts a name read from a file there: the box is given it straight.
inline bool enterName(frmRunicTarotMain* m, const QString& name)
{
    const bool typeable = std::all_of(name.begin(), name.end(), [](QChar c) {
        return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               c == QLatin1Char(' ');
    });
    if (typeable)
        return testing::typeInto(testing::control<QLineEdit>(m, "txtName"), name);
    testing::control<QLineEdit>(m, "txtName")->setText(name);
    return testing::control<QLineEdit>(m, "txtName")->text() == name;
}

// The name entered, the date picked from the lists with the mouse.
inline bool enter(frmRunicTarotMain* m, const QString& name, int day, const QString& month, int year)
{
    return enterName(m, name) && testing::chooseEntry(testing::control<QComboBox>(m, "cmbDate"), day - 1) &&
           testing::chooseEntry(testing::control<QComboBox>(m, "cmbMonth"), monthPosition(month)) &&
           testing::chooseEntry(testing::control<QComboBox>(m, "cmbYear"), year - runictarot::FirstBirthYear);
}

// The details window on view: opened from the tool button, or brought back with the reading's Back.
inline frmRunicTarotMain* detailsWindow()
{
    frmRunicTarotMain* m = platform::Forms::Peek<frmRunicTarotMain>();
    if (!m)
        return openTool();
    if (!m->isVisible())
        if (frmRunicTarotDisplay* d = platform::Forms::Peek<frmRunicTarotDisplay>(); d && d->isVisible())
            testing::click(testing::control<QPushButton>(d, "cmdBack"));
    return m->isVisible() ? m : nullptr;
}

inline frmRunicTarotDisplay* generate(const QString& name, int day, const QString& month, int year)
{
    frmRunicTarotMain* m = detailsWindow();
    if (!m || !enter(m, name, day, month, year))
        return nullptr;
    testing::click(testing::control<QPushButton>(m, "cmdRunicAstrology"));
    return platform::Forms::Peek<frmRunicTarotDisplay>();
}

inline frmRunicTarotSave* openReport(const QString& name, int day, const QString& month, int year)
{
    frmRunicTarotDisplay* d = generate(name, day, month, year);
    if (!d)
        return nullptr;
    testing::click(testing::control<QPushButton>(d, "cmdPrint"));
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
