#include "access/OleText.h"

#include "framework/LateLibrary.h"

namespace {

using SysAllocStringFn = BSTR WINAPI(const OLECHAR*);
using SysFreeStringFn = void WINAPI(BSTR);

const CLateLibrary& Oleaut()
{
    static CLateLibrary library(L"oleaut32.dll");
    return library;
}

}  // namespace

BSTR AllocOleText(const std::wstring& text)
{
    static auto* alloc = Oleaut().Get<SysAllocStringFn>("SysAllocString");
    return alloc && !text.empty() ? alloc(text.c_str()) : nullptr;
}

void FreeOleText(BSTR text)
{
    static auto* release = Oleaut().Get<SysFreeStringFn>("SysFreeString");
    if (release && text) release(text);
}
