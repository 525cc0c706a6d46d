#include "TextChecks.h"

#include "runes/RuneTables.h"
#include "runictarot/SignTable.h"
#include "tarot/CardTable.h"

#include <QRegularExpression>
#include <QSet>

namespace testing {

namespace {

// Whole words, any case. "stands for" passes: it is how a rune's meaning is told ("It stands for the
// dawn"), not where something stands.
const char* const kPictureWords[] = {
    R"(\bfigures?\b)",
    R"(\bholds\b)",
    R"(\bholding\b)",
    R"(\bheld (out|up|high)\b)",
    R"(\bstands\b(?! for\b))",
    R"(\bstanding\b)",
    R"(\bseated\b)",
    R"(\bsits\b)",
    R"(\bsitting\b)",
    R"(\bkneel(s|ing)?\b)",
    R"(\brides\b)",
    R"(\briding\b)",
    R"(\bbehind (you|him|her|them)\b)",
    R"(\bin (his|her|their) hands?\b)",
    R"(\bin front of\b)",
    R"(\bpictur(e|es|ed)\b)",
    R"(\bdepict)",
    R"(\bimages?\b)",
    R"(\bthe scene\b)",
    R"(\b(on|in) the card\b)",
    R"(\b(is|are) shown\b)",
    R"(\bhere\b)",
    R"(\bblindfold)",
    R"(\bfrom the clouds?\b)",
    R"(\bhorizon\b)",
    R"(\bgaz(e|es|ing)\b)",
    R"(\bbackground\b)",
    R"(\blandscape\b)",
};

const QList<QRegularExpression>& PictureWordPatterns()
{
    static const QList<QRegularExpression> patterns = [] {
        QList<QRegularExpression> list;
        for (const char* p : kPictureWords)
            list.append(QRegularExpression(QString::fromLatin1(p), QRegularExpression::CaseInsensitiveOption));
        return list;
    }();
    return patterns;
}

} // namespace

QString PictureWordIn(const QString& text)
{
    for (const QRegularExpression& pattern : PictureWordPatterns()) {
        const QRegularExpressionMatch match = pattern.match(text);
        if (match.hasMatch())
            return match.captured(0);
    }
    return {};
}

QList<Interpretation> AllInterpretations()
{
    runes::InitRunesReading(); // the reversed and merkstave tables are filled at start-up

    QList<Interpretation> all;
    QSet<QString> seen;
    auto add = [&](const QString& where, const QString& text) {
        if (!text.isEmpty() && !seen.contains(text)) {
            seen.insert(text);
            all.append({where, text});
        }
    };
    for (int n = 0; n < tarot::CardCount; ++n) {
        add(tarot::CardTitle(n) + QStringLiteral(" upright"), tarot::CardUprightText(n));
        add(tarot::CardTitle(n) + QStringLiteral(" reversed"), tarot::CardReversedText(n));
    }
    for (int i = 0; i < runes::StoneCount; ++i) {
        const QString rune = QStringLiteral("rune ") + runes::RuneName(i);
        add(rune + QStringLiteral(" upright"), runes::RuneMeaning(i));
        add(rune + QStringLiteral(" reversed"), runes::RuneReversed(i));
        add(rune + QStringLiteral(" merkstave"), runes::RuneMerkstave(i));
    }
    for (const runictarot::SignRow& row : runictarot::signTable()) {
        const QString sign = QStringLiteral("runic tarot ") + QString::fromLatin1(row.sign);
        add(sign + QStringLiteral(" rune"), runictarot::resolveText(row.runeText));
        add(sign + QStringLiteral(" card"), runictarot::resolveText(row.cardText));
    }
    for (const runictarot::PlanetRow& row : runictarot::planetTable()) {
        const QString planet = QStringLiteral("runic tarot ") + QString::fromLatin1(row.key);
        add(planet + QStringLiteral(" rune"), runictarot::resolveText(row.runeText));
        add(planet + QStringLiteral(" card"), runictarot::resolveText(row.cardText));
    }
    return all;
}

QStringList OtherTextsWith(const QString& phrase, const QString& own)
{
    QStringList found;
    for (const Interpretation& i : AllInterpretations()) {
        if (i.text != own && !i.text.startsWith(own) && i.text.contains(phrase))
            found.append(i.where);
    }
    return found;
}

bool IsPinPhrase(const QString& phrase)
{
    return phrase.split(QLatin1Char(' '), Qt::SkipEmptyParts).size() >= 3;
}

} // namespace testing
