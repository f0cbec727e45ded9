// Runs the Win32 tests with an application object of their own, whose
// registry key is kept apart from the program's.
#include <gtest/gtest.h>

#include "WinTestSupport.h"

TestApp::TestApp()
{
    m_hInstance = ::GetModuleHandleW(nullptr);
    m_strAppName = L"Tavorin";
    SetRegistryKey(kTestCompanyKey);
}

void ClearTestRegistry()
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, (std::wstring(L"Software\\") + kTestCompanyKey).c_str());
}

namespace {
TestApp theTestApp;
}

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
