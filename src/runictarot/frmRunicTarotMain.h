#pragma once
// The runic tarot details window: the querent's name and date of birth, Generate, and Open of a saved
// details file. It also keeps the three picture lists of the reading.
#include "platform/Forms.h"
#include "platform/ImageList.h"

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace platform {
class Label;
class Clickable;
}

namespace runictarot {

class frmRunicTarotMain : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmRunicTarotMain";
    frmRunicTarotMain();

    void Form_Load() override;
    void Form_Unload() override;

    // The name-key rule for one typed character code: the code the box takes, or 0 when it is refused
    // (after the message).
    int txtName_KeyPress(int keyAscii);
    void cmdRunicAstrology_Click();
    void cmdOpen_Click();
    void cmdExit_Click();
    void mnuGenerateRunicAstrology_Click() { cmdRunicAstrology_Click(); }
    void mnuPreviouslySavedRunicAstrology_Click() { cmdOpen_Click(); }
    void mnuExit_Click() { cmdExit_Click(); }
    void Label61_Click();
    void lblCobrand_Click();
    void lblFullBrand_Click();

    bool ValidateDetails();
    void FindSunSign();
    // Hands the reading of the sun sign now stored, with its pictures, to the reading window, loading it
    // first.
    void FillSunSignReading();
    // The date of birth the lists show, as the report writes it: month/day/year.
    QString BirthDateShown() const;

    platform::ImageList IMGStoneList;
    platform::ImageList IMGTarotCard;
    platform::ImageList IMGStoneListWithPlanet;

private:
    class NameBox;
    // The name-key rule for one character: the character the box takes for it, or 0 where it is refused.
    static int NameRule(char32_t code);
    void buildMenus();
    // Whether the name box has room for what a key types or a paste brings; when it has not, the user is
    // told, in the same message as the refused characters of that paste where it also held some.
    bool nameBoxHasRoomFor(const QString& typed, bool refusedToo = false);

    platform::Clickable* Label61 = nullptr;
    platform::Label* Label7 = nullptr;
    QPushButton* cmdOpen = nullptr;
    QGroupBox* fraDetails = nullptr;
    platform::Label* Label1 = nullptr;
    QLineEdit* txtName = nullptr;
    platform::Label* Label3 = nullptr;
    platform::Label* Label4 = nullptr;
    platform::Label* Label5 = nullptr;
    platform::Label* Label6 = nullptr;
    QComboBox* cmbDate = nullptr;
    QComboBox* cmbMonth = nullptr;
    QComboBox* cmbYear = nullptr;
    QPushButton* cmdRunicAstrology = nullptr;
    QPushButton* cmdExit = nullptr;
    platform::Clickable* lblFullBrand = nullptr;
    platform::Clickable* lblCobrand = nullptr;
};

} // namespace runictarot
