#include "platform/Input.h"

#include <QKeyEvent>

namespace platform {

bool IsCommandChord(const QKeyEvent& key)
{
    const Qt::KeyboardModifiers m = key.modifiers();
    return (m & (Qt::AltModifier | Qt::MetaModifier)) && !(m & Qt::ControlModifier);
}

} // namespace platform
