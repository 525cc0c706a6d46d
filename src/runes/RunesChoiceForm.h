#pragma once
// The shape the rune-set screen and the spread screen share: five framed choices, each a picture and a
// description, an instruction frame and a banner; the pointer over a choice highlights its description
// and a click on its picture or description makes the choice.
#include "platform/Forms.h"

#include <array>

class QGroupBox;
class QLabel;

namespace platform {
class Label;
class Clickable;
class PictureBox;
}

namespace runes {

struct ChoiceCell {
    int index;            // the value the choice stores
    const char* caption;  // of its frame
    const char* info;     // the description
    double pictureLeft, pictureTop;
    double infoLeft, infoTop, infoWidth, infoHeight;
};

struct ChoiceScreenDesign {
    const char* instructionCaption;
    const char* instruction;
    double instructionTop, instructionHeight;
    double infoPointSize;
    const char* picturePattern;  // resource path with %1 for the index
    std::array<ChoiceCell, 5> cells;  // in grid order after the instruction frame
    int lastStepLabel;                // the step-bar labels 3..this are shown
};

class RunesChoiceForm : public platform::Form {
    Q_OBJECT
public:
    RunesChoiceForm(const QString& formName, const ChoiceScreenDesign& design);

    void Form_Load() override;

    void lblInfo_Click(int index);
    void picCatagory_Click(int index);
    void lblInfo_MouseMove(int index);
    void picCatagory_MouseMove(int index);
    void Form_MouseMove();
    void Label1_Click();

protected:
    // Stores the choice and hands over to the next step.
    virtual void Choose(int index) = 0;
    // Highlights the description of choice index (any other index: none).
    virtual void Highlight(int index) = 0;

    void mouseMoveEvent(QMouseEvent* event) override;
    // The description of choice index, which Highlight colours.
    QWidget* description(int index) const;

private:
    void Arrange();
    int lastStepLabel_;

    std::array<platform::Clickable*, 5> picCatagory {};
    std::array<platform::Clickable*, 5> lblInfo {};
    std::array<QGroupBox*, 5> fraChoice {}; // the frame of choice i
    QGroupBox* fraInstruction = nullptr;
    platform::Label* Label2 = nullptr;
    platform::PictureBox* Picture1 = nullptr;
    platform::Clickable* Label1 = nullptr;
};

} // namespace runes
