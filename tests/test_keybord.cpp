#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "keyboard/Jamo.h"
#include "keyboard/Keybord.h"
#include "keyboard/TwoSetLayout.h"

namespace {

using Codes = std::vector<std::int32_t>;

// Text as the composer reports it: committed code points, then the one being composed (0: none).
struct Text {
    std::u16string committed;
    char16_t composing;
};

Codes CodesOf(const Text& text) {
    Codes codes(text.committed.begin(), text.committed.end());
    codes.push_back(text.composing);
    return codes;
}

Codes TextOf(const TKeyboard& keyboard) {
    Codes codes{-1};  // GetCodes must drop whatever the list held
    keyboard.GetCodes(codes);
    return codes;
}

// Presses the keys of a key string on the two-set layout.
void Type(TKeyboard& keyboard, std::string_view keys) {
    for (const char key : keys) {
        if (key == ' ') {
            keyboard.AddChar(' ');
        } else {
            ASSERT_NE(JamoForKeyChar(key), 0) << "no jamo on key " << key;
            keyboard.AddJamo(JamoForKeyChar(key));
        }
    }
}

struct TypingCase {
    const char* keys;
    Text expected;
};

void PrintTo(const TypingCase& typing, std::ostream* out) {
    *out << '"' << typing.keys << '"';
}

class TypingTest : public testing::TestWithParam<TypingCase> {};

TEST_P(TypingTest, GivesCommittedAndComposingText) {
    TKeyboard keyboard;
    Type(keyboard, GetParam().keys);
    EXPECT_EQ(TextOf(keyboard), CodesOf(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    Composer, TypingTest,
    testing::Values(
        // ㄴ ㄱ is no compound final: 한 goes when ㄱ arrives, and ㄱ begins the next syllable.
        TypingCase{"gksrnr", {u"한", u'국'}}, TypingCase{"ekfr", {u"", u'닭'}},
        // The second consonant of a compound final moves on to the next syllable.
        TypingCase{"ekfrk", {u"달", u'가'}}, TypingCase{"ekfrs", {u"닭", u'\u1102'}},
        // A consonant that would pair with the second one of a compound final still starts anew.
        TypingCase{"ekfrt", {u"닭", u'\u1109'}},
        // Vowels with no consonant before them stay lone and do not combine.
        TypingCase{"k", {u"\u1161", 0}}, TypingCase{"hk", {u"\u1169\u1161", 0}},
        TypingCase{"rhk", {u"", u'과'}},
        // ㅘ combines no further.
        TypingCase{"rhkl", {u"과\u1175", 0}}, TypingCase{"rs", {u"\u1100", u'\u1102'}},
        // Consonants that could make a compound final stay lone before any vowel.
        TypingCase{"rt", {u"\u1100", u'\u1109'}}, TypingCase{"rkk", {u"가\u1161", 0}},
        // A vowel after a committed syllable does not reach back into it.
        TypingCase{"rkhk", {u"가\u1169\u1161", 0}},
        // ㄸ, ㅃ, ㅉ never end a syllable.
        TypingCase{"rkE", {u"가", u'\u1104'}}, TypingCase{"rkQ", {u"가", u'\u1108'}},
        TypingCase{"rkW", {u"가", u'\u110D'}}, TypingCase{"rksE", {u"간", u'\u1104'}},
        TypingCase{"rkR", {u"", u'갂'}}, TypingCase{"rkRk", {u"가", u'까'}},
        // Two ㅅ do not make ㅆ.
        TypingCase{"rktt", {u"갓", u'\u1109'}}, TypingCase{"qkqtl", {u"밥", u'시'}},
        TypingCase{"dml", {u"", u'의'}}, TypingCase{"rhkdk", {u"과", u'아'}},
        // Shift on a key without a double jamo gives the plain one.
        TypingCase{"AK", {u"", u'마'}}, TypingCase{"rk gks", {u"가 ", u'한'}},
        TypingCase{"", {u"", 0}}));

// Each row types one jamo of every kind into a syllable, checked against literal Unicode text, so
// a wrong row in the key, vowel or final tables shows here.
TEST(TwoSetTyping, TypesEveryJamo) {
    struct Row {
        std::vector<std::string_view> keys;
        std::u16string_view syllables;
    };
    const Row rows[] = {
        {{"rk", "Rk", "sk", "ek", "Ek", "fk", "ak", "qk", "Qk", "tk", "Tk", "dk", "wk", "Wk", "ck",
          "zk", "xk", "vk", "gk"},
         u"가까나다따라마바빠사싸아자짜차카타파하"},
        {{"dk",  "do", "di", "dO",  "dj",  "dp",  "du", "dP", "dh",  "dhk", "dho",
          "dhl", "dy", "dn", "dnj", "dnp", "dnl", "db", "dm", "dml", "dl"},
         u"아애야얘어에여예오와왜외요우워웨위유으의이"},
        {{"rkr",  "rkR",  "rkrt", "rks",  "rksw", "rksg", "rke", "rkf", "rkfr",
          "rkfa", "rkfq", "rkft", "rkfx", "rkfv", "rkfg", "rka", "rkq", "rkqt",
          "rkt",  "rkT",  "rkd",  "rkw",  "rkc",  "rkz",  "rkx", "rkv", "rkg"},
         u"각갂갃간갅갆갇갈갉갊갋갌갍갎갏감갑값갓갔강갖갗갘같갚갛"},
    };
    for (const Row& row : rows) {
        ASSERT_EQ(row.keys.size(), row.syllables.size());
        for (std::size_t i = 0; i < row.keys.size(); ++i) {
            TKeyboard keyboard;
            Type(keyboard, row.keys[i]);
            EXPECT_EQ(TextOf(keyboard), CodesOf({u"", row.syllables[i]})) << row.keys[i];
        }
    }
}

TEST(TwoSetLayout, MapsOnlyLetterKeys) {
    EXPECT_EQ(JamoForKey('R', false), jamo::G);
    EXPECT_EQ(JamoForKey('R', true), jamo::GG);
    EXPECT_EQ(JamoForKey('A', true), jamo::M);
    EXPECT_EQ(JamoForKey('r', false), 0);
    EXPECT_EQ(JamoForKey('@', false), 0);
    EXPECT_EQ(JamoForKey('[', true), 0);
    EXPECT_EQ(JamoForKeyChar(' '), 0);
    EXPECT_EQ(JamoForKeyChar('1'), 0);
}

TEST(Composer, CompoundVowelButtonsActAsOneVowel) {
    TKeyboard keyboard;
    EXPECT_EQ(keyboard.AddJamo(jamo::G), 0x1100);
    EXPECT_EQ(keyboard.AddJamo(jamo::OA), u'과');
    EXPECT_EQ(keyboard.AddJamo(jamo::I), 0);
    EXPECT_EQ(keyboard.AddJamo(jamo::UI2), 0);
    EXPECT_EQ(TextOf(keyboard), CodesOf({u"과\u1175\u1174", 0}));
}

TEST(Composer, IgnoresCodesOutsideTheFortyJamo) {
    TKeyboard keyboard;
    Type(keyboard, "ekfr");
    for (const int code : {0, 20, 49, 71, 99, 128, 255}) {
        EXPECT_EQ(keyboard.AddJamo(static_cast<std::uint8_t>(code)), u'닭') << code;
    }
    EXPECT_EQ(TextOf(keyboard), CodesOf({u"", u'닭'}));
    Type(keyboard, "k");
    EXPECT_EQ(TextOf(keyboard), CodesOf({u"달", u'가'}));
}

TEST(Composer, AddCharCommitsTheSyllableFirst) {
    TKeyboard keyboard;
    Type(keyboard, "rk");
    keyboard.AddChar(32);
    EXPECT_EQ(TextOf(keyboard), (Codes{u'가', 32, 0}));
}

TEST(Composer, AddCharAfterAnEmptiedBufferCommitsOnlyTheCharacter) {
    TKeyboard keyboard;
    Type(keyboard, "r");
    keyboard.BackSpace();
    keyboard.AddChar(32);
    EXPECT_EQ(TextOf(keyboard), (Codes{32, 0}));
}

TEST(Composer, FlushComposingEndsTheSyllableAsItStands) {
    TKeyboard keyboard;
    Type(keyboard, "rkf");
    keyboard.FlushComposing();
    EXPECT_EQ(TextOf(keyboard), CodesOf({u"갈", 0}));
    // Pasted text goes straight into the committed text; typing goes on behind it, and the ㄹ of
    // the flushed syllable no longer moves on.
    keyboard.Committed.push_back(0x10FFFF);
    keyboard.Committed.push_back(-5);
    Type(keyboard, "k");
    EXPECT_EQ(TextOf(keyboard), (Codes{u'갈', 0x10FFFF, -5, 0x1161, 0}));
    keyboard.FlushComposing();
    EXPECT_EQ(keyboard.Committed.size(), 4U);
}

TEST(Composer, ClearEmptiesCommittedTextAndBuffer) {
    TKeyboard keyboard;
    Type(keyboard, "gks rkf");
    keyboard.Clear();
    EXPECT_EQ(TextOf(keyboard), Codes{0});
    Type(keyboard, "k");
    EXPECT_EQ(TextOf(keyboard), CodesOf({u"\u1161", 0}));
}

TEST(Composer, LoadedTextIsFollowedByTyping) {
    TKeyboard keyboard;
    Type(keyboard, "rk");
    keyboard.Clear();
    keyboard.Committed = {u'한', 32};
    Type(keyboard, "rnr");
    EXPECT_EQ(TextOf(keyboard), CodesOf({u"한 ", u'국'}));
}

TEST(Composer, FreshComposerHoldsNothing) {
    TKeyboard keyboard;
    EXPECT_EQ(TextOf(keyboard), Codes{0});
    EXPECT_EQ(keyboard.BackSpace(), 0);
    EXPECT_EQ(TextOf(keyboard), Codes{0});
}

struct BackSpaceCase {
    const char* keys;
    std::vector<Text> afterEachBackSpace;
};

void PrintTo(const BackSpaceCase& typing, std::ostream* out) {
    *out << '"' << typing.keys << '"';
}

class BackSpaceTest : public testing::TestWithParam<BackSpaceCase> {};

TEST_P(BackSpaceTest, RemovesOneJamoOrOneCommittedCodePoint) {
    TKeyboard keyboard;
    Type(keyboard, GetParam().keys);
    for (const Text& expected : GetParam().afterEachBackSpace) {
        const std::int32_t composing = keyboard.BackSpace();
        EXPECT_EQ(composing, expected.composing);
        EXPECT_EQ(TextOf(keyboard), CodesOf(expected));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Composer, BackSpaceTest,
    testing::Values(
        // A compound final goes one consonant at a time; nothing is left to remove at the end.
        BackSpaceCase{"rkfr", {{u"", u'갈'}, {u"", u'가'}, {u"", u'\u1100'}, {u"", 0}, {u"", 0}}},
        // The ㄴ that moved on does not return to 가, and 가 goes whole once committed.
        BackSpaceCase{"rksk", {{u"가", u'\u1102'}, {u"가", 0}, {u"", 0}}},
        // A compound vowel goes whole.
        BackSpaceCase{"rhk", {{u"", u'\u1100'}, {u"", 0}}},
        BackSpaceCase{"ekfrs", {{u"닭", 0}, {u"", 0}}},
        BackSpaceCase{"ekfrk", {{u"달", u'\u1100'}, {u"달", 0}, {u"", 0}}},
        BackSpaceCase{"rk ", {{u"가", 0}, {u"", 0}}},
        BackSpaceCase{"hk", {{u"\u1169", 0}, {u"", 0}}}));

// Types every syllable key by key behind some committed text, recording each text on the way,
// then presses BackSpace as many times: the texts come back in reverse, except the one after the
// first half of a compound vowel, which goes whole.
TEST(Composer, BackSpaceRetracesTypingOfEverySyllable) {
    const Codes before{u'한', ' '};
    for (std::int32_t code = jamo::kFirstSyllable; code <= jamo::kLastSyllable; ++code) {
        SCOPED_TRACE(code);
        std::string keys;
        ASSERT_TRUE(AppendTwoSetKeys(code, keys));
        TKeyboard keyboard;
        keyboard.Committed = before;
        std::vector<Codes> texts{TextOf(keyboard)};
        std::uint8_t previous = 0;
        for (const char key : keys) {
            const std::uint8_t jamoCode = JamoForKeyChar(key);
            keyboard.AddJamo(jamoCode);
            if (jamo::CombineVowels(previous, jamoCode) != 0) {
                texts.pop_back();
            }
            texts.push_back(TextOf(keyboard));
            previous = jamoCode;
        }
        ASSERT_EQ(texts.back(), (Codes{u'한', ' ', code}));
        texts.pop_back();
        for (; !texts.empty(); texts.pop_back()) {
            keyboard.BackSpace();
            ASSERT_EQ(TextOf(keyboard), texts.back());
        }
    }
}

// Random composed text for the round trip: syllables of every shape, lone jamo and spaces.
// Every syllable begins with a consonant, so it comes out as typed whatever stands before it: its
// initial may at first be taken as a final of the syllable before, but its vowel moves it on. A
// lone jamo can be read two ways: a lone consonant right after a syllable may become its final; a
// lone vowel right after a syllable may combine with its vowel or take its final, and right after
// a lone consonant it joins it. A typist has to put a space between them, and so does the
// generator. Lone compound vowels are left out: no key sequence types one alone.
enum Token { kSpace, kSyllable, kLoneConsonant, kLoneVowel };
constexpr int kTokenCount = 4;

// By the token before (a space also for the start of the text) and the next one.
constexpr std::array<std::array<bool, kTokenCount>, kTokenCount> kNeedsSpace{{
    // space, syllable, lone consonant, lone vowel
    {false, false, false, false},  // space
    {false, false, true, true},    // syllable
    {false, false, false, true},   // lone consonant
    {false, false, false, false},  // lone vowel
}};

Codes RandomText(std::mt19937& random, int tokens) {
    std::discrete_distribution<int> kind({15, 70, 7, 8});
    std::uniform_int_distribution<int> consonant(jamo::G, jamo::H);
    std::uniform_int_distribution<int> vowel(jamo::A, jamo::I);
    std::uniform_int_distribution<int> finalIndex(0, jamo::kFinalIndexCount - 1);
    const auto simpleVowel = [&] {
        for (;;) {
            const int code = vowel(random);
            if (jamo::kVowels[code - jamo::A].second == 0) {
                return code;
            }
        }
    };
    Codes text;
    Token previous = kSpace;
    for (int i = 0; i < tokens; ++i) {
        const auto next = static_cast<Token>(kind(random));
        if (kNeedsSpace[previous][next]) {
            text.push_back(' ');
        }
        switch (next) {
            case kSpace:
                text.push_back(' ');
                break;
            case kSyllable:
                text.push_back(
                    jamo::SyllableCode(consonant(random), vowel(random), finalIndex(random)));
                break;
            case kLoneConsonant:
                text.push_back(jamo::LoneJamoCode(consonant(random)));
                break;
            case kLoneVowel:
                text.push_back(jamo::LoneJamoCode(simpleVowel()));
                break;
        }
        previous = next;
    }
    return text;
}

TEST(Composer, RoundTripsRandomTextTypedKeyByKey) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 200; ++round) {
        const Codes text = RandomText(random, 200);
        std::string keys;
        for (const std::int32_t code : text) {
            ASSERT_TRUE(AppendTwoSetKeys(code, keys)) << code;
        }
        SCOPED_TRACE(keys);
        TKeyboard keyboard;
        for (const char key : keys) {
            if (key == ' ') {
                keyboard.AddChar(' ');
            } else {
                const std::int32_t composing = keyboard.AddJamo(JamoForKeyChar(key));
                ASSERT_EQ(composing, TextOf(keyboard).back());
            }
        }
        Codes typed = TextOf(keyboard);
        if (typed.back() == 0) {
            typed.pop_back();
        }
        ASSERT_EQ(typed, text);
        keyboard.FlushComposing();
        ASSERT_EQ(keyboard.Committed, text);
    }
}

}  // namespace
