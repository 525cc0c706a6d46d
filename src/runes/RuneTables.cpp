#include "runes/RuneTables.h"

namespace runes {

namespace {

// Marks a merkstave cell that reads exactly as the stone's reversed text.
constexpr const char* kAsReversed = nullptr;

struct StoneTexts {
    const char* name;
    const char* meaning;
    const char* reversed;  // "" for a stone that cannot lie reversed
    const char* merkstave; // kAsReversed, "" or a text of its own
};

// One row per stone in StoneNumber order, so row n - 1 is stone n. A meaning tells what the rune means,
// never what a picture would show; tests/runes/RuneTextPins.h pins each text to its stone and facing by
// a phrase of its own, to be chosen anew when a text is rewritten.
constexpr std::array<StoneTexts, StoneCount> kStones = {{
    {"Algiz",
     "This rune means 'defense' and 'protection'. This is the rune of the elk, whose antlers ward off "
     "each attack, and of the hand raised in greeting to the gods. You are shielded from all harm and "
     "guided by your higher self. Trust your instincts, guard what you hold dear and keep a link with "
     "the divine.",
     "This indicates vulnerability. Hidden danger is near, so guard yourself with care.",
     kAsReversed},
    {"Ansuz",
     "This rune means 'god' or 'deity'. It shows the breath of Odin, the father of the gods, who gave "
     "the runes to mankind. It is the rune of the mouth, of speech, signals and messages. Wise advice "
     "may come from an elder, a teacher or a friend, so listen well and pay attention to the words you "
     "hear. It is a good time for tests, interviews, exams and contracts, as your words carry weight "
     "and wisdom now.",
     "You may be under the influence of malicious advice. Someone may be lying to you or trying to "
     "trick you for their own gain. Messages may be misunderstood and words may be twisted. Check all "
     "the facts before you sign anything or make a promise. Do not let others speak for you, and be "
     "careful with your own words, as they can wound.",
     kAsReversed},
    {"Berkano",
     "This is the 'birch' rune. It stands for birth, fertility and growth, and for the mother goddess "
     "who watches over the home. New beginnings are at hand: a birth, a wedding or a new start in the "
     "family. Care for those close to you, as your love makes things grow in a gentle way.",
     "There may be some family problems or troubles on the domestic side. You may worry about someone "
     "close to you, or your plans may fail to grow. Do not neglect your own home, and care for "
     "yourself as well as for others.",
     kAsReversed},
    {"Blank",
     "The Blank Rune denotes fate or destiny. It is the rune of Wyrd, the web that the Norns weave for "
     "each life, and it is the most powerful stone of the set because it keeps the unknowable. What is "
     "to come is still hidden from you, and the gods do not wish to show it yet. Its blankness is not "
     "empty: it is full of every possibility. Something of your past, your karma, is working itself "
     "out, and you may soon face a change you cannot foresee. Let go of the need to control the "
     "outcome and trust that what is meant for you will come. Be open to the unexpected, as an ending "
     "now leaves room for a fresh start.",
     "",
     ""},
    {"Dagaz",
     "This is the 'day' rune'. It stands for the dawn, the moment when night turns into day and "
     "darkness gives way to light. It signals a breakthrough, an awakening and a time of clarity. Hope "
     "returns and long efforts bear fruit. It is a good time to start a new venture, as your plans "
     "will see the light of day and grow and prosper.",
     "",
     "This is a complete coming full circle rune. An ending is near, so accept it."},
    {"Ehwas",
     "This is the 'horse' rune. It indicates change, movement and steady progress. As a rider trusts "
     "his horse, you need to trust your partners and work as a team. A journey, a move of house or a "
     "new job may be close, and all will go well.",
     "You may be making false friends. Do not put your trust in those who have not yet earned it. You "
     "may feel restless and want a change, but now is not the time to move.",
     kAsReversed},
    {"Eihwas",
     "This is the 'yew' rune, the wood used in rune craft and making bows. The yew lives for many ages "
     "and stays green in winter, so this rune stands for endurance, strength and the cycle of death "
     "and rebirth. You have the power to stand firm and see things through. Set a goal and aim for it "
     "like an archer; a delay now will only make you stronger.",
     "This may be a bad time for you. You may feel confused, weak or dissatisfied with your life. Do "
     "not act in haste or give up now; hold on and wait until all your strength comes back.",
     kAsReversed},
    {"Fehu",
     "The meaning of the rune is 'cattle' or the main livelihood of the tribe. Cattle were once the "
     "wealth of a clan, so this rune stands for money, possessions and prosperity that you have earned "
     "through your own hard work. Success and abundance are on their way to you. Enjoy what you have "
     "gained, but share it with others, as wealth that is hoarded brings trouble.\r\n\t"
     "It also increases intuitive abilities and the flow of energy within you. It is a good sign for "
     "new ventures, for a raise or promotion, and for love and fertility. Be wise with gains and do "
     "not let greed blind you to what truly matters.",
     "When reversed it means stagnation, infertility and loss or failure. You may lose money or "
     "assets, or your work may not pay off. Beware of greed and do not spend more than you earn.",
     "When merkstaved it means stagnation, infertility and loss or failure. You may lose money or "
     "assets, or your work may not pay off. Beware of greed and do not spend more than you earn."},
    {"Gebo",
     "This is the rune of 'exchange'. This is the rune of gifts and of the bond that a gift creates "
     "between the giver and the one who receives it. It shows partnership, generosity and balance in "
     "love, in friendship and in business. A marriage, a union or a fair agreement may be near. Give "
     "freely and you will receive in return; every gift asks for a gift. Keep true to yourself in the "
     "union, so both partners stay whole and free.",
     "",
     "There may be some loneliness in your life. You may give too much or feel bound by debt. Balance "
     "what you give and what you take."},
    {"Hagalaz",
     "This rune means 'hail' with respect to hail stones. Hail falls from the sky without warning and "
     "destroys the crops, yet it melts into water that makes the soil fertile again. So this rune "
     "stands for sudden disruption and forces beyond your control: a crisis, a loss or a storm in your "
     "life. Do not fight it; what is destroyed now clears the way for something better. It tests your "
     "inner strength, and the change it brings will prove to be for your good.",
     "",
     "There may be a natural disaster or catastrophe. Pain and loss may follow; stand firm and they "
     "will pass."},
    {"Ingwaz",
     "This is the 'fertility' rune. It is named after Ing, the god of the earth, of peace and of the "
     "harvest. It stands for rest, inner growth and a time of gestation, when a seed waits in the "
     "ground before it sprouts. A phase of your life is complete, and you are free to begin a new one. "
     "Take a rest now, gather your strength and care for your home and your family.",
     "",
     "This signifies a period of hard labor and work. You may toil without result and be stuck. Rest "
     "now, and your strength will return."},
    {"Isa",
     "This is the 'ice' rune. It means that everything is still for a while, frozen like a river in "
     "winter. Your plans may be on hold and you may feel blocked or frustrated, but this is a time to "
     "wait and not to force. Hold off big decisions. Look inward and use the stillness to see things "
     "clearly. A friendship may cool, or you may need to be alone for a while. Be patient: the ice "
     "always melts when the spring returns, and then you can move on.",
     "",
     "There may be some dullness in your life. Plans stall and your feelings grow cold."},
    {"Jera",
     "This rune means the 'harvest'. In other words, you will reap what you have sown. It is the rune "
     "of the year and of the turning seasons, and it promises a reward for the efforts you made. Be "
     "patient, as good things come in their own time, and you cannot hurry the harvest. Success, peace "
     "and plenty are on their way.",
     "",
     "There may be sudden set backs. Work begun at the wrong time yields a meager harvest."},
    {"Kenaz",
     "This is the 'fire' rune. It stands for the torch that lights the darkness, for knowledge, vision "
     "and creative power. Things that were hidden will become clear to you. It is a good time for arts "
     "and crafts, for learning and for any work of the hands and mind. It also signifies passion and "
     "warmth in love; a new relationship may light up your life.",
     "It may lead to isolation or information being hidden from you. Your creativity may be blocked "
     "and you may lack vision. A relationship may be cooling or coming to an end. Do not cling to "
     "false hopes; wait for the light to return.",
     kAsReversed},
    {"Laguz",
     "This is the rune of 'intuitive knowledge' or 'water'. It stands for the sea and the lake, for "
     "the flow of life and for the hidden depths of the mind. Trust your own intuition, your dreams "
     "and your feelings, as they will guide you better than reason now. Go with the flow, and do not "
     "resist the tides of your life. This is a time of healing and renewal, of imagination and psychic "
     "gifts. Pay heed to your inner voice and to the cycles of your emotions.",
     "This is a period of stagnation. You may feel confused, fearful or cut off from your feelings, "
     "and you may make hasty judgments. Do not trust your fears or your wishful thinking now. Avoid "
     "risky choices and do not let others sway you. Take time to rest, and let the troubled waters "
     "settle.",
     kAsReversed},
    {"Mannaz",
     "This is the 'man' rune, as an individual or as a race. It stands for the self, for humanity and "
     "for the bonds that tie us to other people. You need the help of friends and the wider community, "
     "and they need yours. Be honest with yourself, know your strengths and your weaknesses, and "
     "cooperate with others.",
     "Non one can help you. You may feel alone or let down by friends, and others may seem against "
     "you. Do not deceive yourself; look honestly at your own part in what goes wrong.",
     kAsReversed},
    {"Nauthiz",
     "This is the 'need' rune. It stands for hardship, constraint and all the things you lack. Your "
     "needs may not be met at once, and you may face delays. Be patient and self-reliant; need teaches "
     "you what truly matters. Face your fears, as the friction of need kindles your inner fire.",
     "You may be on the wrong track. You may suffer want or poverty and feel as if your needs are "
     "never met. Stop, look at your choices again and ask what you really need.",
     kAsReversed},
    {"Othala",
     "This is the 'inheritance' rune. It stands for the home, the family and all that passes from one "
     "generation to the next: land, property, wisdom and traditions. You may receive an inheritance or "
     "a gift from the family. Value your roots and your heritage, as they give you security, freedom "
     "and a sense of belonging.",
     "This may mean some delay in work or unexpected backing out of help. There may be quarrels over a "
     "home, a will or family property, and old customs may hold you back. Do not cling to the past or "
     "to prejudice. Look after what you own, and do not count on any help you have been promised until "
     "it arrives.",
     kAsReversed},
    {"Perthro",
     "This means a sudden dash of luck. It is the rune of the lot cup, in which the dice of fate are "
     "cast, and it stands for chance, mystery and the secrets of the Norns. Something hidden may come "
     "to light, a sudden gain or a secret laid bare. Trust the unknown, take a chance, but know that "
     "not all is in your hands. It is also the rune of birth and the mysteries of women.",
     "When reversed, this rune can mean death. This need not be the end of a life; it may be the end "
     "of a phase or a bond. Secrets may soon come out and luck may fail you. Do not gamble.",
     "When reversed, this rune can mean death. This need not be the end of a life; it may be the end "
     "of a phase or a bond. Secrets may soon come out and luck may fail you. Do not gamble. Abstain."},
    {"Raidho",
     "This rune represents the 'wheel of life'. It stands for the journey, both on the road and within "
     "the soul, and for the rhythm that keeps everything in motion. A trip, a move or a change of "
     "views may be near, and it will go well if you plan it with care. It also means right action: do "
     "what is right and fair, and order will follow. Follow your own path with courage, as every step "
     "brings you closer to where you belong.",
     "There may be a delay in your physical or spiritual journey. A trip may be put off, or plans may "
     "go wrong at the last moment. You may feel stuck, or that life treats you unfairly. Do not force "
     "matters; check your plans again and wait patiently for the road to clear.",
     kAsReversed},
    {"Sowilo",
     "This is the 'sun' rune which indicates victory. It stands for success, health, honor and the "
     "power of life. Your goals are within reach, and your efforts will be rewarded. The light of the "
     "sun guides you, clears doubt and gives you strength. Trust yourself, and go on.",
     "",
     "You may face the wrath of God. False goals may lead you astray; do not listen to flattery or bad "
     "advice."},
    {"Thurisaz",
     "This is also known as the troll or 'thorn' rune. Its name recalls the thurs, the giants of the "
     "old tales who were the wild forces of frost and rock, and the sharp thorn that no one will grasp "
     "twice. It is also the rune of Thor, whose hammer kept those giants at bay. So it stands for raw "
     "power that can destroy or defend, depending on who wields it. You may soon meet such a force: a "
     "conflict, a stubborn obstacle or a person who opposes you. Do not rush at it blindly. Pause, "
     "weigh your position and act only when you have thought it all through. Used with care, your "
     "strength breaks the barrier and clears the way forward; used in anger, it wounds you as well.",
     "When reversed it shows end of good times and beginning of bad ones. You may be in danger or "
     "without defense, and others may act against you out of spite. Avoid quarrels; do not act out of "
     "anger.",
     kAsReversed},
    {"Tiwas",
     "This is the rune of the 'warrior'. It is named after Tyr, the god of law and honor, who gave his "
     "hand to bind the wolf. It stands for courage, justice, leadership and victory in any fair "
     "contest. You will succeed if you stay honest and faithful to your cause. Be ready to make "
     "sacrifices, and lead others by your own example.",
     "Your energy and creative flow may be blocked. You may lack courage or the will to fight for what "
     "is right, and you may feel that you are treated unfairly. Do not think too much; act. In love "
     "there may be quarrels or a parting. Rest, regain your strength and try anew.",
     kAsReversed},
    {"Uruz",
     "The rune represents 'aurochs' or wild bison like animals. The aurochs was a wild ox of huge "
     "strength that no man could tame. This rune stands for physical strength, health, endurance and "
     "raw energy. You have the power to overcome obstacles and shape your life. Good health and "
     "vitality are yours.\r\n"
     "This is the rune of inner strength, harmony and peace. It shows that you can turn your wild "
     "energy into a force for good, and that a change for the better is near. Seize this chance with "
     "courage.",
     "When reversed it indicates ill health. You may feel weak, tired or drained, and your strength "
     "may be turned to the wrong ends. Do not take on more than you can carry now. Look after your "
     "body, rest and eat well. A chance may slip away if you do not act with care and with courage.",
     kAsReversed},
    {"Wunjo",
     "This rune is referred to as the 'wish card' and is the happiness rune. It stands for joy, "
     "comfort and pleasure, for harmony with your family and friends and for success in your work. "
     "Your wish may come true, and your troubles are nearly over. Enjoy this time of fellowship and "
     "share your fortune with those around you.",
     "There may be some unhappiness or a third party causing trouble. Someone may come between you and "
     "a friend or a partner. You may feel sad or alone, but do not lose hope; this too shall pass.",
     kAsReversed},
}};

// The highlight of each rune set on the set screen, in RuneSet order.
constexpr std::array<quint32, RuneSetCount> kRuneTypeColours = {
    0x0000FFFFu,            // Gold: yellow
    SystemColourFlag | 17u, // Ice: the colour of disabled (grey) text
    0x0000FF00u,            // Jade: green
    0x000000FFu,            // Spirit: red
    0x00000000u,            // Stone: black
};

constexpr std::array<const char*, SpreadCount> kSpreadNames = {"Cross", "Diamond", "Fork", "Norn", "Single"};

// Written at the head of a reading after the spread's name. The stones are read in place order: for
// the Cross top, left, centre, right, bottom; for the Diamond top, left, right, bottom; for the Fork
// left, right, below; for the Norn left to right.
constexpr std::array<const char*, SpreadCount> kSpreadInfo = {
    "This spread is used to find the forces acting on your life. It is a very popular and common "
    "spread as it gives a deep insight into your life. The stone at the top shows what aids you, the "
    "stone on the left your past and the stone in the center your present situation. The stone on the "
    "right shows your near future, and the stone at the bottom the obstacles you face. Read them "
    "together to see how the forces of your life meet and act upon you.",
    "This spread is used to understand hidden conflict. The stone at the top shows the problem as you "
    "see it, the stone on the left the hidden root of the trouble and the stone on the right the "
    "people or forces that oppose you. The stone at the bottom shows how the conflict can be "
    "resolved.",
    "This spread is used at a critical decision making point in life. The two stones at the top show "
    "the two paths open to you, the left one and the right one. The stone below them shows the likely "
    "outcome of your choice. Weigh both paths with care before you decide.",
    "The rune on the far left indicates the first Norn, Urd, who stands for the past and the events "
    "that have shaped your situation. The rune in the middle indicates the second Norn, Verdandi, who "
    "stands for the present and what is happening right now. The rune on the far right indicates the "
    "third Norn, Skuld, who stands for the future and what will come if you keep to your present "
    "course.",
    "This spread is used for daily casts. It provides a precise answer to a conflict or problem, and "
    "it gives you a general overview of the day. Ask your question and read the stone.",
};

std::array<QString, StoneCount> gRuneName;
std::array<QString, StoneCount> gRuneMeaning;
std::array<QString, StoneCount> gRuneReversed;
std::array<QString, StoneCount> gRuneMerkstave;
std::array<quint32, RuneSetCount> gRuneTypeColour{};
std::array<QString, SpreadCount> gRuneSpreadName;
std::array<QString, SpreadCount> gRuneSpreadInfo;

struct State {
    QString querentName;
    QString birthDate;
    QString question;
    qint16 runeType = 0;
    qint32 runeSpread = 0;
    qint32 currentStone = NoStone;
    qint32 stoneFacing = Upright;
    std::array<qint32, GridPlaceCount> drawnStones{};
    bool resultShown = false;
};
State gState;

QString Text(const char* s) { return QString::fromLatin1(s); }

const char* MerkstaveConstant(const StoneTexts& stone)
{
    return stone.merkstave == kAsReversed ? stone.reversed : stone.merkstave;
}

void LoadRuneNames()
{
    for (size_t i = 0; i < kStones.size(); ++i)
        gRuneName[i] = Text(kStones[i].name);
}

void LoadRuneMeanings()
{
    for (size_t i = 0; i < kStones.size(); ++i)
        gRuneMeaning[i] = Text(kStones[i].meaning);
}

void LoadReversedMeanings()
{
    for (size_t i = 0; i < kStones.size(); ++i)
        gRuneReversed[i] = Text(kStones[i].reversed);
}

void LoadMerkstaveMeanings()
{
    for (size_t i = 0; i < kStones.size(); ++i)
        gRuneMerkstave[i] = Text(MerkstaveConstant(kStones[i]));
}

void LoadRuneTypeColors() { gRuneTypeColour = kRuneTypeColours; }

void LoadSpreadNames()
{
    for (size_t i = 0; i < kSpreadNames.size(); ++i)
        gRuneSpreadName[i] = Text(kSpreadNames[i]);
}

void LoadSpreadInfo()
{
    for (size_t i = 0; i < kSpreadInfo.size(); ++i)
        gRuneSpreadInfo[i] = Text(kSpreadInfo[i]);
}

template <typename T, size_t N>
T Checked(const std::array<T, N>& table, int index)
{
    return index >= 0 && static_cast<size_t>(index) < N ? table[static_cast<size_t>(index)] : T{};
}

} // namespace

bool IsStoneNumber(int stoneNumber) { return stoneNumber >= 1 && stoneNumber <= StoneCount; }
int StoneTextIndex(int stoneNumber) { return IsStoneNumber(stoneNumber) ? stoneNumber - 1 : -1; }
int StonePictureIndex(int stoneNumber) { return IsStoneNumber(stoneNumber) ? stoneNumber : -1; }
bool IsStoneTextIndex(int index) { return index >= 0 && index < StoneCount; }

bool IsChosenRuneSet(int runeSet) { return runeSet >= 0 && runeSet < RuneSetCount; }
bool IsChosenSpread(int spread) { return spread >= 0 && spread < SpreadCount; }

int FacingCount(int stoneNumber)
{
    const int i = StoneTextIndex(stoneNumber);
    if (i < 0)
        return 0;
    const StoneTexts& stone = kStones[static_cast<size_t>(i)];
    if (*stone.reversed != '\0')
        return 3;
    return *MerkstaveConstant(stone) != '\0' ? 2 : 1;
}

void InitRunesReading()
{
    LoadRuneNames();
    LoadRuneMeanings();
    LoadReversedMeanings();
    LoadMerkstaveMeanings();
    LoadRuneTypeColors();
    LoadSpreadNames();
    LoadSpreadInfo();
}

QString RuneName(int index) { return Checked(gRuneName, index); }
QString RuneMeaning(int index) { return Checked(gRuneMeaning, index); }
QString RuneReversed(int index) { return Checked(gRuneReversed, index); }
QString RuneMerkstave(int index) { return Checked(gRuneMerkstave, index); }
quint32 RuneTypeColour(int runeSet) { return Checked(gRuneTypeColour, runeSet); }
QString RuneSpreadName(int spread) { return Checked(gRuneSpreadName, spread); }
QString RuneSpreadInfo(int spread) { return Checked(gRuneSpreadInfo, spread); }

QString RuneFacingText(int stoneNumber, int facing)
{
    const int i = StoneTextIndex(stoneNumber);
    switch (facing) {
    case Upright: return RuneMeaning(i);
    case Merkstave: return RuneMerkstave(i);
    case Reversed: return RuneReversed(i);
    default: return {};
    }
}

QString UprightMeaningText(int stoneNumber)
{
    const int i = StoneTextIndex(stoneNumber);
    return i < 0 ? QString() : Text(kStones[static_cast<size_t>(i)].meaning);
}

QString QuerentName() { return gState.querentName; }
void SetQuerentName(const QString& name) { gState.querentName = name; }
QString BirthDate() { return gState.birthDate; }
void SetBirthDate(const QString& birthDate) { gState.birthDate = birthDate; }
QString Question() { return gState.question; }
void SetQuestion(const QString& question) { gState.question = question; }

qint16 RuneType() { return gState.runeType; }
void SetRuneType(qint16 runeSet) { gState.runeType = runeSet; }
qint32 RuneSpread() { return gState.runeSpread; }
void SetRuneSpread(qint32 spread) { gState.runeSpread = spread; }

qint32 CurrentStone() { return gState.currentStone; }
void SetCurrentStone(qint32 stoneNumber) { gState.currentStone = stoneNumber; }
qint32 StoneFacing() { return gState.stoneFacing; }
void SetStoneFacing(qint32 facing) { gState.stoneFacing = facing; }

const std::array<qint32, GridPlaceCount>& DrawnStones() { return gState.drawnStones; }

void SetDrawnStone(int place, qint32 stoneNumber)
{
    if (place >= 0 && place < GridPlaceCount)
        gState.drawnStones[static_cast<size_t>(place)] = stoneNumber;
}

void ClearDrawnStones() { gState.drawnStones.fill(NoStone); }

bool ResultShown() { return gState.resultShown; }
void SetResultShown(bool shown) { gState.resultShown = shown; }

void ResetRunesState() { gState = State{}; }

} // namespace runes
