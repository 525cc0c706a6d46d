#include "TextChecks.h"

#include "runes/RuneTables.h"
#include "runictarot/SignTable.h"
#include "runictarot/SunSign.h"
#include "tarot/CardTable.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

#include <algorithm>

using namespace runictarot;

namespace {
// A long text as the table must hold it. A text the runes or tarot readings share is pinned as the very
// constant of theirs, and by its opening words, which name it to a reader of a failure. A text of the
// runic tarot's own is pinned by what a fault would change: its opening words (another text in its
// slot), a phrase no other text of the program uses (two texts swapped), and its closing words (a text
// cut short, even at the end of a sentence).
struct Expected {
    const char* opening;
    QString shared;
    const char* phrase = nullptr;
    const char* closing = nullptr;
};
Expected own(const char* opening, const char* phrase, const char* closing) { return {opening, {}, phrase, closing}; }
Expected rune(runes::StoneNumber stone, const char* opening) { return {opening, runes::UprightMeaningText(stone)}; }
Expected card(int number, const char* opening) { return {opening, tarot::CardUprightText(number)}; }
} // namespace

Q_DECLARE_METATYPE(Expected)

class TestSignTable : public QObject {
    Q_OBJECT

private slots:
    void sunSignOfDate_data();
    void sunSignOfDate();
    void refusedDates_data();
    void refusedDates();
    void listPositions();
    void everyYearRunsThroughTheZodiacInOrder();

    void reading_data();
    void reading();
    void noReadingForOtherNames_data();
    void noReadingForOtherNames();
    void ownTexts();
    void pictureLists();
};

void TestSignTable::sunSignOfDate_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<QString>("sign");

    // The last day of each sign and the first day of the next.
    const struct {
        const char* month;
        const char* before;
        const char* from;
        int firstDay;
    } boundaries[] = {
        {"January", "Capricorn", "Aquarius", 20}, {"February", "Aquarius", "Pisces", 19},
        {"March", "Pisces", "Aries", 21},         {"April", "Aries", "Taurus", 21},
        {"May", "Taurus", "Gemini", 21},          {"June", "Gemini", "Cancer", 21},
        {"July", "Cancer", "Leo", 21},            {"August", "Leo", "Virgo", 21},
        {"September", "Virgo", "Libra", 21},      {"October", "Libra", "Scorpio", 21},
        {"November", "Scorpio", "Sagittarius", 21}, {"December", "Sagittarius", "Capricorn", 21},
    };
    for (const auto& b : boundaries) {
        const QString month = QString::fromLatin1(b.month);
        QTest::addRow("%d %s", b.firstDay - 1, b.month)
            << b.firstDay - 1 << month << 1990 << QString::fromLatin1(b.before);
        QTest::addRow("%d %s", b.firstDay, b.month) << b.firstDay << month << 1990 << QString::fromLatin1(b.from);
    }

    QTest::newRow("start selections") << 1 << "January" << 1900 << "Capricorn";
    QTest::newRow("31 January") << 31 << "January" << 1990 << "Aquarius";
    QTest::newRow("29 February, no leap year") << 29 << "February" << 1901 << "Pisces";
    QTest::newRow("30 April") << 30 << "April" << 1990 << "Taurus";
    QTest::newRow("31 December") << 31 << "December" << 2050 << "Capricorn";
    QTest::newRow("7 May 1900") << 7 << "May" << 1900 << "Taurus";
    QTest::newRow("7 May 2050") << 7 << "May" << 2050 << "Taurus";
}

void TestSignTable::sunSignOfDate()
{
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QFETCH(QString, sign);
    QVERIFY(isAcceptedBirthDate(day, month, year));
    QCOMPARE(sunSign(day, month, year), sign);
    QCOMPARE(sunSignAt(monthIndex(month), day - 1), sign);
}

