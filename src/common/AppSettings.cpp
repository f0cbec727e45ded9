#include "common/AppSettings.h"

#include <string>

#include "framework/CodePage.h"
#include "framework/WinApp.h"
#include "model/SlotFields.h"
#include "model/HandOver.h"
#include "model/Languages.h"
#include "model/PlayGuards.h"
#include "model/Placement.h"
#include "model/SettingsStore.h"
#include "model/SlotEnds.h"
#include "skin/WinRect.h"

namespace {

bool g_chosen[kPlayOptionCount] = {};  // as stored
bool g_shown[kPlayOptionCount] = {};   // as applied this run
SlotTriggers g_triggers = DefaultSlotTriggers();
SlotAlerts g_alerts = DefaultSlotAlerts();
std::int32_t g_volume = kLoudestVolume;
std::int32_t g_opacity = kOpaque;
std::int32_t g_switches[static_cast<int>(WindowSwitch::kCount)] = {};
std::int32_t g_language = kLanguageAsWindows;
std::wstring g_gameProgram;
constexpr char kEntryGameProgram[] = "GameProgram";

// A number of "Option" held for the run: written only when it changes.
void StoreNumberIfChanged(std::int32_t& held, const char* entry, std::int32_t value)
{
    if (value == held) return;
    held = value;
    AppProfile().WriteInt(kSectionOption, entry, value);
}

bool IsOption(PlayOption option)
{
    return option >= 0 && option < kPlayOptionCount;
}

std::wstring Widen(const char* ascii)
{
    return std::wstring(ascii, ascii + std::char_traits<char>::length(ascii));
}

class RegistryProfile final : public SettingsProfile {
public:
    std::int32_t GetInt(const char* section, const char* entry, std::int32_t defaultValue) override
    {
        return static_cast<std::int32_t>(AfxGetApp()->GetProfileInt(Widen(section).c_str(), Widen(entry).c_str(),
                                                                      defaultValue));
    }
    std::string GetString(const char* section, const char* entry, const std::string& defaultValue) override
    {
        const std::wstring fallback = MultiByteToWide(defaultValue);
        return WideToMultiByte(
            AfxGetApp()->GetProfileString(Widen(section).c_str(), Widen(entry).c_str(), fallback.c_str()));
    }
    bool WriteInt(const char* section, const char* entry, std::int32_t value) override
    {
        if (m_bStopped) return false;
        return AfxGetApp()->WriteProfileInt(Widen(section).c_str(), Widen(entry).c_str(), value) != FALSE;
    }
    bool WriteString(const char* section, const char* entry, const std::string& value) override
    {
        if (m_bStopped) return false;
        return AfxGetApp()->WriteProfileString(Widen(section).c_str(), Widen(entry).c_str(),
                                               MultiByteToWide(value).c_str()) != FALSE;
    }
    std::string GetText(const char* section, const char* entry) override
    {
        return WideToMultiByte(AfxGetApp()->GetProfileString(Widen(section).c_str(), Widen(entry).c_str(), L""),
                               CP_UTF8);
    }
    bool WriteText(const char* section, const char* entry, const std::string& utf8) override
    {
        if (m_bStopped) return false;
        return AfxGetApp()->WriteProfileString(Widen(section).c_str(), Widen(entry).c_str(),
                                               MultiByteToWide(utf8, CP_UTF8).c_str()) != FALSE;
    }
    std::vector<std::string> Sections() override
    {
        std::vector<std::string> names;
        for (const std::wstring& name : AfxGetApp()->GetProfileSections()) names.push_back(WideToMultiByte(name, CP_UTF8));
        return names;
    }
    bool DeleteSection(const char* section) override
    {
        return !m_bStopped && AfxGetApp()->DeleteProfileSection(Widen(section).c_str()) != FALSE;
    }
    bool IsLeadByte(unsigned char byte) const override { return ::IsDBCSLeadByte(byte) != FALSE; }
    void StopWrites() { m_bStopped = true; }

private:
    bool m_bStopped = false;
};

RegistryProfile& Registry()
{
    static RegistryProfile profile;
    return profile;
}

// The window's owner is hidden at start-up, so the reference is the work area
// of the monitor that holds the owner (the primary monitor in practice).
RECT CentringWorkArea(HWND hWnd)
{
    HWND hWndOwner = ::GetWindow(hWnd, GW_OWNER);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(::MonitorFromWindow(hWndOwner ? hWndOwner : hWnd, MONITOR_DEFAULTTOPRIMARY), &info);
    return info.rcWork;
}

bool LiesOnSomeMonitor(PixelPoint topLeft, const RECT& current)
{
    const PixelRect rect =
        WindowRectAt(topLeft, current.right - current.left, current.bottom - current.top);
    const RECT placed = ToRect(rect);
    return ::MonitorFromRect(&placed, MONITOR_DEFAULTTONULL) != nullptr;
}

}  // namespace

SettingsProfile& AppProfile()
{
    return Registry();
}

