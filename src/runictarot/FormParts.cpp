#include "runictarot/FormParts.h"

#include "platform/ImageList.h"

#include <QCursor>

namespace runictarot::parts {

namespace {

const QCursor& handCursor()
{
    static const QCursor cursor(platform::FolderPicture(QStringLiteral("cursor/hand.png"), QSize(32, 32)), 13, 1);
    return cursor;
}

} // namespace

platform::Clickable* makeLink(QWidget* parent, const QString& name, const QString& text, const platform::TwRect& at,
                              const platform::Look& look, std::function<void()> onClick)
{
    platform::Clickable* link = platform::MakeLink(parent, name, text, at, look);
    link->setCursor(handCursor());
    QObject::connect(link, &QAbstractButton::clicked, link, std::move(onClick));
    return link;
}

} // namespace runictarot::parts
