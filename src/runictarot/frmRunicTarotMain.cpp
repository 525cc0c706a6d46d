#include "runictarot/frmRunicTarotMain.h"

#include "platform/Input.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "runes/RuneTables.h"
#include "runictarot/DetailsFile.h"
#include "platform/Controls.h"
#include "platform/PictureFolders.h"
#include "runictarot/FormParts.h"
#include "runictarot/RunicTarotState.h"
#include "runictarot/RunicTarotTexts.h"
#include "runictarot/SignTable.h"
#include "runictarot/SunSign.h"
#include "runictarot/frmRunicTarotDisplay.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "shell/HelpMenu.h"
#include "shell/modHelp.h"

#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace runictarot {

namespace {

using platform::Look;
using platform::Verdana;

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;
using platform::bgr;

const QColor kGreen(192, 255, 192);
const QColor kOrange(255, 192, 128);
const QColor kGrey(192, 192, 192);
const QColor kEntryText(0, 64, 64);

QStringList picturePaths(const char* stem, int count)
{
    QStringList out;
    for (int i = 1; i <= count; ++i)
        out << QStringLiteral("runictarot/%1-%2.jpg").arg(QString::fromLatin1(stem)).arg(i);
    return platform::PictureFiles(out);
}

QComboBox* dateList(QWidget* parent, const char* name, double l, double w)
{
    QComboBox* box = platform::MakeDropDown(parent, QString::fromLatin1(name), {l, 960, w, 315},
                                            Look(Verdana(8.25)).Back(kGreen).Fore(kEntryText));
    return box;
}

// Selects the item whose text is the value exactly; a value that is no item leaves the list alone.
void selectItem(QComboBox* list, const QString& value)
{
    const int i = list->findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (i >= 0)
        list->setCurrentIndex(i);
}

// Only blanks, not every kind of white space, are taken off the ends of the name.
QString trimBlanks(const QString& text)
{
    qsizetype from = 0, to = text.size();
    while (from < to && text[from] == QLatin1Char(' '))
        ++from;
    while (to > from && text[to - 1] == QLatin1Char(' '))
        --to;
    return text.sliced(from, to - from);
}

void showWelcomePanel(bool shown)
{
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowWelcomePanel(shown);
}

} // namespace

// The name box. Every road by which text comes into it meets the name-key rule: each typed or composed
// character as the rule says (a refused one told once, however many code units it takes), and text
// pasted with Shift+Insert, the middle button or the box's menu as a whole (its refused characters left
// out and told once, a paste past the box's length told and left out). Text dropped on it is not taken.
// Open's own setText is no input, and keeps what the file holds.
class frmRunicTarotMain::NameBox final : public QLineEdit {
public:
    NameBox(frmRunicTarotMain* form, QWidget* parent) : QLineEdit(parent), form_(form) { setAcceptDrops(false); }

protected:
    void keyPressEvent(QKeyEvent* e) override
    {
        // Menu keys that found no mnemonic type nothing; focus moves and keys that type nothing are not
        // characters for the rule.
        if (platform::IsCommandChord(*e)) {
            if (e->text().isEmpty())
                QLineEdit::keyPressEvent(e);
            return;
        }
        const bool control = e->modifiers() & Qt::ControlModifier;
        if (!control && e->matches(QKeySequence::Paste)) {  // Shift+Insert
            pasteText(QGuiApplication::clipboard()->text());
            return;
        }
        if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab || e->key() == Qt::Key_Delete) {
            QLineEdit::keyPressEvent(e);
            return;
        }
        if (control && e->key() >= Qt::Key_A && e->key() <= Qt::Key_Z) {
            // The control character the key combination stands for, as copy (3) and paste (22).
            if (form_->txtName_KeyPress(e->key() - Qt::Key_A + 1) != 0)
                QLineEdit::keyPressEvent(e);
            return;
        }
        if (e->text().isEmpty()) {
            QLineEdit::keyPressEvent(e);
            return;
        }
        typeText(e->text(), [&] { QLineEdit::keyPressEvent(e); });
    }

    void inputMethodEvent(QInputMethodEvent* e) override
    {
        // Composed characters meet the same rule as typed ones.
        if (e->commitString().isEmpty()) {
            QLineEdit::inputMethodEvent(e);
            return;
        }
        typeText(e->commitString(), [&] { QLineEdit::inputMethodEvent(e); });
    }

    void mouseReleaseEvent(QMouseEvent* e) override
    {
        if (e->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
            pasteText(QGuiApplication::clipboard()->text(QClipboard::Selection));
            e->accept();
            return;
        }
        QLineEdit::mouseReleaseEvent(e);
    }

    void contextMenuEvent(QContextMenuEvent* e) override
    {
        QMenu* menu = createStandardContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        // The toolkit's menu names its paste entry by its (translated) caption alone.
        for (QAction* paste : menu->actions())
            if (paste->text().startsWith(QLineEdit::tr("&Paste"))) {
                disconnect(paste, &QAction::triggered, nullptr, nullptr);
                connect(paste, &QAction::triggered, this, [this] { pasteText(QGuiApplication::clipboard()->text()); });
            }
        menu->popup(e->globalPos());
    }

