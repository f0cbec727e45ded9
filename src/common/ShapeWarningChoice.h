// The warning by shape as well as colour, turned on or off: stored where it
// changed, and the bar shows it at once.
#pragma once

void ApplyShapeWarning(bool on);
