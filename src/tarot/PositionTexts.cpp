#include "tarot/PositionTexts.h"

#include "tarot/SpreadCatalogue.h"

#include <iterator>

namespace tarot {

namespace {

struct Row
{
    const char* heading;
    const char* meaning;
};

// Rows in position order. Headings keep their trailing blanks; three Four Seasons meanings have no full
// stop, and a few meanings keep their original wording ("you expressions", "you intimacy").
// "Celtic Cross"
constexpr Row kCelticCross[] = {
    {"Card 1: The Covering",
     "This represents the overall events, situations or influences surrounding the present question."},
    {"Card 2: The Crossing",
     "This represents the current problems, challenges and obstacles that now lie across the querent's path."},
    {"Card 3: The Root",
     "This represents what was the actual basis or root cause of the situation, often something hidden beneath "
     "the surface."},
    {"Card 4: The Past", "This represents events that have occurred in the recent past and are subsiding."},
    {"Card 5: The Crown",
     "This signifies the querent's knowledge of the situation and the best that can be achieved in it."},
    {"Card 6: The Future", "This represents events that will occur in the near future."},
    {"Card 7: The Questioner",
     "This represents the attitude of the querent toward the situation, and the part he personally plays in it."},
    {"Card 8: The House", "This represents the opinions and influences of family and friends."},
    {"Card 9: The Inside", "This represents the querent's hopes and fears about the final outcome."},
    {"Card 10: The Outcome", "This represents the final outcome of the situation."},
};

// "One Card"
constexpr Row kOneCard[] = {
    {"Card 1:  ", "This represents the most important factor that affects the issue in hand."},
};

// "Two Cards"
constexpr Row kTwoCards[] = {
    {"Card 1: ",
     "This card signifies what can happen if you carry out the solution that this card represents."},
    {"Card 2: ",
     "This card signifies what can happen if you carry out the solution that this card represents."},
};

// "Three Cards"
constexpr Row kThreeCards[] = {
    {"Card 1 - Past",
     "This represents certain events in the past which have influenced the present condition. These events are "
     "responsible for the current events surrounding the asked question or current situation."},
    {"Card 2 - Present",
     "This card represents the present state of affairs and the forces at work about you. It shows how the past "
     "has shaped today and what you must deal with right now."},
    {"Card 3 - Future",
     "This card represents the future outcome of the present course. It shows where matters go if nothing "
     "changes."},
};

// "Aldric Fenn Wheel Spread(Tamsett)"
constexpr Row kWheel[] = {
    {"Card 1 - The Present", "This card represents the current influences on the present situation or event."},
    {"Card 2 - Waning Influences",
     "This card represents the influences that are slipping away and losing their hold on you."},
    {"Card 3 - Hidden or Unconscious Influences", "This card represents hidden or unknown influences."},
    {"Card 4 - Emerging Influences", "This card represents new influences that are now coming into play."},
    {"Card 5 - Synthesis",
     "This represents the synthesis of the other four cards and the likely outcome of the matter."},
};

// "The Line Spread"
constexpr Row kLine[] = {
    {"Card 1 - ", "This card represents the distant past."},
    {"Card 2 - ", "This card represents the recent past."},
    {"Card 3 - ", "This card represents the present."},
    {"Card 4 - ", "This card represents the near future."},
    {"Card 5 - ", "This card represents the distant future."},
};

// "Seven Card Chakra Layout"
constexpr Row kChakra[] = {
    {"Card 1 - The Root",
     "This card is associated with the physical condition of the querent and how he feels about himself with "
     "respect to the material world in terms of work, power, passion, survival."},
    {"Card 2 - Sexual Center",
     "This card represents the querent's emotions, relationships and creativity in his daily life."},
    {"Card 3 - Power Center",
     "This card is associated with the querent's personal power, will and self-esteem, and how they are used in "
     "daily life."},
    {"Card 4 - The Heart", "This is related to feelings for others, love, forgiveness and mercy."},
    {"Card 5 - The Throat",
     "This relates to the querent's thirst for self-expression and communication. It shows how freely he speaks "
     "his own truth, how he listens to others and how he is understood."},
    {"Card 6 - The Third Eye",
     "This represents the intuition, spiritual awareness and inner vision that the querent lives by."},
    {"Card 7 - The Crown",
     "This represents the querent's connection to the divine and to higher consciousness and spiritual wisdom."},
};

// "Four Seasons Spread(Verloni/Ashby)"
constexpr Row kFourSeasons[] = {
    {"Card 1 - The Spring",
     "This card represents the new beginning of an idea, like the planting of a seed for a new venture."},
    {"Card 2", "This card alters the next card (Card 3)"},
    {"Card 3 - The Summer", "This card represents the flowering or progression of an idea."},
    {"Card 4", "This card alters the next card (Card5)"},
    {"Card 5 - Autumn", "This card signifies the finalization of the plan and how events will wind up."},
    {"Card 6", "This card modifies the next card (Card 7)"},
    {"Card 7 - Winter",
     "This represents the period of reflection as to what the querent may have learnt from the progression of "
     "the plan."},
    {"Card 8", "This card alters Card 1."},
};

// "Relationship Spread"
constexpr Row kRelationship[] = {
    {"Card 1", "Represents your view of a partner i.e. it interprets your way of looking at your partner."},
    {"Card 2", "Represents your partner's view towards you."},
    {"Card 3", "Reflects you expressions, feelings, desires and sentiments."},
    {"Card 4", "Represents your partner's expressions and sentiments."},
    {"Card 5", "Represents your unconscious expressions."},
    {"Card 6", "Represents your partner's unconscious expressions."},
    {"Card 7", "Represents your inner desires and needs."},
    {"Card 8", "Represents your partner's inner desires and needs."},
    {"Card 9", "Tells you about ways of improving your relationship with your partner."},
    {"Card 10", "Tells the ways your partner can improve your relationship."},
};

// "The Romany/ Gypsy Spread"
constexpr Row kRomany[] = {
    {"Card 1", "Represent the past."},
    {"Card 2", "Represent the past."},
    {"Card 3", "Represent the past."},
    {"Card 4", "Represent the past."},
    {"Card 5", "Represent the past."},
    {"Card 6", "Represent the past."},
    {"Card 7", "Represent the past."},
    {"Card 8", "Represent the present."},
    {"Card 9", "Represent the present."},
    {"Card 10", "Represent the present."},
    {"Card 11", "Represent the present."},
    {"Card 12", "Represent the present."},
    {"Card 13", "Represent the present."},
    {"Card 14", "Represent the present."},
    {"Card 15", "Represent the future."},
    {"Card 16", "Represent the future."},
    {"Card 17", "Represent the future."},
    {"Card 18", "Represent the future."},
    {"Card 19", "Represent the future."},
    {"Card 20", "Represent the future."},
    {"Card 21", "Represent the future."},
};

// "Zodiac Spread"
constexpr Row kZodiac[] = {
    {"Card 1", "Related to Aries which represents your attitude and your basic personality."},
    {"Card 2", "Related to Taurus which represents your financial and business matters."},
    {"Card 3", "Related to Gemini which represents communication and education."},
    {"Card 4", "Related to Cancer which represents home, family and childhood concerns."},
    {"Card 5", "Related to Leo which represents the pleasures and leisure of life."},
    {"Card 6", "Related to Virgo which represents work and responsibility."},
    {"Card 7", "Related to Libra which represents close partnership and love."},
    {"Card 8", "Related to Scorpio which reveals all your hidden influences and desires."},
    {"Card 9", "Related to Sagittarius which represents you intimacy in religion and philosophy."},
    {"Card 10", "Related to Capricorn which represents your career and ambition."},
    {"Card 11", "Related to Aquarius which represents your social life and acquaintances."},
    {"Card 12", "Related to Pisces which represents your strengths and weaknesses."},
};

// "Tree of Life"
constexpr Row kTreeOfLife[] = {
    {"Card 1 - Top card:", "Reveals the present situation and how we react to each of these situations."},
    {"Card 2 - Right temple:", "Reveals the basic emotions, feelings and intuitions."},
    {"Card 3 - Left temple:", "Reveals the level of practicality and rationality."},
    {"Card 4 - Right shoulder:", "Reveals our natural ability and common sense."},
    {"Card 5 - Left shoulder:", "Reveals our learning skills and our capacity to take up things."},
    {"Card 6 - Heart/ centre position:", "Related to how we tackle our emotions."},
    {"Card 7 - Right hip:", "Relates to our destiny - the path which we choose."},
    {"Card 8 - Left hip:", "Reveals our energy level."},
    {"Card 9 - Groin:", "Reveals the level of sexuality and sensuality."},
    {"Card 10 - feet:", "Reveals our basic nature."},
};

// "Numerology Spread"
constexpr Row kNumerology[] = {
    {"Card 1", "You see yourself as an Innovator."},
    {"Card 2", "You see yourself as an Integrator."},
    {"Card 3", "You see yourself as an Entertainer."},
    {"Card 4", "You see yourself as a Builder."},
    {"Card 5", "You see yourself as a Communicator."},
    {"Card 6", "You see yourself as a Peacemaker."},
    {"Card 7", "You see yourself as an Individualist."},
    {"Card 8", "You see yourself as an Entrepreneur."},
    {"Card 9", "You see yourself as a Crusader."},
};

struct SpreadPositions
{
    const Row* rows;
    int count;
    bool lineBreak;
};

// In the spread list's order, so a catalogue index selects its row.
constexpr SpreadPositions kPositions[catalogue::SpreadCount] = {
    {kCelticCross, static_cast<int>(std::size(kCelticCross)), true},
    {kOneCard, static_cast<int>(std::size(kOneCard)), false},
    {kTwoCards, static_cast<int>(std::size(kTwoCards)), false},
    {kThreeCards, static_cast<int>(std::size(kThreeCards)), true},
    {kWheel, static_cast<int>(std::size(kWheel)), true},
    {kLine, static_cast<int>(std::size(kLine)), false},
    {kChakra, static_cast<int>(std::size(kChakra)), true},
    {kFourSeasons, static_cast<int>(std::size(kFourSeasons)), true},
    {kRelationship, static_cast<int>(std::size(kRelationship)), true},
    {kRomany, static_cast<int>(std::size(kRomany)), true},
    {kZodiac, static_cast<int>(std::size(kZodiac)), true},
    {kTreeOfLife, static_cast<int>(std::size(kTreeOfLife)), true},
    {kNumerology, static_cast<int>(std::size(kNumerology)), true},
};

} // namespace

int PositionCountOf(const QString& spreadName)
{
    const int spread = catalogue::FindSpread(spreadName);
    return spread < 0 ? 0 : kPositions[spread].count;
}

std::optional<PositionText> PositionTextOf(const QString& spreadName, int position)
{
    const int spread = catalogue::FindSpread(spreadName);
    if (spread < 0)
        return std::nullopt;
    const SpreadPositions& positions = kPositions[spread];
    if (position < 0 || position >= positions.count)
        return std::nullopt;
    const Row& row = positions.rows[position];
    return PositionText{QString::fromLatin1(row.heading), QString::fromLatin1(row.meaning), positions.lineBreak};
}

QString PositionPrompt(const PositionText& text)
{
    return text.lineBreak ? text.heading + QStringLiteral("\r\n") + text.meaning : text.heading + text.meaning;
}

} // namespace tarot