void TestSignTable::refusedDates_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<int>("year");

    QTest::newRow("31 April") << 31 << "April" << 1990;
    QTest::newRow("31 June") << 31 << "June" << 1990;
    QTest::newRow("31 September") << 31 << "September" << 1990;
    QTest::newRow("31 November") << 31 << "November" << 1990;
    QTest::newRow("30 February") << 30 << "February" << 2000;
    QTest::newRow("31 February") << 31 << "February" << 2000;
    QTest::newRow("day 0") << 0 << "January" << 1990;
    QTest::newRow("day 32") << 32 << "January" << 1990;
    QTest::newRow("small letters") << 7 << "may" << 1990;
    QTest::newRow("trailing blank") << 7 << "May " << 1990;
    QTest::newRow("short name") << 7 << "Jan" << 1990;
    QTest::newRow("no month") << 7 << "" << 1990;
    QTest::newRow("year 1899") << 7 << "May" << 1899;
    QTest::newRow("year 2051") << 7 << "May" << 2051;
}

void TestSignTable::refusedDates()
{
    QFETCH(int, day);
    QFETCH(QString, month);
    QFETCH(int, year);
    QVERIFY(!isAcceptedBirthDate(day, month, year));
    QVERIFY(sunSign(day, month, year).isEmpty());
}

void TestSignTable::listPositions()
{
    // An unselected list matches nothing, so the caller keeps its previous sign.
    QVERIFY(sunSignAt(-1, 6).isEmpty());
    QVERIFY(sunSignAt(4, -1).isEmpty());
    QVERIFY(sunSignAt(12, 0).isEmpty());
    QVERIFY(sunSignAt(0, 31).isEmpty());
    // Positions carry no date check of their own: that is the caller's, before it asks.
    QCOMPARE(sunSignAt(1, 30), QStringLiteral("Pisces"));
    QCOMPARE(sunSignAt(11, 30), QStringLiteral("Capricorn"));
}

void TestSignTable::everyYearRunsThroughTheZodiacInOrder()
{
    const auto& signs = signNames();
    for (int year = FirstBirthYear; year <= LastBirthYear; ++year) {
        QString previous = sunSign(1, u"January", year);
        int changes = 0;
        for (int m = 0; m < 12; ++m) {
            for (int day = 1; day <= 31; ++day) {
                if (!isAcceptedBirthDate(day, monthNames()[m], year))
                    continue;
                const QString sign = sunSign(day, monthNames()[m], year);
                QVERIFY2(!sign.isEmpty(), qPrintable(QStringLiteral("%1 %2 %3").arg(day).arg(monthNames()[m]).arg(year)));
                if (sign != previous) {
                    const auto at = std::find(signs.begin(), signs.end(), QStringView(previous)) - signs.begin();
                    QCOMPARE(sign, signs[static_cast<size_t>((at + 1) % 12)].toString());
                    ++changes;
                }
                previous = sign;
            }
        }
        QCOMPARE(changes, 12);
    }
}

