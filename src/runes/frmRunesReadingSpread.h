#pragma once
// The step that picks the spread when it was left for later.
#include "runes/RunesChoiceForm.h"

namespace runes {

class frmRunesReadingSpread : public RunesChoiceForm {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmRunesReadingSpread";
    frmRunesReadingSpread();

    // Blue text for the spread under the pointer, black for the others; the ground stays white.
    void HighlightSpread(int index);

protected:
    void Choose(int index) override;
    void Highlight(int index) override { HighlightSpread(index); }
};

} // namespace runes
