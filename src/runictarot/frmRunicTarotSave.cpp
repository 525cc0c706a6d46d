#include "runictarot/frmRunicTarotSave.h"

#include "platform/Services.h"
#include "platform/Twips.h"
#include "runes/RuneTables.h"
#include "runictarot/CopyGuard.h"
#include "platform/Controls.h"
#include "runictarot/FormParts.h"
#include "platform/Printing.h"
#include "runictarot/RunicTarotState.h"
#include "runictarot/RunicTarotTexts.h"
#include "runictarot/UrlDetect.h"
#include "runictarot/frmRunicTarotDisplay.h"
#include "runictarot/frmRunicTarotMain.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"

#include <QDir>
#include <QFileInfo>
#include <QKeyEvent>
#include <QPushButton>

namespace runictarot {

namespace {

using platform::Look;
using platform::Verdana;

constexpr Qt::Alignment kTopLeft = Qt::AlignLeft | Qt::AlignTop;

const QColor kLabelColour(0, 0, 0);
const QColor kValueColour(0, 128, 0);
const QColor kHeadingColour(128, 0, 0);
const QString kTwoLineEnds = QStringLiteral("\r\n\r\n");

platform::Clickable* link(QWidget* parent, const char* name, const QString& text, const platform::TwRect& at,
                          std::function<void()> onClick, bool wrap = true)
{
    return parts::makeLink(
        parent, QString::fromLatin1(name), text, at,
        Look(Verdana(8.25, true, true)).Fore(QColor(0, 64, 0)).Align(Qt::AlignHCenter | Qt::AlignTop).Wrap(wrap),
        std::move(onClick));
}

} // namespace

frmRunicTarotSave::frmRunicTarotSave() : Form(QString::fromLatin1(kFormName))
{
    SetCaption(QString::fromLatin1(kWindowCaption));
    SetClientSizeTw(7665, 7560);
    platform::setBackColor(this, QColor(192, 255, 192));
    setFont(Verdana(8.25));

    Label14 = link(this, "Label14", ForumTagline(), {1440, 0, 4830, 195}, [this] { Label14_Click(); });
    Label1 = link(this, "Label1", VisitSiteCaption(), {1620, 180, 4470, 195}, [this] { Label1_Click(); }, false);

    RTB = new GuardedTextBox(this);
    RTB->setAccessibleName(QStringLiteral("Runic tarot report"));
    RTB->setObjectName(QStringLiteral("RTB"));
    RTB->setFont(Verdana(9.75));
    platform::setBackColor(RTB, QColor(255, 224, 192));
    platform::setForeColor(RTB, Qt::black);
    platform::setGeometryTw(RTB, 0, 390, 7665, 6135);
    connectGuardHandlers(RTB, {[this] { RTB_Change(); }, [this] { RTB_Click(); }, [this] { RTB_MouseDown(); },
                               [this] { RTB_MouseMove(); }, [this] { RTB_MouseUp(); }});

    cmdSave = platform::MakeButton(this, QStringLiteral("cmdSave"), QStringLiteral("&Save"), {5400, 6570, 1125, 345},
                                   Verdana(8.25));
    cmdPrint = platform::MakeButton(this, QStringLiteral("cmdPrint"), QStringLiteral("&Print"),
                                    {6540, 6570, 1125, 345}, Verdana(8.25));
    connect(cmdSave, &QPushButton::clicked, this, [this] { cmdSave_Click(); });
    connect(cmdPrint, &QPushButton::clicked, this, [this] { cmdPrint_Click(); });

    Label8 = link(this, "Label8", FullBrandOffer(), {0, 6960, 7665, 615}, [this] { Label8_Click(); });
}

void frmRunicTarotSave::Form_Load()
{
    CentreInWorkArea();
    EnableUrlDetect(RTB);
    composeReport();
}

void frmRunicTarotSave::composeReport()
{
    // The details Save writes are the ones this report shows, whatever is generated after it.
    const RunicTarotState& state = State();
    details_ = {runes::QuerentName(), state.RunicBirthDay, state.RunicBirthMonth, state.RunicBirthYear};

    const auto* d = platform::Forms::Peek<frmRunicTarotDisplay>();
    const auto* m = platform::Forms::Peek<frmRunicTarotMain>();
    const QString birthDate = m ? m->BirthDateShown() : QString();
    const Reading shown = d ? d->ShownReading() : Reading();

    struct Row {
        const char* label;  // null for a heading
        QString value;
    };
    const QList<Row> sunSign = {
        {"Corresponding Rune Stone :-", shown.runeStone},
        {"Alternative Name :-", shown.alternativeNames},
        {"Favorable Color :-", shown.favourableColour},
        {"Nordic God :-", shown.nordicGod},
        {"Key Wards :-", shown.keywords},
        {"About Your Rune Stone :-", shown.runeText},
        {"Corresponding Tarot Card :-", shown.tarotCard},
        {"About Your Tarot Card :-", shown.cardText},
    };
    const QList<Row> planet = {
        {"Your Favorable Planet is :-", shown.favourablePlanet},
        {"God Associated With Planet :-", shown.planetGod},
        {"Color Associated With Planet :-", shown.planetColour},
        {"Stone Associated With Planet :-", shown.planetStone},
        {"Alternative Names :-", shown.planetAlternativeNames},
        {"Keywords :-", shown.planetKeywords},
        {"About Your Rune Stone Associate With Planet :-", shown.planetRuneText},
        {"Corresponding Tarot Card :-", shown.planetTarotCard},
        {"About Your Tarot Card :-", shown.planetCardText},
    };

    auto labelled = [this](const QString& label, const QString& value) {
        RTB->SetSelBold(true);
        RTB->SetSelColor(kLabelColour);
        RTB->SetSelText(label);
        RTB->SetSelBold(false);
        RTB->SetSelColor(kValueColour);
        RTB->SetSelText(value + kTwoLineEnds);
    };
    auto heading = [this](const char* text) {
        RTB->SetSelBold(true);
        RTB->SetSelColor(kHeadingColour);
        RTB->SetSelText(QString::fromLatin1(text) + kTwoLineEnds);
    };

    RTB->SetSelText(ReportSiteLine() + kTwoLineEnds);
    labelled(QStringLiteral("Name :- "), details_.name);
    labelled(QStringLiteral("Date Of Birth :- "), birthDate);
    heading("Runic Tarot Reading for Sun Sign");
    for (const Row& r : sunSign)
        labelled(QString::fromLatin1(r.label), r.value);
    heading("Runic Tarot Reading for Favorable Planet");
    for (const Row& r : planet)
        labelled(QString::fromLatin1(r.label), r.value);
    // In the format the last value left: regular and green.
    RTB->SetSelText(ReportSiteLine() + QStringLiteral("\r\n"));
}

void frmRunicTarotSave::ShowOverReading()
{
    // The report opens on its text, to be read and scrolled from the keyboard (its caret stays after the
    // last line, where composing it left it).
    Show();
    RTB->setFocus(Qt::OtherFocusReason);
}

void frmRunicTarotSave::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    Form::keyPressEvent(event);
}

