#pragma once
// The tarot reading as it passes from window to window: what the set-up screen hands over, the reading
// opened from a file and waiting to be laid out, and the lists of the reading on show. One value for the
// whole run, on the user-interface thread only.
#include "platform/VbArray.h"

#include <QList>
#include <QString>

#include <cstdint>

namespace tarot {

using CardList = platform::VbArray<std::int32_t>;

// What Save writes: the reading on show exactly as it was laid out, without any spare slot.
struct ShownReading {
    bool complete = false;
    QString spreadName;
    QString deckLetter;
    QList<std::int32_t> cards;
    QList<std::int32_t> reversed;
};

struct TarotState {
    // Hand-over of the set-up screen.
    std::int32_t SpreadCardCount = 0;
    bool MinorArcanaOnly = false;
    bool MajorArcanaOnly = false;
    bool AllowReversed = false;
    QString TarotSpreadName;
    bool AutoCastChosen = false;
    bool ManualChosen = false;
    std::int16_t DeckIndex = 0;
    QString DeckLetter;

    // The reading opened from a file, waiting for the whole-deck layout to show it.
    bool ReadingOpenedFromFile = false;
    QString OpenedSpreadName;
    CardList OpenedCards;
    CardList OpenedReversedCards;

    // The reading on show.
    CardList DrawnCards;
    CardList ReversedCards;
    std::int32_t TarotSpreadIndex = 0;
    bool ManualMode = false;
    QString ReadingSpreadName;

    ShownReading Shown;

    // What the set-up screen's load puts back: the hand-over and the reading on show, not the opened
    // reading and not the name of the reading being written.
    void ResetForSetUp()
    {
        SpreadCardCount = -1;
        MinorArcanaOnly = false;
        MajorArcanaOnly = false;
        AllowReversed = false;
        TarotSpreadName = QStringLiteral("-1");
        AutoCastChosen = false;
        ManualChosen = false;
        DeckIndex = 0;
        DeckLetter = QStringLiteral("o");
        DrawnCards.Erase();
        ReversedCards.Erase();
        TarotSpreadIndex = 0;
        ManualMode = false;
    }
};

// The one shared state of the tarot tool.
TarotState& State();
// Back to the program's start values (tests).
void ResetStateForTests();

} // namespace tarot
