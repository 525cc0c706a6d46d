#pragma once
// The set-up screen: deck, spread and options for the reading, and the hand-over to the card-layout
// window (AutoCast) or to the manual reading (Manual).
#include "platform/Forms.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Label;
class Clickable;
class PictureBox;
}

namespace tarot {

class InputHold;

// The querent's details as the set-up screen holds them: handed on from the querent screen, and on to
// the main window's querent bar with the reading.
struct QuerentDetails {
    QString name;
    QString dateOfBirth;
    QString country;
    QString question;
};

class frmTarot : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmTarot";
    // Shown, and nothing dealt, when AutoCast or Manual finds that the spread's name, count and index
    // do not describe one spread.
    static constexpr const char* kBrokenChoiceMessage =
        "The chosen spread could not be read back from the list. Please choose the spread again.";
    frmTarot();
    ~frmTarot() override;

    void Form_Load() override;
    void Form_Unload() override;

    void cboCards_Click();
    void lstOption_Click();
    void chkLA_Click();
    void chkHA_Click();
    void chkRev_Click();
    void cmdAuto_Click();
    void cmdManual_Click();
    void mnuCast_Click();
    void cmdBack_Click();
    void cmdCancel_Click();
    void mnuExit_Click();
    void Label6_Click();
    // Selects the spread whose list text equals text, case aside, as a click on that entry would.
    void SelectSpreadByMenu(const QString& text);

    // Shows spread index's description and records its index and card count; an index outside the
    // catalogue changes only MaxCardInSet.
    void ShowSpreadInfo(std::int16_t index);

    // The querent's details the screen shows, and the details put in its boxes.
    QuerentDetails Querent() const;
    void SetQuerent(const QuerentDetails& querent);

    // True from the moment AutoCast or Manual starts until its hand-over is complete.
    bool handingOver() const { return handingOver_; }

    // Read by the manual reading when it opens, and by this screen's hand-over.
    QString card;
    std::int32_t no = 0;
    std::int16_t MaxCardInSet = 0;
    bool lboo = false;
    bool hboo = false;
    bool rboo = false;
    std::int16_t i = 0;

private:
    void buildMenus();
    void captureChoice();
    int selectedSpreadRow() const;
    bool choiceIsWhole() const;
    bool refuseBrokenChoice();
    void writeHandOver(bool manual);
    void startAutoCast(bool unloadAfter);
    void finishAutoCast(bool unloadAfter);
    void loadSpreadPicture(int index);
    void endHandOver();

    bool handingOver_ = false;
    std::unique_ptr<InputHold> hold_;

    std::array<platform::Label*, 2> Label4{};
    QComboBox* cboCards = nullptr;
    QListWidget* lstOption = nullptr;
    QPlainTextEdit* txtDisp = nullptr;
    platform::PictureBox* pctCard = nullptr;
    QGroupBox* frmArcane = nullptr;
    QCheckBox* chkLA = nullptr;
    QCheckBox* chkHA = nullptr;
    QCheckBox* chkRev = nullptr;
    platform::Label* Label3 = nullptr;
    QPushButton* cmdAuto = nullptr;
    QPushButton* cmdManual = nullptr;
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdCancel = nullptr;
    QFrame* picMessage = nullptr;
    platform::Label* Label1 = nullptr;
    platform::Label* Label2 = nullptr;
    platform::Label* lblName = nullptr;
    QLineEdit* txtName = nullptr;
    platform::Label* lblDOB = nullptr;
    QLineEdit* txtDOB = nullptr;
    platform::Label* lblCountry = nullptr;
    QLineEdit* txtCountry = nullptr;
    platform::Label* lblQ = nullptr;
    QPlainTextEdit* txtQ = nullptr;
    platform::Clickable* Label6 = nullptr;
};

} // namespace tarot
