#pragma once
// A phrase of its own for each rune text, in StoneNumber order: three words or more that no other
// interpretation of the program uses (tests/support/TextChecks.h). A text moved to another stone or
// to another facing loses its phrase and fails. nullptr: the stone has no text in that facing. A
// merkstave cell that reads as reversed holds the reversed text, so it carries the reversed phrase.

struct RuneTextPin {
    const char* name;
    const char* upright;
    const char* reversed;
    const char* merkstave;
};

inline constexpr RuneTextPin kRuneTextPins[] = {
    {"Algiz", "antlers ward off each attack", "This indicates vulnerability", "This indicates vulnerability"},
    {"Ansuz", "breath of Odin", "influence of malicious advice", "influence of malicious advice"},
    {"Berkano", "mother goddess who watches over the home", "troubles on the domestic side",
     "troubles on the domestic side"},
    {"Blank", "the web that the Norns weave", nullptr, nullptr},
    {"Dagaz", "night turns into day", nullptr, "coming full circle"},
    {"Ehwas", "trusts his horse", "making false friends", "making false friends"},
    {"Eihwas", "yew lives for many ages", "bad time for you", "bad time for you"},
    {"Fehu", "increases intuitive abilities", "When reversed it means stagnation",
     "When merkstaved it means stagnation"},
    {"Gebo", "every gift asks for a gift", nullptr, "feel bound by debt"},
    {"Hagalaz", "Hail falls from the sky without warning", nullptr, "natural disaster or catastrophe"},
    {"Ingwaz", "named after Ing", nullptr, "toil without result"},
    {"Isa", "frozen like a river in winter", nullptr, "your feelings grow cold"},
    {"Jera", "cannot hurry the harvest", nullptr, "yields a meager harvest"},
    {"Kenaz", "torch that lights the darkness", "isolation or information being hidden",
     "isolation or information being hidden"},
    {"Laguz", "'intuitive knowledge' or 'water'", "let the troubled waters settle", "let the troubled waters settle"},
    {"Mannaz", "the bonds that tie us to other people", "Non one can help you", "Non one can help you"},
    {"Nauthiz", "friction of need kindles", "suffer want or poverty", "suffer want or poverty"},
    {"Othala", "passes from one generation to the next", "unexpected backing out of help",
     "unexpected backing out of help"},
    {"Perthro", "dice of fate", "When reversed, this rune can mean death", "Do not gamble. Abstain."},
    {"Raidho", "rhythm that keeps everything in motion", "delay in your physical or spiritual journey",
     "delay in your physical or spiritual journey"},
    {"Sowilo", "'sun' rune which indicates victory", nullptr, "the wrath of God"},
    {"Thurisaz", "kept those giants at bay", "end of good times", "end of good times"},
    {"Tiwas", "the god of law and honor", "creative flow may be blocked", "creative flow may be blocked"},
    {"Uruz", "wild ox of huge strength", "indicates ill health", "indicates ill health"},
    {"Wunjo", "the happiness rune", "a third party causing trouble", "a third party causing trouble"},
};
