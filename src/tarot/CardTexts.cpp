#include "tarot/CardTable.h"

// The interpretations of the 78 cards, upright and reversed. Each is one paragraph spoken to the querent,
// written for its own card. The runic tarot shows sixteen of the upright texts as they stand here, so
// those sixteen keep their length and their first words.
//
// A text tells the card's meaning and never describes a picture: the two decks draw each card their own
// way (the pip cards show only their suit signs, each court its own figure), and one text serves both. The tests
// refuse the picture words of tests/support/TextChecks.cpp and the stock turns named there (the other
// reading tacked on, "Perhaps", a court's helper formula), and tests/tarot/CardTextPins.h pins every
// text to its card by a phrase of its own: a rewritten text takes a new phrase there.

namespace tarot {

namespace {

struct CardTexts
{
    const char* upright;
    const char* reversed;
};

constexpr CardTexts kCardTexts[CardCount] = {
    // 0 Death
    {"This is the beginning of a new life. You have to start from scratch. Something in your life is ending so that "
     "something else can grow. Let the old habit, place or bond go without a fight. Grieve it if you must, then turn "
     "toward what is coming. The change is deep and it will last.",
     "The changes in your life may not be pleasant. You may not be ready to face them. You cling to what has already "
     "ended, and the waiting drains you. Fear of the unknown keeps you stuck in place. Loosen your grip a little. What "
     "you resist now will come back until you accept it."},
    // 1 The Hermit
    {"Step back from the crowd for a while. You need quiet to hear your own counsel. The answer you seek is not "
     "outside you; it is found by looking within. Let your inner light guide you, one step at a time. A time of "
     "solitude, study or reflection will leave you wiser. A wise teacher may also appear.",
     "Solitude has turned into loneliness. You may be cutting yourself off more than is good for you, and turning "
     "away advice that would help. Withdrawal has become a habit, and the silence no longer teaches you anything. "
     "Come back among people. Share what your quiet hours have taught you."},
    // 2 Judgement
    {"A call is reaching you and you should answer it. This is a time of awakening and honest self-review. Look "
     "back at your past with clear eyes and forgive what needs forgiving. A decision made now can renew your "
     "life. You rise to a new level. Old matters are settled at last.",
     "You judge yourself too harshly, or you refuse to look at yourself at all. Doubt keeps you from hearing your true "
     "calling. Old regrets and guilt weigh on you. A decision you know you must make is being put off. Learn the "
     "lesson of the past and let it rest. Then move on."},
    // 3 Justice
    {"You may get involved in legal issues. Seek sound advice and tell the truth. The outcome will be fair and "
     "balanced. Every action has a consequence, so choose with care. Be honest with yourself too. Sign nothing "
     "you have not read.",
     "Something in this matter is not fair. You may face a biased judgment, a delay in a legal case or a broken "
     "agreement. Are you owning up to your own part in it? Dishonesty will cost you more than the truth. Look at the "
     "facts coldly and put right what you can."},
    // 4 Strength
    {"You have the courage, determination and will power to handle whatever comes your way. Your power is quiet, not "
     "forceful. This is the strength that calms a lion by gentleness; you win with patience and compassion. Tame your "
     "fears and passions gently. Others respond to your calm. Trust yourself and stay kind.",
     "You may be doubting yourself. Fear or anger is getting the better of you, and when you try to force matters you "
     "meet resistance at every turn. Your inner strength has not gone; it is only hidden. Be patient with yourself. "
     "Rest, then rebuild your confidence step by step."},
    // 5 Temperance
    {"Balance and moderation are the keys now. You blend opposites and find the right measure between them. Do "
     "not rush. Patience heals what haste would spoil. Stay calm in the middle of other people's extremes. A "
     "steady, gentle approach brings you harmony, good health and peace of mind.",
     "Something in your life is out of balance. You may be overdoing it in work, food, spending or feeling. "
     "Impatience makes you push too hard. Quarrels grow out of extremes. Stop and ask what you really need. "
     "Bring back moderation slowly, and your calm will follow."},
    // 6 The Fool
    {"A fresh start is calling you. A new journey begins, and you set out with an open heart and few cares. Take the "
     "step in faith, even if you cannot see the whole road. Be spontaneous and curious. Your innocence is a gift now. "
     "Just keep your wits about you so that you do not stumble.",
     "You may be acting rashly. A leap taken without a look can end in a fall. Check the details before you "
     "commit yourself. On the other hand, fear may be stopping you from taking any risk at all. Do not be "
     "foolish, but do not be frozen either. Find a sensible middle path."},
    // 7 The Chariot
    {"You may see success soon. Have a positive attitude and keep your goal in sight. You win through willpower "
     "and self-discipline. Take hold of the opposing forces in your life and make them pull together. Stay "
     "focused, drive on. Victory is close.",
     "You are losing your sense of direction. Forces pull you different ways and you cannot steer. Too much aggression "
     "is one danger; handing control to others is the other. Obstacles slow you down. Stop and decide where you really "
     "want to go. Then take up the reins again."},
    // 8 The Devil
    {"Your dark side may be trying to take control of you. You may feel chained to a habit, a person or a craving. The "
     "bonds are far looser than they seem. Face your fears and temptations honestly. Do not let greed rule you. You "
     "are freer than you know.",
     "You are beginning to break free. A bad habit or an unhealthy bond loosens its grip on you. You see your "
     "situation clearly now and you want out. Take the first step while your courage is strong. Be careful not to fall "
     "back into old ways. Freedom is within your reach."},
    // 9 The Emperor
    {"This is the time to organize yourself and bring order to your affairs. Structure, discipline and a careful plan "
     "will serve you well. Lead with authority, but lead fairly. A fatherly man or someone in power may support you. "
     "Keep firmly to your decisions. Stability comes from the foundations you lay.",
     "Authority is being misused, by you or by someone over you. You may feel controlled by a rigid boss or parent. A "
     "lack of discipline can be the trouble too, when plans fall apart for want of order. Beware of stubbornness and "
     "the need to dominate. Find a structure that still leaves you room to breathe."},
    // 10 The Empress
    {"This is a time of abundance and growth. You are fertile in body, mind or ideas. Nurture what you love and "
     "it will flourish. Spend time in nature and enjoy the pleasures of the senses. A pregnancy or a creative "
     "project may be blessed. Be generous with your warmth. Comfort surrounds you.",
     "You may be neglecting yourself while you care for everyone else. Your creative energy feels blocked. Love can "
     "turn into smothering, or into leaning on others too much. Your home or your finances may feel unsettled. Give "
     "yourself the care you give others. Growth returns when you are nourished."},
    // 11 The Hanged Man
    {"You need to rise above this material world. Let go of the urge to act and allow things to be. A pause or a "
     "sacrifice now brings insight. Look at the matter from an angle you have never tried. Yielding is not defeat. "
     "What looks like delay is a time of ripening.",
     "You are stalling and calling it patience. A sacrifice you make may bring you nothing, because you make it "
     "for the wrong reasons. You may resist a change that you need. Stop waiting for someone else to decide for "
     "you. Make the move you have been avoiding."},
    // 12 The Hierophant
    {"You may be more worried about your social position than usual. Tradition and convention guide you now. Follow "
     "the proven way and seek a wise teacher. Formal study, a marriage or a ceremony may be in view.",
     "You feel hemmed in by rules that no longer fit you. You may question old beliefs or rebel against an "
     "institution. That is healthy, but do not throw away all the old wisdom at once. Think for yourself. Find "
     "your own path and your own rituals."},
    // 13 The High Priestess
    {"Your intuition will play a very important part in the days to come. Listen to your dreams and your inner voice. "
     "Not everything is revealed yet; some secrets are still veiled. Be quiet and be patient. Knowledge comes in "
     "silence.",
     "You are ignoring your inner voice. You listen to other people's opinions and lose your own. Secrets or "
     "hidden motives may be at work around you. Your feelings may be shut away or confused. Withdraw a little "
     "and be still. Trust what you sense before you act."},
    // 14 The Lovers
    {"This is the time to understand and give love freely. A deep bond, a romance or a close partnership "
     "blossoms. You may face an important choice of the heart. Choose in line with your true values. Harmony "
     "between you two is strong. Be honest with the one you love.",
     "There is disharmony in a relationship. You and your partner may want different things, or a temptation pulls "
     "against your values. Avoid blaming the other person. Look at your own part first. Honest talk can mend the rift "
     "before it grows wider."},
    // 15 The Magician
    {"This card signifies a strong personality with willpower, skill and concentration. You have every tool you "
     "need at hand. Now is the time to use them. Turn your ideas into action with confidence. What you focus "
     "on, you can make real. Begin the work today.",
     "Your talents are lying unused, or they serve the wrong ends. You may lack confidence and hold back. Beware, too, "
     "of a trickster who manipulates with clever words. Check every motive, your own included. Plan clearly before you "
     "act. Skill without honesty fails."},
    // 16 The Moon
    {"Your intuitiveness is at its peak now. Do not trust everything you see; things are not what they seem. "
     "Illusions and old fears may rise out of the dark. Walk carefully through these uncertain days. Pay heed "
     "to your dreams. Let your instincts guide you on.",
     "Confusion is starting to lift. A deception comes to light, or a fear turns out to be smaller than you "
     "thought. You may still feel anxious and unsure. Do not let your imagination run wild. Face the truth in "
     "daylight. Clarity returns slowly, like a dawn after a misty night."},
    // 17 The Star
    {"This is a very positive card and signifies hope, faith and renewal. After a hard time you find peace "
     "again. Healing flows into your life. Your wishes have a real chance of coming true. Be giving and open. "
     "Trust that life is on your side. Hold on to your dream.",
     "You may have lost hope or faith. You feel disconnected and discouraged. The light is still there even if "
     "you cannot see it now. Do small things that give you joy. Stop looking only at what went wrong. Reconnect "
     "with what inspires you, and your optimism will come back."},
    // 18 The Sun
    {"You are enthusiastic and passionate about your work. Success, joy and warmth fill your days. You shine "
     "and others notice it. Good health and happy times with children are likely. Enjoy it all fully and share "
     "your light.",
     "Your joy is clouded for now. Success may be delayed, or it does not bring the happiness you expected. Pride or "
     "overconfidence may be part of the trouble. Be realistic, not gloomy. The sun is hidden, not gone. Small "
     "pleasures bring back your warmth."},
    // 19 The Tower
    {"There may be a sudden change or disruption in your life. Something built on a false base is coming down. It is a "
     "shock, but it clears the ground. Accept the break. The truth comes to light in one sudden flash.",
     "You are trying to avoid a disaster that cannot be avoided. Propping up a crumbling structure only delays the "
     "fall. If the upheaval is already past, what remains is the fear of building again. Change is painful but "
     "necessary. Let it happen, then start again on firmer ground."},
    // 20 The World
    {"Trust people who mean well. Look at both the journey and its end with pride. A cycle of your life is complete "
     "and you reach your goal. You feel whole and fulfilled. Travel or contact with the wider world is favored. "
     "Celebrate your success, then prepare for the next stage.",
     "You are close to the finish line but cannot quite cross it. Loose ends keep you from completion. A shortcut "
     "tempts you, or you fear to close a chapter. Completion needs one more effort from you. Tie up the last details. "
     "Only then can a new cycle begin."},
    // 21 Wheel Fortune
    {"You may have some special gains. Your destiny may be changing and you may face advancement in life. Luck "
     "swings your way at last. Go with the turning of the wheel and seize every chance it brings.",
     "Your time may not be so good now. You may face a bout of failures and bad luck. The wheel has turned "
     "against you for a while. Do not fight what you cannot control. Learn from the setback and hold on. The "
     "wheel will turn again."},
    // 22 Two of Cups
    {"This is a meeting of hearts. You form a close bond, a romance or a true partnership. Two people respect each "
     "other as equals, and the attraction is mutual. An old quarrel may end in reconciliation. Open your heart and "
     "share your feelings. They will be returned.",
     "A relationship is out of balance. Misunderstandings or a lack of trust come between you and someone close. Love "
     "may cool when one of you gives more than the other. Talk openly before resentment sets in. Restore respect and "
     "the bond may still heal."},
    // 23 Two of Swords
    {"You face a hard choice and you are avoiding it. You shut your eyes to the facts and guard your feelings, hoping "
     "the problem will pass. The stalemate feels safe, but it cannot last. Look honestly at what you know. Listen to "
     "your heart as well. Then decide.",
     "You are flooded with information and still cannot decide. Indecision has turned into anxiety, and the truth you "
     "kept from yourself is now hard to ignore. Do not let others choose for you. Weigh the options one last time and "
     "commit. A clear choice beats none."},
    // 24 Two of Wands
    {"Plans are forming, and your ambition looks beyond familiar ground. You have some success already; now you must "
     "decide whether to stay where it is safe or go further. Map out a bold plan for the future and prepare to leave "
     "your comfort zone. A partner may help you expand.",
     "Fear of leaving the familiar keeps you close to home. Plans are delayed or badly made. You feel restless but "
     "stuck, aiming high without a clear map. Go back over your goals and make them concrete. A small first step is "
     "still progress."},
    // 25 Three of Cups
    {"This is a time to celebrate with friends. A wedding, a birth, a reunion or a happy party is likely. You enjoy "
     "good company and shared joy. Friendship lifts your spirits. Give thanks for what you have achieved together. "
     "Your circle is a source of strength.",
     "Too much partying may lead to trouble. Gossip or a third person may come between friends. You may feel left out "
     "of a group, or you may have drawn away from the people who care about you. Be careful of overindulgence. Reach "
     "out to the friends who are true."},
    // 26 Three of Pentacles
    {"Your skills are noticed and valued. Teamwork brings good results. You work with others whose talents differ from "
     "yours, and the mix is fruitful. Plan carefully and build with quality. Training or an apprenticeship is favored. "
     "Your craft earns recognition.",
     "Teamwork is breaking down. Your work lacks quality, or you feel nobody appreciates it. Colleagues may not pull "
     "their weight. Ask yourself whether you are the one who will not listen. Do not cut corners to finish sooner. Go "
     "back to the plan and agree who does what."},
    // 27 Three of Swords
    {"A painful truth pierces your heart. You may face grief, separation or betrayal. Let yourself feel the sorrow. "
     "Tears clear the air as rain does. Understanding why it happened helps you recover. Healing begins when you "
     "accept the hurt.",
     "The worst of the heartache is passing. You are starting to recover from grief or rejection. Let go of "
     "bitterness. Stop reopening the wound by going over it again and again. Forgive where you can, yourself "
     "included. Hope slowly finds its way back to you."},
    // 28 Three of Wands
    {"What you set in motion is beginning to pay off. You look ahead with foresight and confidence. Expansion, travel "
     "or trade with distant places is likely. Think big. Your leadership opens doors that were closed before.",
     "Delays and setbacks frustrate your plans. What you expected has not arrived. You may not have looked far enough "
     "ahead, or you trusted the wrong partner. Review what went wrong and prepare better next time. Do not give up on "
     "your vision."},
    // 29 Four of Cups
    {"You are bored and dissatisfied with what you have. Apathy makes you turn away from every offer. A new "
     "opportunity is within reach, if only you would notice it. Take time to reflect if you need it, but do not sulk. "
     "Think again about what you refuse.",
     "You are stepping out of a dull phase. Fresh interest and motivation return. You notice a chance you had "
     "missed and feel ready to take it. Let go of regrets about the past. Say yes to life again and join in "
     "with others."},
    // 30 Four of Pentacles
    {"You keep a tight grip on your money and possessions. Security matters a great deal to you now. Saving is wise. "
     "But clinging too hard can make you miserly and closed. Ask whether you guard your wealth out of fear. Stability "
     "is good; hoarding is not.",
     "Your hold on money and possessions has slipped. Small purchases add up faster than you notice, and savings you "
     "once guarded are running low. Letting go of tight control was right, but you have gone too far. Make a simple "
     "budget and decide what you will keep."},
    // 31 Four of Swords
    {"You need rest. Withdraw from the battle for a while and recover your strength. Quiet, meditation and "
     "sleep restore you. This is a time to heal after stress or illness. Plan your next move calmly. Peace "
     "comes first; action can wait.",
     "You push yourself too hard and refuse to rest. Burnout is near. Do not ignore the signals your body sends. When "
     "a long retreat comes to an end, return to the world at your own pace, not at anyone else's."},
    // 32 Four of Wands
    {"This is a time of celebration and homecoming. You enjoy harmony at home and a sense of belonging. A wedding, a "
     "housewarming or another happy event brings people together. You have built a firm base. Take time to enjoy your "
     "success with your family.",
     "Harmony at home may be disturbed. A celebration is called off, or a move is delayed. You may feel "
     "unwelcome or unsettled where you live. Do not let small tensions spoil what you have built. Show your "
     "loved ones that you value them."},
    // 33 Five of Cups
    {"You are mourning a loss and can see only what is gone. Regret and disappointment fill your mind. Yet not "
     "everything is lost; something of value remains. Grieve, then turn toward what is left. A way forward opens when "
     "you stop looking back.",
     "You are ready to move on from sorrow. Acceptance comes, and you forgive yourself or others. You see what remains "
     "and begin to value it. Old friends may return to your life. Let the past be past and take the first step home."},
    // 34 Five of Pentacles
    {"Hard times in money or health may come. You feel shut out and alone, and worry isolates you further. Help is "
     "closer than you think. Ask for support from friends, family or those whose work it is to help. Do not let pride "
     "keep you struggling alone.",
     "The worst of your hardship is ending. Money troubles ease and health improves. You accept help and feel "
     "less alone. Spiritual comfort may come too. Take good care of your resources while you recover."},
    // 35 Five of Swords
    {"A conflict leaves everyone hurt. You may win the argument but lose a friend. Ask whether such a victory "
     "is worth it. Someone may be playing dirty. Choose your battles wisely and walk away from those that bring "
     "only shame.",
     "You want to make peace after a fight. Reconciliation is possible if you set your pride aside. Resentment from an "
     "old quarrel may still linger. Apologize if you were in the wrong. Put down your weapons and move on with your "
     "life."},
    // 36 Five of Wands
    {"There is competition and friction all around you. Many voices want to be heard at once. The struggle is noisy "
     "but not dangerous. Use it to sharpen your skills. Keep to your view, but listen as well. Teamwork can grow out "
     "of this chaos.",
     "The quarrels around you are dying down at last. Take care not to buy peace by keeping silent when you ought to "
     "speak up. Tension that is swallowed turns inward and troubles your sleep. Look for a way to agree. Respect "
     "differences and seek common ground."},
    // 37 Six of Cups
    {"Memories of childhood and the past come back to you. You feel nostalgic and tender. An old friend or a "
     "first love may reappear. Simple pleasures and small kindnesses bring joy. Give freely, as a child does. "
     "Innocence heals you now.",
     "You are living too much in the past. Old memories keep you from enjoying the present. You idealize what has gone "
     "and forget its faults. Let go of childhood patterns that no longer serve you. Look forward now."},
    // 38 Six of Pentacles
    {"Giving and receiving are in balance. You may help someone in need, or be helped yourself. Generosity "
     "comes back to you. Share what you have, and share it fairly. Money matters improve. Gifts and charity "
     "flow freely.",
     "There is inequality in giving. You may give too much and be used, or receive help with strings attached. "
     "Debts may weigh on you. Beware of anyone who uses gifts to control you. Keep every exchange fair and "
     "open."},
    // 39 Six of Swords
    {"You are leaving trouble behind and heading for calmer times. A transition is under way, perhaps a journey. Some "
     "sadness travels with you for a while, but what lies ahead is kinder. Let go of what hurt you. Healing takes "
     "time.",
     "You cannot move on yet. Unfinished business keeps pulling you back to the place you wanted to leave. You may "
     "resist a change you need, and the journey feels stuck. Face what you still carry, and then you can set off."},
    // 40 Six of Wands
    {"Victory and public recognition are yours. You come home in triumph from a hard contest. Others praise your "
     "achievement and your confidence grows. Accept the honor with grace. Your success inspires the people around you.",
     "The recognition you hoped for has not come, or someone else has taken the credit for your work. Your confidence "
     "dips, and you wonder whether the effort was worth it. Do not measure yourself by applause. Finish the work well "
     "and let the results speak. Your turn will come."},
    // 41 Seven of Cups
    {"You have many choices, and they drift through your mind like dreams. Some are real, others are illusions. "
     "Wishful thinking can mislead you. Do not scatter your energy. Look at each option soberly. Pick one and make it "
     "real.",
     "The fog is clearing. You see which dreams are worth chasing, and clarity helps you decide. If you still feel "
     "lost among too many options, focus on what matters most and leave the fantasies behind."},
    // 42 Seven of Pentacles
    {"You have worked hard and now it is time to take stock. Results come slowly. Be patient. Check whether your "
     "effort is well spent. A long-term investment will pay off. Decide calmly whether to go on or to change course.",
     "You feel your hard work is not paying off. Frustration and impatience grow. Your effort may be going into the "
     "wrong thing. Do not give up without thinking it over. Review your plan and work where it counts."},
    // 43 Seven of Swords
    {"Someone may be acting in secret or trying to get away with something. It could even be you. Strategy and "
     "cunning are at work. Be careful whom you trust. If you must act alone, act wisely. Deceit rarely lasts.",
     "A secret comes out. You may confess, or a lie told against you is exposed. Your conscience is troubling "
     "you. Stop trying to do everything alone and in the dark. Honesty is the best strategy now."},
    // 44 Seven of Wands
    {"You must defend your position. Others challenge you, but you have the advantage. Keep to your beliefs with "
     "courage and do not give in. Persistence wins the day. You are stronger than your rivals.",
     "Opposition wears you down and you want to give up. Are you too defensive, seeing attacks everywhere? Choose "
     "which fights truly matter. Rest, then defend only what is really yours."},
    // 45 Eight of Cups
    {"You walk away from something that no longer fulfills you. It is hard, but it is right. You are seeking deeper "
     "meaning. Leave behind what disappoints you. The road into the unknown brings emotional growth.",
     "You cannot decide whether to stay or go. Fear of being alone keeps you in a situation that leaves you empty. You "
     "tell yourself it will improve, though you know it will not. Ask what you are really afraid to lose. Then be "
     "honest with yourself about what you want."},
    // 46 Eight of Pentacles
    {"Hard work and dedication are your path now. You practice your craft with care, and attention to detail brings "
     "mastery. Study, training or a new skill is favored. Your effort is rewarded. Keep at it, one piece at a time.",
     "You are bored with routine or work without care. Perfectionism may slow you down, or you lack the skills "
     "the task needs. Do not cut corners. Look for work that you can put your heart into."},
    // 47 Eight of Swords
    {"You feel trapped and powerless. Yet the trap is made mostly of your own fears and thoughts. You are less bound "
     "than you believe, and there is a way out. Ask for help if you need it. You can walk free once you change the way "
     "you think.",
     "You are beginning to free yourself. You see the way out and you take it. Fear loosens its grip and old "
     "limits fall away. Take responsibility for your choices and step forward into the open."},
    // 48 Eight of Wands
    {"Things move fast now. News arrives, travel is possible and stalled projects gather speed. Act quickly while the "
     "energy flows. The delays are over. A message of love or business may come. Go with the momentum and aim true.",
     "Delays and frustration hold you back. Plans stall and the news you wait for does not come. When things do move, "
     "they rush, and haste breeds mistakes and misunderstandings. Beware of jealousy, too. Slow down and check your "
     "aim."},
    // 49 Nine of Cups
    {"This is the wish card. What you have hoped for may come true. You feel satisfied and content. Comfort of the "
     "heart and of the purse surrounds you. Enjoy the good things of life, and be grateful for your blessings.",
     "You may get what you wanted and still feel empty. Smugness or overindulgence spoils your joy. A wish that is "
     "slow to come true may be asking you a question: is it really what you need? Look for a deeper happiness."},
    // 50 Nine of Pentacles
    {"You enjoy the fruits of your own labor. Independence, comfort and refinement are yours. You have earned your "
     "luxury. Self-reliance makes you strong. Take pleasure in your home and your success. You need no one to support "
     "you.",
     "Your security may be shaky. You depend too much on others, or you spend beyond your means. Overwork may "
     "leave you no time to enjoy life. Rebuild your independence slowly. Value yourself and your own work."},
    // 51 Nine of Swords
    {"Worry keeps you awake at night. Anxiety and guilt fill your mind. Your fears may be far worse than the "
     "reality. Talk to someone you trust. Do not suffer in silence. Morning brings a clearer view.",
     "Your night fears are losing their hold. Much of what you dreaded has not happened, and you begin to see your "
     "worries at their true size. Guilt you have carried for a long time eases once you speak of it to someone you "
     "trust. Sleep comes more easily. Keep talking, and let yourself heal."},
    // 52 Nine of Wands
    {"You are tired and wary, but you have not given up. You have fought many battles and one more may come. Stay "
     "alert and guard what you have gained. Your persistence will carry you through. The end is nearer than it seems.",
     "You feel worn out and defensive, and suspicion makes you see enemies everywhere. To give up now, just before the "
     "finish, would waste all you have fought for. Rest, then take up the last challenge with fresh strength."},
    // 53 Ten of Cups
    {"Lasting happiness in love and family is yours. Harmony, peace and emotional fulfillment fill your home. Your "
     "dream of a happy family comes true. Enjoy your loved ones. A joy like this is worth protecting.",
     "Family harmony is disturbed. The happy home you imagined does not match the one you live in, and the gap hurts. "
     "Old family patterns may repeat themselves, or someone close has drifted away. Stop comparing your family with "
     "others. Spend real time together and say what you need from one another."},
    // 54 Ten of Pentacles
    {"Wealth, family and long-term security are yours. An inheritance or family support may come. You build "
     "something that lasts for the generations after you. Tradition and roots give you strength. Enjoy the "
     "comfort of a stable home.",
     "Family disputes over money or an inheritance may arise. A will, a shared house or a family business becomes a "
     "source of quarrels, and old loyalties are tested. You may feel tied to expectations handed down to you. Settle "
     "money matters openly and put every agreement in writing, so that the family stays whole."},
    // 55 Ten of Swords
    {"This is an ending, and a painful one. You may feel betrayed, defeated or at rock bottom. Hitting bottom means "
     "things can only get better now. Do not fight what is already over. Accept that this chapter has closed. After "
     "the darkest hour comes the dawn.",
     "Recovery from a painful ending has begun, slowly. Do not keep the pain alive by living it again and again, and "
     "do not play the victim. Get up, dust yourself off and move forward. The worst is over."},
    // 56 Ten of Wands
    {"You carry too heavy a load. Responsibilities pile up until you can hardly see your way. You may be near your "
     "goal but exhausted. Ask whether you need to carry all of it yourself. Delegate and share the burden.",
     "At last you are putting down burdens that were never yours. If you still cling to them, you risk collapse under "
     "the weight. Learn to say no. Release what does not belong to you, and ask for help with the rest."},
    // 57 Ace of Cups
    {"A new beginning in love or feeling is near. Your heart is full to overflowing. A new relationship, a birth or a "
     "spiritual awakening may come. Open yourself to love and compassion. Let your feelings flow.",
     "Your emotions are blocked and your heart feels empty. You may feel unloved, or unable to show love. Giving too "
     "much can drain you as well. Love yourself first. Then open your heart again, gently and without fear."},
    // 58 Ace of Pentacles
    {"A new opportunity for money or material success appears. It comes like a gift, but it needs your care. A new "
     "job, a business or an investment brings prosperity. Plant the seed now. Practical steps lead to real gain.",
     "A financial opportunity may slip away. Poor planning or greed spoils a good start. Be careful with money "
     "and read every contract. Do not rush into deals that sound too good to be true. Prepare well before you "
     "invest."},
    // 59 Ace of Swords
    {"A breakthrough in thinking arrives. Truth cuts through confusion and you see clearly. Now you can decide. New "
     "ideas and mental clarity give you power. Speak the truth. Justice is on your side.",
     "Confusion clouds your mind. Your thinking is muddled, or you use words as weapons. A decision made now "
     "may be wrong. Step back and gather the facts before you act. Guard against harshness, in yourself and in "
     "others."},
    // 60 Ace of Wands
    {"A spark of inspiration lights your way. New energy, passion and creativity flow. Start a new project. Act on "
     "your ideas while they are fresh. A birth or a new venture is favored. Seize the moment.",
     "Your energy is low and inspiration fails you. Delays and false starts frustrate your plans. Do not force "
     "it; a fire that is pushed goes out. Rest and wait for the right time. The spark will return."},
    // 61 King of Cups
    {"You are asked to stay calm and wise in matters of the heart. Keep your head when feelings run high around you. "
     "Lead with compassion and good counsel. Help may come from an older friend, a healer or an adviser who listens "
     "more than he speaks. Feel deeply, but do not let feelings steer you.",
     "Your feelings are churning under a calm face. Moodiness, coldness or emotional blackmail may be at work, "
     "in you or in a man near you. Do not bottle things up until they burst. Nor should you use guilt to get "
     "your way. Say honestly what you feel, and find your balance again."},
    // 62 King of Pentacles
    {"Wealth, security and business success come within reach. You are practical, patient and reliable, a person "
     "others can lean on. In money or work, seek the advice of someone who has built a fortune of his own and gives "
     "generously. Your discipline turns effort into abundance. Enjoy what you have earned and share it well.",
     "Money has become the measure of everything, and it is hardening you. You hold on to control, refuse advice and "
     "take risks with deals you have not checked. Poor judgment now could cost you dearly. Loosen your grip, value "
     "people above possessions, and remember what wealth is for."},
    // 63 King of Swords
    {"Clear thinking and fair authority guide you now. Judge with logic, not with mood. If you need expert advice, go "
     "to a lawyer, doctor or counselor whose judgment you trust. Put your case plainly and keep to the facts. Your "
     "honesty and sharp mind win respect. Stay objective.",
     "Power is being misused. Someone with authority over your affairs uses cold logic and clever words to get his "
     "way, and fairness is lost. Do not let his arguments confuse you. Keep written records, check every fact, and get "
     "independent advice before you agree to anything."},
    // 64 King of Wands
    {"A natural leader is called for, and it may be you. Vision, courage and charisma carry others along. Take charge "
     "of your project and make bold decisions. Think of the long road, not only the next step. Backing may come from "
     "someone who has staked everything on a dream and won. Success follows when you lead by example.",
     "You want results at once, and your temper shows when others cannot keep up. Plans made in haste fall apart, and "
     "people follow you out of fear rather than trust. Slow down before you decide. Ask for opinions and listen to "
     "them. Respect that is earned lasts longer than obedience."},
    // 65 Knight of Cups
    {"A romantic offer or an invitation comes your way. Expect a proposal, a gift or a message of love, delivered with "
     "charm. Follow your heart, but keep your feet on the ground. Art and imagination flourish now.",
     "Sweet words may hide empty promises. Someone charming is saying what you want to hear, and you want to believe "
     "it. Your moods swing between high hopes and sulking, and jealousy could spoil a good bond. Do not live in "
     "fantasy. Check whether the promises made to you are real before you give your heart."},
    // 66 Knight of Pentacles
    {"Slow, steady effort leads to success. You do the work without fuss, and others know they can rely on you. "
     "Routine may feel dull, but it gets results. Keep going patiently. Responsibility pays off in the end.",
     "Your steady pace has slowed to a halt. You go through the same motions every day, and the work no longer moves "
     "anything forward. Caution has become an excuse for not trying. Pick one task that matters and finish it this "
     "week. Small, real progress will break the rut."},
    // 67 Knight of Swords
    {"You charge forward with energy and determination. Ambitious, fast action is called for, and you are ready to "
     "fight for what you believe. Speak your mind clearly. Ideas come quickly and so do chances. But beware of haste. "
     "A moment of thought before you strike saves much trouble.",
     "Acting without thinking gets you into trouble. Recklessness or aggression causes problems, and hasty words can "
     "wound. You may rush into a battle you cannot win. Someone near you may be rude and pushy. Slow down. Consider "
     "the consequences before you charge off again."},
    // 68 Knight of Wands
    {"Adventure and passion drive you. Bold, charming and full of energy, you are eager to be off. Travel, a "
     "move or a sudden change of scene may come. Act on your desires while the fire burns. Your enthusiasm is "
     "catching. Let it carry you far, but finish what you start.",
     "Every hold-up makes you chafe, and your temper runs short. You start ten things and finish none, and mistakes "
     "follow the rush. A restless lover may not stay. Stop scattering your fire. Choose one goal, put your energy into "
     "it and see it through."},
    // 69 Page of Cups
    {"A message of love or a creative idea arrives, playful and unexpected. Be open to surprise. Your intuition "
     "speaks to you. Good news may come through a child or a young friend. Play a little, and let your feelings show.",
     "Your creative spark has gone quiet. Bad news or a small disappointment hurts more than it should, and you "
     "retreat into sulking or daydreams. Do not brush your feelings aside, and do not let them rule you either. Give "
     "them the care and honesty they deserve."},
    // 70 Page of Pentacles
    {"A new chance to learn or to earn appears. Study, training and practical goals are favored. Be diligent and "
     "curious. Set a clear goal and work toward it step by step. News about money or work may come through a student "
     "or a young person.",
     "You dream of results without doing the work. Chances slip by while you put things off, and endless study that "
     "never turns into action is no better. Bad news about money or a course may come. Get organized, set small goals "
     "and keep them."},
    // 71 Page of Swords
    {"Curiosity and new ideas fill you. You are eager to learn, to question and to speak. Keep your mind alert and "
     "your eyes open. Be watchful; gossip or spying may be around you. Truth is your aim, so seek it honestly.",
     "Words are running ahead of your thoughts. You may talk before thinking, or promise more than you can do, and "
     "careless remarks turn into gossip. Someone may be spying on you or spreading rumors. Be careful of deception, "
     "both given and received. Check what you hear."},
    // 72 Page of Wands
    {"Exciting news or a new adventure comes your way. Enthusiasm and curiosity drive you, and the world feels full of "
     "possibility. Explore freely and try something new. Someone new to your circle brings fresh energy. Let your "
     "first spark grow into a plan.",
     "A new plan fizzles before it can catch fire. Delays and bad news dampen your spirit, and you jump from idea to "
     "idea without direction. Impatience or a childish temper may flare. Do not give up on a dream just because it "
     "started slowly. Focus on one goal and see it through."},
    // 73 Queen of Cups
    {"Compassion, intuition and emotional care are your strengths now. You nurture and support others, and they feel "
     "safe with you. Those who are hurting turn to you for comfort; give it freely. Trust your feelings and your "
     "dreams. Your gentle heart is wise.",
     "You give so much that nothing is left for yourself. Taking on everyone's troubles has made your own moods swing, "
     "and martyrdom drains you. Someone may lean on you too heavily. Set some limits. Look after your own heart "
     "first."},
    // 74 Queen of Pentacles
    {"Practical, warm and generous, you create comfort and security for the people around you. Money and household "
     "thrive under your sensible care. You make a little go a long way, and nothing in your keeping goes to waste. "
     "Trust your common sense and enjoy the simple pleasures of home, garden and good food.",
     "You may be neglecting your home, your body or yourself. Money worries distract you, or you smother others with "
     "care. The balance between work and family is lost, and your worth has come to feel like the sum of what you "
     "own. Look after your own needs as well."},
    // 75 Queen of Swords
    {"You see clearly and speak honestly. Independence and sharp judgment guide you. Advice from a woman who has known "
     "sorrow will be honest and useful. Do not let others talk you into what you know is wrong. Set firm boundaries "
     "and cut straight to the truth.",
     "Old pain has turned into bitterness, and it shows in what you say. Cruel words and harsh judgment do harm, "
     "whether they are yours or another's, and a sharp tongue nearby may be spreading spite about you. Let go of the "
     "hurt so that it stops speaking for you. Be fair, and be kind as well as clever."},
    // 76 Queen of Wands
    {"Confidence, warmth and determination shine in you now. Your charisma draws people in, and your good cheer lifts "
     "them. Others follow your lead gladly. Your energy and courage bring success. Show yourself to the world boldly.",
     "When you feel overlooked, you push harder for attention, and people pull away. Jealousy flares over small "
     "things. You may also take on every task yourself to prove your worth, until you burn out. Step out of the "
     "spotlight for a while. Your warmth returns when you stop proving yourself."},
    // 77 Two of Pentacles
    {"There is a need for maintaining a good budget and taking care of finances. You juggle several tasks at once and "
     "must keep them all moving. Stay flexible. Keep your balance through the ups and downs of life. Plan ahead and "
     "you will manage well.",
     "You may not be able to handle multiple matters. Too many balls are in the air and some are falling. Money "
     "may slip through your fingers. Stop, make a list and drop what is not essential. Ask for help with the "
     "rest."},
};

} // namespace

QString CardUprightText(int n)
{
    return IsCardNumber(n) ? QString::fromLatin1(kCardTexts[n].upright) : QString();
}

QString CardReversedText(int n)
{
    return IsCardNumber(n) ? QString::fromLatin1(kCardTexts[n].reversed) : QString();
}

} // namespace tarot
