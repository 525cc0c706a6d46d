#pragma once
// What the manual reading's prompt box says once the card of a position has been laid on the
// card-layout window: a column beside the layout table, one entry for each of its 103 places.
#include <QString>

#include <optional>

namespace tarot {

enum class PlacementPromptKind {
    None,   // the box keeps what it holds
    Next,   // the prompt of the next position, from the shared position texts
    Text,   // a text of its own
    Empty,  // the box is emptied
};

// The kind for position 0..count-1 of spread 0..12; None for anything else.
PlacementPromptKind PlacementPromptKindOf(int spreadIndex, int position);

// The box's new whole text after placing that position (line breaks CR LF), or nothing when the box
// keeps its text.
std::optional<QString> PromptAfterPlacing(int spreadIndex, int position);

} // namespace tarot