private:
    // Characters typed at once (a key, a composition): each goes through the rule, which tells each one
    // it refuses.
    void typeText(const QString& text, const std::function<void()>& typeAsIs)
    {
        QString taken;
        for (const char32_t c : text.toUcs4())
            if (const int code = form_->txtName_KeyPress(int(c)))
                taken.append(QChar(code));
        if (!form_->nameBoxHasRoomFor(taken))
            return;
        if (taken == text)
            typeAsIs();  // the box handles the key itself, Backspace and Enter included
        else if (!taken.isEmpty())
            insert(taken);
    }

    void pasteText(const QString& text)
    {
        if (isReadOnly() || text.isEmpty())
            return;
        QString taken;
        bool refused = false;
        for (const char32_t c : text.toUcs4()) {
            const int code = NameRule(c);
            if (code >= 32)
                taken.append(QChar(code));
            else if (code == 0)
                refused = true;
        }
        // One paste is told once, whatever it held that the box refuses.
        const bool fits = taken.isEmpty() || form_->nameBoxHasRoomFor(taken, refused);
        if (refused && fits)
            platform::MsgBox(QString::fromLatin1(kMsgOnlyAlphabet), platform::MsgIcon::Information);
        if (!taken.isEmpty() && fits)
            insert(taken);
    }

    frmRunicTarotMain* form_;
};

