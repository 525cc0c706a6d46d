#pragma once
// The about box: name and version, a short description, two links to the maker's pages and OK.
#include "platform/Forms.h"

class QLabel;
class QPushButton;

namespace platform {
class Label;
class Clickable;
class PictureBox;
}

namespace shell {

class frmAbout : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmAbout";
    frmAbout();

    void cmdOK_Click();
    void lblHomePage_Click();
    void lblCobrand_Click();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    platform::PictureBox* Picture1 = nullptr;
    platform::Label* Label1 = nullptr;
    platform::Label* Label2 = nullptr;
    platform::Label* Label3 = nullptr;
    platform::Clickable* lblHomePage = nullptr;
    platform::Clickable* lblCobrand = nullptr;
    QPushButton* cmdOK = nullptr;
};

// Shows the about box modally over the window on view.
void ShowAbout();

} // namespace shell
