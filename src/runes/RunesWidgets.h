#pragma once
// What the runes windows share on the screen side: the hand pointer, the mouse relay that turns
// clicks and hovers on a control into the window's handlers, the user's close of a window, and the
// writing of text pieces into a rich text box.
#include "platform/Controls.h"
#include "runes/StoneGrid.h"

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QObject>

#include <functional>

class QLabel;
class QTextEdit;
class QWidget;

namespace platform {
class Form;
}

namespace runes {

using platform::Verdana;

// The pointing hand of the banners and the choices, its hot spot at the fingertip.
QCursor HandCursor();

// The window's outer size (frame included), in twips.
void SetOuterSizeTw(platform::Form* form, double width, double height);

// Moves the window to the top-left corner of the main window's work area and gives it the work area's
// size, as the docked panels leave it at this moment (a panel just shown or hidden counts).
void FillWorkArea(platform::Form* form);

// A colour of the tables (0x00BBGGRR, or a system colour reference) as the desktop shows it.
QColor ResolveColour(quint32 colour);

// Turns the pointer's moves over a control into a callback.
class MouseRelay : public QObject {
public:
    MouseRelay(QWidget* control, std::function<void()> onMove);
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> onMove_;
};

// Runs the handler instead of a plain unload when the user closes the window (close box, Ctrl+F4).
// Unloads made by the program do not come here.
void OnUserClose(platform::Form* form, std::function<void()> handler);

// Appends the pieces at the end of the box, each in its own format: the given family (empty: the box's
// own), the piece's size or the given size, bold, underline and colour as the piece says. New paragraphs
// keep the indent of the box's first one, and a rule's paragraph draws a line across the box.
void AppendPieces(QTextEdit* box, const QList<TextPiece>& pieces, const QString& family, double pointSize);

} // namespace runes
