// The light after the bar's title while the player chose keys from every
// program: how the keys are doing, and what the player can do about it. No
// Windows here.
#pragma once

#include <cstdint>
#include <vector>

// None while keys arrive; amber while the program in front runs above ours
// (its keys never reach the hook) or the keys are paused; red while Windows
// refuses the hook or the watch had to put it back more than twice in a minute.
enum class KeysLight { None, Amber, Red };
enum class KeysAdvice { None, RestartAsAdministrator, PressPauseAgain, SecurityProgram };
struct KeysLightState {
    KeysLight light = KeysLight::None;
    KeysAdvice advice = KeysAdvice::None;
    bool operator==(const KeysLightState& other) const { return light == other.light && advice == other.advice; }
    bool operator!=(const KeysLightState& other) const { return !(*this == other); }
};

struct KeysHealth {
    bool chosen;       // the player chose keys from every program
    bool applied;      // and the hook is in
    bool frontAbove;   // the program in front runs above ours
    bool paused;       // by the pause key
    int reinstalls;    // by the watch, in the last minute
};
KeysLightState KeysLightOf(const KeysHealth& health);

// Moments counted over a sliding span: the watch's reinstallations.
class RecentCount {
public:
    void Add(std::int32_t now);
    int Within(std::int32_t now, std::int32_t seconds);

private:
    std::vector<std::int32_t> m_moments;
};
constexpr std::int32_t kReinstallSpanSeconds = 60;
constexpr int kMostQuietReinstalls = 2;
