#pragma once
// Clickable web addresses in one read-only rich text box at a time: while detection is on, the box
// underlines every address in its text and a press of the left mouse button on one opens it in the
// browser. Which runs are links and what they open is Links.h's.
#include "runictarot/Links.h"

class QTextEdit;

namespace runictarot {

// Turns detection on for the box; the box's viewport gets the press handling, the document the
// underlining. Calling it again for the same box changes nothing; for another box, detection moves to
// that box.
void EnableUrlDetect(QTextEdit* box);
// Turns detection off and takes the underlining away; without detection on it does nothing.
void DisableUrlDetect();
// The box now watched, or null.
QTextEdit* UrlDetectBox();

} // namespace runictarot
