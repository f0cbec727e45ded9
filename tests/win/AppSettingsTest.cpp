#include <gtest/gtest.h>

#include "WinTestSupport.h"
#include "common/AppSettings.h"
#include "model/Placement.h"
#include "model/SettingsStore.h"

#include <sddl.h>

namespace {

class AppSettings : public ::testing::Test {
protected:
    void SetUp() override { ClearTestRegistry(); }
    void TearDown() override { ClearTestRegistry(); }

    static HKEY OpenSave()
    {
        HKEY hKey = nullptr;
        ::RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\MelkbayTests\\Tavorin\\Save", 0, KEY_ALL_ACCESS, &hKey);
        return hKey;
    }
    static void SetRaw(const wchar_t* name, DWORD type, const void* data, DWORD size)
    {
        AfxGetApp()->WriteProfileInt(L"Save", L"Touch", 0);  // creates the key
        HKEY hKey = OpenSave();
        ASSERT_NE(hKey, nullptr);
        ::RegSetValueExW(hKey, name, 0, type, static_cast<const BYTE*>(data), size);
        ::RegCloseKey(hKey);
    }
    static DWORD TypeOf(const wchar_t* name)
    {
        HKEY hKey = OpenSave();
        DWORD type = REG_NONE;
        ::RegQueryValueExW(hKey, name, nullptr, &type, nullptr, nullptr);
        ::RegCloseKey(hKey);
        return type;
    }
};

}  // namespace

TEST_F(AppSettings, ProfileFunctionsRoundTripWithTypes)
{
    CWinApp* app = AfxGetApp();
    EXPECT_EQ(static_cast<int>(app->GetProfileInt(L"Option", L"MainWinLeft", -1)), -1);
    EXPECT_EQ(app->GetProfileString(L"Save", L"Name#0", L"none"), L"none");
    // Reading needs no more than read access, so it creates nothing.
    EXPECT_EQ(OpenSave(), nullptr);

    EXPECT_TRUE(app->WriteProfileInt(L"Option", L"MainWinLeft", -200));
    EXPECT_TRUE(app->WriteProfileString(L"Save", L"Name#0", L"물약"));
    EXPECT_EQ(static_cast<int>(app->GetProfileInt(L"Option", L"MainWinLeft", -1)), -200);
    EXPECT_EQ(app->GetProfileString(L"Save", L"Name#0"), L"물약");
    EXPECT_EQ(TypeOf(L"Name#0"), static_cast<DWORD>(REG_SZ));
}

TEST_F(AppSettings, OddRegistryValuesReadAsAbsent)
{
    const DWORD number = 7;
    SetRaw(L"Name#1", REG_DWORD, &number, sizeof number);
    const wchar_t text[] = L"12";
    SetRaw(L"Icon#1", REG_SZ, text, sizeof text);
    const BYTE shortInt[2] = {1, 2};
    SetRaw(L"Time#1", REG_BINARY, shortInt, sizeof shortInt);
    SetRaw(L"Time#2", REG_DWORD, shortInt, sizeof shortInt);  // a DWORD of two bytes
    // Of another type but a number's size: still no number.
    SetRaw(L"Time#3", REG_BINARY, &number, sizeof number);
    const wchar_t one[] = L"1";
    SetRaw(L"Icon#2", REG_SZ, one, sizeof one);
    // A string stored without its terminator.
    const wchar_t unterminated[] = {L'h', L'p'};
    SetRaw(L"Name#2", REG_SZ, unterminated, sizeof unterminated);
    // A string of an odd number of bytes: the half character is dropped.
    const wchar_t odd[] = {L'o', L'k', L'!'};
    SetRaw(L"Name#3", REG_SZ, odd, sizeof odd - 1);

    CWinApp* app = AfxGetApp();
    EXPECT_EQ(app->GetProfileString(L"Save", L"Name#1", L"d"), L"d");
    EXPECT_EQ(static_cast<int>(app->GetProfileInt(L"Save", L"Icon#1", 99)), 99);
    EXPECT_EQ(static_cast<int>(app->GetProfileInt(L"Save", L"Time#1", 98)), 98);
    EXPECT_EQ(static_cast<int>(app->GetProfileInt(L"Save", L"Time#2", 97)), 97);
    EXPECT_EQ(static_cast<int>(app->GetProfileInt(L"Save", L"Time#3", 96)), 96);
    EXPECT_EQ(static_cast<int>(app->GetProfileInt(L"Save", L"Icon#2", 95)), 95);
    EXPECT_EQ(app->GetProfileString(L"Save", L"Name#2"), L"hp");
    EXPECT_EQ(app->GetProfileString(L"Save", L"Name#3"), L"ok");
}

