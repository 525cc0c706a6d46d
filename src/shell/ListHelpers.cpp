#include "shell/ListHelpers.h"

#include "platform/RichTextBox.h"

#include <QWidget>

#include <algorithm>

namespace shell {

bool IsInArray(std::int32_t value, const platform::VbArray<std::int32_t>& list)
{
    const int upper = list.UBound();  // throws when the list has no storage
    const int lower = list.LBound();
    for (int i = lower; i <= upper; ++i)
        if (list(i) == value)
            return true;
    return false;
}

bool IsInArray(std::int32_t value, std::span<const std::int32_t> list)
{
    return std::find(list.begin(), list.end(), value) != list.end();
}

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
