#include "runictarot/FormParts.h"

#include "platform/Input.h"
#include "platform/ImageList.h"

#include <QCursor>
#include <QLabel>
#include <QMouseEvent>

namespace runictarot::parts {

namespace {

const QCursor& handCursor()
{
    static const QCursor cursor(platform::BuiltInPicture(QStringLiteral(":/pictures/cursor/hand.png"), QSize(32, 32)),
                                13, 1);
    return cursor;
}

} // namespace

void makeLink(QLabel* label, std::function<void()> onClick)
{
    label->setCursor(handCursor());
    platform::OnClick(label, std::move(onClick));
}

} // namespace runictarot::parts
