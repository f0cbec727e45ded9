#include "model/KeysLight.h"

#include <algorithm>

KeysLightState KeysLightOf(const KeysHealth& health)
{
    if (!health.chosen) return {};
    if (!health.applied || health.reinstalls > kMostQuietReinstalls) {
        return {KeysLight::Red, KeysAdvice::SecurityProgram};
    }
    if (health.frontAbove) return {KeysLight::Amber, KeysAdvice::RestartAsAdministrator};
    if (health.paused) return {KeysLight::Amber, KeysAdvice::PressPauseAgain};
    return {};
}

void RecentCount::Add(std::int32_t now)
{
    m_moments.push_back(now);
}

int RecentCount::Within(std::int32_t now, std::int32_t seconds)
{
    m_moments.erase(std::remove_if(m_moments.begin(), m_moments.end(),
                                   [now, seconds](std::int32_t moment) { return now - moment >= seconds; }),
                    m_moments.end());
    return static_cast<int>(m_moments.size());
}
