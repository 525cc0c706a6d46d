#pragma once
// The tarot's Save: the reading on show, composed into the bytes of its file, checked against what Open
// accepts, and written where the user says.
class QWidget;

namespace tarot {

// Asks for a file (the dialog over dialogParent) and writes the reading on show into it, whole or not at
// all. Tells the user when no reading is on show, when its file would not open again (then nothing is
// asked), and when the file could not be written, with the system's reason.
void SaveShownReading(QWidget* dialogParent);

} // namespace tarot
