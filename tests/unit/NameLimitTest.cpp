#include <gtest/gtest.h>

#include "model/NameLimit.h"

namespace {

// Bytes as the Korean code page counts them: ASCII 1, a Hangul syllable 2;
// Thai and anything outside the basic plane it cannot hold.
std::int32_t Cp949Width(const char16_t* units, std::size_t count)
{
    if (count == 2) return kUnstorableChar;
    return units[0] < 0x80 ? 1 : (units[0] >= 0xAC00 && units[0] <= 0xD7A3 ? 2 : kUnstorableChar);
}

std::size_t Fit(const std::u16string& text, std::size_t start, std::size_t end, const std::u16string& inserted)
{
    return FittingInsertion(text, start, end, inserted, kNameByteLimit, Cp949Width);
}

}  // namespace

TEST(NameLimit, CountsBytesOfTheCodePageNotUnits)
{
    const std::u16string nine = u"가나다라마바사아자";
    EXPECT_EQ(TextBytes(nine, Cp949Width), 18);
    EXPECT_EQ(Fit(nine, 9, 9, u"차"), 1u);          // the 10th syllable: 20 bytes
    EXPECT_EQ(Fit(nine + u"차", 10, 10, u"카"), 0u);  // an 11th is refused
    EXPECT_EQ(Fit(nine + u"차", 10, 10, u"a"), 0u);   // so is any byte past 20
    EXPECT_EQ(Fit(nine, 9, 9, u"ab"), 2u);
    EXPECT_EQ(Fit(nine, 9, 9, u"abc"), 2u);
}

TEST(NameLimit, APasteIsCutOnACharacterBoundaryAndMayReplaceTheSelection)
{
    const std::u16string text = u"abcdefghijklmnopqrs";  // 19 bytes
    EXPECT_EQ(Fit(text, 19, 19, u"가나"), 0u);            // half a syllable never goes in
    EXPECT_EQ(Fit(text, 0, 3, u"가나다"), 2u);            // 16 kept + 4
    EXPECT_EQ(Fit(text, 0, 19, u"가나다라마바사아자차카"), 10u);
    EXPECT_EQ(Fit(text, 40, 50, u"x"), 1u);               // a selection past the end is the end
}

TEST(NameLimit, WhatTheCodePageCannotHoldNeverGoesIn)
{
    // A paste ends before the first such character, a surrogate pair kept whole.
    EXPECT_EQ(Fit(u"", 0, 0, u"a\U0001F600b"), 1u);
    EXPECT_EQ(Fit(u"가", 1, 1, u"나\u0E01다"), 1u);  // Thai
    EXPECT_EQ(Fit(u"", 0, 0, u"\U0001F600"), 0u);
    EXPECT_TRUE(IsStorableText(u"방어 주문서 A&B", Cp949Width));
    EXPECT_FALSE(IsStorableText(u"물약\u0E01", Cp949Width));
    EXPECT_FALSE(IsStorableText(u"\U0001F600", Cp949Width));
    EXPECT_EQ(TextBytes(u"가\u0E01a", Cp949Width), 3) << "counted without the character it cannot hold";
}
