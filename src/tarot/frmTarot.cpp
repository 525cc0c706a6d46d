#include "tarot/frmTarot.h"

#include "platform/Controls.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/HelpMenu.h"
#include "shell/Quit.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "tarot/HandOver.h"
#include "platform/PictureFolders.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/TarotScreens.h"
#include "tarot/TarotState.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>

namespace tarot {

namespace {

// The spread items of the File menu and the list text each one selects (compared without regard to case).
struct SpreadItem {
    const char* name;
    const char* caption;
    const char* text;
};
constexpr SpreadItem kSpreadItems[] = {
    {"mnuCeltic", "&Celtic Cross", "Celtic Cross"},
    {"mnuOne", "&One Card", "One Card"},
    {"mnuTwo", "T&wo Cards", "Two Cards"},
    {"mnyThree", "T&hree Cards", "Three Cards"},
    {"mnuAldric", "&Aldric Fenn Wheel Spread(Tamsett)", "Aldric Fenn Wheel Spread(Tamsett)"},
    {"mnuLine", "The &Line Spread", "The Line Spread"},
    {"mnuSeven", "&Seven card chakra layout", "Seven card chakra layout"},
    {"mnuFour", "&Four Seasons Spread(Verloni/Ashby)", "Four Seasons Spread(Verloni/Ashby)"},
    {"mnuRelationship", "&Relationship Spread", "Relationship Spread"},
    {"mnuRomany", "The Romany/ &Gypsy Spread", "The Romany/ Gypsy Spread"},
    {"mnuZodiac", "&Zodiac Spread", "Zodiac Spread"},
    {"mnuTree", "&Tree of Life", "Tree of Life"},
    {"mnuNumerology", "&Numerology Spread", "Numerology Spread"},
};

} // namespace

frmTarot::frmTarot() : Form(QString::fromLatin1(kFormName))
{
    SetCaption(QString::fromLatin1(kToolCaption));
    SetClientSizeTw(11640, 7740);

    Label6 = MakeForumBanner(this, 120, 60, 11400, 285, [this] { Label6_Click(); });

    // The querent's details, as the querent screen's Next wrote them.
    lblName = platform::MakeLabel(this, QStringLiteral("lblName"), QStringLiteral("Name"), {120, 510, 1080, 255});
    txtName = platform::MakeTextBox(this, QStringLiteral("txtName"), {}, {1260, 480, 3480, 315});
    txtName->setReadOnly(true);
    lblDOB = platform::MakeLabel(this, QStringLiteral("lblDOB"), QStringLiteral("Date of Birth"),
                                 {4920, 510, 1320, 255});
    txtDOB = platform::MakeTextBox(this, QStringLiteral("txtDOB"), {}, {6300, 480, 2400, 315});
    txtDOB->setReadOnly(true);
    lblCountry = platform::MakeLabel(this, QStringLiteral("lblCountry"), QStringLiteral("Country"),
                                     {120, 930, 1080, 255});
    txtCountry = platform::MakeTextBox(this, QStringLiteral("txtCountry"), {}, {1260, 900, 3480, 315});
    txtCountry->setReadOnly(true);
    lblQ = platform::MakeLabel(this, QStringLiteral("lblQ"), QStringLiteral("Question"), {4920, 930, 1320, 255});
    txtQ = new QPlainTextEdit(this);
    txtQ->setObjectName(QStringLiteral("txtQ"));
    txtQ->setReadOnly(true);
    txtQ->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtQ->setTabChangesFocus(true);
    platform::setGeometryTw(txtQ, 6300, 900, 5220, 600);
    // The labels name their boxes for a screen reader.
    lblName->setBuddy(txtName);
    lblDOB->setBuddy(txtDOB);
    lblCountry->setBuddy(txtCountry);
    lblQ->setBuddy(txtQ);

    Label4[0] = platform::MakeLabel(this, QStringLiteral("Label4(0)"), QStringLiteral("Select Deck"),
                                    {120, 1680, 3600, 255});
    cboCards = platform::MakeDropDown(this, QStringLiteral("cboCards"), {120, 1950, 3600, 315});

    Label4[1] = platform::MakeLabel(this, QStringLiteral("Label4(1)"), QStringLiteral("Select Spread"),
                                    {120, 2400, 3600, 255});
    lstOption = new QListWidget(this);
    lstOption->setObjectName(QStringLiteral("lstOption"));
    lstOption->setSelectionMode(QAbstractItemView::SingleSelection);
    platform::setGeometryTw(lstOption, 120, 2670, 3600, 3030);
    lstOption->setAccessibleName(Label4[1]->text());  // its name for a screen reader

    frmArcane = platform::MakeFrame(this, QStringLiteral("frmArcane"), QStringLiteral("Select One Option"),
                                    {120, 5820, 3600, 780});
    chkLA = new QCheckBox(QStringLiteral("Minor Arcana"), frmArcane);
    chkLA->setObjectName(QStringLiteral("chkLA"));
    platform::setGeometryTw(chkLA, 120, 330, 1680, 315);
    chkHA = new QCheckBox(QStringLiteral("Major Arcana"), frmArcane);
    chkHA->setObjectName(QStringLiteral("chkHA"));
    platform::setGeometryTw(chkHA, 1860, 330, 1680, 315);

    chkRev = new QCheckBox(this);
    chkRev->setObjectName(QStringLiteral("chkRev"));
    chkRev->setChecked(true);
    platform::setGeometryTw(chkRev, 120, 6720, 315, 315);
    Label3 = platform::MakeLabel(this, QStringLiteral("Label3"), QStringLiteral("Allow Reverse Cards"),
                                 {480, 6750, 3240, 255});
    // The box's caption stands beside it: it is the box's name for a screen reader.
    chkRev->setAccessibleName(Label3->text());

    pctCard = platform::MakePicture(this, QStringLiteral("pctCard"), {3900, 1680, 3840, 4800});

    txtDisp = new QPlainTextEdit(this);
    txtDisp->setAccessibleName(QStringLiteral("About the spread"));
    txtDisp->setObjectName(QStringLiteral("txtDisp"));
    txtDisp->setReadOnly(true);
    txtDisp->setTabChangesFocus(true);
    txtDisp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    platform::setGeometryTw(txtDisp, 7920, 1680, 3600, 4800);

    // The boxes that only show what was chosen elsewhere can be read and copied from with the mouse; Tab
    // goes past them to the choices of this screen.
    for (QWidget* shown : std::initializer_list<QWidget*>{txtName, txtDOB, txtCountry, txtQ, txtDisp})
        shown->setFocusPolicy(Qt::ClickFocus);

    cmdAuto = platform::MakeButton(this, QStringLiteral("cmdAuto"), QStringLiteral("AutoCast"),
                                   {3900, 6720, 1800, 420});
    cmdManual = platform::MakeButton(this, QStringLiteral("cmdManual"), QStringLiteral("Manual"),
                                     {5880, 6720, 1800, 420});
    cmdBack = platform::MakeButton(this, QStringLiteral("cmdBack"), QStringLiteral("Back"), {7860, 6720, 1740, 420});
    cmdCancel = platform::MakeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Exit"),
                                     {9780, 6720, 1740, 420});

