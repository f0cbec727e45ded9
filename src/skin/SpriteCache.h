// The program's sprites and icons, each prepared once from its bitmap
// resource, at its first use, and shared by both windows. User-interface
// thread only.
#pragma once

#include "skin/Blit.h"

// The prepared sprite of a bitmap resource (`faded`: halfway to white), or
// null when the resource cannot be loaded or prepared (such a sprite is
// simply not drawn).
const KeyedSprite* ResourceSprite(UINT nIDBitmap, bool faded = false);

// Drops every prepared sprite, as after a change of the display's format:
// each is prepared again, in the new format, at its next use.
void ForgetResourceSprites();
