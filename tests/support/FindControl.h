#pragma once
// A window's controls found as a test finds them on screen: by the name the window gave each one
// ("cmdAuto", "p(3)"), never through the window's members, which are its own. A control belongs to the
// window nearest above it: the tool windows inside the main window's work area, and a dialog the main
// window owns, keep theirs to themselves.
#include "platform/Forms.h"

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QObject>
#include <QRegularExpression>
#include <QString>

#include <cstdio>
#include <cstdlib>

namespace testing {

namespace detail {

inline const QObject* owningWindow(const QObject* control)
{
    for (const QObject* up = control->parent(); up; up = up->parent())
        if (qobject_cast<const platform::Form*>(up))
            return up;
    return nullptr;
}

// A test cannot go on without the control it drives: the run stops here, saying which and why.
[[noreturn]] inline void missingControl(const QObject* window, const QString& name, const char* why, const char* type)
{
    const QByteArray windowName = window ? window->objectName().toUtf8() : QByteArrayLiteral("(no window)");
    std::fprintf(stderr, "FAIL: control \"%s\" of window \"%s\": %s (wanted a %s)\n", name.toUtf8().constData(),
                 windowName.constData(), why, type);
    std::fflush(stderr);
    std::abort();
}

} // namespace detail

// The one control of window named name, of kind T.
template <typename T>
T* control(const QObject* window, const QString& name)
{
    const char* type = T::staticMetaObject.className();
    if (!window)
        detail::missingControl(window, name, "the window is not there", type);
    QList<QObject*> found;
    for (QObject* candidate : window->findChildren<QObject*>(name))
        if (detail::owningWindow(candidate) == window)
            found << candidate;
    if (found.isEmpty())
        detail::missingControl(window, name, "the window has no control of that name", type);
    if (found.size() > 1)
        detail::missingControl(window, name, "more than one control carries that name", type);
    T* typed = qobject_cast<T*>(found.front());
    if (!typed)
        detail::missingControl(
            window, name, (QByteArrayLiteral("it is a ") + found.front()->metaObject()->className()).constData(), type);
    return typed;
}

template <typename T>
T* control(const QObject* window, const char* name)
{
    return control<T>(window, QString::fromLatin1(name));
}

// The control of a control array: name(index), as the window numbers them.
template <typename T>
T* control(const QObject* window, const char* name, int index)
{
    return control<T>(window, QStringLiteral("%1(%2)").arg(QString::fromLatin1(name)).arg(index));
}

// Every control of a control array, name(first) to name(last) in the order of their numbers, which run
// without a gap.
template <typename T>
QList<T*> controls(const QObject* window, const char* name)
{
    const QString stem = QString::fromLatin1(name);
    const char* type = T::staticMetaObject.className();
    if (!window)
        detail::missingControl(window, stem + QStringLiteral("(...)"), "the window is not there", type);
    const QRegularExpression numbered(QStringLiteral("^%1\\((\\d+)\\)$").arg(QRegularExpression::escape(stem)));
    QMap<int, QObject*> found;
    for (QObject* candidate : window->findChildren<QObject*>(numbered))
        if (detail::owningWindow(candidate) == window) {
            const int index = numbered.match(candidate->objectName()).captured(1).toInt();
            if (found.contains(index))
                detail::missingControl(window, candidate->objectName(), "more than one control carries that name",
                                       type);
            found.insert(index, candidate);
        }
    if (found.isEmpty())
        detail::missingControl(window, stem + QStringLiteral("(...)"), "the window has no control of that array", type);
    if (found.lastKey() - found.firstKey() + 1 != found.size())
        detail::missingControl(window, stem + QStringLiteral("(...)"), "the array's numbers leave a gap", type);
    QList<T*> out;
    for (QObject* c : std::as_const(found))
        out << control<T>(window, c->objectName());
    return out;
}

} // namespace testing
