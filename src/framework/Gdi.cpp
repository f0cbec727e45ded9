#include "framework/Gdi.h"

#include "framework/ResourceLanguage.h"

bool CBitmap::LoadBitmap(UINT nIDResource)
{
    return Attach(LoadLanguageBitmap(nIDResource));
}

SIZE CBitmap::GetSize() const
{
    BITMAP info{};
    if (!m_hObject || !::GetObjectW(m_hObject, sizeof info, &info)) return {0, 0};
    return {info.bmWidth, info.bmHeight};
}