void TestSignTable::reading_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QStringList>("captions");  // the 13 short captions, in fill order
    QTest::addColumn<QList<int>>("pictures");   // stone, card, planet stone, planet card
    QTest::addColumn<QStringList>("pictureKeys");
    QTest::addColumn<QList<Expected>>("texts");  // rune, card, planet rune, planet card

    const QStringList mars = {"Thurisaz", "Thuith, Thorn, Thurs", "Protection, Action, Destruction, Willpower",
                              "Thor", "Bright Red", "Emperor"};
    const QStringList venus = {"Ansuz", "Os, Ass, Ansur", "Rebirth, Knowledge, Communication, Justice",
                               "Odin,Freya,Dwarves", "Dark Blue,Light Red", "Chariot"};
    const QStringList mercury = {"Ansuz", "Os, Ass, Ansur", "Rebirth, Knowledge, Communication, Justice",
                                 "Odin,Freya,Dwarves", "Dark Blue", "Chariot"};
    const QStringList moon = {"Isa", "Icz, Iss, Is", "Constraint, Massive Force, Gradual Integration, Delay",
                              "Rime Thurses", "Black", "Star"};
    const QStringList sun = {"Jera", "Gaar, Ar, Ger, Jara", "Cycles, Right Action, Completion, Fertility, Natural Law",
                             "Freyr,Sol", "Light Blue,White,Silver", "Sun"};
    const QStringList jupiter = {"Mannaz", "Manna, Madr, Mann, Madur", "Godhood, Humanity, Ancestors",
                                 "Heimdall,Odin", "Deep Red", "Magician"};
    const QStringList saturn = {"Perthro", "Pertra, Peordh", "Birth, Wisdom, Kinship, Manifestation, Chance, Luck",
                                "Nornir", "Black", "Wheel Of Fortune"};

    auto row = [](const char* sign, QStringList stoneSide, const QStringList& planetSide, QList<int> pictures,
                  QStringList keys, QList<Expected> texts) {
        QTest::newRow(sign) << QString::fromLatin1(sign) << (stoneSide << planetSide) << pictures << keys << texts;
    };
    // stone side: rune stone, keywords, alternative names, colour, god, tarot card, planet caption
    row("Aries",
        {"Fehu", "Wealth, Mobility, Fulfillment, Intuition", "Faihu, Foeh, Fe", "Light Red", "Aesir", "Tower", "Mars"},
        mars, {1, 15, 6, 3}, {"fehu", "15Tower.jpg", "thurisaz.jpg", "3Emperor.jpg"},
        {own("The meaning of the rune is 'cattle' or", "hoarded wealth soon turns stale",
             "when to guard what you have won."),
         card(19, "There may be a sudden change or disruption"),
         rune(runes::Thurisaz, "This is also known as the troll or"),
         card(9, "This is the time to organize yourself and")});
    row("Taurus",
        {"Uruz", "Beginnings, Spirituality, Opportunity, Harmony", "Uraz, Uros, Ur", "Dark Green", "Vanir",
         "High Priestess", "Venus"},
        venus, {2, 7, 1, 1}, {"uruz", "7HighPriestess.jpg", "ansuz.jpg", "1Chariot.jpg"},
        {own("The rune represents 'aurochs' or wild bison like", "great horned cattle",
             "harmony between body and spirit, so tend to both."),
         card(13, "Your intuition will play a very important part"),
         rune(runes::Ansuz, "This rune means 'god' or 'deity'. It shows"),
         card(7, "You may see success soon. Have a positive")});
    row("Gemini",
        {"Ehwaz", "Duality, Movement, Partnership, Interaction, Harmony", "Eys, Ehol, Ior, Eoh, Eykur, Eh, Eol",
         "White", "Freya,Freyr,Aclis", "Lovers", "Mercury"},
        mercury, {3, 9, 1, 1}, {"ehwaz", "9Lovers.jpg", "ansuz.jpg", "1Chariot.jpg"},
        {rune(runes::Ehwas, "This is the 'horse' rune. It indicates change"),
         card(14, "This is the time to understand and give"),
         rune(runes::Ansuz, "This rune means 'god' or 'deity'. It shows"),
         card(7, "You may see success soon. Have a positive")});
    row("Cancer",
        {"Algiz", "Spirit, Protection, Sanctuary, Refuge, Power, Divinity", "Algis, Elhaz, Eolh, Elgr", "Gold",
         "Valkyrjur", "Moon", "The Moon"},
        moon, {4, 11, 2, 12}, {"algiz", "11Moon.jpg", "isa.jpg", "12Star.jpg"},
        {rune(runes::Algiz, "This rune means 'defense' and 'protection'. This is"),
         card(16, "Your intuitiveness is at its peak now. Do"),
         rune(runes::Isa, "This is the 'ice' rune. It means that"),
         card(17, "This is a very positive card and signifies")});
    row("Leo",
        {"Wunjo", "Joy, Pleasure, Hope, Fellowship", "Uuinne, Vend, Wynn, Vin", "Yellow", "Freyr,Elves", "Strength",
         "The Sun"},
        sun, {5, 13, 3, 14}, {"wunjo", "13Strength.jpg", "jera.jpg", "14Sun.jpg"},
        {rune(runes::Wunjo, "This rune is referred to as the 'wish"),
         card(4, "You have the courage, determination and will power"),
         rune(runes::Jera, "This rune means the 'harvest'. In other words"),
         card(18, "You are enthusiastic and passionate about your work.")});
    row("Virgo",
        {"Berkano", "Nurturing, Rebirth, Growth, Transition, Spirit, Concealment, Protection, Ancestry",
         "Berkana, Bercna, Bjarkan, Beroc", "Dark Green", "Frigg,Nerthus,Hel", "Empress", "Mercury"},
        mercury, {6, 4, 1, 1}, {"berkano", "4Empress.jpg", "ansuz.jpg", "1Chariot.jpg"},
        {own("This is the 'birch rune'. It signifies growth", "first tree to turn green after winter",
             "protect it until it is strong."),
         own("Execution of your decisions are in you own", "your creative and caring nature",
             "let your creative and caring nature guide you."),
         rune(runes::Ansuz, "This rune means 'god' or 'deity'. It shows"),
         card(7, "You may see success soon. Have a positive")});
    row("Libra",
        {"Tiwaz", "Justice, Order, Victory, Support, Self-sacrifice, Faith, Loyalty", "Tys, Tyr, Tir, Tiw, Ty",
         "Bright Red", "Tyr,Mani", "Justice", "Venus"},
        venus, {7, 8, 1, 1}, {"tiwaz", "8Justice.jpg", "ansuz.jpg", "1Chariot.jpg"},
        {own("This is the rune of the 'warrior'. The", "lord of the Thing", "keep your word even if it costs you."),
         card(3, "You may get involved in legal issues. Seek"),
         rune(runes::Ansuz, "This rune means 'god' or 'deity'. It shows"),
         card(7, "You may see success soon. Have a positive")});
    row("Scorpio",
        {"Eihwaz", "Communication, Death, Regeneration, Knowledge, Dreaming", "Ezck, Yr, Eo", "Dark Blue",
         "Idhunna,Ullr", "Hanged Man", "Pluto and Mars"},
        mars, {8, 5, 6, 3}, {"eihwaz", "5HangMan.jpg", "thurisaz.jpg", "3Emperor.jpg"},
        {rune(runes::Eihwas, "This is the 'yew' rune, the wood used"),
         card(11, "You need to rise above this material world."),
         rune(runes::Thurisaz, "This is also known as the troll or"),
         card(9, "This is the time to organize yourself and")});
    row("Sagittarius",
        {"Raidho", "Rhythm, Movement, Travel, Spiritual", "Raidha, Rad, Raid", "Bright Red", "Forseti", "Hierophant",
         "Jupiter"},
        jupiter, {9, 6, 4, 10}, {"raidho", "6Hierophant.jpg", "mannaz.jpg", "10Magician.jpg"},
        {own("This rune represents the 'wheel of life'. It", "rune of the rider and the road",
             "the road will take you where you need to be."),
         card(12, "You may be more worried about your social"),
         rune(runes::Mannaz, "This is the 'man' rune, as an individual"),
         card(15, "This card signifies a strong personality with willpower,")});
    row("Capricorn",
        {"Nauthiz", "Need, Help, Resistance, Love", "Noicz, Naud, Naudr, Nied", "Black", "Nornir,Etins", "Devil",
         "Saturn"},
        saturn, {10, 2, 5, 16}, {"nauthiz", "2Devil.jpg", "perthro.jpg", "16WheelOfFortune.jpg"},
        {own("This is the 'need' rune. It also is", "rune of the need-fire",
             "love will show itself, and help will come."),
         card(8, "Your dark side may be trying to take"), rune(runes::Perthro, "This means a sudden dash of luck. It"),
         card(21, "You may have some special gains. Your destiny")});
    row("Aquarius",
        {"Hagalaz", "Transformation, Change, Evolution, Protection", "Haal, Hagall, Hagl", "Light Blue", "Ymir",
         "World", "Uranus and Saturn"},
        saturn, {11, 17, 5, 16}, {"hagalaz", "17World.jpg", "perthro.jpg", "16WheelOfFortune.jpg"},
        {own("This rune means 'hail' with respect to hailstones.", "the water bearer's sign",
             "pour out what you learn for others."),
         card(20, "Trust people who mean well. Look at both"),
         rune(runes::Perthro, "This means a sudden dash of luck. It"),
         card(21, "You may have some special gains. Your destiny")});
    row("Pisces",
        {"Gebo", "Gift, Exchange, Interaction, Balance", "Geuua, Gipt, Giof, Geofu, Gjof", "Deep Blue", "Odin,Freya",
         "Lovers", "Neptune and Jupiter"},
        jupiter, {12, 9, 4, 10}, {"gebo", "9Lovers.jpg", "mannaz.jpg", "10Magician.jpg"},
        {rune(runes::Gebo, "This is the rune of 'exchange'. This is"),
         card(14, "This is the time to understand and give"),
         rune(runes::Mannaz, "This is the 'man' rune, as an individual"),
         card(15, "This card signifies a strong personality with willpower,")});
}

