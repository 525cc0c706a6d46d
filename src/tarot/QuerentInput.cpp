#include "tarot/QuerentInput.h"

#include <QStringList>

namespace tarot {

bool IsNameKey(int code)
{
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z') || code == ' ' || code == 8 || code == 127;
}

QList<int> KeyPressCodes(int key, Qt::KeyboardModifiers modifiers, const QString& text)
{
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || text.isEmpty())
        return {};
    const bool control = modifiers & (Qt::ControlModifier | Qt::MetaModifier);
    if (key == Qt::Key_Backspace)
        return {control ? 127 : 8};
    if (control) {
        const QChar c = text.at(0);
        if (c.unicode() < 0x80 && c.isLetter())
            return {c.toUpper().unicode() & 0x1F};
        return {c.unicode() < 0x20 ? c.unicode() : 0};
    }
    return CommittedCodes(text);
}

QList<int> CommittedCodes(const QString& text)
{
    QList<int> codes;
    codes.reserve(text.size());
    for (QChar c : text)
        codes.append(c.unicode());
    return codes;
}

QString DateOfBirthText(const QString& day, const QString& month, const QString& year)
{
    return day + QLatin1Char(' ') + month + QLatin1Char(' ') + year;
}

QStringList DayEntries()
{
    QStringList out;
    for (int d = 1; d <= 31; ++d)
        out << QString::number(d);
    return out;
}

QStringList MonthEntries()
{
    return {QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
            QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
            QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
            QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
}

QStringList YearEntries()
{
    QStringList out;
    for (int y = 1900; y <= 2050; ++y)
        out << QString::number(y);
    return out;
}

} // namespace tarot
