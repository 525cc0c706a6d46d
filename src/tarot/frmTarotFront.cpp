#include "tarot/frmTarotFront.h"

#include "platform/Controls.h"
#include "platform/ImageList.h"
#include "platform/Input.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "shell/HelpMenu.h"
#include "shell/modHelp.h"
#include "shell/Quit.h"
#include "tarot/HandOver.h"
#include "tarot/QuerentInput.h"
#include "tarot/ReadingFile.h"
#include "tarot/TarotScreens.h"
#include "tarot/TarotState.h"
#include "tarot/frmAuto.h"
#include "tarot/frmTarot.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <optional>

namespace tarot {

frmTarotFront::frmTarotFront() : Form(QString::fromLatin1(kFormName))
{
    SetCaption(QString::fromLatin1(kToolCaption));
    SetClientSizeTw(9120, 4455);

    Label6 = MakeForumBanner(this, 120, 60, 8880, 285, [this] { Label6_Click(); });

    Image1 = new platform::PictureBox(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setStretch(true);
    Image1->setPicture(platform::FolderPicture(QStringLiteral("tarot/front.jpg"), QSize(320, 240)));
    platform::setGeometryTw(Image1, 120, 480, 3600, 2700);

    lblName = platform::MakeLabel(this, QStringLiteral("lblName"), QStringLiteral("Name"), {3960, 510, 1380, 255});
    txtName = platform::MakeTextBox(this, QStringLiteral("txtName"), {}, {5400, 480, 3600, 315});

    lblCountry = platform::MakeLabel(this, QStringLiteral("lblCountry"), QStringLiteral("Country"),
                                     {3960, 930, 1380, 255});
    txtCountry = platform::MakeTextBox(this, QStringLiteral("txtCountry"), {}, {5400, 900, 3600, 315});

    lblAge = platform::MakeLabel(this, QStringLiteral("lblAge"), QStringLiteral("Date of Birth"),
                                 {3960, 1350, 1380, 255});
    cmbDate = platform::MakeDropDown(this, QStringLiteral("cmbDate"), {5400, 1320, 840, 315});
    cmbMonth = platform::MakeDropDown(this, QStringLiteral("cmbMonth"), {6300, 1320, 1560, 315});
    cmbYear = platform::MakeDropDown(this, QStringLiteral("cmbYear"), {7920, 1320, 1080, 315});
    for (QComboBox* list : {cmbDate, cmbMonth, cmbYear})
        list->setMaxVisibleItems(12);

    lblQuestion = platform::MakeLabel(this, QStringLiteral("lblQuestion"), QStringLiteral("Question"),
                                      {3960, 1770, 1380, 255});
    txtQuestion = new QPlainTextEdit(this);
    txtQuestion->setObjectName(QStringLiteral("txtQuestion"));
    txtQuestion->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtQuestion->setTabChangesFocus(true);
    platform::setGeometryTw(txtQuestion, 5400, 1740, 3600, 1440);
    // The labels name their boxes for a screen reader.
    lblName->setBuddy(txtName);
    lblCountry->setBuddy(txtCountry);
    lblQuestion->setBuddy(txtQuestion);

    cmdOpen = platform::MakeButton(this, QStringLiteral("cmdOpen"), QStringLiteral("&Open Previous Record"),
                                   {120, 3480, 3600, 420});
    cmdNext = platform::MakeButton(this, QStringLiteral("cmdNext"), QStringLiteral("&Next"), {5400, 3480, 1120, 420});
    cmdReset = platform::MakeButton(this, QStringLiteral("cmdReset"), QStringLiteral("&Reset"),
                                    {6640, 3480, 1120, 420});
    cmdCancel = platform::MakeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("&Exit"),
                                     {7880, 3480, 1120, 420});
    connect(cmdOpen, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });
    connect(cmdNext, &QPushButton::clicked, this, [this] { cmdNext_Click(); });
    connect(cmdReset, &QPushButton::clicked, this, [this] { cmdReset_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    txtName->installEventFilter(this);
    txtCountry->installEventFilter(this);

    QMenu* file = AddBarMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    AddMenuItem(file, QStringLiteral("mnuReset"), QStringLiteral("&Reset"), [this] { cmdReset_Click(); });
    AddMenuItem(file, QStringLiteral("mnuNext"), QStringLiteral("N&ext"), [this] { cmdNext_Click(); });
    AddMenuSeparator(file, QStringLiteral("mnuFileSep"));
    AddMenuItem(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { cmdCancel_Click(); });
    shell::AddHelpMenu(
        *this, QStringLiteral("mnuHelpMenu"), QStringLiteral("Help"),
        {{QStringLiteral("mnuHelp"), QStringLiteral("Onine &Help"), shell::OpenHelpPage},
         {QStringLiteral("mnuOnline"), QStringLiteral("Visit Us &Online"), shell::OpenHomePage},
         {QStringLiteral("mnuHelpSep1"), {}, {}},
         {QStringLiteral("mnuUpdate"), QStringLiteral("Check For Software Update"), shell::OpenDownloadPage},
         {QStringLiteral("mnuHelpSep2"), {}, {}},
         {QStringLiteral("mnuSoftware"), QStringLiteral("About &Software"), shell::ShowAbout}});
    AddBarCommand(QStringLiteral("mnuDon"), QStringLiteral("Donate"), [] { shell::OpenDonatePage(); });
    // Alt+O belongs to the screen's own Open Previous Record.
    AddBarCommand(QStringLiteral("mnuMakeMoney"), QStringLiteral("Make &Money Online"),
                  [] { shell::OpenFullBrandPage(); });
}

void frmTarotFront::Form_Load()
{
    CentreInWorkArea();
    cmbDate->addItems(DayEntries());
    cmbMonth->addItems(MonthEntries());
    cmbYear->addItems(YearEntries());
    resetDate();
    txtName->clear();
    txtCountry->clear();
    txtQuestion->clear();
}

void frmTarotFront::resetDate()
{
    cmbDate->setCurrentIndex(0);
    cmbMonth->setCurrentIndex(0);
    cmbYear->setCurrentIndex(kDefaultYearIndex);
}

void frmTarotFront::Form_Unload()
{
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowWelcomePanel(true);
}

void frmTarotFront::refuseUnlessNameKey(int& KeyAscii, QLineEdit* box, const QString& message)
{
    if (IsNameKey(KeyAscii))
        return;
    KeyAscii = 0;
    platform::MsgBox(message, platform::MsgIcon::Information);
    box->setFocus();
}

void frmTarotFront::txtName_KeyPress(int& KeyAscii)
{
    refuseUnlessNameKey(KeyAscii, txtName, QStringLiteral("Name cannot contain Numbers and Special Characters"));
}

void frmTarotFront::txtCountry_KeyPress(int& KeyAscii)
{
    refuseUnlessNameKey(KeyAscii, txtCountry,
                        QStringLiteral("Country cannot contain Numbers and Special Characters"));
}

bool frmTarotFront::filterTyping(QLineEdit* box, QEvent* event)
{
    QList<int> codes;
    QInputMethodEvent* composed = nullptr;
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        // Alt with a letter or digit is a menu key that found no mnemonic, never a typed character.
        if (platform::IsCommandChord(*key))
            return !key->text().isEmpty();
        codes = KeyPressCodes(key->key(), key->modifiers(), key->text());
    } else if (event->type() == QEvent::InputMethod) {
        composed = static_cast<QInputMethodEvent*>(event);
        codes = CommittedCodes(composed->commitString());
    }
    if (codes.isEmpty())
        return false;

    QString taken;
    bool refused = false;
    for (int code : codes) {
        int keyAscii = code;
        if (box == txtName)
            txtName_KeyPress(keyAscii);
        else
            txtCountry_KeyPress(keyAscii);
        if (keyAscii == 0)
            refused = true;
        else if (keyAscii >= ' ' && keyAscii != 127)
            taken += QChar(keyAscii);
    }
    if (!refused)
        return false;
    // Only what the rule let through reaches the box.
    if (composed) {
        QInputMethodEvent replacement(QString(), {});
        replacement.setCommitString(taken);
        QCoreApplication::sendEvent(box, &replacement);
    } else if (!taken.isEmpty()) {
        box->insert(taken);
    }
    return true;
}

bool frmTarotFront::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == txtName || watched == txtCountry) {
        const QEvent::Type t = event->type();
        if (t == QEvent::KeyPress || t == QEvent::InputMethod)
            return filterTyping(static_cast<QLineEdit*>(watched), event);
    }
    return Form::eventFilter(watched, event);
}

