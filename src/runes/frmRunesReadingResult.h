#pragma once
// The last step of the runes wizard: the grid of nine places with the drawn stones, and the reading.
#include "platform/Forms.h"

#include <array>

class QCheckBox;
class QLabel;
class QPushButton;

namespace platform {
class Label;
class Clickable;
class PictureBox;
class RichTextBox;
}

namespace runes {

class frmRunesReadingResult : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmRunesReadingResult";
    frmRunesReadingResult();

    void Form_Load() override;
    void Form_Unload() override;
    // Builds the reading the first time the window becomes the active one in this load.
    void Form_Activate();

    void Command1_Click();  // Start Again
    void Command3_Click();  // Exit
    void Check1_Click();    // Donate
    void Label1_Click();

private:
    void ArrangeResultForm();
    void SetSpreadLayout();
    void DrawStone(int place);

    platform::PictureBox* Picture1 = nullptr;
    std::array<platform::PictureBox*, 9> picResult{};
    std::array<platform::Label*, 9> lblStoneName{};
    std::array<platform::Label*, 9> lblFacing{};
    platform::RichTextBox* RichTextBox1 = nullptr;
    platform::Clickable* Label1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* Command3 = nullptr;
    QPushButton* Command1 = nullptr;
};

} // namespace runes