namespace {

// Gives a key an access list that lets everyone read it and nothing more, or
// (readOnly false) full access again.
bool SetAccess(const wchar_t* path, bool readOnly)
{
    HKEY hKey = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, path, 0, WRITE_DAC, &hKey) != ERROR_SUCCESS) return false;
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    ::ConvertStringSecurityDescriptorToSecurityDescriptorW(readOnly ? L"D:(A;CI;KR;;;WD)" : L"D:(A;CI;KA;;;WD)",
                                                           SDDL_REVISION_1, &descriptor, nullptr);
    const bool done = ::RegSetKeySecurity(hKey, DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
    ::LocalFree(descriptor);
    ::RegCloseKey(hKey);
    return done;
}

}  // namespace

TEST_F(AppSettings, AKeyThatMayOnlyBeReadStillGivesItsSettings)
{
    CWinApp* app = AfxGetApp();
    app->WriteProfileInt(L"Option", L"MainWinLeft", 321);
    app->WriteProfileString(L"Save", L"Name#0", L"물약");
    const wchar_t* const keys[] = {L"Software\\MelkbayTests\\Tavorin", L"Software\\MelkbayTests\\Tavorin\\Option",
                                   L"Software\\MelkbayTests\\Tavorin\\Save"};
    struct Restore {
        const wchar_t* const* paths;
        ~Restore()
        {
            for (int i = 0; i < 3; ++i) SetAccess(paths[i], false);
        }
    } restore{keys};
    for (const wchar_t* path : keys) ASSERT_TRUE(SetAccess(path, true));
    HKEY probe = nullptr;
    ASSERT_NE(::RegOpenKeyExW(HKEY_CURRENT_USER, keys[1], 0, KEY_WRITE, &probe), ERROR_SUCCESS)
        << "the access list holds";

    EXPECT_EQ(static_cast<int>(app->GetProfileInt(L"Option", L"MainWinLeft", -1)), 321);
    EXPECT_EQ(app->GetProfileString(L"Save", L"Name#0"), L"물약");
    // A refused write changes nothing that was stored.
    EXPECT_FALSE(app->WriteProfileInt(L"Option", L"MainWinLeft", 5));
    EXPECT_EQ(static_cast<int>(app->GetProfileInt(L"Option", L"MainWinLeft", -1)), 321);
}

namespace {

// A plain 480 x 100 pop-up to place.
class PlacedWindow : public CWnd {
public:
    PlacedWindow()
    {
        m_hWnd = ::CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 3, 4, 480, 100, nullptr, nullptr,
                                   nullptr, nullptr);
    }
    ~PlacedWindow() override { ::DestroyWindow(m_hWnd); m_hWnd = nullptr; }
};

POINT TopLeft(const CWnd& wnd)
{
    RECT rect = wnd.GetWindowRect();
    return {rect.left, rect.top};
}

POINT Centred(int width, int height)
{
    RECT work{};
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const PixelPoint p = CentreInWorkArea({work.left, work.top, work.right, work.bottom}, width, height);
    return {p.x, p.y};
}

}  // namespace

TEST_F(AppSettings, WindowPositionsAreRestoredOnlyOntoAScreen)
{
    CWinApp* app = AfxGetApp();
    PlacedWindow window;
    ASSERT_NE(window.m_hWnd, nullptr);
    const POINT centre = Centred(480, 100);
    // {stored left, stored top, where the window goes}: nothing stored centres it,
    // partly off the screen is still on it, wholly off every monitor is as if nothing were stored.
    const struct {
        int left, top;
        POINT placed;
    } rows[] = {{-1, 0, centre},       {120, 77, {120, 77}},  {-470, 77, {-470, 77}},
                {-5000, 77, centre},   {120, 30000, centre},  {-481, 77, centre}};
    for (const auto& row : rows) {
        app->WriteProfileInt(L"Option", L"MainWinLeft", row.left);
        app->WriteProfileInt(L"Option", L"MainWinTop", row.top);
        RestoreWindowPosition(&window, "MainWinLeft", "MainWinTop");
        EXPECT_EQ(TopLeft(window).x, row.placed.x) << row.left << "," << row.top;
        EXPECT_EQ(TopLeft(window).y, row.placed.y) << row.left << "," << row.top;
    }

    window.MoveWindow(15, 25, 480, 100);
    SaveWindowPosition(&window, "SelectIconWinLeft", "SelectIconWinTop");
    EXPECT_EQ(static_cast<int>(app->GetProfileInt(L"Option", L"SelectIconWinLeft", 0)), 15);
    EXPECT_EQ(static_cast<int>(app->GetProfileInt(L"Option", L"SelectIconWinTop", 0)), 25);
}