void frmRunicTarotSave::Form_Unload()
{
    if (UrlDetectBox() == RTB)
        DisableUrlDetect();
    // The reading comes back only if it is still there; a reading window loaded anew would be empty.
    if (platform::Form* display = platform::Forms::Peek<frmRunicTarotDisplay>())
        display->Show();
}

void frmRunicTarotSave::cmdPrint_Click()
{
    // The dialog opens printer or not: printing to a PDF file is always there.
    const platform::PrintResult printed = platform::printTextBox(this, *RTB, QString::fromLatin1(kWindowCaption));
    switch (printed.outcome) {
    case platform::PrintOutcome::NoPrinter:
    case platform::PrintOutcome::Failed:
        platform::MsgBox(QString::fromLatin1(kMsgNotPrinted) + QLatin1Char(' ') + printed.reason,
                         platform::MsgIcon::Critical);
        break;
    case platform::PrintOutcome::Printed:
        if (!printed.note.isEmpty())
            platform::MsgBox(QStringLiteral("The Report Was Sent To The Printer. ") + printed.note,
                             platform::MsgIcon::Information);
        break;
    case platform::PrintOutcome::Cancelled: break;
    }
}

void frmRunicTarotSave::cmdSave_Click()
{
    // Details that could not be opened again are refused before a file name is asked for.
    if (!nameFitsDetailsFile(details_.name)) {
        platform::MsgBox(QString::fromLatin1(kMsgNameNotStorable), platform::MsgIcon::Critical);
        return;
    }
    if (!composeCheckedDetailsFile(details_)) {
        platform::MsgBox(QString::fromLatin1(kMsgNotSaved), platform::MsgIcon::Critical);
        return;
    }
    platform::FileDialogRequest request;
    request.title = QString::fromLatin1(kWindowCaption);
    request.filter = QStringLiteral("Brannoch (*.brn)");
    request.defaultSuffix = QStringLiteral("brn");
    request.overwritePrompt = true;
    // Open takes a details file by its suffix alone: a name without it gets it.
    const QString path = platform::SaveFileName(this, request);
    if (path.isEmpty())
        return;
    QString whyNot;
    switch (saveDetailsFile(path, details_, &whyNot)) {
    case SaveResult::Saved: break;
    case SaveResult::NameNotStorable:
        platform::MsgBox(QString::fromLatin1(kMsgNameNotStorable), platform::MsgIcon::Critical);
        break;
    case SaveResult::InvalidDetails:
        platform::MsgBox(QString::fromLatin1(kMsgNotSaved), platform::MsgIcon::Critical);
        break;
    case SaveResult::WriteFailed:
        platform::MsgBox(platform::SentenceWithReason(
                             QString::fromLatin1(kMsgNotSavedTo).arg(QDir::toNativeSeparators(path)), whyNot),
                         platform::MsgIcon::Critical);
        break;
    }
}

void frmRunicTarotSave::Label1_Click() { shell::OpenHomePage(); }
void frmRunicTarotSave::Label14_Click() { shell::OpenHomePage(); }
void frmRunicTarotSave::Label8_Click() { shell::OpenFullBrandPage(); }

void frmRunicTarotSave::RTB_Change() { clearGuardedCopy(); }
void frmRunicTarotSave::RTB_Click() { clearGuardedCopy(); }
void frmRunicTarotSave::RTB_MouseDown() { clearGuardedCopy(); }
void frmRunicTarotSave::RTB_MouseMove() { clearGuardedCopy(); }
void frmRunicTarotSave::RTB_MouseUp() { clearGuardedCopy(); }

} // namespace runictarot
