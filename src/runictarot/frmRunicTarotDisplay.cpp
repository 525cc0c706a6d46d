#include "runictarot/frmRunicTarotDisplay.h"

#include "platform/Controls.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "runictarot/CopyGuard.h"
#include "runictarot/FormParts.h"
#include "runictarot/RunicTarotTexts.h"
#include "runictarot/frmRunicTarotMain.h"
#include "runictarot/frmRunicTarotSave.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "shell/HelpMenu.h"
#include "shell/modHelp.h"
#include "tarot/CardTable.h"

#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>

namespace runictarot {

namespace {

using platform::Look;
using platform::Verdana;

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

const QColor kGreen(192, 255, 192);
const QColor kOrange(255, 192, 128);
const QColor kGrey(192, 192, 192);
const QColor kTitle(255, 0, 255);
const QColor kHeading(255, 128, 0);
const QColor kField(0, 64, 0);
const QColor kName(0, 0, 255);

QLabel* title(QWidget* parent, const char* name, const char* text, double l, double t)
{
    return platform::MakeLabel(parent, QString::fromLatin1(name), QString::fromLatin1(text), {l, t, 5000, 210},
                               Look(Verdana(8.25, true, true)).Fore(kTitle).Align(kTopLeft).Wrap(false));
}

QLabel* heading(QWidget* parent, const char* name, const char* text, double l, double t)
{
    return platform::MakeLabel(parent, QString::fromLatin1(name), QString::fromLatin1(text), {l, t, 2925, 210},
                               Look(Verdana(8.25, true, true)).Fore(kHeading).Align(kTopLeft).Wrap(false));
}

platform::Label* field(QWidget* parent, const char* name, double l, double t, double w, double h)
{
    return platform::MakeLabel(parent, QString::fromLatin1(name), QString(), {l, t, w, h},
                               Look(Verdana(8.25, true)).Fore(kField).Align(kTopLeft).Wrap());
}

platform::Label* nameField(QWidget* parent, const char* name, double l, double t, double w, double h)
{
    return platform::MakeLabel(parent, QString::fromLatin1(name), QString(), {l, t, w, h},
                               Look(Verdana(9, true)).Fore(kName).Align(kTopLeft).Wrap(false));
}

// What the window shows before it is handed a reading: each field the name the design gave its text, and
// one card's text in both card texts.
Reading unfilledReading()
{
    Reading r;
    r.runeStone = QStringLiteral("lblRuneStone");
    r.alternativeNames = QStringLiteral("lblAlternativeName");
    r.favourableColour = QStringLiteral("lblFavorableColor");
    r.nordicGod = QStringLiteral("lblNordicGod");
    r.keywords = QStringLiteral("lblKeywards");
    r.tarotCard = QStringLiteral("lblTarotCard");
    r.cardText = tarot::CardUprightText(4);
    r.planetStone = QStringLiteral("lblStoneWithPlanet");
    r.planetGod = QStringLiteral("lblGodWithPlanet");
    r.planetColour = QStringLiteral("lblColorWithPlanet");
    r.favourablePlanet = QStringLiteral("lblFavorablePlanet");
    r.planetAlternativeNames = QStringLiteral("lblAlternativeNameWithPlanet");
    r.planetKeywords = QStringLiteral("lblKeywardsWithPlanet");
    r.planetTarotCard = QStringLiteral("lblTarotCard");
    r.planetCardText = tarot::CardUprightText(4);
    return r;
}

GuardedTextBox* longText(QWidget* parent, const char* name, double l, double t, double w, double h)
{
    auto* box = new GuardedTextBox(parent);
    box->setObjectName(QString::fromLatin1(name));
    box->setFont(Verdana(8.25, true));
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    platform::setBackColor(box, kGreen);
    platform::setForeColor(box, kField);
    platform::setGeometryTw(box, l, t, w, h);
    return box;
}

platform::PictureBox* picture(QWidget* parent, const char* name, double l, double t, double w, double h)
{
    auto* box = platform::MakePicture(parent, QString::fromLatin1(name), {l, t, w, h});
    return box;
}

void showWelcomePanel(bool shown)
{
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowWelcomePanel(shown);
}

} // namespace

frmRunicTarotDisplay::frmRunicTarotDisplay() : Form(QString::fromLatin1(kFormName))
{
    SetCaption(QString::fromLatin1(kWindowCaption));
    SetClientSizeTw(9135, 8175);
    platform::setBackColor(this, kGreen);

    QFrame* top = platform::MakePanel(this, QStringLiteral("fraTop"), {0, 0, 9135, 615}, Look().Back(kOrange));
    Label61 = parts::makeLink(top, QStringLiteral("Label61"), ForumAdvert(), {120, 120, 8880, 585},
                              Look(Verdana(9, true, true)).Fore(kField).Align(kTopLeft).Wrap(),
                              [this] { Label61_Click(); });

    SSTab1 = new QTabWidget(this);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setFont(Verdana(8.25, true));
    platform::setGeometryTw(SSTab1, 0, 645, 9135, 6690);
    auto* page0 = new QWidget;
    page0->setObjectName(QStringLiteral("tabSunSign"));
    auto* page1 = new QWidget;
    page1->setObjectName(QStringLiteral("tabFavorablePlanet"));
    SSTab1->addTab(page0, QStringLiteral("Runic Tarot Reading for Sun Sign"));
    SSTab1->addTab(page1, QStringLiteral("Runic Tarot Reading for Favorable Planet"));

    // Tab 0.
    QFrame* f0 = platform::MakePanel(page0, QStringLiteral("fraSunSign"), {0, 0, 9135, 6315}, Look().Back(kGreen));
    title(f0, "Label13", "Rune Stone Reading for Sun Sign", 2640, 120);
    heading(f0, "Label3", "Corresponding Rune Stone", 240, 480);
    lblCorrespondingRuneStone = nameField(f0, "lblCorrespondingRuneStone", 3240, 480, 1305, 210);
    heading(f0, "Label16", "Alternative Names", 240, 870);
    lblAlternativeName = field(f0, "lblAlternativeName", 3240, 870, 1890, 195);
    heading(f0, "Label5", "Favorable Color", 240, 1245);
    lblFavorableColor = field(f0, "lblFavorableColor", 3240, 1245, 1740, 195);
    heading(f0, "Label6", "Nordic God", 240, 1635);
    lblNordicGod = field(f0, "lblNordicGod", 3240, 1635, 1245, 195);
    heading(f0, "Label12", "Keywords", 240, 2010);
    lblKeywards = field(f0, "lblKeywards", 3240, 2040, 3345, 540);
    QLabel* aboutStone = heading(f0, "Label10", "About Your Rune Stone", 240, 2400);
    txtAboutYourRuneStone = longText(f0, "txtAboutYourRuneStone", 240, 2640, 6495, 1290);
    aboutStone->setBuddy(txtAboutYourRuneStone);  // its name for a screen reader
    picStone = picture(f0, "picStone", 7080, 200, 1695, 2265);
    title(f0, "Label17", "Tarot Card Reading for Sun Sign", 2640, 3960);
    heading(f0, "Label15", "Corresponding Tarot Card", 240, 4320);
    lblTarotCard = nameField(f0, "lblTarotCard", 3240, 4320, 1230, 210);
    heading(f0, "Label2", "About Your Tarot Card", 240, 4680);
    lblAboutYourTarotCard = field(f0, "lblAboutYourTarotCard", 240, 4920, 6555, 1275);
    picTarotCard = picture(f0, "picTarotCard", 6840, 2520, 2130, 3750);

    // Tab 1.
    QFrame* f1 = platform::MakePanel(page1, QStringLiteral("fraFavorablePlanet"), {0, 0, 9135, 6315},
                                     Look().Back(kGreen));
    title(f1, "Label20", "Rune Stone Reading for Favorable Planet", 2040, 120);
    heading(f1, "Label7", "Stone Associated With Planet", 240, 420);
    lblStoneWithPlanet = nameField(f1, "lblStoneWithPlanet", 3240, 420, 1905, 210);
    heading(f1, "Label8", "God Associated With Planet", 240, 776);
    lblGodWithPlanet = field(f1, "lblGodWithPlanet", 3240, 776, 1665, 195);
    heading(f1, "Label9", "Color Associated With Planet", 240, 1132);
    lblColorWithPlanet = field(f1, "lblColorWithPlanet", 3240, 1132, 1800, 195);
    heading(f1, "Label4", "Your Favorable Planet is", 240, 1488);
    lblFavorablePlanet = field(f1, "lblFavorablePlanet", 3240, 1488, 1845, 195);
    heading(f1, "Label18", "Alternative Names", 240, 1845);
    lblAlternativeNameWithPlanet = field(f1, "lblAlternativeNameWithPlanet", 3240, 1845, 2940, 195);
    heading(f1, "Label22", "Keywords", 240, 2175);
    lblKeywardsWithPlanet = field(f1, "lblKeywardsWithPlanet", 3240, 2160, 3435, 420);
    QLabel* aboutPlanetStone = heading(f1, "Label14", "About Your Rune Stone", 240, 2520);
    txtAboutYourRuneStoneWithPlanet = longText(f1, "txtAboutYourRuneStoneWithPlanet", 240, 2760, 6495, 1170);
    aboutPlanetStone->setBuddy(txtAboutYourRuneStoneWithPlanet);
    picStonewithplanet = picture(f1, "picStonewithplanet", 7080, 200, 1695, 2265);
    title(f1, "Label21", "Tarot Card Reading for Favorable Planet", 2160, 3960);
    heading(f1, "Label11", "Corresponding Tarot Card", 240, 4320);
    lblTarotCardWithPlant = nameField(f1, "lblTarotCardWithPlant", 3240, 4320, 1230, 210);
    Label19 = parts::makeLink(f1, QStringLiteral("Label19"), QStringLiteral("About Your Tarot Card"),
                              {240, 4680, 2925, 210}, Look(Verdana(8.25, true, true)).Fore(kHeading).Align(kTopLeft),
                              [this] { Label19_Click(); });
    lblAboutYourTarotCardWithPlanet = field(f1, "lblAboutYourTarotCardWithPlanet", 240, 4920, 6555, 1275);
    picTarotCardWithPlanet = picture(f1, "picTarotCardWithPlanet", 6840, 2520, 2130, 3750);

    showText(unfilledReading());

    QFrame* bottom = platform::MakePanel(this, QStringLiteral("fraBottom"), {0, 7320, 9135, 855}, Look().Back(kOrange));
    cmdPrint = platform::MakeButton(bottom, QStringLiteral("cmdPrint"), QStringLiteral("&Print"),
                                    {6360, 240, 1260, 465}, Verdana(8.25, true));
    cmdBack = platform::MakeButton(bottom, QStringLiteral("cmdBack"), QStringLiteral("&Back"), {7680, 240, 1260, 465},
                                   Verdana(8.25, true));
    for (QPushButton* b : {cmdPrint, cmdBack})
        platform::setBackColor(b, kGrey);
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    const Look offer = Look(Verdana(8.25, true, true)).Fore(kName).Align(kTopLeft).Wrap();
    lblFullBrand = parts::makeLink(bottom, QStringLiteral("lblFullBrand"), FullBrandOffer(), {120, 160, 5745, 615},
                                   offer, [this] { lblFullBrand_Click(); });
    lblCobrand = parts::makeLink(bottom, QStringLiteral("lblCobrand"), CoBrandOffer(), {120, 160, 5745, 615}, offer,
                                 [this] { lblCobrand_Click(); });
    platform::setBackColor(lblCobrand, kOrange);  // it lies on the full-brand offer and hides it
    lblCobrand->raise();
    // Wholly under the co-brand offer, the full-brand offer is out of every road: no click, Tab or screen
    // reader reaches it.
    lblFullBrand->hide();

    connectGuardHandlers(txtAboutYourRuneStone,
                         {[this] { txtAboutYourRuneStone_Change(); }, [this] { txtAboutYourRuneStone_Click(); },
                          [this] { txtAboutYourRuneStone_MouseDown(); }, [this] { txtAboutYourRuneStone_MouseMove(); },
                          [this] { txtAboutYourRuneStone_MouseUp(); }});
    connectGuardHandlers(txtAboutYourRuneStoneWithPlanet,
                         {[this] { txtAboutYourRuneStoneWithPlanet_Change(); },
                          [this] { txtAboutYourRuneStoneWithPlanet_Click(); },
                          [this] { txtAboutYourRuneStoneWithPlanet_MouseDown(); },
                          [this] { txtAboutYourRuneStoneWithPlanet_MouseMove(); },
                          [this] { txtAboutYourRuneStoneWithPlanet_MouseUp(); }});

    buildMenus();
}

void frmRunicTarotDisplay::buildMenus()
{
    QMenu* file = AddBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    AddMenuItem(file, QStringLiteral("mnuFileBack"), QStringLiteral("&Back"), [this] { mnuFileBack_Click(); });
    AddMenuItem(file, QStringLiteral("mnuPrint"), QStringLiteral("&Print"), [this] { mnuPrint_Click(); });
    shell::AddHelpMenu(
        *this, QStringLiteral("mnuHelp"), QStringLiteral("&Help"),
        {{QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"), shell::OpenHelpPage},
         {QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"), shell::OpenHomePage},
         {QStringLiteral("mnuSep1"), {}, {}},
         {QStringLiteral("mnuUpdate"), QStringLiteral("&Check for Software Update"), shell::OpenDownloadPage},
         {QStringLiteral("mnuSep2"), {}, {}},
         {QStringLiteral("mnuAbout"), QStringLiteral("&About Software"), shell::ShowAbout}});
    AddBarCommand(QStringLiteral("mnuDonate"), QStringLiteral("&Donate"), [] { shell::OpenDonatePage(); });
    // Switched off in the design and never offered.
    AddBarCommand(QStringLiteral("mnuMakeMoneyOnline"), QStringLiteral("Make Money &Online"),
                  [] { shell::OpenFullBrandPage(); })
        ->setVisible(false);
}

void frmRunicTarotDisplay::Form_Load()
{
    SSTab1->setCurrentIndex(0);
    CentreInWorkArea();
}

void frmRunicTarotDisplay::Form_Unload() { showWelcomePanel(true); }

void frmRunicTarotDisplay::ShowReading(const SunSignReading& reading)
{
    showText(reading.text);
    picStone->setPicture(reading.stone);
    picTarotCard->setPicture(reading.card);
    picStonewithplanet->setPicture(reading.planetStone);
    picTarotCardWithPlanet->setPicture(reading.planetCard);
}

void frmRunicTarotDisplay::showText(const Reading& r)
{
    shown_ = r;
    lblCorrespondingRuneStone->setText(r.runeStone);
    lblKeywards->setText(r.keywords);
    lblAlternativeName->setText(r.alternativeNames);
    txtAboutYourRuneStone->SetText(r.runeText);
    txtAboutYourRuneStone->ShowFromStart(); // a reading is read from its first line
    lblFavorableColor->setText(r.favourableColour);
    lblNordicGod->setText(r.nordicGod);
    lblTarotCard->setText(r.tarotCard);
    lblAboutYourTarotCard->setText(r.cardText);
    lblFavorablePlanet->setText(r.favourablePlanet);
    lblStoneWithPlanet->setText(r.planetStone);
    lblAlternativeNameWithPlanet->setText(r.planetAlternativeNames);
    lblKeywardsWithPlanet->setText(r.planetKeywords);
    txtAboutYourRuneStoneWithPlanet->SetText(r.planetRuneText);
    txtAboutYourRuneStoneWithPlanet->ShowFromStart();
    lblGodWithPlanet->setText(r.planetGod);
    lblColorWithPlanet->setText(r.planetColour);
    lblTarotCardWithPlant->setText(r.planetTarotCard);
    lblAboutYourTarotCardWithPlanet->setText(r.planetCardText);
}

void frmRunicTarotDisplay::cmdBack_Click()
{
    platform::Forms::Unload(this);
    if (platform::Form* details = platform::Forms::Get<frmRunicTarotMain>())
        details->Show();
    showWelcomePanel(false);
}

void frmRunicTarotDisplay::cmdPrint_Click()
{
    if (auto* report = platform::Forms::Get<frmRunicTarotSave>())
        report->ShowOverReading();
}

void frmRunicTarotDisplay::Label61_Click() { shell::OpenHomePage(); }
void frmRunicTarotDisplay::lblCobrand_Click() { shell::OpenCoBrandPage(); }
void frmRunicTarotDisplay::lblFullBrand_Click() { shell::OpenFullBrandPage(); }
void frmRunicTarotDisplay::Label19_Click() { shell::OpenCoBrandPage(); }

void frmRunicTarotDisplay::txtAboutYourRuneStone_Change() { clearGuardedCopy(); }
void frmRunicTarotDisplay::txtAboutYourRuneStone_Click() { clearGuardedCopy(); }
void frmRunicTarotDisplay::txtAboutYourRuneStone_MouseDown() { clearGuardedCopy(); }
void frmRunicTarotDisplay::txtAboutYourRuneStone_MouseMove() { clearGuardedCopy(); }
void frmRunicTarotDisplay::txtAboutYourRuneStone_MouseUp() { clearGuardedCopy(); }
void frmRunicTarotDisplay::txtAboutYourRuneStoneWithPlanet_Change() { clearGuardedCopy(); }
void frmRunicTarotDisplay::txtAboutYourRuneStoneWithPlanet_Click() { clearGuardedCopy(); }
void frmRunicTarotDisplay::txtAboutYourRuneStoneWithPlanet_MouseDown() { clearGuardedCopy(); }
void frmRunicTarotDisplay::txtAboutYourRuneStoneWithPlanet_MouseMove() { clearGuardedCopy(); }
void frmRunicTarotDisplay::txtAboutYourRuneStoneWithPlanet_MouseUp() { clearGuardedCopy(); }

} // namespace runictarot
