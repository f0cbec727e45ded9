// The portable pixel rectangle and the Win32 RECT, laid out alike: one
// conversion each way.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include "model/Geometry.h"

inline RECT ToRect(const PixelRect& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

inline PixelRect ToPixelRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}
