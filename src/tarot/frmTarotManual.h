#pragma once
// The manual reading: the querent picks one face-down card per position of the spread, guided by the
// prompt of the position the next pick fills. The last pick shows the waiting panel, and after a pause
// the cards are dealt at random onto the card-layout window in the spread's shape and the reading is
// written. The backs picked decide only when the deal starts, never which cards come.
#include "platform/Forms.h"
#include "platform/VbArray.h"

#include <QString>

#include <array>
#include <cstdint>
#include <memory>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace platform {
class Label;
class Clickable;
class PictureBox;
}

namespace tarot {

class InputHold;

class frmTarotManual : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmTarotManual";
    static constexpr int kBackCount = 78;
    static constexpr int kBackColumns = 13;
    static constexpr int kPauseMs = 3000;

    // Picking until the last pick, then dealing through the pause and the deal, then done: the window
    // hides and stays so until the tool switch takes it away.
    enum class Phase { Picking, Dealing, Done };

    frmTarotManual();
    ~frmTarotManual() override;

    void Form_Load() override;
    void Form_Unload() override;

    void p_Click(int Index);
    void cmdBack_Click();
    void cmdCancel_Click();
    void Label6_Click();
    void mnuStart_Click();
    void mnuExit_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDona_Click();
    void mnuMakeMoney_Click();

    // One per spread, numbered by the spread's list index: writes the prompt that follows position
    // PicIndex and has the card-layout window lay DrawnCard there, as its drawn facing says.
    void SetPicPlacement0(int PicIndex);
    void SetPicPlacement1(int PicIndex);
    void SetPicPlacement2(int PicIndex);
    void SetPicPlacement3(int PicIndex);
    void SetPicPlacement4(int PicIndex);
    void SetPicPlacement5(int PicIndex);
    void SetPicPlacement6(int PicIndex);
    void SetPicPlacement7(int PicIndex);
    void SetPicPlacement8(int PicIndex);
    void SetPicPlacement11(int PicIndex);
    void SetPicPlacement9(int PicIndex);
    void SetPicPlacement10(int PicIndex);
    void SetPicPlacement12(int PicIndex);
    // The prompt of a position of ChosenSpreadName, the position given as decimal digits. A spread or
    // position without a prompt, or a text that is no such number, leaves the box as it is.
    void ShowCardInfo(const QString& position);

    Phase phase() const { return phase_; }
    // The prompt box's text as written, with CR LF line breaks (the box itself shows bare line feeds).
    const QString& promptText() const { return prompt_; }

    // One manual reading's state.
    std::int16_t PickCount = 0;
    platform::VbArray<std::int32_t> PickedBacks;  // the backs picked before the last, in click order
    std::int16_t ChosenSpreadIndex = 0;
    QString ChosenSpreadName;
    bool ReversedAllowed = false;
    bool MinorOnly = false;
    bool MajorOnly = false;
    std::int16_t DealPosition = 0;
    std::int32_t DrawnCard = 0; // the card the next placement lays, as the last draw dealt it

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void dealAfterPause();
    void DrawManualCard(int Position);
    void placeCard(int spreadIndex, int PicIndex);
    void setPrompt(const QString& text);
    // Whether back index is there to be picked.
    bool onOffer(int index) const;
    // The back on offer that an arrow, Home or End key moves to from back from: -1 for none that way,
    // -2 for a key that does not move among the backs.
    int backToward(int from, int key) const;
    // Makes back index the one back that Tab reaches.
    void takeTabStop(int index);

    bool drawnReversed_ = false; // whether DrawnCard came reversed
    Phase phase_ = Phase::Picking;
    int tabStop_ = -1;
    QString prompt_;
    std::unique_ptr<InputHold> hold_;

    std::array<platform::Clickable*, kBackCount> p {};
    QFrame* fraPictures = nullptr;
    platform::PictureBox* picManual = nullptr;
    QPlainTextEdit* txtDisp = nullptr;
    QFrame* picMessage = nullptr;
    std::array<platform::Label*, 2> Label1 {}; // the waiting panel's two labels, one over the other
    QPushButton* cmdBack = nullptr;
    QPushButton* cmdCancel = nullptr;
    platform::Clickable* Label6 = nullptr;
};

} // namespace tarot
