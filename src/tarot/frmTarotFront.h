#pragma once
// The querent screen: the querent's name, country, date of birth and question, handed to the set-up
// screen by Next; or a saved reading opened instead.
#include "platform/Forms.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Label;
class Clickable;
class PictureBox;
}

namespace tarot {

class frmTarotFront : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmTarotFront";
    frmTarotFront();

    void Form_Load() override;
    void Form_Unload() override;

    // KeyAscii is the typed character's code; the handler sets it to 0 when the box must not take it.
    void txtName_KeyPress(int& KeyAscii);
    void txtCountry_KeyPress(int& KeyAscii);
    void cmdNext_Click();
    void cmdReset_Click();
    void cmdCancel_Click();
    // Opens a saved reading and shows it at once in a fresh card-layout window; a file that is no
    // reading is refused with a message and changes nothing.
    void cmdOpen_Click();
    void Label6_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refuseUnlessNameKey(int& KeyAscii, QLineEdit* box, const QString& message);
    bool filterTyping(QLineEdit* box, QEvent* event);
    void resetDate();

    platform::Label* lblName = nullptr;
    QLineEdit* txtName = nullptr;
    platform::Label* lblCountry = nullptr;
    QLineEdit* txtCountry = nullptr;
    platform::Label* lblAge = nullptr;
    QComboBox* cmbDate = nullptr;
    QComboBox* cmbMonth = nullptr;
    QComboBox* cmbYear = nullptr;
    platform::Label* lblQuestion = nullptr;
    QPlainTextEdit* txtQuestion = nullptr;
    QPushButton* cmdOpen = nullptr;
    QPushButton* cmdNext = nullptr;
    QPushButton* cmdReset = nullptr;
    QPushButton* cmdCancel = nullptr;
    platform::Clickable* Label6 = nullptr;
    platform::PictureBox* Image1 = nullptr;
};

} // namespace tarot
