#include <gtest/gtest.h>

#include "model/KeysLight.h"

TEST(KeysLight, RedForARefusedOrRestlessHookAmberForAGameAboveOrAPauseElseNone)
{
    using L = KeysLight;
    using A = KeysAdvice;
    const struct {
        KeysHealth health;
        KeysLightState shown;
    } rows[] = {
        {{false, false, true, true, 9}, {}},  // keys from other programs not chosen: no light at all
        {{true, true, false, false, 2}, {}},
        {{true, false, false, false, 0}, {L::Red, A::SecurityProgram}},
        {{true, true, false, false, 3}, {L::Red, A::SecurityProgram}},
        {{true, true, true, true, 3}, {L::Red, A::SecurityProgram}},  // the worst first
        {{true, true, true, true, 0}, {L::Amber, A::RestartAsAdministrator}},
        {{true, true, false, true, 0}, {L::Amber, A::PressPauseAgain}},
    };
    for (const auto& row : rows) EXPECT_EQ(KeysLightOf(row.health), row.shown) << &row - rows;

    RecentCount count;
    for (const std::int32_t moment : {100, 130, 159}) count.Add(moment);
    EXPECT_EQ(count.Within(159, 60), 3);
    EXPECT_EQ(count.Within(160, 60), 2) << "a minute after the first";
    EXPECT_EQ(count.Within(300, 60), 0);
}