void TestSignTable::reading()
{
    QFETCH(QString, sign);
    QFETCH(QStringList, captions);
    QFETCH(QList<int>, pictures);
    QFETCH(QStringList, pictureKeys);
    QFETCH(QList<Expected>, texts);

    // The sign rule and the table must agree on every name.
    QVERIFY(std::find(signNames().begin(), signNames().end(), QStringView(sign)) != signNames().end());

    const std::optional<Reading> r = readingFor(sign);
    QVERIFY(r);
    const QStringList got = {r->runeStone,        r->keywords,         r->alternativeNames,
                             r->favourableColour, r->nordicGod,        r->tarotCard,
                             r->favourablePlanet, r->planetStone,      r->planetAlternativeNames,
                             r->planetKeywords,   r->planetGod,        r->planetColour,
                             r->planetTarotCard};
    QCOMPARE(got, captions);

    QCOMPARE((QList<int>{r->stonePicture, r->cardPicture, r->planetStonePicture, r->planetCardPicture}), pictures);
    const QStringList keys = {pictureKey(PictureList::Stones, r->stonePicture),
                              pictureKey(PictureList::TarotCards, r->cardPicture),
                              pictureKey(PictureList::StonesWithPlanet, r->planetStonePicture),
                              pictureKey(PictureList::TarotCards, r->planetCardPicture)};
    QCOMPARE(keys, pictureKeys);

    // Shared slots are the very constants of the runes and tarot readings.
    const QStringList gotTexts = {r->runeText, r->cardText, r->planetRuneText, r->planetCardText};
    for (int i = 0; i < 4; ++i) {
        const Expected& e = texts[i];
        if (!e.shared.isNull())
            QCOMPARE(gotTexts[i], e.shared);
        QVERIFY2(gotTexts[i].startsWith(QLatin1StringView(e.opening)), qPrintable(gotTexts[i].left(60)));
        if (e.closing)
            QVERIFY2(gotTexts[i].endsWith(QLatin1StringView(e.closing)), qPrintable(gotTexts[i].right(60)));
        if (e.phrase) {
            const QString phrase = QString::fromLatin1(e.phrase);
            QVERIFY2(testing::IsPinPhrase(phrase), e.phrase);
            QVERIFY2(gotTexts[i].contains(phrase), qPrintable(QStringLiteral("\"%1\" is not in: %2").arg(phrase, gotTexts[i])));
            const QStringList others = testing::OtherTextsWith(phrase, gotTexts[i]);
            QVERIFY2(others.isEmpty(), qPrintable(QStringLiteral("\"%1\" also in %2").arg(phrase, others.join(", "))));
        }
    }
}

