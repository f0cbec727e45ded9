// Results computed in 64 bits and kept in the program's 32-bit fields.
#pragma once

#include <cstdint>
#include <limits>

// The value, or the nearest end of the 32-bit range.
constexpr std::int32_t ClampToInt32(std::int64_t value)
{
    if (value > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min()) return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}
