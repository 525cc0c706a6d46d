#pragma once
// Small helpers every draw and several windows use.
#include "platform/VbArray.h"

#include <QImage>

#include <cstdint>
#include <span>

class QWidget;
namespace platform {
class RichTextBox;
}

namespace shell {

// Whether value occurs among the list's elements, unfilled ones (which hold 0) included. A list without
// storage is an error (SubscriptOutOfRange), never a "no".
bool IsInArray(std::int32_t value, const platform::VbArray<std::int32_t>& list);
// The same over just the elements given; the draws pass the cards already dealt.
bool IsInArray(std::int32_t value, std::span<const std::int32_t> list);

// Takes maximising away from a top-level window; its frame stays resizable.
void DisableResize(QWidget* window);

// Puts a picture at the caret of a rich text box. The clipboard is left alone.
void InsertPicture(const QImage& picture, platform::RichTextBox* box);

} // namespace shell
