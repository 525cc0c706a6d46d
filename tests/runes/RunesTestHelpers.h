#pragma once
// Shared by the runes tests: the main window, the roads into the wizard, and readers of the screen.
#include "FindControl.h"
#include "Seams.h"
#include "UserInput.h"
#include "platform/Forms.h"
#include "platform/PictureBox.h"
#include "platform/RichTextBox.h"
#include "runes/RuneTables.h"
#include "runes/frmRunesReadingEntry.h"
#include "runes/frmRunesReadingResult.h"
#include "shell/frmMDI.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace runestest {

inline shell::frmMDI* OpenMain()
{
    auto* mdi = platform::Forms::Get<shell::frmMDI>();
    mdi->Show();
    QApplication::setActiveWindow(mdi);  // as the desktop gives the window it shows the keyboard
    return mdi;
}

// The runes tool opened from its button, as the user does.
inline runes::frmRunesReadingEntry* OpenEntry()
{
    testing::click(testing::control<QPushButton>(OpenMain(), "cmdSelectOption", 0));
    return platform::Forms::Peek<runes::frmRunesReadingEntry>();
}

// Through the entry step with both choices made now: the result window, its reading built.
inline runes::frmRunesReadingResult* OpenResult(int runeSet, int spread)
{
    runes::frmRunesReadingEntry* entry = OpenEntry();
    if (!entry)
        return nullptr;
    testing::click(testing::control<QRadioButton>(entry, "optRune", runeSet));
    testing::click(testing::control<QRadioButton>(entry, "optSpread", spread));
    testing::click(testing::control<QPushButton>(entry, "cmdNext"));
    return platform::Forms::Peek<runes::frmRunesReadingResult>();
}

// Tool windows that are loaded and not on their way out, by name.
inline QStringList LoadedToolWindows()
{
    QStringList out;
    for (platform::Form* f : platform::Forms::Loaded())
        if (f->kind() == platform::Form::Kind::MdiChild)
            out << f->formName();
    return out;
}

inline bool OnShow(const QWidget* w) { return w && !w->isHidden(); }

// Which step-bar labels 0..8 are on show, as a string of 0 and 1.
inline QString StepLabels(shell::frmMDI* mdi)
{
    QString out;
    for (QLabel* l : testing::controls<platform::Label>(mdi, "lblScreenInfo"))
        out += OnShow(l) ? QLatin1Char('1') : QLatin1Char('0');
    return out;
}

// A pointer move over a control, delivered as the desktop delivers it (with propagation).
inline void MoveOver(QWidget* w)
{
    const QPoint at(2, 2);
    QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(w->mapToGlobal(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

inline QColor Fore(const QWidget* w) { return w->palette().color(QPalette::WindowText); }
inline QColor Back(const QWidget* w) { return w->palette().color(QPalette::Window); }

// Script the random numbers one draw of a stone takes: the stone attempts, then the facing.
inline void Script(const QList<double>& values) { testing::seams().random->enqueue(values); }

// The u that draws stone n (1..25).
inline double StoneU(int n) { return (n - 1) / 25.0 + 0.001; }

} // namespace runestest
