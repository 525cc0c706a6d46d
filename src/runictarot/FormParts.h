#pragma once
// Captions of the runic tarot windows that act as links.
#include "platform/Controls.h"

#include <functional>

namespace runictarot::parts {

// A link dressed as MakeLabel dresses a label, that runs the handler when clicked and shows the program's
// hand pointer over it.
platform::Clickable* makeLink(QWidget* parent, const QString& name, const QString& text, const platform::TwRect& at,
                              const platform::Look& look, std::function<void()> onClick);

} // namespace runictarot::parts