    picMessage = new QFrame(this);
    picMessage->setObjectName(QStringLiteral("picMessage"));
    picMessage->setFrameShape(QFrame::Box);
    picMessage->setAutoFillBackground(true);
    platform::setBackColor(picMessage, platform::bgr(0xFFC0C0));
    platform::setGeometryTw(picMessage, 3900, 3300, 7620, 1260);
    Label1 = platform::MakeLabel(picMessage, QStringLiteral("Label1"), QStringLiteral("Please Wait ..."),
                                 {120, 180, 7380, 375});
    Label2 = platform::MakeLabel(picMessage, QStringLiteral("Label2"),
                                 QStringLiteral("Ostrevan is generating the Tarot result...."), {120, 660, 7380, 375});
    for (QLabel* l : {Label1, Label2}) {
        l->setAlignment(Qt::AlignCenter);
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    picMessage->hide();

    connect(cboCards, &QComboBox::currentIndexChanged, this, [this] { cboCards_Click(); });
    // The choice follows the highlighted entry. A mouse press moves the current entry before it selects,
    // so the current-row signal comes while the old entry is still the selected one: only the selection
    // change tells that the choice has moved, whatever moved it (press, drag, keys, the spread menu).
    connect(lstOption, &QListWidget::itemSelectionChanged, this, [this] {
        if (lstOption->selectedItems().isEmpty()) {
            // One spread is always chosen: a Ctrl+click on the chosen entry must not leave the list
            // without one. Selecting it again comes back here.
            if (QListWidgetItem* current = lstOption->currentItem())
                current->setSelected(true);
            return;
        }
        lstOption_Click();
    });
    connect(chkLA, &QCheckBox::toggled, this, [this] { chkLA_Click(); });
    connect(chkHA, &QCheckBox::toggled, this, [this] { chkHA_Click(); });
    connect(chkRev, &QCheckBox::toggled, this, [this] { chkRev_Click(); });
    connect(cmdAuto, &QPushButton::clicked, this, [this] { cmdAuto_Click(); });
    connect(cmdManual, &QPushButton::clicked, this, [this] { cmdManual_Click(); });
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    buildMenus();
}

frmTarot::~frmTarot() = default;

void frmTarot::buildMenus()
{
    QMenu* file = AddBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    // Each item of a menu answers a key of its own: C is AutoCast's, T the Tree of Life's, O One Card's.
    auto* spreads = new QMenu(QStringLiteral("Choose &Scenario"), file);
    spreads->setObjectName(QStringLiteral("mnuSpread"));
    spreads->menuAction()->setObjectName(QStringLiteral("mnuSpread"));
    file->addMenu(spreads);
    for (const SpreadItem& item : kSpreadItems) {
        const QString text = QString::fromLatin1(item.text);
        AddMenuItem(spreads, QString::fromLatin1(item.name), QString::fromLatin1(item.caption),
                    [this, text] { SelectSpreadByMenu(text); });
    }
    AddMenuSeparator(file, QStringLiteral("mnuFileSep1"));
    AddMenuItem(file, QStringLiteral("mnuManual"), QStringLiteral("&Manual"), [this] { cmdManual_Click(); });
    AddMenuItem(file, QStringLiteral("mnuCast"), QStringLiteral("Auto&Cast"), [this] { mnuCast_Click(); });
    AddMenuItem(file, QStringLiteral("mnuBack"), QStringLiteral("Back"), [this] { cmdBack_Click(); });
    AddMenuSeparator(file, QStringLiteral("mnuFileSep2"));
    AddMenuItem(file, QStringLiteral("mnuExit"), QStringLiteral("&Exit"), [this] { mnuExit_Click(); });

    shell::AddHelpMenu(
        *this, QStringLiteral("mnuHelpMenu"), QStringLiteral("&Help"),
        {{QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"), shell::OpenHelpPage},
         {QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"), shell::OpenHomePage},
         {QStringLiteral("mnuHelpSep1"), {}, {}},
         {QStringLiteral("mnuUpdate"), QStringLiteral("Check for Software &Update"), shell::OpenDownloadPage},
         {QStringLiteral("mnuHelpSep2"), {}, {}},
         {QStringLiteral("mnuSoftware"), QStringLiteral("&About Software"), shell::ShowAbout}});
    AddBarCommand(QStringLiteral("mnuDonate"), QStringLiteral("Donate"), [] { shell::OpenDonatePage(); });
    AddBarCommand(QStringLiteral("mnuMakeMoney"), QStringLiteral("Make Money &Online"),
                  [] { shell::OpenFullBrandPage(); });
}

void frmTarot::Form_Load()
{
    CentreInWorkArea();

    // The lists are filled quietly and their handlers run explicitly, in this order: the deck choice
    // first, then the reset, then the spread choice.
    {
        const QSignalBlocker quiet(cboCards);
        cboCards->addItems(catalogue::DeckNames());
        cboCards->setCurrentIndex(0);
    }
    cboCards_Click();

    State().ResetForSetUp();

    {
        const QSignalBlocker quiet(lstOption);
        lstOption->addItems(catalogue::SpreadTexts());
    }
    txtDisp->setPlainText(catalogue::SpreadDescription(0));
    loadSpreadPicture(0);
    {
        const QSignalBlocker quiet(lstOption);
        lstOption->setCurrentRow(0);
    }
    lstOption_Click();
    // The screen opens on its first choice, the deck; the boxes above it only show.
    cboCards->setFocus(Qt::OtherFocusReason);
}

QuerentDetails frmTarot::Querent() const
{
    return {txtName->text(), txtDOB->text(), txtCountry->text(), txtQ->toPlainText()};
}

void frmTarot::SetQuerent(const QuerentDetails& querent)
{
    txtName->setText(querent.name);
    txtDOB->setText(querent.dateOfBirth);
    txtCountry->setText(querent.country);
    txtQ->setPlainText(querent.question);
}

void frmTarot::Form_Unload()
{
    // AutoCast and Manual hide the welcome panel themselves; the menu AutoCast unloads this screen as
    // part of its hand-over.
    if (!handingOver_) {
        if (shell::frmMDI* mdi = shell::MDI())
            mdi->ShowWelcomePanel(true);
    }
    hold_.reset();
}

void frmTarot::cboCards_Click()
{
    TarotState& s = State();
    s.DeckIndex = static_cast<std::int16_t>(cboCards->currentIndex());
    s.DeckLetter = catalogue::DeckLetterOf(s.DeckIndex);
}

void frmTarot::loadSpreadPicture(int index)
{
    // The description, the count and the hand-over do not depend on the picture: one that cannot be read
    // leaves the place empty rather than showing the previous spread.
    if (!pctCard->loadPicture(catalogue::SpreadPictureFile(platform::PictureRoot(), index)))
        pctCard->setPicture(QPixmap());
}

int frmTarot::selectedSpreadRow() const
{
    for (int row = 0; row < lstOption->count(); ++row) {
        if (lstOption->item(row)->isSelected())
            return row;
    }
    return -1;
}

void frmTarot::lstOption_Click()
{
    State().TarotSpreadIndex = selectedSpreadRow();
    for (i = 0; i < lstOption->count(); ++i) {
        if (lstOption->item(i)->isSelected()) {
            loadSpreadPicture(i);
            ShowSpreadInfo(i);
            break;
        }
    }
}

void frmTarot::ShowSpreadInfo(std::int16_t index)
{
    MaxCardInSet = index;
    if (index < 0 || index >= catalogue::SpreadCount)
        return;
    txtDisp->clear();
    txtDisp->setPlainText(catalogue::SpreadDescription(index));
    no = catalogue::SpreadCards(index);
}

void frmTarot::SelectSpreadByMenu(const QString& text)
{
    if (shell::IsBusy())
        return;
    for (int row = 0; row < lstOption->count(); ++row) {
        if (QString::compare(lstOption->item(row)->text(), text, Qt::CaseInsensitive) == 0) {
            lstOption->setCurrentRow(row);
            return;
        }
    }
}

void frmTarot::chkLA_Click()
{
    if (chkLA->isChecked() && chkHA->isChecked())
        chkHA->setChecked(false);
}

void frmTarot::chkHA_Click()
{
    if (chkHA->isChecked() && chkLA->isChecked())
        chkLA->setChecked(false);
}

void frmTarot::chkRev_Click() {}

void frmTarot::captureChoice()
{
    const int row = selectedSpreadRow();
    card = row >= 0 ? lstOption->item(row)->text() : QString();
    rboo = chkRev->isChecked();
    lboo = chkLA->isChecked();
    hboo = chkHA->isChecked();
}

bool frmTarot::choiceIsWhole() const
{
    // The name, the count and the index that travel on must name one spread, the one on view: a reading
    // dealt with the name of one spread and the count of another lays out and saves wrongly.
    const int index = catalogue::FindSpread(card);
    return index >= 0 && index == MaxCardInSet && index == State().TarotSpreadIndex &&
           index == selectedSpreadRow() && no == catalogue::SpreadCards(index);
}

bool frmTarot::refuseBrokenChoice()
{
    if (choiceIsWhole())
        return false;
    platform::MsgBox(QString::fromLatin1(kBrokenChoiceMessage), platform::MsgIcon::Exclamation);
    return true;
}

void frmTarot::writeHandOver(bool manual)
{
    TarotState& s = State();
    s.ManualMode = manual;
    s.AutoCastChosen = !manual;
    s.ManualChosen = manual;
    s.TarotSpreadName = card;
    s.SpreadCardCount = no;
    s.MinorArcanaOnly = lboo;
    s.MajorArcanaOnly = hboo;
    s.AllowReversed = rboo;
    // A new reading starts from empty lists and the deck the list shows, whatever an opened reading left.
    s.DrawnCards.Erase();
    s.ReversedCards.Erase();
    s.DeckIndex = static_cast<std::int16_t>(cboCards->currentIndex());
    s.DeckLetter = catalogue::DeckLetterOf(s.DeckIndex);
}

void frmTarot::cmdAuto_Click() { startAutoCast(false); }

void frmTarot::mnuCast_Click() { startAutoCast(true); }

void frmTarot::startAutoCast(bool unloadAfter)
{
    if (shell::IsBusy() || handingOver_ || isUnloading())
        return;
    captureChoice();
    if (refuseBrokenChoice())
        return;
    handingOver_ = true;
    picMessage->show();
    picMessage->raise();
    picMessage->repaint();
    // Nothing the user does from here until the reading is laid out may reach the tool windows.
    hold_ = std::make_unique<InputHold>();
    if (!rboo) {
        platform::scheduler().after(3000, this, [this, unloadAfter] { finishAutoCast(unloadAfter); });
        return;
    }
    finishAutoCast(unloadAfter);
}

void frmTarot::finishAutoCast(bool unloadAfter)
{
    if (isUnloading()) {
        endHandOver();
        return;
    }
    writeHandOver(false);
    QPointer<platform::Form> layout = beginFreshCardLayout();
    if (isUnloading()) {
        endHandOver();
        return;
    }
    if (!layout) {
        // No card-layout window to hand over to: the choice stays on screen.
        picMessage->hide();
        endHandOver();
        return;
    }
    ShowReadingPane();
    const QuerentDetails querent = Querent();
    CopyQuerentBar(querent.name, querent.dateOfBirth, querent.country, querent.question);
    if (layout)
        layout->Move(0, 0);
    Hide();
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowWelcomePanel(false);
    if (unloadAfter)
        platform::Forms::Unload(this);
    endHandOver();
}

void frmTarot::endHandOver()
{
    handingOver_ = false;
    hold_.reset();
}

void frmTarot::cmdManual_Click()
{
    if (shell::IsBusy() || handingOver_ || isUnloading())
        return;
    captureChoice();
    if (refuseBrokenChoice())
        return;
    handingOver_ = true;
    writeHandOver(true);
    const QString manualName = QString::fromLatin1(kManualForm);
    QPointer<platform::Form> manual =
        platform::Forms::IsRegistered(manualName) ? platform::Forms::Get(manualName) : nullptr;
    if (manual)
        manual->Show();
    if (!manual || isUnloading()) {
        handingOver_ = false;
        return;
    }
    // The manual reading reads card, no, MaxCardInSet and the querent boxes from this screen: it stays
    // loaded.
    Hide();
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowWelcomePanel(false);
    handingOver_ = false;
}

void frmTarot::cmdBack_Click()
{
    if (shell::IsBusy() || handingOver_)
        return;
    if (platform::Form* front = platform::Forms::Get(QString::fromLatin1(kQuerentForm)))
        front->Show();
    platform::Forms::Unload(this);
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowWelcomePanel(false);
}

void frmTarot::cmdCancel_Click()
{
    if (shell::IsBusy() || handingOver_)
        return;
    platform::Forms::Unload(this);
}

void frmTarot::mnuExit_Click()
{
    if (shell::IsBusy() || handingOver_)
        return;
    platform::Forms::Unload(this);
    platform::Forms::Unload(QString::fromLatin1(kQuerentForm));
}

void frmTarot::Label6_Click() { shell::OpenHomePage(); }

} // namespace tarot