frmRunicTarotMain::frmRunicTarotMain() : Form(QString::fromLatin1(kFormName))
{
    SetCaption(QString::fromLatin1(kWindowCaption));
    SetClientSizeTw(7335, 4695);
    platform::setBackColor(this, kGreen);

    QFrame* top = platform::MakePanel(this, QStringLiteral("fraTop"), {0, 0, 7335, 615}, Look().Back(kOrange));
    Label61 = parts::makeLink(top, QStringLiteral("Label61"), ForumAdvert(), {75, 120, 7140, 585},
                              Look(Verdana(9, true, true)).Fore(QColor(0, 64, 0)).Align(kTopLeft).Wrap(),
                              [this] { Label61_Click(); });

    QFrame* middle = platform::MakePanel(this, QStringLiteral("fraMiddle"), {0, 600, 7335, 2415}, Look().Back(kGreen));
    Label7 = platform::MakeLabel(middle, QStringLiteral("Label7"), WelcomeText(), {600, 120, 6375, 615},
                                 Look(Verdana(8.25, true)).Fore(QColor(0, 0, 255)).Align(kTopLeft).Wrap());
    cmdOpen = platform::MakeWrappingButton(
        middle, QStringLiteral("cmdOpen"),
        QStringLiteral("Click Here To Open Previously Saved Runic Tarot Interpretation"), {120, 840, 1575, 1455},
        Verdana(9, true));
    platform::setBackColor(cmdOpen, kGrey);
    connect(cmdOpen, &QPushButton::clicked, this, [this] { cmdOpen_Click(); });

    fraDetails = platform::MakeFrame(middle, QStringLiteral("fraDetails"), QStringLiteral("Enter Your Details"),
                                     {1800, 840, 5415, 1455}, Look(Verdana(8.25)).Back(kOrange));

    Label1 = platform::MakeLabel(fraDetails, QStringLiteral("Label1"), QStringLiteral("Name:-"), {120, 360, 705, 195},
                                 Look(Verdana(8.25, true)).Fore(Qt::black).Align(kTopLeft).Wrap(false));
    txtName = new NameBox(this, fraDetails);
    platform::Dress(txtName, QStringLiteral("txtName"), {1680, 240, 3615, 375},
                    Look(Verdana(8.25)).Back(kGreen).Fore(kEntryText));
    // Every name the box holds fits a details file, and every name a details file holds fits the box.
    txtName->setMaxLength(MaxNameLength);

    Label3 = platform::MakeLabel(fraDetails, QStringLiteral("Label3"), QStringLiteral("Date Of Birth:-"),
                                 {120, 1080, 1395, 195},
                                 Look(Verdana(8.25, true)).Fore(Qt::black).Align(kTopLeft).Wrap(false));
    Label4 = platform::MakeLabel(fraDetails, QStringLiteral("Label4"), QStringLiteral("Date"), {1680, 720, 735, 195},
                                 Look(Verdana(8.25, false, true)).Fore(Qt::black).Align(kTopLeft).Wrap(false));
    Label5 = platform::MakeLabel(fraDetails, QStringLiteral("Label5"), QStringLiteral("Month"), {2520, 720, 1575, 195},
                                 Look(Verdana(8.25, false, true)).Fore(Qt::black).Align(kTopLeft).Wrap(false));
    Label6 = platform::MakeLabel(fraDetails, QStringLiteral("Label6"), QStringLiteral("Year"), {4200, 720, 1095, 195},
                                 Look(Verdana(8.25, false, true)).Fore(Qt::black).Align(kTopLeft).Wrap(false));
    cmbDate = dateList(fraDetails, "cmbDate", 1680, 735);
    cmbMonth = dateList(fraDetails, "cmbMonth", 2520, 1575);
    cmbYear = dateList(fraDetails, "cmbYear", 4200, 1095);

    cmdRunicAstrology = platform::MakeButton(this, QStringLiteral("cmdRunicAstrology"),
                                             QStringLiteral("Generate My &Runic Tarot Reading"), {10, 3195, 4935, 585},
                                             Verdana(8.25, true));
    cmdExit = platform::MakeButton(this, QStringLiteral("cmdExit"), QStringLiteral("&Exit"), {5100, 3195, 2220, 585},
                                   Verdana(8.25, true));
    for (QPushButton* b : {cmdRunicAstrology, cmdExit})
        platform::setBackColor(b, kGrey);
    connect(cmdRunicAstrology, &QPushButton::clicked, this, [this] { cmdRunicAstrology_Click(); });
    connect(cmdExit, &QPushButton::clicked, this, [this] { cmdExit_Click(); });

    QFrame* bottom = platform::MakePanel(this, QStringLiteral("fraBottom"), {0, 3840, 7335, 855}, Look().Back(kOrange));
    const Look offer = Look(Verdana(8.25, true, true)).Fore(QColor(0, 0, 255)).Align(kTopLeft).Wrap();
    lblFullBrand = parts::makeLink(bottom, QStringLiteral("lblFullBrand"), FullBrandOffer(), {120, 165, 7065, 615},
                                   offer, [this] { lblFullBrand_Click(); });
    lblCobrand = parts::makeLink(bottom, QStringLiteral("lblCobrand"), CoBrandOffer(), {120, 165, 7065, 615}, offer,
                                 [this] { lblCobrand_Click(); });
    platform::setBackColor(lblCobrand, kOrange);  // it lies on the full-brand offer and hides it
    lblCobrand->raise();
    // Wholly under the co-brand offer, the full-brand offer is out of every road: no click, Tab or screen
    // reader reaches it.
    lblFullBrand->hide();

    setTabOrder(txtName, cmbDate);
    setTabOrder(cmbDate, cmbMonth);
    setTabOrder(cmbMonth, cmbYear);
    setTabOrder(cmbYear, cmdRunicAstrology);
    setTabOrder(cmdRunicAstrology, cmdOpen);
    setTabOrder(cmdOpen, cmdExit);

    IMGStoneList = platform::ImageList(picturePaths("signstone", pictureCount(PictureList::Stones)),
                                       pictureSize(PictureList::Stones));
    IMGTarotCard = platform::ImageList(picturePaths("card", pictureCount(PictureList::TarotCards)),
                                       pictureSize(PictureList::TarotCards));
    IMGStoneListWithPlanet =
        platform::ImageList(picturePaths("planetstone", pictureCount(PictureList::StonesWithPlanet)),
                            pictureSize(PictureList::StonesWithPlanet));

    buildMenus();
}

