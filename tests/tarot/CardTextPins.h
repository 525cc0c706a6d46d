#pragma once
// A phrase of its own for each of the 156 card texts, by card number: three words or more that no other
// interpretation of the program uses (tests/support/TextChecks.h). A text filed under another card, or
// a card's upright and reversed texts changing places, loses its phrase and fails. A text rewritten
// gets a new phrase here.

struct CardTextPin {
    const char* upright;
    const char* reversed;
};

inline constexpr CardTextPin kCardTextPins[] = {
    {"start from scratch", "cling to what has already ended"}, // 0 Death
    {"found by looking within", "Solitude has turned into loneliness"}, // 1 The Hermit
    {"forgive what needs forgiving", "judge yourself too harshly"}, // 2 Judgement
    {"involved in legal issues", "Dishonesty will cost you more"}, // 3 Justice
    {"calms a lion by gentleness", "meet resistance at every turn"}, // 4 Strength
    {"Balance and moderation are the keys", "Bring back moderation slowly"}, // 5 Temperance
    {"A fresh start is calling you", "A leap taken without a look"}, // 6 The Fool
    {"win through willpower and self-discipline", "take up the reins again"}, // 7 The Chariot
    {"chained to a habit", "beginning to break free"}, // 8 The Devil
    {"organize yourself and bring order", "rigid boss or parent"}, // 9 The Emperor
    {"fertile in body, mind or ideas", "Love can turn into smothering"}, // 10 The Empress
    {"rise above this material world", "stalling and calling it patience"}, // 11 The Hanged Man
    {"seek a wise teacher", "rebel against an institution"}, // 12 The Hierophant
    {"some secrets are still veiled", "ignoring your inner voice"}, // 13 The High Priestess
    {"important choice of the heart", "disharmony in a relationship"}, // 14 The Lovers
    {"every tool you need", "trickster who manipulates"}, // 15 The Magician
    {"things are not what they seem", "Confusion is starting to lift"}, // 16 The Moon
    {"hope, faith and renewal", "lost hope or faith"}, // 17 The Star
    {"You shine and others notice it", "The sun is hidden, not gone"}, // 18 The Sun
    {"sudden change or disruption", "Propping up a crumbling structure"}, // 19 The Tower
    {"A cycle of your life is complete", "close to the finish line"}, // 20 The World
    {"turning of the wheel", "The wheel has turned against you"}, // 21 Wheel Fortune
    {"This is a meeting of hearts", "A relationship is out of balance"}, // 22 Two of Cups
    {"The stalemate feels safe", "flooded with information"}, // 23 Two of Swords
    {"ambition looks beyond familiar ground", "aiming high without a clear map"}, // 24 Two of Wands
    {"celebrate with friends", "Too much partying"}, // 25 Three of Cups
    {"Teamwork brings good results", "Teamwork is breaking down"}, // 26 Three of Pentacles
    {"A painful truth pierces your heart", "The worst of the heartache is passing"}, // 27 Three of Swords
    {"trade with distant places", "trusted the wrong partner"}, // 28 Three of Wands
    {"Apathy makes you turn away", "stepping out of a dull phase"}, // 29 Four of Cups
    {"tight grip on your money", "savings you once guarded"}, // 30 Four of Pentacles
    {"Withdraw from the battle", "Burnout is near"}, // 31 Four of Swords
    {"celebration and homecoming", "A celebration is called off"}, // 32 Four of Wands
    {"mourning a loss", "ready to move on from sorrow"}, // 33 Five of Cups
    {"Hard times in money or health", "worst of your hardship is ending"}, // 34 Five of Pentacles
    {"win the argument but lose a friend", "make peace after a fight"}, // 35 Five of Swords
    {"competition and friction", "buy peace by keeping silent"}, // 36 Five of Wands
    {"Memories of childhood", "living too much in the past"}, // 37 Six of Cups
    {"Giving and receiving are in balance", "inequality in giving"}, // 38 Six of Pentacles
    {"leaving trouble behind", "Unfinished business keeps pulling you back"}, // 39 Six of Swords
    {"Victory and public recognition", "taken the credit for your work"}, // 40 Six of Wands
    {"drift through your mind like dreams", "The fog is clearing"}, // 41 Seven of Cups
    {"time to take stock", "hard work is not paying off"}, // 42 Seven of Pentacles
    {"acting in secret", "A secret comes out"}, // 43 Seven of Swords
    {"defend your position", "seeing attacks everywhere"}, // 44 Seven of Wands
    {"no longer fulfills you", "really afraid to lose"}, // 45 Eight of Cups
    {"practice your craft with care", "bored with routine"}, // 46 Eight of Pentacles
    {"trapped and powerless", "beginning to free yourself"}, // 47 Eight of Swords
    {"Things move fast now", "haste breeds mistakes"}, // 48 Eight of Wands
    {"This is the wish card", "still feel empty"}, // 49 Nine of Cups
    {"fruits of your own labor", "spend beyond your means"}, // 50 Nine of Pentacles
    {"Worry keeps you awake at night", "see your worries at their true size"}, // 51 Nine of Swords
    {"tired and wary", "see enemies everywhere"}, // 52 Nine of Wands
    {"Lasting happiness in love and family", "Old family patterns may repeat"}, // 53 Ten of Cups
    {"Wealth, family and long-term security", "a shared house or a family business"}, // 54 Ten of Pentacles
    {"This is an ending, and a painful one", "Recovery from a painful ending"}, // 55 Ten of Swords
    {"carry too heavy a load", "putting down burdens that were never yours"}, // 56 Ten of Wands
    {"new beginning in love or feeling", "Your emotions are blocked"}, // 57 Ace of Cups
    {"opportunity for money or material success", "financial opportunity may slip away"}, // 58 Ace of Pentacles
    {"breakthrough in thinking", "Confusion clouds your mind"}, // 59 Ace of Swords
    {"spark of inspiration lights your way", "a fire that is pushed goes out"}, // 60 Ace of Wands
    {"calm and wise in matters of the heart", "churning under a calm face"}, // 61 King of Cups
    {"Wealth, security and business success", "Money has become the measure"}, // 62 King of Pentacles
    {"Judge with logic, not with mood", "Keep written records"}, // 63 King of Swords
    {"A natural leader is called for", "out of fear rather than trust"}, // 64 King of Wands
    {"romantic offer or an invitation", "between high hopes and sulking"}, // 65 Knight of Cups
    {"Slow, steady effort leads to success", "slowed to a halt"}, // 66 Knight of Pentacles
    {"charge forward with energy", "Acting without thinking"}, // 67 Knight of Swords
    {"Adventure and passion drive you", "Every hold-up makes you chafe"}, // 68 Knight of Wands
    {"message of love or a creative idea", "creative spark has gone quiet"}, // 69 Page of Cups
    {"chance to learn or to earn", "dream of results without doing the work"}, // 70 Page of Pentacles
    {"eager to learn, to question and to speak", "spying on you or spreading rumors"}, // 71 Page of Swords
    {"Exciting news or a new adventure", "fizzles before it can catch fire"}, // 72 Page of Wands
    {"Compassion, intuition and emotional care", "Taking on everyone's troubles"}, // 73 Queen of Cups
    {"household thrive under your sensible care", "Money worries distract you"}, // 74 Queen of Pentacles
    {"Set firm boundaries", "spreading spite about you"}, // 75 Queen of Swords
    {"Confidence, warmth and determination", "push harder for attention"}, // 76 Queen of Wands
    {"juggle several tasks", "Too many balls are in the air"}, // 77 Two of Pentacles
};
