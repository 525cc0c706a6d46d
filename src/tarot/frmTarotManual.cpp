#include "tarot/frmTarotManual.h"

#include "platform/Controls.h"
#include "platform/ImageList.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "shell/HelpMenu.h"
#include "shell/modHelp.h"
#include "tarot/HandOver.h"
#include "tarot/ManualDeal.h"
#include "tarot/PlacementPrompts.h"
#include "tarot/PositionTexts.h"
#include "platform/PictureFolders.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/SpreadLayouts.h"
#include "tarot/TarotScreens.h"
#include "tarot/TarotState.h"
#include "tarot/frmAuto.h"
#include "tarot/frmTarot.h"
#include "tarot/modInfo.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>

#include <algorithm>
#include <cstdlib>
#include <span>

namespace tarot {

namespace {

// Places in twips. The spread's picture stands at the left, at its own size, and the backs at its right,
// in 13 columns and 6 rows inside their frame, each at a fixed spot, so taking one away never moves
// another. The prompt runs across the width below both, and Exit and Back stand side by side at the
// bottom right. So arranged, the window with its frame fits the work area of a 1366 x 768 screen.
constexpr int kMargin = 120;
constexpr int kTop = 420;  // below the banner
constexpr int kSpreadWidth = 3840;
constexpr int kSpreadHeight = 4800;
constexpr int kBackWidth = 540;
constexpr int kBackHeight = 870;
constexpr int kBackStepX = 600;
constexpr int kBackStepY = 930;
constexpr int kBackMargin = 90;
constexpr int kBackRows = (frmTarotManual::kBackCount + frmTarotManual::kBackColumns - 1) / frmTarotManual::kBackColumns;
constexpr int kFrameLeft = kMargin + kSpreadWidth + kMargin;
constexpr int kFrameWidth = 2 * kBackMargin + (frmTarotManual::kBackColumns - 1) * kBackStepX + kBackWidth;
constexpr int kFrameHeight = 2 * kBackMargin + (kBackRows - 1) * kBackStepY + kBackHeight;
constexpr int kClientWidth = kFrameLeft + kFrameWidth + kMargin;
constexpr int kPromptTop = kTop + std::max(kSpreadHeight, kFrameHeight) + kMargin;
// Four lines: the longest prompt, a caption and a meaning of some two hundred and fifty characters, takes three.
constexpr int kPromptHeight = 1080;
constexpr int kButtonTop = kPromptTop + kPromptHeight + kMargin;
constexpr int kButtonWidth = 1500;
constexpr int kButtonHeight = 420;
constexpr int kClientHeight = kButtonTop + kButtonHeight + kMargin;
// The waiting panel lies across the middle, over the lower part of the spread picture and a band of backs.
constexpr int kMessageWidth = 8400;
constexpr int kMessageHeight = 1200;
constexpr int kMajorBacks = 22;
constexpr int kMinorBacks = 56;
constexpr int kFlatBack = 1;  // the one back drawn without its raised edge

constexpr const char* kBackIndexProperty = "backIndex";

// The card back as a back place shows it: raised, with a light upper-left and a dark lower-right edge,
// or flat with no edge at all. Drawn at the density of the back picture, so it stays sharp where the
// screen has more pixels than points.
QPixmap BackPicture(bool raised)
{
    const QPixmap back = platform::FolderPicture(QStringLiteral("cards/back.jpg"),
                                                 QSize(platform::px(kBackWidth) - 4, platform::px(kBackHeight) - 4));
    const qreal ratio = back.devicePixelRatio();
    const int w = platform::px(kBackWidth), h = platform::px(kBackHeight);
    QPixmap out(QSize(w, h) * ratio);
    out.setDevicePixelRatio(ratio);
    out.fill(QColor(212, 208, 200));
    QPainter painter(&out);
    if (!raised) {
        painter.drawPixmap(0, 0, back);
        return out;
    }
    painter.drawPixmap(2, 2, back);
    // Edges as rectangles of whole points, so they are as crisp at any density.
    painter.fillRect(QRect(0, 0, w, 1), Qt::white);
    painter.fillRect(QRect(0, 0, 1, h), Qt::white);
    painter.fillRect(QRect(0, h - 1, w, 1), QColor(64, 64, 64));
    painter.fillRect(QRect(w - 1, 0, 1, h), QColor(64, 64, 64));
    painter.fillRect(QRect(1, h - 2, w - 2, 1), QColor(128, 128, 128));
    painter.fillRect(QRect(w - 2, 1, 1, h - 2), QColor(128, 128, 128));
    return out;
}

} // namespace

frmTarotManual::frmTarotManual() : Form(QString::fromLatin1(kFormName))
{
    SetCaption(QString::fromLatin1(kToolCaption));
    SetClientSizeTw(kClientWidth, kClientHeight);

    Label6 = MakeForumBanner(this, kMargin, 60, kClientWidth - 2 * kMargin, 285, [this] { Label6_Click(); });

    picManual = platform::MakePicture(this, QStringLiteral("picManual"), {kMargin, kTop, kSpreadWidth, kSpreadHeight});
    picManual->setStretch(true);

    fraPictures = platform::MakePanel(this, QStringLiteral("fraPictures"), {kFrameLeft, kTop, kFrameWidth, kFrameHeight});
    fraPictures->setFrameShape(QFrame::Box);

    txtDisp = new QPlainTextEdit(this);
    txtDisp->setAccessibleName(QStringLiteral("Position to pick"));
    platform::Dress(txtDisp, QStringLiteral("txtDisp"), {kMargin, kPromptTop, kClientWidth - 2 * kMargin, kPromptHeight},
                    {});
    txtDisp->setReadOnly(true);
    txtDisp->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtDisp->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    txtDisp->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    const int backLeft = kClientWidth - kMargin - kButtonWidth;
    const int exitLeft = backLeft - kMargin - kButtonWidth;
    cmdCancel = platform::MakeButton(this, QStringLiteral("cmdCancel"), QStringLiteral("Exit"),
                                     {exitLeft, kButtonTop, kButtonWidth, kButtonHeight});
    cmdBack = platform::MakeButton(this, QStringLiteral("cmdBack"), QStringLiteral("Back"),
                                   {backLeft, kButtonTop, kButtonWidth, kButtonHeight});
    connect(cmdBack, &QPushButton::clicked, this, [this] { cmdBack_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });

    const QPixmap raised = BackPicture(true);
    const QPixmap flat = BackPicture(false);
    for (int i = 0; i < kBackCount; ++i) {
        platform::Clickable* back = platform::MakeClickablePicture(
            fraPictures, QStringLiteral("p(%1)").arg(i),
            {double(kBackMargin + (i % kBackColumns) * kBackStepX), double(kBackMargin + (i / kBackColumns) * kBackStepY),
             double(kBackWidth), double(kBackHeight)},
            QStringLiteral("Face-down card %1").arg(i + 1));
        back->setProperty(kBackIndexProperty, i);
        back->setCursor(Qt::PointingHandCursor);
        back->setPicture(i == kFlatBack ? flat : raised);
        connect(back, &QAbstractButton::clicked, this, [this, i] { p_Click(i); });
        back->installEventFilter(this);
        p[static_cast<size_t>(i)] = back;
    }
    // The backs are one stop for Tab; the arrow keys move among them.
    for (int i = 1; i < kBackCount; ++i)
        p[static_cast<size_t>(i)]->setFocusPolicy(Qt::NoFocus);
    // The prompt is read, not worked in.
    txtDisp->setFocusPolicy(Qt::NoFocus);

    // The waiting panel, shown while the reading is being dealt.
    picMessage = platform::MakePanel(this, QStringLiteral("picMessage"),
                                     {(kClientWidth - kMessageWidth) / 2.0, (kClientHeight - kMessageHeight) / 2.0,
                                      kMessageWidth, kMessageHeight});
    picMessage->setFrameShape(QFrame::Panel);
    picMessage->setFrameShadow(QFrame::Raised);
    picMessage->setAutoFillBackground(true);
    for (size_t k = 0; k < Label1.size(); ++k) {
        QFont bold = picMessage->font();
        bold.setBold(true);
        platform::Label* label = platform::MakeLabel(
            picMessage, QStringLiteral("Label1(%1)").arg(k),
            QStringLiteral("Please Wait ...\nOstrevan is generating the Tarot result...."),
            {120, 120, kMessageWidth - 240, kMessageHeight - 240}, platform::Look(bold).Align(Qt::AlignCenter));
        Label1[k] = label;
    }
    picMessage->hide();

    QMenu* file = AddBarMenu(QStringLiteral("mnuFile"), QStringLiteral("&File"));
    AddMenuItem(file, QStringLiteral("mnuStart"), QStringLiteral("&Start Again"), [this] { mnuStart_Click(); });
    AddMenuItem(file, QStringLiteral("mnuExit"), QStringLiteral("&Exit"), [this] { mnuExit_Click(); });
    shell::AddHelpMenu(
        *this, QStringLiteral("mnuHelp"), QStringLiteral("&Help"),
        {{QStringLiteral("mnuOnline"), QStringLiteral("&Online Help"), [this] { mnuOnline_Click(); }},
         {QStringLiteral("mnuVisit"), QStringLiteral("&Visit Us Online"), [this] { mnuVisit_Click(); }},
         {QStringLiteral("mnuHelpSep1"), {}, {}},
         {QStringLiteral("mnuUpdate"), QStringLiteral("Check for Software &Update"), [this] { mnuUpdate_Click(); }},
         {QStringLiteral("mnuHelpSep2"), {}, {}},
         {QStringLiteral("mnuAbout"), QStringLiteral("&About Software"), [this] { mnuAbout_Click(); }}});
    AddBarCommand(QStringLiteral("mnuDona"), QStringLiteral("Donate"), [this] { mnuDona_Click(); });
    QAction* makeMoney = AddBarCommand(QStringLiteral("mnuMakeMoney"), QStringLiteral("Make Money &Online"),
                                       [this] { mnuMakeMoney_Click(); });
    makeMoney->setEnabled(false);
}

frmTarotManual::~frmTarotManual() = default;

void frmTarotManual::Form_Load()
{
    TarotState& s = State();
    CentreInWorkArea();
    s.ManualMode = true;

    // The spread as the set-up screen chose it; that screen stays loaded, hidden, behind this one.
    if (frmTarot* setUp = platform::Forms::Peek<frmTarot>()) {
        ChosenSpreadName = setUp->card;
        ChosenSpreadIndex = setUp->MaxCardInSet;
    } else {
        ChosenSpreadName = s.TarotSpreadName;
        ChosenSpreadIndex = static_cast<std::int16_t>(s.TarotSpreadIndex);
    }
    ShowCardInfo(QStringLiteral("0"));

    const int count = catalogue::SpreadCards(ChosenSpreadIndex);
    if (count > 0)
        PickedBacks.ReDim(count - 1);
    else
        PickedBacks.Erase();

    Show();
    // While the reading is dealt, the close box must not take the window away; this filter is asked
    // before the one that turns a close into an unload.
    if (QMdiSubWindow* sub = subWindow())
        sub->installEventFilter(this);

    ChosenSpreadName = s.TarotSpreadName;
    ReversedAllowed = s.AllowReversed;
    MinorOnly = s.MinorArcanaOnly;
    MajorOnly = s.MajorArcanaOnly;

    const int offered = MajorOnly ? kMajorBacks : MinorOnly ? kMinorBacks : kBackCount;
    for (int i = offered; i < kBackCount; ++i) {
        p[static_cast<size_t>(i)]->setEnabled(false);
        p[static_cast<size_t>(i)]->hide();
    }
    // The backs take the focus as the window opens: picking is what it is for.
    takeTabStop(0);
    p[0]->setFocus(Qt::OtherFocusReason);

    // A spread picture that cannot be read leaves the place empty.
    if (!picManual->loadPicture(catalogue::SpreadPictureFile(platform::PictureRoot(), ChosenSpreadIndex)))
        picManual->setPicture(QPixmap());

    PickCount = 0;
    phase_ = Phase::Picking;
}

void frmTarotManual::Form_Unload()
{
    hold_.reset();
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowWelcomePanel(true);
}

bool frmTarotManual::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Close && watched == subWindow() && phase_ == Phase::Dealing) {
        event->ignore();
        return true;
    }
    const QVariant index = watched->property(kBackIndexProperty);
    if (index.isValid() && watched->parent() == fraPictures) {
        if (event->type() == QEvent::FocusIn) {
            takeTabStop(index.toInt());
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
                const int to = backToward(index.toInt(), key->key());
                if (to != -2) {
                    if (to >= 0)
                        p[static_cast<size_t>(to)]->setFocus(Qt::TabFocusReason);
                    return true;
                }
            }
        }
    }
    return Form::eventFilter(watched, event);
}