void frmRunicTarotMain::buildMenus()
{
    QMenu* file = AddBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    AddMenuItem(file, QStringLiteral("mnuPreviouslySavedRunicAstrology"),
                QStringLiteral("Open Previously Saved Runic Tarot Interpretation"),
                [this] { mnuPreviouslySavedRunicAstrology_Click(); });
    AddMenuItem(file, QStringLiteral("mnuGenerateRunicAstrology"), QStringLiteral("Generate My &Runic Tarot Reading"),
                [this] { mnuGenerateRunicAstrology_Click(); });
    AddMenuItem(file, QStringLiteral("mnuExit"), QStringLiteral("E&xit"), [this] { mnuExit_Click(); });
    shell::AddHelpMenu(
        *this, QStringLiteral("mnuHelp"), QStringLiteral("&Help"),
        {{QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"), shell::OpenHelpPage},
         {QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"), shell::OpenHomePage},
         {QStringLiteral("mnuSep1"), {}, {}},
         {QStringLiteral("mnuUpdate"), QStringLiteral("Check for Software &Update"), shell::OpenDownloadPage},
         {QStringLiteral("mnuSep2"), {}, {}},
         {QStringLiteral("mnuAbout"), QStringLiteral("&About Software"), shell::ShowAbout}});
    AddBarCommand(QStringLiteral("mnuDonate"), QStringLiteral("&Donate"), [] { shell::OpenDonatePage(); });
    // Switched off in the design and never offered.
    AddBarCommand(QStringLiteral("mnuMakeMoneyOnline"), QStringLiteral("Make Money &Online"),
                  [] { shell::OpenFullBrandPage(); })
        ->setVisible(false);
}

void frmRunicTarotMain::Form_Load()
{
    CentreInWorkArea();
    for (QStringView month : monthNames())
        cmbMonth->addItem(month.toString());
    for (int day = 1; day <= 31; ++day)
        cmbDate->addItem(QString::number(day));
    for (int year = FirstBirthYear; year <= LastBirthYear; ++year)
        cmbYear->addItem(QString::number(year));
    cmbDate->setCurrentIndex(0);
    cmbMonth->setCurrentIndex(0);
    cmbYear->setCurrentIndex(0);
}

void frmRunicTarotMain::Form_Unload() { showWelcomePanel(true); }

int frmRunicTarotMain::txtName_KeyPress(int keyAscii)
{
    if (const int code = NameRule(char32_t(keyAscii)))
        return code;
    platform::MsgBox(QString::fromLatin1(kMsgOnlyAlphabet), platform::MsgIcon::Information);
    return 0;
}

int frmRunicTarotMain::NameRule(char32_t code)
{
    if (code >= 'A' && code <= 'Z')
        return int(code);
    if (code >= 'a' && code <= 'z')
        return int(code) - 32;
    if (code == 8 || code == 13 || code == 32)
        return int(code);
    return 0;
}

bool frmRunicTarotMain::nameBoxHasRoomFor(const QString& typed, bool refusedToo)
{
    qsizetype adds = 0;
    for (QChar c : typed)
        if (c.unicode() >= 32)  // Backspace and Enter type nothing
            ++adds;
    if (adds == 0)
        return true;
    const qsizetype kept = txtName->text().size() - txtName->selectedText().size();
    if (kept + adds <= txtName->maxLength())
        return true;
    // Told like the key rule tells a refused key: the box would otherwise just stop taking letters.
    const QString tooLong = QStringLiteral("Please Enter A Name Of At Most %1 Letters !").arg(MaxNameLength);
    platform::MsgBox(refusedToo ? QString::fromLatin1(kMsgOnlyAlphabet) + QLatin1Char('\n') + tooLong : tooLong,
                     platform::MsgIcon::Information);
    return false;
}

bool frmRunicTarotMain::ValidateDetails()
{
    if (txtName->text().isEmpty()) {
        platform::MsgBox(QString::fromLatin1(kMsgEnterName));
        txtName->setFocus();
        return false;
    }
    const int month = cmbMonth->currentIndex();
    const int day = cmbDate->currentIndex();
    const bool thirtyDays = month == 3 || month == 5 || month == 8 || month == 10;
    if ((thirtyDays && day > 29) || (month == 1 && day > 28)) {
        platform::MsgBox(QString::fromLatin1(kMsgCorrectDate), platform::MsgIcon::Information);
        return false;
    }
    return true;
}

void frmRunicTarotMain::FindSunSign()
{
    const QString sign = sunSignAt(cmbMonth->currentIndex(), cmbDate->currentIndex());
    if (!sign.isEmpty())
        State().SunSign = sign;
}

void frmRunicTarotMain::FillSunSignReading()
{
    const std::optional<Reading> r = readingFor(State().SunSign);
    if (!r)
        return;
    auto* d = platform::Forms::Get<frmRunicTarotDisplay>();
    if (!d)
        return;
    d->ShowReading({*r, IMGStoneList.ListImage(r->stonePicture), IMGTarotCard.ListImage(r->cardPicture),
                    IMGStoneListWithPlanet.ListImage(r->planetStonePicture),
                    IMGTarotCard.ListImage(r->planetCardPicture)});
}

QString frmRunicTarotMain::BirthDateShown() const
{
    return cmbMonth->currentText() + QLatin1Char('/') + cmbDate->currentText() + QLatin1Char('/') +
           cmbYear->currentText();
}

void frmRunicTarotMain::cmdRunicAstrology_Click()
{
    if (!ValidateDetails())
        return;
    runes::SetQuerentName(trimBlanks(txtName->text()));
    State().RunicBirthYear = static_cast<qint16>(cmbYear->currentText().trimmed().toInt());
    State().RunicBirthMonth = cmbMonth->currentText().trimmed();
    State().RunicBirthDay = static_cast<qint16>(cmbDate->currentText().trimmed().toInt());
    FindSunSign();
    FillSunSignReading();
    Hide();
    if (platform::Form* display = platform::Forms::Get<frmRunicTarotDisplay>())
        display->Show();
    showWelcomePanel(false);
}

void frmRunicTarotMain::cmdOpen_Click()
{
    platform::FileDialogRequest request;
    request.title = QStringLiteral("Select the source file");
    request.filter = QStringLiteral("Brannoch (*.brn)");
    request.defaultSuffix = QStringLiteral("brn");
    request.overwritePrompt = false;
    const QString path = platform::fileDialogs().openFileName(this, request);
    if (path.isEmpty())
        return;
    // The whole file is read and checked before anything on screen changes.
    const std::optional<BirthDetails> details =
        hasDetailsFileSuffix(path) ? loadDetailsFile(path) : std::nullopt;
    if (!details) {
        platform::MsgBox(QString::fromLatin1(kMsgCheckFile), platform::MsgIcon::Critical);
        return;
    }
    txtName->setText(details->name);
    selectItem(cmbDate, QString::number(details->day));
    selectItem(cmbMonth, details->month);
    selectItem(cmbYear, QString::number(details->year));
    cmdRunicAstrology_Click();
}

void frmRunicTarotMain::cmdExit_Click() { platform::Forms::Unload(this); }

void frmRunicTarotMain::Label61_Click() { shell::OpenHomePage(); }
void frmRunicTarotMain::lblCobrand_Click() { shell::OpenCoBrandPage(); }
void frmRunicTarotMain::lblFullBrand_Click() { shell::OpenFullBrandPage(); }

} // namespace runictarot