void TestSignTable::noReadingForOtherNames_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("small letters") << "aries";
    QTest::newRow("capitals") << "ARIES";
    QTest::newRow("trailing blank") << "Aries ";
    QTest::newRow("planet") << "Mars";
}

void TestSignTable::noReadingForOtherNames()
{
    QFETCH(QString, name);
    QVERIFY(!findSignRow(name));
    QVERIFY(!readingFor(name));
}

void TestSignTable::ownTexts()
{
    struct Own {
        QString where;
        QString text;
    };
    QList<Own> own;
    for (const SignRow& row : signTable()) {
        for (const TextRef* ref : {&row.runeText, &row.cardText})
            if (ref->source == TextRef::Source::Own)
                own.append({QString::fromLatin1(row.sign) + QLatin1StringView(ref == &row.runeText ? " rune" : " card"),
                            resolveText(*ref)});
    }
    for (const PlanetRow& row : planetTable())
        QVERIFY(row.runeText.source != TextRef::Source::Own && row.cardText.source != TextRef::Source::Own);
    QCOMPARE(own.size(), 8);

    // One paragraph of printable ASCII without edge blanks, ending a sentence; Aries alone has two
    // paragraphs, parted by one CR LF.
    for (const Own& o : own) {
        const qsizetype breakAt = o.where == u"Aries rune" ? 469 : -1;
        QVERIFY2(o.text.indexOf(u"\r\n") == breakAt && o.text.lastIndexOf(u"\r\n") == breakAt, qPrintable(o.where));
        for (qsizetype i = 0; i < o.text.size(); ++i) {
            const bool lineBreak = breakAt >= 0 && (i == breakAt || i == breakAt + 1);
            QVERIFY2(lineBreak || (o.text[i] >= u' ' && o.text[i] <= u'~'),
                     qPrintable(QStringLiteral("%1 at %2").arg(o.where).arg(i)));
        }
        QVERIFY2(o.text.trimmed() == o.text && o.text.endsWith(u'.'), qPrintable(o.where));
        const QString word = testing::PictureWordIn(o.text);
        QVERIFY2(word.isEmpty(), qPrintable(QStringLiteral("%1: \"%2\"").arg(o.where, word)));
        const QString british = testing::BritishSpellingIn(o.text);
        QVERIFY2(british.isEmpty(), qPrintable(QStringLiteral("%1: \"%2\"").arg(o.where, british)));
    }

    // No two are the same, and none is a text of the runes or tarot readings, not even of the stone
    // whose name it shares.
    QSet<QString> seen;
    for (int stone = 1; stone <= runes::StoneCount; ++stone)
        seen << runes::UprightMeaningText(stone);
    for (int n = 0; n < tarot::CardCount; ++n)
        seen << tarot::CardUprightText(n);
    for (const Own& o : own) {
        QVERIFY2(!seen.contains(o.text), qPrintable(o.where));
        seen << o.text;
    }

    // Nor does one retell another text in other words: past its first sentence, whose opening is given
    // and may match the runes reading's, no seven words in a row come from any other text of the program.
    auto words = [](const QString& text) {
        return text.toLower().split(QRegularExpression(QStringLiteral("[^a-z']+")), Qt::SkipEmptyParts);
    };
    constexpr int Run = 7;
    for (const Own& o : own) {
        QSet<QString> runsElsewhere;
        for (const testing::Interpretation& other : testing::AllInterpretations()) {
            if (other.text == o.text)
                continue;
            const QStringList w = words(other.text);
            for (qsizetype i = 0; i + Run <= w.size(); ++i)
                runsElsewhere << w.mid(i, Run).join(u' ');
        }
        const qsizetype firstSentence = words(o.text.left(o.text.indexOf(QStringLiteral(". ")) + 1)).size();
        const QStringList w = words(o.text);
        for (qsizetype i = firstSentence; i + Run <= w.size(); ++i) {
            const QString run = w.mid(i, Run).join(u' ');
            QVERIFY2(!runsElsewhere.contains(run), qPrintable(QStringLiteral("%1: \"%2\"").arg(o.where, run)));
        }
    }

    // Nor does a sign's rune text walk through the runes reading's text of the same stone sentence by
    // sentence in other words: past its given first sentence, none shares four words of five letters or
    // more with any one sentence of that text. (The runes reading spells Ehwaz, Eihwaz and Tiwaz with an s.)
    auto sentences = [](const QString& text) {
        return text.split(QRegularExpression(QStringLiteral("(?<=[.!?:;])\\s+")), Qt::SkipEmptyParts);
    };
    auto longWords = [&](const QString& sentence) {
        QSet<QString> set;
        for (const QString& word : words(sentence))
            if (word.size() >= 5)
                set << word;
        return set;
    };
    int compared = 0;
    for (const SignRow& row : signTable()) {
        if (row.runeText.source != TextRef::Source::Own)
            continue;
        QString stoneText;
        for (int i = 0; i < runes::StoneCount; ++i)
            if (runes::RuneName(i).chopped(1) == QLatin1StringView(row.runeStone).chopped(1))
                stoneText = runes::RuneMeaning(i);
        QVERIFY2(!stoneText.isEmpty(), row.runeStone);
        ++compared;
        const QStringList own = sentences(resolveText(row.runeText)).mid(1);
        for (const QString& sentence : own)
            for (const QString& their : sentences(stoneText)) {
                const QSet<QString> shared = longWords(sentence) & longWords(their);
                QVERIFY2(shared.size() < 4, qPrintable(QStringLiteral("%1 rune: \"%2\" retells %3's \"%4\"")
                                                           .arg(QLatin1StringView(row.sign), sentence,
                                                                QLatin1StringView(row.runeStone), their)));
            }
    }
    QCOMPARE(compared, 7);
}

