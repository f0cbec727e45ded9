#include "skin/SpriteCache.h"

#include <map>

#include "skin/Region.h"

namespace {

// A failure is remembered too: a missing resource is not looked for at every paint.
std::map<std::pair<UINT, bool>, KeyedSprite>& Sprites()
{
    static std::map<std::pair<UINT, bool>, KeyedSprite> sprites;
    return sprites;
}

}  // namespace

const KeyedSprite* ResourceSprite(UINT nIDBitmap, bool faded)
{
    auto found = Sprites().find({nIDBitmap, faded});
    if (found == Sprites().end()) {
        found = Sprites().try_emplace({nIDBitmap, faded}).first;
        CBitmap bitmap;
        if (bitmap.LoadBitmap(nIDBitmap)) {
            CWindowDC screenDC(nullptr);
            found->second.Prepare(screenDC, bitmap, kKeyColour, faded);
        }
    }
    return found->second.IsReady() ? &found->second : nullptr;
}

void ForgetResourceSprites()
{
    Sprites().clear();
}
