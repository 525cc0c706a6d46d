#pragma once
// The tarot tool's first window: its title picture, the check that the picture folders are there, and,
// three seconds after it opens, the way on to the querent screen.
#include "platform/Forms.h"

class QPushButton;
class QTimer;

namespace platform {
class PictureBox;
}

namespace tarot {

class frmTarotOpen : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmTarotOpen";
    frmTarotOpen();

    void Form_Load() override;
    void Form_Unload() override;

    void Timer1_Timer();
    void cmdContd_Click();

private:
    platform::PictureBox* Image1 = nullptr;
    QPushButton* cmdContd = nullptr;
    QTimer* Timer1 = nullptr;
};

// The text shown when a picture folder is missing.
QString MissingFoldersMessage();

} // namespace tarot
