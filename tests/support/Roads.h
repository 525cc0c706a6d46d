#pragma once
// The roads a user takes to each window, clicked as a user clicks them, for tests that start there. Each
// returns the window the road ends in, or null where the road did not get there.
namespace platform {
class RichTextBox;
}
namespace shell {
class frmMDI;
}
namespace tarot {
class frmTarotOpen;
class frmTarotFront;
class frmTarot;
class frmTarotManual;
} // namespace tarot
namespace runes {
class frmRunesReadingEntry;
class frmRunesReadingSelect;
} // namespace runes
namespace runictarot {
class frmRunicTarotMain;
class frmRunicTarotDisplay;
} // namespace runictarot

namespace testing {

// The main window, shown and active.
shell::frmMDI* openMain();
// The main window's reading pane, found by its name as any control is.
platform::RichTextBox* readingPane();

// The tarot: its entry screen, the querent screen once the entry's pause is over, the set-up screen,
// and the manual reading.
tarot::frmTarotOpen* tarotEntry();
tarot::frmTarotFront* tarotQuerent();
tarot::frmTarot* tarotSetUp();
tarot::frmTarotManual* tarotManual();

// The runes: the entry screen and the rune sets.
runes::frmRunesReadingEntry* runesEntry();
runes::frmRunesReadingSelect* runeSetScreen();

// The runic tarot: the details window, and the reading of a querent named "ann".
runictarot::frmRunicTarotMain* runicDetails();
runictarot::frmRunicTarotDisplay* runicReading();

} // namespace testing
