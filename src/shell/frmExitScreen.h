#pragma once
// The exit screen: the last window of a run. It shows the program's name and icon, a support message,
// links to the maker's pages and the refer-a-friend form, and stays above other programs' windows. Leaving
// it, by its Exit button or its close box, ends the program.
#include "platform/Forms.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Label;
class Clickable;
class PictureBox;
}

namespace shell {

// Support message n (0..3); any other n gives the nearest one.
QString SupportMessage(int n);
// The promotional paragraph of the software frame.
QString SoftwarePromotionText();

class frmExitScreen : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmExitScreen";
    frmExitScreen();

    void Form_Load() override;
    void Form_Unload() override;

    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();
    void cmdSubmit_Click();

    // The refer-a-friend boxes: a box still holding its placeholder is emptied when the user enters it,
    // and one left empty gets its placeholder back.
    void txtName_GotFocus();
    void txtName_LostFocus();
    void txtEmail_GotFocus();
    void txtEmail_LostFocus();
    void txtFriendName_GotFocus();
    void txtFriendName_LostFocus();
    void txtFriendEmail_GotFocus();
    void txtFriendEmail_LostFocus();
    void txtMessage_GotFocus();
    void txtMessage_LostFocus();
    // An address cannot hold a space: a typed one is refused (KeyAscii set to 0) and told.
    void txtEmail_KeyPress(int& KeyAscii);
    void txtFriendEmail_KeyPress(int& KeyAscii);

    // The message box's text with CR LF line breaks, as the request sends it.
    QString MessageText() const;
    void SetMessageText(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString boxText(const QWidget* box) const;
    void setBoxText(QWidget* box, const QString& text);
    void enterBox(QWidget* box, const char* placeholder);
    void leaveBox(QWidget* box, const char* placeholder);
    void refuseSpace(QLineEdit* box, int& keyAscii);
    void tell(const char* text);

    platform::PictureBox* picExitIcon = nullptr;
    platform::Label* lblExitCaption = nullptr;
    platform::Label* Label2 = nullptr;
    QCheckBox* Check1 = nullptr;
    QPushButton* cmdClose = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLineEdit* txtName = nullptr;
    QLineEdit* txtEmail = nullptr;
    QLineEdit* txtFriendName = nullptr;
    QLineEdit* txtFriendEmail = nullptr;
    QPushButton* cmdSubmit = nullptr;
    QPlainTextEdit* txtMessage = nullptr;
    QGroupBox* Frame6 = nullptr;
    platform::Label* Label3 = nullptr;
    platform::Clickable* lblGoToHome = nullptr;
};

} // namespace shell
