#pragma once
// The step that picks the rune set when the entry step left it for later.
#include "runes/RunesChoiceForm.h"

namespace runes {

class frmRunesReadingSelect : public RunesChoiceForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmRunesReadingSelect";
    frmRunesReadingSelect();

    // Blue on the set's own colour for the set under the pointer, black on white for the others.
    void HighlightCategory(int index);

protected:
    void Choose(int index) override;
    void Highlight(int index) override { HighlightCategory(index); }
};

} // namespace runes
