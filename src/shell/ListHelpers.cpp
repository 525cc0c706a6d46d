#include "shell/ListHelpers.h"

#include "platform/RichTextBox.h"

#include <QWidget>

namespace shell {

void DisableResize(QWidget* window)
{
    if (!window)
        return;
    window->setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

void InsertPicture(const QImage& picture, platform::RichTextBox* box)
{
    if (box)
        box->InsertPicture(picture);
}

} // namespace shell