bool frmTarotManual::onOffer(int index) const
{
    if (index < 0 || index >= kBackCount)
        return false;
    const platform::Clickable* back = p[static_cast<size_t>(index)];
    return !back->isHidden() && back->isEnabled();
}

int frmTarotManual::backToward(int from, int key) const
{
    const int row = from / kBackColumns;
    const int column = from % kBackColumns;
    // The first back on offer from start on, going one way.
    auto firstOnOffer = [this](int start, int step) {
        for (int i = start; i >= 0 && i < kBackCount; i += step)
            if (onOffer(i))
                return i;
        return -1;
    };
    switch (key) {
    case Qt::Key_Right:
        return firstOnOffer(from + 1, 1);
    case Qt::Key_Left:
        return firstOnOffer(from - 1, -1);
    case Qt::Key_Down:
    case Qt::Key_Up: {
        // The nearest back on offer in the next row that has one.
        const int step = key == Qt::Key_Down ? 1 : -1;
        const int rows = (kBackCount + kBackColumns - 1) / kBackColumns;
        for (int r = row + step; r >= 0 && r < rows; r += step) {
            int best = -1;
            for (int c = 0; c < kBackColumns; ++c) {
                const int i = r * kBackColumns + c;
                if (onOffer(i) && (best < 0 || std::abs(c - column) < std::abs(best % kBackColumns - column)))
                    best = i;
            }
            if (best >= 0)
                return best;
        }
        return -1;
    }
    case Qt::Key_Home:
        return firstOnOffer(0, 1);
    case Qt::Key_End:
        return firstOnOffer(kBackCount - 1, -1);
    default:
        return -2;  // not a key that moves among the backs
    }
}

