#pragma once
// The long runic texts are guarded against copying: every change of such a box, and every click, press,
// move or release of the mouse in it, takes from the clipboard what was copied out of these boxes. The
// boxes mark what they put on the clipboard, and only marked content is ever taken away, so whatever
// another program (or another part of this one) placed there survives.
#include "platform/RichTextBox.h"

#include <QObject>

#include <functional>

namespace runictarot {

// The private format that marks a copy out of a guarded box.
inline constexpr const char* kCopyMarkFormat = "application/x-selvanthe-guarded-copy";

// A read-only text box whose copies carry the mark.
class GuardedTextBox : public platform::RichTextBox {
    Q_OBJECT
public:
    explicit GuardedTextBox(QWidget* parent = nullptr);

protected:
    QMimeData* createMimeDataFromSelection() const override;
};

// Whether the clipboard (or the selection clipboard, where the desktop has one) holds a marked copy.
bool clipboardHoldsGuardedCopy();
// Empties the clipboard, and the selection clipboard, of a marked copy; anything else stays.
void clearGuardedCopy();

// The five events of a guarded box, as the window's handlers receive them.
struct GuardHandlers {
    std::function<void()> change, click, mouseDown, mouseMove, mouseUp;
};
// Connects a box's change and mouse events to its window's handlers.
void connectGuardHandlers(GuardedTextBox* box, GuardHandlers handlers);

} // namespace runictarot
