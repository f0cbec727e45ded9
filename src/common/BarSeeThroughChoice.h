// The bar's see-through choices, one way whether the menu or the window page
// makes them: each stored where it changed, and the bar told once.
#pragma once

#include <cstdint>

void ApplyBarSeeThrough(std::int32_t opacity, bool clickThrough);
