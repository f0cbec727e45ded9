#include "skin/SpriteCache.h"

#include <map>

#include "skin/Region.h"

namespace {

// A failure is remembered too: a missing resource is not looked for at every paint.
std::map<UINT, KeyedSprite>& Sprites()
{
    static std::map<UINT, KeyedSprite> sprites;
    return sprites;
}

}  // namespace

const KeyedSprite* ResourceSprite(UINT nIDBitmap)
{
    auto found = Sprites().find(nIDBitmap);
    if (found == Sprites().end()) {
        found = Sprites().try_emplace(nIDBitmap).first;
        CBitmap bitmap;
        if (bitmap.LoadBitmap(nIDBitmap)) {
            CWindowDC screenDC(nullptr);
            found->second.Prepare(screenDC, bitmap, kKeyColour);
        }
    }
    return found->second.IsReady() ? &found->second : nullptr;
}

void ForgetResourceSprites()
{
    Sprites().clear();
}
