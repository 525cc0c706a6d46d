#pragma once
// Labels of the runic tarot windows that act as links.
#include <functional>

class QLabel;

namespace runictarot::parts {

// A label that runs the handler when clicked with the left button, and shows the program's hand pointer
// over it.
void makeLink(QLabel* label, std::function<void()> onClick);

} // namespace runictarot::parts
