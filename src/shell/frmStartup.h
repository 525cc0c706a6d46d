#pragma once
// The start-up window. It is never shown: its load routine is the start-up sequence, and it stays
// loaded for the whole run because the exit screen takes its icon from it.
#include "platform/Forms.h"
#include "platform/ImageList.h"

class QLabel;

namespace platform {
class PictureBox;
}

namespace shell {

class frmStartup : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmStartup";
    frmStartup();

    void Form_Load() override;
    void Form_Unload() override;

    // False when another copy was running and this one must end without opening a window.
    bool continuesRunning() const { return continues_; }

    platform::ImageList IMGIcon;

private:
    bool continues_ = false;

    QLabel* lblStartupCaption = nullptr;
    platform::PictureBox* picStartupIcon = nullptr;
};

} // namespace shell
