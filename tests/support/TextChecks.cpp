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


// Whole words, any case, in the forms that differ from American spelling.
const char* const kBritishForms[] = {
    // -our
    R"(\b(colour|favour|honour|labour|behaviour|neighbour|humour|harbour|rumour|valour|vigour|savour)\w*)",
    R"(\b(endeavour|armour|odour|splendour|fervour|clamour|parlour|rancour|saviour|flavour|vapour|candour)\w*)",
    // -ise, -isation (the verbs that end so in both, like surprise, advise or promise, are not listed)
    R"(\b(organ|real|recogn|apolog|ideal|emphas|critic|sympath|energ|harmon|priorit|visual|symbol|util|minim)"
    R"(|maxim|final|personal|special|stabil|summar|memor|mobil|material|capital|categor|author|character)"
    R"(|civil|custom|neutral|normal|optim|patron|public|scrutin|agon|jeopard|antagon|tantal|moral|immortal)"
    R"(|galvan|fertil|familiar|theor|romantic|trivial|legitim|sensit|steril|synchron|terror|modern|local)"
    R"(|global|item|mesmer|ostrac|penal|polar|rational|standard|subsid|monopol|mechan|marginal|equal|dramat)"
    R"(|central|crystall|commercial|colon|brutal|actual|human|evangel|fantas|general|hypnot|idol|legal)"
    R"(|liberal|magnet|natural|vandal|vocal|verbal|satir|victim)is(e|ed|es|ing|ation|ations)\b)",
    // -yse ("analyses" is also the plural of "analysis" and passes)
    R"(\b(anal|paral|catal|dial)(yse|ysed|ysing)\b)",
    // -re
    R"(\b(centre|metre|theatre|fibre|sombre|spectre|lustre|calibre|meagre|sabre|litre|sceptre|manoeuvre|mitre)[sd]?\b)",
    R"(\bgrey\w*)",
    R"(\bpractis(e|es|ed|ing)\b)",
    R"(\b(defence|offence|pretence|licence)s?\b)",
    R"(\b(fulfil|fulfils|fulfilment|enrol|enrols|enrolment|instil|instils|distil|distils)\b)",
    R"(\b(skilful|wilful|instalment)\w*)",
    // a doubled l before -ed, -ing, -er, -or ("cancellation", "totally" and "equally" are American too)
    R"(\b(travell|cancell|labell|levell|modell|fuell|quarrell|signall|counsell|channell|diall|equall|totall))"
    R"((ed|ing|er|ers|or|ors)\b)",
    R"(\b(rivall|marshall|shovell|tunnell|grovell|revell|unravell|dishevell|panell|pencill|libell|jewell))"
    R"((ed|ing|er|ers|ery|ous)\b)",
    R"(\b(marvellous|woollen|tranquillity)\b)",
    R"(\b(programme|catalogue|analogue|mould|smoulder|plough|moult|sceptic|ageing|judgement|acknowledgement)\w*)",
    R"(\b(learnt|spelt|dreamt|spoilt|leant)\b)",
    R"(\b(whilst|amongst|towards|inwards|outwards|upwards|downwards|backwards|forwards|afterwards|onwards)\b)",
    R"(\b(cheque|tyre|kerb|aluminium|storey|draught|pyjamas|sulphur|aeroplane|cosy|speciality|focuss|benefitt)\w*)",
    R"(\b(foetus|paediatric|encyclopaedia|mediaeval|anaesthe|haemo|oestrogen|orientated)\w*)",
};

// The stock turns named when the texts were last read in a row: each stands in for saying what the card
// or the stone itself means.
const char* const kStockTurns[] = {
    // the other reading tacked on: "Beware the opposite trap as well", "The opposite can happen too",
    // "... is the opposite danger"
    R"(\bthe opposite\b)",
    // the card or its reversal spoken of in place of the querent: "The kinder side of this reversal",
    // "the other face of this card" (a given opening, "This card signifies ...", tells what the card means)
    R"(\bthis reversal\b)",
    R"(\bthe (other|kinder|darker|brighter) (face|side) of\b)",
    // a sentence offering the other reading ("Or ..."), or hedging ("Perhaps ...")
    R"((^|[.?!] )(or|perhaps)\b)",
};

// The moulds the court cards' texts fell into, read sixteen in a row.
const char* const kCourtFormulas[] = {
    // a helper sketched by one formula: "A kind, wise man may offer help", "A domineering woman may ..."
    R"(\ban? ([a-z-]+,? )*(man|woman|person|newcomer|professional)\b[^.]* may\b)",
};
const char* const kCourtReversalFormulas[] = {
    // a reversal opening on a pair of faults: "Greed or stubbornness may take over"
    R"(^([a-z-]+,? ){0,3}or\b)",
};

// Any case. A pattern that does not compile would let every text pass, so it stops the test at once.
template <size_t N>
QList<QRegularExpression> Compile(const char* const (&sources)[N])
{
    QList<QRegularExpression> list;
    for (const char* p : sources) {
        list.append(QRegularExpression(QString::fromLatin1(p), QRegularExpression::CaseInsensitiveOption));
        if (!list.last().isValid())
            qFatal("text check pattern %s: %s", p, qPrintable(list.last().errorString()));
    }
    return list;
}

QString FirstMatch(const QList<QRegularExpression>& patterns, const QString& text)
{
    for (const QRegularExpression& pattern : patterns) {
        const QRegularExpressionMatch match = pattern.match(text);
        if (match.hasMatch())
            return match.captured(0);
    }
    return {};
}

} // namespace

QString BritishSpellingIn(const QString& text)
{
    static const QList<QRegularExpression> patterns = Compile(kBritishForms);
    return FirstMatch(patterns, text);
}

QString PictureWordIn(const QString& text)
{
    static const QList<QRegularExpression> patterns = Compile(kPictureWords);
    return FirstMatch(patterns, text);
}

QString StockTurnIn(const QString& text)
{
    static const QList<QRegularExpression> patterns = Compile(kStockTurns);
    return FirstMatch(patterns, text);
}

QString CourtFormulaIn(const QString& text, bool reversed)
{
    static const QList<QRegularExpression> patterns = Compile(kCourtFormulas);
    static const QList<QRegularExpression> reversal = Compile(kCourtReversalFormulas);
    const QString found = FirstMatch(patterns, text);
    return found.isEmpty() && reversed ? FirstMatch(reversal, text) : found;
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
