#pragma once
// The long runic texts are guarded against copying: every change of such a box, and every click, press,
// move or release of the mouse in it, takes from the clipboard what was copied out of these boxes. Only
// what a guarded box put there is ever taken away, so whatever another program (or another part of this
// one) placed there survives. What the boxes put there is known from their own copies and the
// clipboard's change signals: the clipboard's contents are never read, so a program that owns the
// clipboard and does not answer can never hold the window up.
#include "platform/RichTextBox.h"

#include <QObject>

#include <functional>

namespace runictarot {

// A read-only text box whose copies the guard keeps track of.
class GuardedTextBox : public platform::RichTextBox {
    Q_OBJECT
public:
    explicit GuardedTextBox(QWidget* parent = nullptr);

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

// Whether the clipboard (or the selection clipboard, where the desktop has one) holds a guarded copy.
bool clipboardHoldsGuardedCopy();
// Empties the clipboard, and the selection clipboard, of a guarded copy; anything else stays.
void clearGuardedCopy();

// The five events of a guarded box, as the window's handlers receive them.
struct GuardHandlers {
    std::function<void()> change, click, mouseDown, mouseMove, mouseUp;
};
// Connects a box's change and mouse events to its window's handlers.
void connectGuardHandlers(GuardedTextBox* box, GuardHandlers handlers);

} // namespace runictarot
