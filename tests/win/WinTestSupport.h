#pragma once

#include "framework/WinApp.h"

constexpr wchar_t kTestCompanyKey[] = L"MelkbayTests";

class TestApp : public CWinApp {
public:
    TestApp();
};

// Removes HKCU\Software\<test company> and everything below it.
void ClearTestRegistry();
