#include <gtest/gtest.h>

#include "MemoryProfile.h"
#include "model/Languages.h"

TEST(Languages, StoredChoiceReadsAsALanguageOrAsWindows)
{
    const struct {
        MemoryProfile::Value stored;
        std::int32_t read;
    } rows[] = {{0, 0}, {1, 1}, {2, 2}, {3, 0}, {-1, 0}, {0x0409, 0}, {0x0412, 0}, {std::string("2"), 0}};
    for (const auto& row : rows) {
        MemoryProfile profile("Option", "Language", row.stored);
        EXPECT_EQ(ReadLanguageChoice(profile), row.read) << &row - rows;
    }
    MemoryProfile none;
    EXPECT_EQ(ReadLanguageChoice(none), 0);
    EXPECT_EQ(none.traffic, std::vector<std::string>{"read Option/Language"}) << "reading writes nothing";
}

TEST(Languages, AChoiceOverridesWindowsWhichGivesKoreanForAnyKoreanAndEnglishForTheRest)
{
    const struct {
        std::int32_t choice;
        std::uint16_t ui;
        std::uint16_t shown;
    } rows[] = {
        {0, 0x0412, 0x0412},  // Korean Windows
        {0, 0x0012, 0x0412},  // Korean, no sublanguage
        {0, 0x0409, 0x0409},  // US English
        {0, 0x0809, 0x0409},  // British English: the program's one English
        {0, 0x0407, 0x0409},  // German: English
        {0, 0x0416, 0x0409},  // Brazilian Portuguese: English
        {0, 0x0411, 0x0409},  // Japanese is not Korean
        {1, 0x0409, 0x0412},  // Korean chosen on an English Windows
        {2, 0x0412, 0x0409},  // English chosen on a Korean Windows
        {7, 0x0412, 0x0412},  // an odd choice follows Windows
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ResolveLanguage(row.choice, row.ui), row.shown) << row.choice << " on " << row.ui;
    }
}
