#pragma once
// How a tool makes its windows known: each by the name it carries, made when first touched.
#include "platform/Forms.h"

namespace platform {

template <class Window>
void RegisterForm()
{
    Forms::Register(QString::fromLatin1(Window::kFormName), [] { return new Window; });
}

} // namespace platform