void TestSignTable::pictureLists()
{
    QCOMPARE(pictureCount(PictureList::Stones), 12);
    QCOMPARE(pictureCount(PictureList::TarotCards), 17);
    QCOMPARE(pictureCount(PictureList::StonesWithPlanet), 7);
    QCOMPARE(pictureSize(PictureList::Stones), QSize(113, 151));
    QCOMPARE(pictureSize(PictureList::TarotCards), QSize(142, 250));
    QCOMPARE(pictureSize(PictureList::StonesWithPlanet), QSize(113, 151));

    for (PictureList list : {PictureList::Stones, PictureList::TarotCards, PictureList::StonesWithPlanet}) {
        QVERIFY(pictureKey(list, 0).isEmpty());
        QVERIFY(pictureKey(list, pictureCount(list) + 1).isEmpty());
    }
    QVERIFY(pictureKey(PictureList::StonesWithPlanet, 7).isEmpty());

    // Every stone and card picture is shown by some row; the last planet stone by none.
    QSet<int> stones, cards, planetStones;
    for (const SignRow& row : signTable()) {
        stones.insert(row.stonePicture);
        cards.insert(row.cardPicture);
        const PlanetRow& planet = planetTable()[static_cast<size_t>(row.planetRow)];
        planetStones.insert(planet.stonePicture);
        cards.insert(planet.cardPicture);
    }
    auto range = [](int last) {
        QSet<int> all;
        for (int p = 1; p <= last; ++p)
            all.insert(p);
        return all;
    };
    QCOMPARE(stones, range(12));
    QCOMPARE(cards, range(17));
    QCOMPARE(planetStones, range(6));
}

QTEST_APPLESS_MAIN(TestSignTable)
#include "tst_signtable.moc"
