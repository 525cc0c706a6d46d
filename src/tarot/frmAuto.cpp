#include "tarot/frmAuto.h"

#include "platform/Controls.h"
#include "platform/DesignLayout.h"
#include "platform/ImageList.h"
#include "platform/PictureFiles.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "platform/Twips.h"
#include "shell/HelpMenu.h"
#include "shell/Quit.h"
#include "shell/frmAbout.h"
#include "shell/frmMDI.h"
#include "shell/modHelp.h"
#include "shell/modRotate90.h"
#include "tarot/Deal.h"
#include "platform/PictureFolders.h"
#include "tarot/SpreadCatalogue.h"
#include "tarot/SpreadLayouts.h"
#include "tarot/TarotState.h"
#include "tarot/modInfo.h"

#include <QLabel>
#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QScrollArea>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>

namespace tarot {

namespace {

constexpr int kLabelWidth = 615;
constexpr int kLabelHeight = 495;
constexpr int kLabelSixLeft = 120;
constexpr int kClearedPlaces = 10;  // the manual reading fills p(0) to p(9)

// A picture inside a line of one point, at the picture's density.
QImage Framed(const QImage& picture)
{
    const qreal ratio = picture.devicePixelRatio();
    QImage framed((picture.deviceIndependentSize().toSize() + QSize(2, 2)) * ratio, QImage::Format_RGB32);
    framed.setDevicePixelRatio(ratio);
    framed.fill(QColor(64, 64, 64));
    const int inset = int(ratio);
    if (picture.format() != QImage::Format_RGB32 || framed.size() != picture.size() + QSize(2, 2) * inset) {
        QPainter painter(&framed);
        painter.drawImage(1, 1, picture);
        return framed;
    }
    // An opaque picture of the frame's own format is copied row by row, as the painter would draw it:
    // a painter, set up for every card, cost as much as the rest of the framing.
    const qsizetype rowBytes = qsizetype(picture.width()) * 4;
    for (int y = 0; y < picture.height(); ++y)
        std::memcpy(framed.scanLine(y + inset) + inset * 4, picture.constScanLine(y), size_t(rowBytes));
    return framed;
}

// The framed pictures of the cards a spread shows, read and framed side by side while the caller goes on.
// A card whose file is missing, unreadable or not allowed has a null picture.
platform::PictureBatch StartCardPictures(int spread, const QList<std::int32_t>& cards, const QString& deckLetter)
{
    const QString root = platform::PictureRoot();
    const qsizetype count = std::min({cards.size(), SpreadLayout(spread).size(), qsizetype(frmAuto::kPlaceCount)});
    QStringList files;
    for (qsizetype i = 0; i < count; ++i)
        files << catalogue::CardPictureFile(root, deckLetter, cards[i]);
    return platform::PictureBatch(files, Framed);
}

} // namespace

QPixmap frmAuto::PlaceholderPicture()
{
    static const QPixmap placeholder =
        platform::FolderPicture(QStringLiteral("cards/placeholder.jpg"), QSize(144, 250));
    return placeholder;
}

QPixmap frmAuto::FramedPicture(const QPixmap& picture)
{
    if (picture.isNull())
        return {};
    return QPixmap::fromImage(Framed(picture.toImage()));
}

frmAuto::frmAuto() : Form(QString::fromLatin1(kFormName))
{
    SetCaption(QStringLiteral("Ostrevan"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    scrClient = new QScrollArea(this);
    scrClient->setObjectName(QStringLiteral("scrClient"));
    scrClient->setFrameShape(QFrame::NoFrame);
    layout->addWidget(scrClient);
    picClient = new QWidget;
    picClient->setObjectName(QStringLiteral("picClient"));
    // The inside reaches as far as the cards laid out in it, so its scroll bars reach them and no further.
    platform::DesignLayout::of(picClient)->setFollowContents(true);
    scrClient->setWidget(picClient);

    const QPixmap placeholder = FramedPicture(PlaceholderPicture());
    const platform::Look labelLook =
        platform::Look(platform::DesignFont(QStringLiteral("Arial Black"), 14.25, true)).Fore(QColor(255, 0, 255));
    for (int i = 0; i < kPlaceCount; ++i) {
        auto* place = new platform::PictureBox(picClient);
        place->setObjectName(QStringLiteral("p(%1)").arg(i));
        place->setAutoSize(true);
        place->setPicture(placeholder);
        place->hide();
        p[static_cast<size_t>(i)] = place;

        platform::Label* label = platform::MakeLabel(place, QStringLiteral("lbl(%1)").arg(i), QString::number(i + 1),
                                                     {i == 6 ? kLabelSixLeft : 0.0, 0, kLabelWidth, kLabelHeight}, labelLook);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setEnabled(false);
        // The design leaves label 8 visible; it shows only once its place does.
        label->setVisible(i == 8);
        lbl[static_cast<size_t>(i)] = label;
    }

    SetClientSizeTw(kClientWidth + platform::tw(DesignScrollBar()), 9000);
    if (QMdiArea* area = platform::Forms::MdiArea())
        area->installEventFilter(this);

    QMenu* file = AddBarMenu(QStringLiteral("mnuFile"), QStringLiteral("File"));
    AddMenuItem(file, QStringLiteral("mnuStart"), QStringLiteral("&Start Again"), [this] { mnuStart_Click(); });
    AddMenuItem(file, QStringLiteral("mnuExit"), QStringLiteral("&Exit"), [this] { mnuExit_Click(); });
    shell::AddHelpMenu(
        *this, QStringLiteral("mnuHelp"), QStringLiteral("&Help"),
        {{QStringLiteral("mnuHelpOnline"), QStringLiteral("&Online Help"), [this] { mnuHelpOnline_Click(); }},
         {QStringLiteral("mnuVisitOnline"), QStringLiteral("&Visit Us Online"), [this] { mnuVisitOnline_Click(); }},
         {QStringLiteral("mnuHelpSep1"), {}, {}},
         {QStringLiteral("mnuUpdate"), QStringLiteral("Check for Software &Update"), [this] { mnuUpdate_Click(); }},
         {QStringLiteral("mnuHelpSep2"), {}, {}},
         {QStringLiteral("mnuAbout"), QStringLiteral("About &Software"), [this] { mnuAbout_Click(); }}});
    AddBarCommand(QStringLiteral("mnuDonate"), QStringLiteral("Donate"), [this] { mnuDonate_Click(); });
    QAction* makeMoney = AddBarCommand(QStringLiteral("mnuMakeMoney"), QStringLiteral("Make Money &Online"),
                                       [this] { mnuMakeMoney_Click(); });
    makeMoney->setEnabled(false);
}

void frmAuto::Form_Load()
{
    TarotState& s = State();
    shell::frmMDI* mdi = shell::MDI();

    Show();
    if (mdi)
        mdi->ShowQuerentBar(true);
    CentreInWorkArea();
    FitInWorkArea();

    // A new reading starts: nothing is on show until it has been laid out.
    s.Shown = ShownReading();
    if (mdi)
        mdi->ShowReadingText(QString());
    WriteSpreadHeader(s.TarotSpreadName);

    const deal::DealRow* row = deal::DealFor(s.MinorArcanaOnly, s.MajorArcanaOnly, s.AllowReversed);
    if (s.AutoCastChosen && row)
        RunDeal(row->number, s.SpreadCardCount);
    if (s.ManualChosen && row)
        Clear_PicBox();
}

void frmAuto::FitInWorkArea()
{
    shell::frmMDI* mdi = shell::MDI();
    QMdiSubWindow* frame = subWindow();
    // A window the user minimised stays minimised, out of the way of the windows under it.
    if (isUnloading() || !mdi || !frame || frame->isMinimized())
        return;
    const int areaWidth = platform::px(mdi->ScaleWidth());  // the panels settled first
    const int areaHeight = platform::px(mdi->ScaleHeight());
    // The frame's own edges and title bar, as the work area draws them now.
    const int edgeWidth = frame->width() - width();
    const int edgeHeight = frame->height() - height();
    const int designWidth = platform::px(kClientWidth) + DesignScrollBar() + edgeWidth;
    const int outerWidth = std::min(designWidth, areaWidth);
    const int outerHeight = std::min(areaHeight, platform::px(kClientHeight) + edgeHeight);
    // The inside follows the frame: no fixed size of its own may hold the frame larger than the room.
    setMinimumSize(0, 0);
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    frame->resize(outerWidth, outerHeight);
}

int frmAuto::DesignScrollBar() const { return style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this) + 2; }

bool frmAuto::eventFilter(QObject* watched, QEvent* event)
{
    const QMdiArea* area = platform::Forms::MdiArea();
    if (event->type() == QEvent::Resize && area && watched == area && !fitting_) {
        fitting_ = true;
        FitInWorkArea();
        fitting_ = false;
    }
    return Form::eventFilter(watched, event);
}

void frmAuto::Form_Unload()
{
    State().Shown = ShownReading();
    if (shell::frmMDI* mdi = shell::MDI()) {
        mdi->ShowWelcomePanel(true);
        mdi->ShowQuerentBar(false);
    }
}

void frmAuto::DONE1(int no)
{
    TarotState& s = State();
    if (!s.ReadingOpenedFromFile) {
        RunDeal(1, no);
        return;
    }
    // The reopened reading: it is laid out from the file's lists, never dealt.
    s.ReadingOpenedFromFile = false;
    const std::vector<std::int32_t>& opened = s.OpenedCards.items();
    const std::vector<std::int32_t>& openedReversed = s.OpenedReversedCards.items();
    // Both lists end in a spare slot that is no card.
    const QList<std::int32_t> cards(opened.begin(), opened.empty() ? opened.end() : opened.end() - 1);
    const QList<std::int32_t> reversed(openedReversed.begin(),
                                       openedReversed.empty() ? openedReversed.end() : openedReversed.end() - 1);
    if (cards.size() == no && ShowOpenedReading(s.OpenedSpreadName, cards, reversed))
        return;
    // Nothing fits: the header stands alone and nothing is on show to save.
    s.TarotSpreadName = s.OpenedSpreadName;
    s.Shown = ShownReading();
    if (shell::frmMDI* mdi = shell::MDI()) {
        mdi->ShowReadingText(QString());
        WriteSpreadHeader(s.OpenedSpreadName);
        mdi->PutReadingCursor(shell::frmMDI::ReadingCursor::End);
    }
}

void frmAuto::DONE2(int no) { RunDeal(2, no); }
void frmAuto::DONE3(int no) { RunDeal(3, no); }
void frmAuto::DONE4(int no) { RunDeal(4, no); }
void frmAuto::DONE5(int no) { RunDeal(5, no); }
void frmAuto::DONE6(int no) { RunDeal(6, no); }

void frmAuto::RunDeal(int dealNumber, int no)
{
    const deal::DealRow* row = deal::DealNumber(dealNumber);
    if (!row)
        return;
    shell::BusyScope busy;
    TarotState& s = State();
    // A reversed list left from an earlier reading must not turn this one's cards.
    s.ReversedCards.Erase();

    const deal::DealResult dealt = deal::Deal(
        *row, no, s.TarotSpreadName, s.MinorArcanaOnly, s.MajorArcanaOnly, s.AllowReversed,
        [] { return platform::Rnd(); }, [] { platform::Randomize(); });
    shell::frmMDI* mdi = shell::MDI();
    if (dealt.spread < 0) {
        // Nothing fits: the header stays alone, with no cards and nothing on show to save.
        s.DrawnCards.Erase();
        s.Shown = ShownReading();
        if (mdi)
            mdi->PutReadingCursor(shell::frmMDI::ReadingCursor::Start);
        return;
    }

    s.DrawnCards.ReDim(no);  // one slot per position and the spare, which stays 0
    for (int i = 0; i < no; ++i)
        s.DrawnCards(i) = dealt.cards[static_cast<size_t>(i)];
    const std::vector<std::int32_t> reversedCards = dealt.reversedCards();
    for (std::int32_t card : reversedCards)
        s.ReversedCards.Append(card);
    DrawnCard = dealt.cards.back();

    const QList<std::int32_t> cards(dealt.cards.begin(), dealt.cards.end());
    const QList<bool> reversed(dealt.reversed.begin(), dealt.reversed.end());
    // The pictures are read while the reading is written.
    platform::PictureBatch pictures = StartCardPictures(dealt.spread, cards, s.DeckLetter);
    WriteCardReadings(s.DrawnCards, s.ReversedCards);
    PlaceCards(dealt.spread, reversed, pictures.take());
    if (mdi)
        mdi->PutReadingCursor(shell::frmMDI::ReadingCursor::Start);

    s.Shown.complete = true;
    s.Shown.spreadName = s.TarotSpreadName;
    s.Shown.deckLetter = s.DeckLetter;
    s.Shown.cards = cards;
    s.Shown.reversed = QList<std::int32_t>(reversedCards.begin(), reversedCards.end());
}

void frmAuto::PlaceCards(int spread, const QList<bool>& reversed, const QList<QPixmap>& framed)
{
    // Qt lays a container out again whenever a control on view in it moves or is shown, so every card
    // would lay out the whole inside three times over. The inside is laid out once, with every card in.
    QLayout* inside = picClient->layout();
    inside->setEnabled(false);
    for (qsizetype i = 0; i < framed.size(); ++i)
        PlaceCard(spread, static_cast<int>(i), framed[i], i < reversed.size() && reversed[i]);
    inside->setEnabled(true);
    inside->activate();
}

void frmAuto::LayCard(int spread, int position, std::int32_t card, bool reversed, const QString& deckLetter)
{
    if (position < 0 || position >= kPlaceCount)
        return;
    const QString file = catalogue::CardPictureFile(platform::PictureRoot(), deckLetter, card);
    PlaceCard(spread, position, platform::PictureBatch({file}, Framed).take().constFirst(), reversed);
}

void frmAuto::PlaceCard(int spread, int position, const QPixmap& framed, bool reversed)
{
    platform::PictureBox* place = p[static_cast<size_t>(position)];
    QLabel* label = lbl[static_cast<size_t>(position)];
    const QList<CardPlace>& places = SpreadLayout(spread);
    if (position < places.size()) {
        platform::setLeftTw(place, places[position].left);
        platform::setTopTw(place, places[position].top);
    }
    place->show();
    label->setEnabled(true);
    label->show();

    const QPixmap shown = framed.isNull() ? FramedPicture(PlaceholderPicture()) : framed;
    place->setAutoSize(true);
    if (IsCrossingCard(spread, position)) {
        // Always upright, a quarter turn across the card beneath it, whatever its facing.
        place->setAutoRedraw(true);
        place->setPicture(shown);
        shell::RotatePicture90(*place);
        place->raise();
        return;
    }
    place->setAutoRedraw(false);
    place->setPicture(shown);
    // A failed picture stays the upright placeholder: turning it would only look like another card.
    if (!framed.isNull() && reversed)
        shell::RotatePicture180(*place);
}

bool frmAuto::ShowOpenedReading(const QString& spreadName, const QList<std::int32_t>& cards,
                                const QList<std::int32_t>& reversedCards)
{
    const int spread = SelectSpreadLayout(static_cast<int>(cards.size()), spreadName);
    if (spread < 0)
        return false;
    TarotState& s = State();
    s.TarotSpreadName = spreadName;
    // Sized as a deal sizes it; the opened cards themselves live in the opened lists and the snapshot.
    s.DrawnCards.ReDim(static_cast<int>(cards.size()));

    // The composer reads a list with its spare slot unless the reading was dealt by hand. The reversed
    // list goes without one: a spare 0 would read card 0 reversed.
    CardList cardList;
    for (std::int32_t card : cards)
        cardList.Append(card);
    if (!s.ManualMode)
        cardList.Append(0);
    CardList reversedList;
    for (std::int32_t card : reversedCards)
        reversedList.Append(card);

    // The text first, then the pictures, read while the text is written; the caret stays at the end of
    // what was written.
    platform::PictureBatch pictures = StartCardPictures(spread, cards, s.DeckLetter);
    if (shell::frmMDI* mdi = shell::MDI()) {
        mdi->ShowReadingText(QString());
        WriteSpreadHeader(spreadName);
        WriteCardReadings(cardList, reversedList);
        mdi->PutReadingCursor(shell::frmMDI::ReadingCursor::End);
    }

    QList<bool> reversed;
    reversed.reserve(cards.size());
    for (std::int32_t card : cards)
        reversed.append(reversedCards.contains(card));
    PlaceCards(spread, reversed, pictures.take());

    // What Save writes from now on: the reading as the file held it.
    s.Shown.complete = true;
    s.Shown.spreadName = spreadName;
    s.Shown.deckLetter = s.DeckLetter;
    s.Shown.cards = cards;
    s.Shown.reversed = reversedCards;
    return true;
}

void frmAuto::Clear_PicBox()
{
    for (int i = 0; i < kClearedPlaces; ++i)
        p[static_cast<size_t>(i)]->loadPicture(QString());
}

// The user leaves a reading by closing the window; these two have nothing of their own to do here.
void frmAuto::mnuStart_Click() {}
void frmAuto::mnuExit_Click() {}

void frmAuto::mnuHelpOnline_Click() { shell::OpenHelpPage(); }
void frmAuto::mnuVisitOnline_Click() { shell::OpenHomePage(); }
void frmAuto::mnuUpdate_Click() { shell::OpenDownloadPage(); }
void frmAuto::mnuAbout_Click() { shell::ShowAbout(); }
void frmAuto::mnuDonate_Click() { shell::OpenDonatePage(); }
void frmAuto::mnuMakeMoney_Click() { shell::OpenFullBrandPage(); }

} // namespace tarot