void frmTarotManual::takeTabStop(int index)
{
    // Exactly one back on offer is reached by Tab: the one the user was last at.
    if (index < 0 || index >= kBackCount || tabStop_ == index)
        return;
    if (tabStop_ >= 0)
        p[static_cast<size_t>(tabStop_)]->setFocusPolicy(Qt::NoFocus);
    tabStop_ = index;
    platform::Clickable* back = p[static_cast<size_t>(index)];
    back->setFocusPolicy(Qt::StrongFocus);
    // After the backs, the two buttons as they stand, left to right.
    QPushButton* first = cmdBack->x() <= cmdCancel->x() ? cmdBack : cmdCancel;
    QPushButton* second = first == cmdBack ? cmdCancel : cmdBack;
    QWidget::setTabOrder(back, first);
    QWidget::setTabOrder(first, second);
}

void frmTarotManual::closeEvent(QCloseEvent* event)
{
    if (phase_ == Phase::Dealing) {
        event->ignore();
        return;
    }
    Form::closeEvent(event);
}

void frmTarotManual::setPrompt(const QString& text)
{
    prompt_ = text;
    txtDisp->setPlainText(text);
}

void frmTarotManual::ShowCardInfo(const QString& position)
{
    // Decimal digits only; a number too large for a position is no position either.
    if (position.isEmpty() ||
        !std::all_of(position.begin(), position.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return;
    bool ok = false;
    const int n = position.toInt(&ok);
    if (!ok)
        return;
    const std::optional<PositionText> text = PositionTextOf(ChosenSpreadName, n);
    if (!text)
        return;
    setPrompt(QString());
    setPrompt(PositionPrompt(*text));
}

void frmTarotManual::p_Click(int Index)
{
    if (phase_ != Phase::Picking || Index < 0 || Index >= kBackCount || !PickedBacks.HasStorage())
        return;
    platform::Clickable* back = p[static_cast<size_t>(Index)];
    // A back that was picked, or is not on offer, is not there to be picked.
    if (back->isHidden() || !back->isEnabled())
        return;
    // The focus, and the stop Tab comes to, pass on to a neighbouring back before this one goes.
    if (tabStop_ == Index) {
        int next = backToward(Index, Qt::Key_Right);
        if (next < 0)
            next = backToward(Index, Qt::Key_Left);
        const bool hadFocus = back->hasFocus();
        if (next >= 0) {
            takeTabStop(next);
            if (hadFocus)
                p[static_cast<size_t>(next)]->setFocus(Qt::OtherFocusReason);
        }
    }
    back->hide();
    back->setEnabled(false);

    if (PickCount < PickedBacks.UBound()) {
        PickedBacks(PickCount) = Index;
        ++PickCount;
        ShowCardInfo(QString::number(PickCount));
        return;
    }

    // The last pick: from here until the reading is on show nothing the user does may count.
    phase_ = Phase::Dealing;
    hold_ = std::make_unique<InputHold>();
    picMessage->show();
    picMessage->raise();
    repaint();
    platform::scheduler().after(kPauseMs, this, [this] { dealAfterPause(); });
}

void frmTarotManual::dealAfterPause()
{
    if (phase_ != Phase::Dealing || isUnloading())
        return;
    QPointer<frmTarotManual> self(this);
    TarotState& s = State();

    // Each reading starts from empty lists and a card-layout window of its own, whatever a reading opened
    // earlier left in them; that window's load writes the header and clears the card places.
    s.DrawnCards.Erase();
    s.ReversedCards.Erase();
    s.Shown = ShownReading();
    platform::Form* layout = beginFreshCardLayout();
    if (!self)
        return;
    shell::frmMDI* mdi = shell::MDI();
    // Taking an earlier card-layout window away brought the welcome panel back.
    if (mdi)
        mdi->ShowWelcomePanel(false);

    if (layout) {
        const int last = PickedBacks.HasStorage() ? PickedBacks.UBound() : -1;
        for (DealPosition = 0; DealPosition <= last; ++DealPosition)
            DrawManualCard(DealPosition);

        if (mdi)
            mdi->Show();
        WriteCardReadings(s.DrawnCards, s.ReversedCards);
        ShowReadingPane();
        if (const frmTarot* setUp = platform::Forms::Peek<frmTarot>()) {
            const QuerentDetails querent = setUp->Querent();
            CopyQuerentBar(querent.name, querent.dateOfBirth, querent.country, querent.question);
        }
        if (mdi)
            mdi->PutReadingCursor(shell::frmMDI::ReadingCursor::Start);

        // What Save writes: this reading exactly as it is on show.
        const std::vector<std::int32_t>& cards = s.DrawnCards.items();
        const std::vector<std::int32_t>& reversed = s.ReversedCards.items();
        s.Shown.complete = true;
        s.Shown.spreadName = s.TarotSpreadName;
        s.Shown.deckLetter = s.DeckLetter;
        s.Shown.cards = QList<std::int32_t>(cards.begin(), cards.end());
        s.Shown.reversed = QList<std::int32_t>(reversed.begin(), reversed.end());
        Hide();
    }
    // Without a card-layout window nothing could be dealt; the window stays, to be closed.
    phase_ = Phase::Done;
    hold_.reset();
}

void frmTarotManual::DrawManualCard(int Position)
{
    TarotState& s = State();
    platform::Randomize();
    const deal::DealRow& range = deal::ManualRange(MinorOnly, MajorOnly);
    const deal::ManualCard dealt = deal::DealManualCard(range, ReversedAllowed,
                                                        std::span<const std::int32_t>(s.DrawnCards.items()),
                                                        [] { return platform::Rnd(); });
    DrawnCard = dealt.card;
    drawnReversed_ = dealt.reversed;
    s.DrawnCards.Append(DrawnCard);
    if (dealt.reversed)
        s.ReversedCards.Append(DrawnCard);

    switch (s.TarotSpreadIndex) {
    case 0: SetPicPlacement0(Position); break;
    case 1: SetPicPlacement1(Position); break;
    case 2: SetPicPlacement2(Position); break;
    case 3: SetPicPlacement3(Position); break;
    case 4: SetPicPlacement4(Position); break;
    case 5: SetPicPlacement5(Position); break;
    case 6: SetPicPlacement6(Position); break;
    case 7: SetPicPlacement7(Position); break;
    case 8: SetPicPlacement8(Position); break;
    case 9: SetPicPlacement9(Position); break;
    case 10: SetPicPlacement10(Position); break;
    case 11: SetPicPlacement11(Position); break;
    case 12: SetPicPlacement12(Position); break;
    default: break;  // an unknown spread lays nothing out
    }
}

void frmTarotManual::placeCard(int spreadIndex, int PicIndex)
{
    if (PicIndex >= 0 && PicIndex < SpreadLayout(spreadIndex).size())
        if (const std::optional<QString> prompt = PromptAfterPlacing(spreadIndex, PicIndex))
            setPrompt(*prompt);
    // Placing a card is a use of the card-layout window: it is loaded when it is not yet.
    if (auto* layout = qobject_cast<frmAuto*>(platform::Forms::Get(QString::fromLatin1(kCardLayoutForm))))
        layout->LayCard(spreadIndex, PicIndex, DrawnCard, drawnReversed_, State().DeckLetter);
}

void frmTarotManual::SetPicPlacement0(int PicIndex) { placeCard(0, PicIndex); }
void frmTarotManual::SetPicPlacement1(int PicIndex) { placeCard(1, PicIndex); }
void frmTarotManual::SetPicPlacement2(int PicIndex) { placeCard(2, PicIndex); }
void frmTarotManual::SetPicPlacement3(int PicIndex) { placeCard(3, PicIndex); }
void frmTarotManual::SetPicPlacement4(int PicIndex) { placeCard(4, PicIndex); }
void frmTarotManual::SetPicPlacement5(int PicIndex) { placeCard(5, PicIndex); }
void frmTarotManual::SetPicPlacement6(int PicIndex) { placeCard(6, PicIndex); }
void frmTarotManual::SetPicPlacement7(int PicIndex) { placeCard(7, PicIndex); }
void frmTarotManual::SetPicPlacement8(int PicIndex) { placeCard(8, PicIndex); }
void frmTarotManual::SetPicPlacement11(int PicIndex) { placeCard(11, PicIndex); }
void frmTarotManual::SetPicPlacement9(int PicIndex) { placeCard(9, PicIndex); }
void frmTarotManual::SetPicPlacement10(int PicIndex) { placeCard(10, PicIndex); }
void frmTarotManual::SetPicPlacement12(int PicIndex) { placeCard(12, PicIndex); }

void frmTarotManual::cmdBack_Click()
{
    if (phase_ != Phase::Picking || isUnloading())
        return;
    if (platform::Form* front = platform::Forms::Get(QString::fromLatin1(kQuerentForm)))
        front->Show();
    platform::Forms::Unload(this);
    if (shell::frmMDI* mdi = shell::MDI())
        mdi->ShowWelcomePanel(false);
}

void frmTarotManual::cmdCancel_Click()
{
    if (phase_ != Phase::Picking)
        return;
    platform::Forms::Unload(this);
}

void frmTarotManual::Label6_Click()
{
    if (phase_ != Phase::Picking)
        return;
    shell::OpenHomePage();
}

void frmTarotManual::mnuStart_Click() { cmdBack_Click(); }
void frmTarotManual::mnuExit_Click() { cmdCancel_Click(); }

void frmTarotManual::mnuOnline_Click()
{
    if (phase_ == Phase::Picking)
        shell::OpenHelpPage();
}

void frmTarotManual::mnuVisit_Click()
{
    if (phase_ == Phase::Picking)
        shell::OpenHomePage();
}

void frmTarotManual::mnuUpdate_Click()
{
    if (phase_ == Phase::Picking)
        shell::OpenDownloadPage();
}

void frmTarotManual::mnuAbout_Click()
{
    if (phase_ == Phase::Picking)
        shell::ShowAbout();
}

void frmTarotManual::mnuDona_Click()
{
    if (phase_ == Phase::Picking)
        shell::OpenDonatePage();
}

void frmTarotManual::mnuMakeMoney_Click()
{
    if (phase_ == Phase::Picking)
        shell::OpenFullBrandPage();
}

} // namespace tarot