void StopSettingsWrites()
{
    Registry().StopWrites();
}

void LoadSlotSettings()
{
    LoadSlotSettings(AppProfile(), g_timerSlots);
    LoadSlotCooldowns(AppProfile(), g_timerSlots);
}

void SaveSlotSettings()
{
    SaveSlotSettings(AppProfile(), g_timerSlots);
}

void SaveSlotSetting(int index)
{
    SaveSlotSetting(AppProfile(), g_timerSlots, index);
}

void LoadOptions()
{
    for (int i = 0; i < kPlayOptionCount; ++i) {
        g_chosen[i] = g_shown[i] = ReadPlayOption(AppProfile(), static_cast<PlayOption>(i));
    }
    g_triggers = ReadSlotTriggers(AppProfile());
    g_alerts = ReadSlotAlerts(AppProfile(), kSectionOption);
    g_volume = ReadSoundVolume(AppProfile());
    g_opacity = ReadOpacity(AppProfile());
    for (int i = 0; i < static_cast<int>(WindowSwitch::kCount); ++i) {
        g_switches[i] = ReadWindowSwitch(AppProfile(), static_cast<WindowSwitch>(i)) ? 1 : 0;
    }
    g_language = ReadLanguageChoice(AppProfile());
    g_gameProgram = GameProgramOf(MultiByteToWide(AppProfile().GetText(kSectionOption, kEntryGameProgram), CP_UTF8));
}

const std::wstring& GameProgram()
{
    return g_gameProgram;
}

void StoreGameProgram(const std::wstring& name)
{
    g_gameProgram = name;
    AppProfile().WriteText(kSectionOption, kEntryGameProgram, WideToMultiByte(name, CP_UTF8));
}

const SlotTriggers& CurrentTriggers()
{
    return g_triggers;
}

void StoreTriggers(const SlotTriggers& triggers)
{
    WriteSlotTriggers(AppProfile(), triggers, g_triggers);
    g_triggers = triggers;
}

void TakeShownSetKeys(const SlotTriggers& set)
{
    TakeSlotKeys(g_triggers, set);
}

const SlotAlerts& CurrentAlerts()
{
    return g_alerts;
}

void StoreAlerts(const SlotAlerts& alerts)
{
    WriteSlotAlerts(AppProfile(), kSectionOption, alerts, g_alerts);
    g_alerts = alerts;
}

void TakeShownSetAlerts(const SlotAlerts& set)
{
    g_alerts = set;
}

std::int32_t SoundVolume()
{
    return g_volume;
}

void StoreSoundVolume(std::int32_t volume)
{
    StoreNumberIfChanged(g_volume, kEntrySoundVolume, volume);
}

std::int32_t BarOpacity()
{
    return g_opacity;
}

void StoreBarOpacity(std::int32_t opacity)
{
    StoreNumberIfChanged(g_opacity, kEntryOpacity, opacity);
}

bool IsSwitchOn(WindowSwitch which)
{
    return g_switches[static_cast<int>(which)] == 1;
}

void StoreSwitch(WindowSwitch which, bool on)
{
    StoreNumberIfChanged(g_switches[static_cast<int>(which)], WindowSwitchEntry(which), on ? 1 : 0);
}

std::int32_t LanguageChoice()
{
    return g_language;
}

void StoreLanguageChoice(std::int32_t choice)
{
    StoreNumberIfChanged(g_language, kEntryLanguage, choice);
}

bool IsOptionOn(PlayOption option)
{
    return IsOption(option) && g_shown[option];
}

bool IsOptionChosen(PlayOption option)
{
    return IsOption(option) && g_chosen[option];
}

void StoreOption(PlayOption option, bool on)
{
    if (!IsOption(option)) return;
    g_chosen[option] = g_shown[option] = on;
    WritePlayOption(AppProfile(), option, on);
}

void MarkOptionApplied(PlayOption option, bool on)
{
    if (IsOption(option)) g_shown[option] = on && g_chosen[option];
}

void RestoreWindowPosition(CWnd* pWnd, const char* leftName, const char* topName)
{
    const RECT current = pWnd->GetWindowRect();
    const int width = current.right - current.left;
    const int height = current.bottom - current.top;
    const std::optional<PixelPoint> stored = ReadStoredPosition(AppProfile(), leftName, topName, ToPixelRect(current));
    if (stored && LiesOnSomeMonitor(*stored, current)) {
        pWnd->MoveWindow(stored->x, stored->y, width, height, TRUE);
        return;
    }
    const PixelPoint centre = CentreInWorkArea(ToPixelRect(CentringWorkArea(pWnd->m_hWnd)), width, height);
    pWnd->SetWindowPos(nullptr, centre.x, centre.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SaveWindowPosition(CWnd* pWnd, const char* leftName, const char* topName)
{
    WriteStoredPosition(AppProfile(), leftName, topName, ToPixelRect(pWnd->GetWindowRect()));
}
