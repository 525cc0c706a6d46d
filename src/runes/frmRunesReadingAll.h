#pragma once
// Every rune stone in one list: its pictures in the five rune sets, its name and its meanings.
#include "platform/Forms.h"

namespace platform {
class RichTextBox;
}

namespace runes {

class frmRunesReadingAll : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmRunesReadingAll";
    static constexpr double kClientWidth = 14505;
    frmRunesReadingAll();

    void Form_Load() override;
    void Form_Unload() override;

private:
    void ShowAllRunes();
    void SizeToContent();

    platform::RichTextBox* RichTextBox1 = nullptr;
};

} // namespace runes
