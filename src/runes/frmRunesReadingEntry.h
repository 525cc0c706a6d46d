#pragma once
// The first step of the runes wizard: the querent's name, date of birth and question, and, now or later,
// the rune set and the spread.
#include "platform/Forms.h"

#include <array>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace platform {
class Clickable;
}

namespace runes {

class frmRunesReadingEntry : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmRunesReadingEntry";
    // The placeholders; a box holding exactly its placeholder counts as empty.
    static constexpr const char* kNamePlaceholder = "Input Name";
    static constexpr const char* kQuestionPlaceholder = "Input Question\r\n";
    static constexpr int kDefaultYearItem = 80;  // 1980

    frmRunesReadingEntry();

    void Form_Load() override;

    void optRune_Click(int index);
    void optSpread_Click(int index);
    void txtName_GotFocus();
    void txtName_KeyDown();
    void txtQuestion_GotFocus();
    void cmdNext_Click();
    void Command1_Click();  // Reset
    void Command2_Click();  // Exit
    void Label1_Click();

    // The question box's text with CR LF line breaks.
    QString QuestionText() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void InitEntryForm();
    void keepFocusOrder();
    void SelectDefaultDate();
    QButtonGroup* runeGroup_ = nullptr;
    QButtonGroup* spreadGroup_ = nullptr;

    platform::Clickable* Label1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    QLineEdit* txtName = nullptr;
    QComboBox* cboDate = nullptr;
    QComboBox* cboMonth = nullptr;
    QComboBox* cboYear = nullptr;
    QGroupBox* Frame2 = nullptr;
    QPlainTextEdit* txtQuestion = nullptr;
    QGroupBox* Frame3 = nullptr;
    std::array<QRadioButton*, 6> optRune{};
    QGroupBox* Frame4 = nullptr;
    std::array<QRadioButton*, 6> optSpread{};
    QPushButton* Command2 = nullptr;
    QPushButton* Command1 = nullptr;
    QPushButton* cmdNext = nullptr;
};

} // namespace runes
