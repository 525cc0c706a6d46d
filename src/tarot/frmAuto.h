#pragma once
// The card-layout window: the cards of a tarot reading laid out in the shape of their spread. Its load
// routine starts the reading in the reading pane and, after AutoCast, runs the one deal the set-up
// options choose; the manual reading and a reopened reading use its card places as well.
#include "platform/Forms.h"

#include <QList>
#include <QPixmap>

#include <array>
#include <cstdint>

class QLabel;
class QScrollArea;

namespace platform {
class Label;
class PictureBox;
}

namespace tarot {

class frmAuto : public platform::Form {
    Q_OBJECT
public:
    static constexpr const char* kFormName = "frmAuto";
    static constexpr int kPlaceCount = 21;
    // The inside of the window as designed: taller than any screen, so it scrolls.
    static constexpr int kClientWidth = 16110;
    static constexpr int kClientHeight = 27225;

    frmAuto();

    void Form_Load() override;

    // Sizes and places the window in the part of the work area the user sees, left of the reading pane:
    // as tall as that part, as wide as the design where there is room, centred, top edge 0. The window
    // does so again whenever the work area changes size (a panel shown or hidden).
    void FitInWorkArea();
    void Form_Unload() override;

    // The six automatic deals, each for the spread's card count: whole deck, minor arcana, major arcana,
    // then the same three with reversed cards.
    void DONE1(int no);
    void DONE2(int no);
    void DONE3(int no);
    void DONE4(int no);
    void DONE5(int no);
    void DONE6(int no);
    // Empties the pictures of p(0) to p(9) before a manual deal.
    void Clear_PicBox();

    // Lays card at position of spread (a layout table index): its place moved to the spot the layout
    // gives and shown with its label, showing the card's picture of the given deck, upside down where
    // reversed; the crossing card always upright and turned across its neighbour. A picture that cannot
    // be loaded leaves the upright placeholder. A position past the spread's layout shows its place where
    // it stands; one past the places does nothing. The manual reading lays its cards through this; the
    // deals and an opened reading, whose pictures are read side by side, through the same PlaceCard.
    void LayCard(int spread, int position, std::int32_t card, bool reversed, const QString& deckLetter);

    // The reading reopened from a file, shown from its own lists (cards and reversed cards, both without
    // their spare slots): its text written afresh with the caret at the end, its cards laid out, and the
    // reading recorded as the one on show, so that Save writes it back. A reading whose card count and
    // spread name fit no layout is refused, false, before anything changes.
    bool ShowOpenedReading(const QString& spreadName, const QList<std::int32_t>& cards,
                           const QList<std::int32_t>& reversedCards);

    void mnuStart_Click();
    void mnuExit_Click();
    void mnuHelpOnline_Click();
    void mnuVisitOnline_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mnuDonate_Click();
    void mnuMakeMoney_Click();

    // The picture a place holds before any card reaches it, and after a card's picture failed to load.
    static QPixmap PlaceholderPicture();
    // A card picture as a place shows it: inside a one-pixel border.
    static QPixmap FramedPicture(const QPixmap& picture);

    // The card of the last draw of the last deal.
    std::int32_t DrawnCard = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int DesignScrollBar() const;  // the inner scroll bar and its edge, in pixels
    // Lays out a card whose framed picture is had already (null where the card's picture failed), as
    // LayCard does; PlaceCards lays framed[i] at position i.
    void PlaceCard(int spread, int position, const QPixmap& framed, bool reversed);
    void PlaceCards(int spread, const QList<bool>& reversed, const QList<QPixmap>& framed);
    bool fitting_ = false;
    void RunDeal(int dealNumber, int no);

    std::array<platform::PictureBox*, kPlaceCount> p {};
    std::array<platform::Label*, kPlaceCount> lbl {};
    QScrollArea* scrClient = nullptr;
    QWidget* picClient = nullptr; // the designed inside, in whose twips the places stand
};

} // namespace tarot
