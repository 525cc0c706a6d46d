#pragma once
// The runic tarot report: the reading of the moment as one formatted text, composed once when the window
// loads. It prints that text and saves the details it was composed from to a details file, whatever is
// generated after it. It is a tool window inside the main window, as the other windows of the tool are:
// the reading's request that it be modal is passed over, so the keyboard works wherever the user clicks.
#include "platform/Forms.h"
#include "runictarot/DetailsFile.h"

class QLabel;
class QPushButton;

namespace platform {
class Clickable;
}

namespace runictarot {

class GuardedTextBox;

class frmRunicTarotSave : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmRunicTarotSave";
    frmRunicTarotSave();

    void Form_Load() override;
    void Form_Unload() override;

    // Shows the report in front of the reading, its text taking the focus.
    void ShowOverReading();

    void cmdPrint_Click();
    void cmdSave_Click();
    void Label1_Click();
    void Label14_Click();
    void Label8_Click();

    // The copy blocking of the report.
    void RTB_Change();
    void RTB_Click();
    void RTB_MouseDown();
    void RTB_MouseMove();
    void RTB_MouseUp();

    // The details the report was composed from, which Save writes.
    const BirthDetails& reportedDetails() const { return details_; }

protected:
    // Escape closes the report, as the close box does.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void composeReport();

    BirthDetails details_;

    platform::Clickable* Label14 = nullptr;
    platform::Clickable* Label1 = nullptr;
    GuardedTextBox* RTB = nullptr;
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdPrint = nullptr;
    platform::Clickable* Label8 = nullptr;
};

} // namespace runictarot
