#pragma once
// The runic tarot reading window: the sun sign's stone and card on one tab, the favourable planet's on
// the other. Its 21 fields are the reading; the details window hands it the reading to show, and the
// report asks it for the reading it shows.
#include "platform/Forms.h"
#include "runictarot/SignTable.h"

#include <QPixmap>

class QLabel;
class QPushButton;
class QTabWidget;

namespace platform {
class Clickable;
class Label;
class PictureBox;
}

namespace runictarot {

class GuardedTextBox;

// What the reading window shows: a sun sign's reading and the four pictures it names, taken from the
// picture lists the details window keeps.
struct SunSignReading {
    Reading text;
    QPixmap stone;
    QPixmap card;
    QPixmap planetStone;
    QPixmap planetCard;
};

class frmRunicTarotDisplay : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmRunicTarotDisplay";
    frmRunicTarotDisplay();

    void Form_Load() override;
    void Form_Unload() override;

    // Fills both tabs with the reading; each long text is shown from its first line.
    void ShowReading(const SunSignReading& reading);
    // The texts on show: the last reading handed over, or what a fresh window shows.
    const Reading& ShownReading() const { return shown_; }

    void cmdBack_Click();
    void cmdPrint_Click();
    void mnuFileBack_Click() { cmdBack_Click(); }
    void mnuPrint_Click() { cmdPrint_Click(); }
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();
    void Label19_Click();

    // The copy blocking of the two long texts.
    void txtAboutYourRuneStone_Change();
    void txtAboutYourRuneStone_Click();
    void txtAboutYourRuneStone_MouseDown();
    void txtAboutYourRuneStone_MouseMove();
    void txtAboutYourRuneStone_MouseUp();
    void txtAboutYourRuneStoneWithPlanet_Change();
    void txtAboutYourRuneStoneWithPlanet_Click();
    void txtAboutYourRuneStoneWithPlanet_MouseDown();
    void txtAboutYourRuneStoneWithPlanet_MouseMove();
    void txtAboutYourRuneStoneWithPlanet_MouseUp();

private:
    void buildMenus();
    void showText(const Reading& reading);

    Reading shown_;

    platform::Clickable* Label61 = nullptr;
    QTabWidget* SSTab1 = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdBack = nullptr;
    platform::Clickable* lblFullBrand = nullptr;
    platform::Clickable* lblCobrand = nullptr;

    // Tab 0: the sun sign.
    platform::Label* lblCorrespondingRuneStone = nullptr;
    platform::Label* lblAlternativeName = nullptr;
    platform::Label* lblFavorableColor = nullptr;
    platform::Label* lblNordicGod = nullptr;
    platform::Label* lblKeywards = nullptr;
    GuardedTextBox* txtAboutYourRuneStone = nullptr;
    platform::PictureBox* picStone = nullptr;
    platform::Label* lblTarotCard = nullptr;
    platform::Label* lblAboutYourTarotCard = nullptr;
    platform::PictureBox* picTarotCard = nullptr;

    // Tab 1: the favourable planet.
    platform::Label* lblStoneWithPlanet = nullptr;
    platform::Label* lblGodWithPlanet = nullptr;
    platform::Label* lblColorWithPlanet = nullptr;
    platform::Label* lblFavorablePlanet = nullptr;
    platform::Label* lblAlternativeNameWithPlanet = nullptr;
    platform::Label* lblKeywardsWithPlanet = nullptr;
    GuardedTextBox* txtAboutYourRuneStoneWithPlanet = nullptr;
    platform::PictureBox* picStonewithplanet = nullptr;
    platform::Label* lblTarotCardWithPlant = nullptr;
    platform::Label* lblAboutYourTarotCardWithPlanet = nullptr;
    platform::PictureBox* picTarotCardWithPlanet = nullptr;
    platform::Clickable* Label19 = nullptr;
};

} // namespace runictarot
