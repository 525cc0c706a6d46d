#include "runictarot/SignTable.h"

#include "runes/RuneTables.h"
#include "tarot/CardTable.h"

namespace runictarot {

namespace {

// Card numbers of the tarot reading.
constexpr int kJustice = 3, kStrength = 4, kChariot = 7, kDevil = 8, kEmperor = 9, kHangedMan = 11,
              kHierophant = 12, kHighPriestess = 13, kLovers = 14, kMagician = 15, kMoon = 16, kStar = 17,
              kSun = 18, kTower = 19, kWorld = 20, kWheelOfFortune = 21;
// Rows of the planet table.
constexpr int kMarsRow = 0, kVenusRow = 1, kMercuryRow = 2, kMoonRow = 3, kSunRow = 4, kJupiterRow = 5,
              kSaturnRow = 6;

constexpr TextRef rune(runes::StoneNumber stone) { return {TextRef::Source::RuneMeaning, stone, nullptr}; }
constexpr TextRef card(int number) { return {TextRef::Source::CardUpright, number, nullptr}; }
constexpr TextRef own(const char* text) { return {TextRef::Source::Own, 0, text}; }

// The texts shown by this reading alone, each pinned by a phrase of its own in the sign table's test.
// Aries keeps its two paragraphs apart with CR LF.
constexpr const char* kAriesRune =
    "The meaning of the rune is 'cattle' or moveable wealth, the herd that a household drove from "
    "pasture to pasture and counted as its riches. Fehu speaks of prosperity that is earned and kept "
    "moving: money that circulates, energy that is spent well, and the reward of work begun with "
    "courage. Born under Aries, you can expect your drive to be fed and repaid, but Fehu also warns "
    "you that hoarded wealth soon turns stale. Share what you gain and the herd will keep growing."
    "\r\n"
    "It also sharpens your intuition: trust the quick inner voice that tells you when to move and when to"
    " guard what you have won.";
constexpr const char* kTaurusRune =
    "The rune represents 'aurochs' or wild bison like creatures, the great horned cattle that once "
    "roamed the northern forests and could not be tamed. It stands for raw strength, stamina and good "
    "health, the vital force behind every new beginning. Under the sign of Taurus, it shows an earthy "
    "power that grows slowly and lasts long. An opportunity may come that asks you to test that "
    "strength; meet it with patience and courage. Uruz also brings harmony between body and spirit, so "
    "tend to both.";
constexpr const char* kVirgoRune =
    "This is the 'birch rune'. It signifies growth, birth and renewal, since the birch is the first tree "
    "to turn green after winter. It asks you to nurture your plans and the people close to you with quiet"
    " care. Something new is growing out of sight; protect it until it is strong.";
constexpr const char* kLibraRune =
    "This is the rune of the 'warrior'. The true warrior keeps the peace: Tyr was also lord of the Thing, "
    "the assembly where quarrels were settled by law. Under the scales of Libra, it asks for fairness in "
    "every bargain and loyalty to those who trust you. Hear both sides before you judge, and keep your word "
    "even if it costs you.";
constexpr const char* kSagittariusRune =
    "This rune represents the 'wheel of life'. It is the rune of the rider and the road, of every "
    "journey that carries you from one place or stage of life to another. It speaks of rhythm and "
    "right order: move in step with the turning of the seasons and your travels will go well. With "
    "Sagittarius as your sign, a journey of the body or of the spirit is near. Plan it well, keep your "
    "own counsel and the road will take you where you need to be.";
constexpr const char* kCapricornRune =
    "This is the 'need' rune. It also is the rune of the need-fire, kindled by friction in times of "
    "hardship. It speaks of limits and delays that test your resolve. Meet all resistance with patience "
    "and self-reliance; what you truly need and love will show itself, and help will come.";
constexpr const char* kAquariusRune =
    "This rune means 'hail' with respect to hailstones. The old tale begins the world in ice: where frost "
    "met fire, the rime melted, and from its drops came Ymir, the giant whose body became the earth. Under "
    "the water bearer's sign, Hagalaz is that first thaw. Your sign looks ahead and loves the "
    "unconventional, and this stone brings the jolt that frees you from old patterns. Welcome it, keep all "
    "that proves sound, and pour out what you learn for others.";
constexpr const char* kVirgoCard =
    "Execution of your decisions are in you own hands. Plans you tend with patience ripen now into real "
    "results, at home and at work. Look after your home, your health and those who depend on you, and let "
    "your creative and caring nature guide you.";

constexpr std::array<PlanetRow, PlanetCount> kPlanets = {{
    {"Mars", "Thurisaz", 6, "Thuith, Thorn, Thurs", "Protection, Action, Destruction, Willpower",
     rune(runes::Thurisaz), "Thor", "Bright Red", "Emperor", card(kEmperor), 3},
    {"Venus", "Ansuz", 1, "Os, Ass, Ansur", "Rebirth, Knowledge, Communication, Justice", rune(runes::Ansuz),
     "Odin,Freya,Dwarves", "Dark Blue,Light Red", "Chariot", card(kChariot), 1},
    {"Mercury", "Ansuz", 1, "Os, Ass, Ansur", "Rebirth, Knowledge, Communication, Justice", rune(runes::Ansuz),
     "Odin,Freya,Dwarves", "Dark Blue", "Chariot", card(kChariot), 1},
    {"The Moon", "Isa", 2, "Icz, Iss, Is", "Constraint, Massive Force, Gradual Integration, Delay", rune(runes::Isa),
     "Rime Thurses", "Black", "Star", card(kStar), 12},
    {"The Sun", "Jera", 3, "Gaar, Ar, Ger, Jara", "Cycles, Right Action, Completion, Fertility, Natural Law",
     rune(runes::Jera), "Freyr,Sol", "Light Blue,White,Silver", "Sun", card(kSun), 14},
    {"Jupiter", "Mannaz", 4, "Manna, Madr, Mann, Madur", "Godhood, Humanity, Ancestors", rune(runes::Mannaz),
     "Heimdall,Odin", "Deep Red", "Magician", card(kMagician), 10},
    {"Saturn", "Perthro", 5, "Pertra, Peordh", "Birth, Wisdom, Kinship, Manifestation, Chance, Luck",
     rune(runes::Perthro), "Nornir", "Black", "Wheel Of Fortune", card(kWheelOfFortune), 16},
}};

// The runes reading spells Ehwaz, Eihwaz and Tiwaz with an s; they are the same stones.
constexpr std::array<SignRow, SignCount> kSigns = {{
    {"Aries", "Fehu", "Faihu, Foeh, Fe", "Wealth, Mobility, Fulfillment, Intuition", "Light Red", "Aesir",
     own(kAriesRune), 1, "Tower", card(kTower), 15, "Mars", kMarsRow},
    {"Taurus", "Uruz", "Uraz, Uros, Ur", "Beginnings, Spirituality, Opportunity, Harmony", "Dark Green", "Vanir",
     own(kTaurusRune), 2, "High Priestess", card(kHighPriestess), 7, "Venus", kVenusRow},
    {"Gemini", "Ehwaz", "Eys, Ehol, Ior, Eoh, Eykur, Eh, Eol", "Duality, Movement, Partnership, Interaction, Harmony",
     "White", "Freya,Freyr,Aclis", rune(runes::Ehwas), 3, "Lovers", card(kLovers), 9, "Mercury", kMercuryRow},
    {"Cancer", "Algiz", "Algis, Elhaz, Eolh, Elgr", "Spirit, Protection, Sanctuary, Refuge, Power, Divinity", "Gold",
     "Valkyrjur", rune(runes::Algiz), 4, "Moon", card(kMoon), 11, "The Moon", kMoonRow},
    {"Leo", "Wunjo", "Uuinne, Vend, Wynn, Vin", "Joy, Pleasure, Hope, Fellowship", "Yellow", "Freyr,Elves",
     rune(runes::Wunjo), 5, "Strength", card(kStrength), 13, "The Sun", kSunRow},
    {"Virgo", "Berkano", "Berkana, Bercna, Bjarkan, Beroc",
     "Nurturing, Rebirth, Growth, Transition, Spirit, Concealment, Protection, Ancestry", "Dark Green",
     "Frigg,Nerthus,Hel", own(kVirgoRune), 6, "Empress", own(kVirgoCard), 4, "Mercury", kMercuryRow},
    {"Libra", "Tiwaz", "Tys, Tyr, Tir, Tiw, Ty", "Justice, Order, Victory, Support, Self-sacrifice, Faith, Loyalty",
     "Bright Red", "Tyr,Mani", own(kLibraRune), 7, "Justice", card(kJustice), 8, "Venus", kVenusRow},
    {"Scorpio", "Eihwaz", "Ezck, Yr, Eo", "Communication, Death, Regeneration, Knowledge, Dreaming", "Dark Blue",
     "Idhunna,Ullr", rune(runes::Eihwas), 8, "Hanged Man", card(kHangedMan), 5, "Pluto and Mars", kMarsRow},
    {"Sagittarius", "Raidho", "Raidha, Rad, Raid", "Rhythm, Movement, Travel, Spiritual", "Bright Red", "Forseti",
     own(kSagittariusRune), 9, "Hierophant", card(kHierophant), 6, "Jupiter", kJupiterRow},
    {"Capricorn", "Nauthiz", "Noicz, Naud, Naudr, Nied", "Need, Help, Resistance, Love", "Black", "Nornir,Etins",
     own(kCapricornRune), 10, "Devil", card(kDevil), 2, "Saturn", kSaturnRow},
    {"Aquarius", "Hagalaz", "Haal, Hagall, Hagl", "Transformation, Change, Evolution, Protection", "Light Blue", "Ymir",
     own(kAquariusRune), 11, "World", card(kWorld), 17, "Uranus and Saturn", kSaturnRow},
    {"Pisces", "Gebo", "Geuua, Gipt, Giof, Geofu, Gjof", "Gift, Exchange, Interaction, Balance", "Deep Blue",
     "Odin,Freya", rune(runes::Gebo), 12, "Lovers", card(kLovers), 9, "Neptune and Jupiter", kJupiterRow},
}};

constexpr std::array<const char*, 12> kStoneKeys = {
    "fehu", "uruz", "ehwaz", "algiz", "wunjo", "berkano", "tiwaz", "eihwaz", "raidho", "nauthiz", "hagalaz", "gebo"};
constexpr std::array<const char*, 17> kCardKeys = {
    "1Chariot.jpg", "2Devil.jpg", "3Emperor.jpg", "4Empress.jpg", "5HangMan.jpg", "6Hierophant.jpg",
    "7HighPriestess.jpg", "8Justice.jpg", "9Lovers.jpg", "10Magician.jpg", "11Moon.jpg", "12Star.jpg",
    "13Strength.jpg", "14Sun.jpg", "15Tower.jpg", "16WheelOfFortune.jpg", "17World.jpg"};
// The seventh picture has no key and no row shows it.
constexpr std::array<const char*, 7> kStoneWithPlanetKeys = {
    "ansuz.jpg", "isa.jpg", "jera.jpg", "mannaz.jpg", "perthro.jpg", "thurisaz.jpg", ""};

template <size_t N> QString keyAt(const std::array<const char*, N>& keys, int position)
{
    if (position < 1 || position > static_cast<int>(N))
        return {};
    return QString::fromLatin1(keys[static_cast<size_t>(position - 1)]);
}

QString text(const char* s) { return QString::fromLatin1(s); }

} // namespace

const std::array<SignRow, SignCount>& signTable() { return kSigns; }
const std::array<PlanetRow, PlanetCount>& planetTable() { return kPlanets; }

const SignRow* findSignRow(QStringView sunSign)
{
    for (const SignRow& row : kSigns)
        if (sunSign == QLatin1StringView(row.sign))
            return &row;
    return nullptr;
}

int pictureCount(PictureList list)
{
    switch (list) {
    case PictureList::Stones: return static_cast<int>(kStoneKeys.size());
    case PictureList::TarotCards: return static_cast<int>(kCardKeys.size());
    case PictureList::StonesWithPlanet: return static_cast<int>(kStoneWithPlanetKeys.size());
    }
    return 0;
}

QSize pictureSize(PictureList list)
{
    return list == PictureList::TarotCards ? QSize(142, 250) : QSize(113, 151);
}

QString pictureKey(PictureList list, int position)
{
    switch (list) {
    case PictureList::Stones: return keyAt(kStoneKeys, position);
    case PictureList::TarotCards: return keyAt(kCardKeys, position);
    case PictureList::StonesWithPlanet: return keyAt(kStoneWithPlanetKeys, position);
    }
    return {};
}

QString resolveText(const TextRef& ref)
{
    switch (ref.source) {
    case TextRef::Source::Own: return ref.own ? text(ref.own) : QString();
    case TextRef::Source::RuneMeaning: return runes::UprightMeaningText(ref.number);
    case TextRef::Source::CardUpright: return tarot::CardUprightText(ref.number);
    }
    return {};
}

std::optional<Reading> readingFor(QStringView sunSign)
{
    const SignRow* sign = findSignRow(sunSign);
    if (!sign)
        return std::nullopt;
    const PlanetRow& planet = kPlanets[static_cast<size_t>(sign->planetRow)];
    Reading r;
    r.runeStone = text(sign->runeStone);
    r.keywords = text(sign->keywords);
    r.alternativeNames = text(sign->alternativeNames);
    r.runeText = resolveText(sign->runeText);
    r.favourableColour = text(sign->favourableColour);
    r.nordicGod = text(sign->nordicGod);
    r.stonePicture = sign->stonePicture;
    r.tarotCard = text(sign->tarotCard);
    r.cardText = resolveText(sign->cardText);
    r.cardPicture = sign->cardPicture;
    r.favourablePlanet = text(sign->favourablePlanet);
    r.planetStone = text(planet.stone);
    r.planetStonePicture = planet.stonePicture;
    r.planetAlternativeNames = text(planet.alternativeNames);
    r.planetKeywords = text(planet.keywords);
    r.planetRuneText = resolveText(planet.runeText);
    r.planetGod = text(planet.god);
    r.planetColour = text(planet.colour);
    r.planetTarotCard = text(planet.tarotCard);
    r.planetCardText = resolveText(planet.cardText);
    r.planetCardPicture = planet.cardPicture;
    return r;
}

} // namespace runictarot
