#pragma once
// Small helpers several windows use.
#include "shell/InArray.h"

#include <QImage>

class QWidget;
namespace platform {
class RichTextBox;
}

namespace shell {

// Takes maximising away from a top-level window; its frame stays resizable.
void DisableResize(QWidget* window);

// Puts a picture at the caret of a rich text box. The clipboard is left alone.
void InsertPicture(const QImage& picture, platform::RichTextBox* box);

} // namespace shell