void frmTarotFront::cmdNext_Click()
{
    // Touching the set-up screen loads it when needed, and its load resets the reading's state: it has to
    // happen before the boxes are written.
    frmTarot* setUp = platform::Forms::Get<frmTarot>();
    if (!setUp)
        return;
    setUp->SetQuerent({txtName->text(),
                       DateOfBirthText(cmbDate->currentText(), cmbMonth->currentText(), cmbYear->currentText()),
                       txtCountry->text(), txtQuestion->toPlainText()});
    setUp->Show();
    Hide();
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowWelcomePanel(false);
}

void frmTarotFront::cmdReset_Click()
{
    txtName->clear();
    txtCountry->clear();
    txtQuestion->clear();
    resetDate();
    txtName->setFocus();
}

void frmTarotFront::cmdCancel_Click() { platform::Forms::Unload(this); }

void frmTarotFront::cmdOpen_Click()
{
    if (shell::IsBusy())
        return;
    TarotState& s = State();
    // Whatever road this takes, no later layout may mistake itself for the opened reading.
    struct ClearOpenedFlag {
        TarotState& state;
        ~ClearOpenedFlag() { state.ReadingOpenedFromFile = false; }
    } clearOpenedFlag{s};

    shell::frmMDI* mdi = shell::MDI();
    platform::FileDialogRequest request;
    request.title = QStringLiteral("Select the source file");
    request.filter = QStringLiteral("Selvanthe (*.slv)");
    request.defaultSuffix = QStringLiteral("slv");
    request.overwritePrompt = false;
    const QString path = platform::fileDialogs().openFileName(mdi ? static_cast<QWidget*>(mdi) : this, request);
    if (path.isEmpty())
        return;

    // The whole file is read and checked before anything of it is taken.
    std::optional<OpenedReading> opened;
    if (HasReadingFileSuffix(path)) {
        if (const std::optional<QByteArray> bytes = ReadReadingFileBytes(path))
            opened = ParseReadingFile(*bytes, s.OpenedSpreadName, s.DeckLetter);
    }
    if (!opened) {
        platform::MsgBox(QStringLiteral("Please Check The File."), platform::MsgIcon::Critical);
        return;
    }

    s.DeckLetter = opened->deckLetter;
    s.OpenedSpreadName = opened->spreadName;
    // Both lists carry their spare last slot.
    const int count = static_cast<int>(opened->cards.size());
    s.OpenedCards.ReDim(count);
    for (int i = 0; i < count; ++i)
        s.OpenedCards(i) = opened->cards[i];
    const int reversedCount = static_cast<int>(opened->reversed.size());
    s.OpenedReversedCards.ReDim(reversedCount);
    for (int i = 0; i < reversedCount; ++i)
        s.OpenedReversedCards(i) = opened->reversed[i];
    // Nothing of an earlier reading's choice may deal, clear or turn cards of this one.
    s.AutoCastChosen = false;
    s.ManualChosen = false;
    s.MinorArcanaOnly = false;
    s.MajorArcanaOnly = false;
    s.AllowReversed = false;
    s.ManualMode = false;
    s.ReadingOpenedFromFile = true;

    // A fresh window, so that no place of an earlier, larger layout stays on view.
    QPointer<platform::Form> window = beginFreshCardLayout();
    auto* layout = qobject_cast<frmAuto*>(window.data());
    if (!layout)
        return;
    layout->DONE1(count);

    ShowReadingPane();
    // The file holds no querent: the bar must not show an earlier reading's.
    CopyQuerentBar(QString(), QString(), QString(), QString());
    if (mdi) {
        mdi->ShowWelcomePanel(false);
        mdi->Show();
    }
}

void frmTarotFront::Label6_Click() { shell::OpenHomePage(); }

} // namespace tarot
