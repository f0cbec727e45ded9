#include "sets/Sets.h"

#include <algorithm>

#include "common/AppSettings.h"
#include "common/ProgramDialog.h"
#include "model/SlotFields.h"
#include "model/NameLimit.h"
#include "framework/CodePage.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "model/SettingsStore.h"
#include "model/SlotEnds.h"

namespace {

std::vector<StoredSet> g_others;
std::string g_shownName;  // empty: the first set's name, as the program names it
SetId g_shownId = 1;
SetId g_lastId = 1;

SetId NewSetId()
{
    return ++g_lastId;
}

// The place in g_others of a set not shown.
std::optional<std::size_t> OtherAt(SetId id)
{
    for (std::size_t at = 0; at < g_others.size(); ++at) {
        if (g_others[at].id == id) return at;
    }
    return std::nullopt;
}

std::wstring Wide(const std::string& utf8)
{
    return MultiByteToWide(utf8, CP_UTF8);
}

std::string Utf8(const std::wstring& wide)
{
    return WideToMultiByte(wide, CP_UTF8);
}

std::string ShownName()
{
    return g_shownName.empty() ? Utf8(LoadResourceString(IDS_FIRST_SET_NAME)) : g_shownName;
}

std::u16string Units(const std::wstring& text)
{
    return std::u16string(text.begin(), text.end());
}

// The other sets' places in g_others, in the order of the names of all sets
// (the shown one as -1).
std::vector<int> Order()
{
    std::vector<int> order{-1};
    for (int i = 0; i < static_cast<int>(g_others.size()); ++i) order.push_back(i);
    const auto name = [](int at) { return Wide(at < 0 ? ShownName() : g_others[static_cast<std::size_t>(at)].set.name); };
    std::stable_sort(order.begin(), order.end(), [&name](int a, int b) {
        return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, name(a).c_str(), -1, name(b).c_str(), -1) ==
               CSTR_LESS_THAN;
    });
    return order;
}

std::vector<std::string> TakenSections()
{
    std::vector<std::string> taken = AppProfile().Sections();
    for (const StoredSet& other : g_others) taken.push_back(SetSection(other.section));
    return taken;
}

// Once per change, whoever made it: which set, and what of it.
void TellWindows(SetId id, SetChange what)
{
    for (HWND hWnd : {CProgramDialog::EditorWindow(), CProgramDialog::BarWindow()}) {
        if (hWnd) ::SendMessageW(hWnd, kSetChangedMessage, static_cast<WPARAM>(id), what);
    }
}

SetChange ChangeOf(SlotPart part)
{
    switch (part) {
    case SlotPart::Keys:
        return SetKeysChanged;
    case SlotPart::Alerts:
        return SetAlertsChanged;
    default:
        return SetSlotsChanged;
    }
}

// The windows show the set now shown: the bar its slots and title, the
// hooks its keys.
void Shown(const TimerSet& set)
{
    g_shownName = set.name;
    std::copy(std::begin(set.slots), std::end(set.slots), g_timerSlots);
    TakeShownSetKeys(set.triggers);
    TakeShownSetAlerts(set.alerts);
    TellWindows(g_shownId, SetShown);
}

// Shows `chosen` (from g_others at `from`, or a new set): the set shown goes
// out to a section, the chosen comes in.
void SwitchTo(TimerSet chosen, std::optional<std::size_t> from)
{
    const std::int32_t now = CurrentSlotTime();
    RunOnSetSlots(chosen, now);
    const TimerSet shown = ShownSet();
    const std::optional<int> chosenSection = from ? std::optional<int>(g_others[*from].section) : std::nullopt;
    const SetId chosenId = from ? g_others[*from].id : NewSetId();
    const int section = SwitchSets(AppProfile(), shown, chosen, chosenSection, TakenSections(), IsOptionOn(KeepRunning));
    if (from) g_others.erase(g_others.begin() + static_cast<std::ptrdiff_t>(*from));
    g_others.push_back({shown, section, g_shownId});
    g_shownId = chosenId;
    Shown(chosen);
}

// The set shown goes; the next in the order of names shows in its place.
bool DeleteShownSet()
{
    if (SetCount() < 2) return false;
    const int next = (ShownSetIndex() + 1) % SetCount();
    const auto at = static_cast<std::size_t>(Order()[static_cast<std::size_t>(next)]);
    TimerSet chosen = g_others[at].set;
    RunOnSetSlots(chosen, CurrentSlotTime());
    ReplaceShownSet(AppProfile(), chosen, g_others[at].section, IsOptionOn(KeepRunning));
    g_shownId = g_others[at].id;
    g_others.erase(g_others.begin() + static_cast<std::ptrdiff_t>(at));
    Shown(chosen);
    return true;
}

}  // namespace

void LoadSets()
{
    const LoadedSets loaded = LoadSets(AppProfile(), true, CurrentSlotTime());
    g_shownName = loaded.shownName;
    g_others = loaded.others;
    for (StoredSet& other : g_others) other.id = NewSetId();
}

void KeepOtherSetsRunning(bool keep)
{
    if (keep) return;
    for (StoredSet& other : g_others) {
        for (TimerSlot& slot : other.set.slots) slot.state = Idle;
    }
}

int SetCount()
{
    return static_cast<int>(g_others.size()) + 1;
}

std::vector<std::wstring> SetNames()
{
    std::vector<std::wstring> names;
    for (int at : Order()) names.push_back(Wide(at < 0 ? ShownName() : g_others[static_cast<std::size_t>(at)].set.name));
    return names;
}

int ShownSetIndex()
{
    const std::vector<int> order = Order();
    return static_cast<int>(std::find(order.begin(), order.end(), -1) - order.begin());
}

std::wstring ShownSetName()
{
    return Wide(ShownName());
}

std::optional<SetNameProblem> CheckSetName(const std::wstring& name)
{
    if (name.empty()) return SetNameProblem::Empty;
    if (!IsStorableText(Units(name), AnsiCharBytes) || TextBytes(Units(name), AnsiCharBytes) > kNameByteLimit ||
        HasControlCharacters(Units(name))) {
        return SetNameProblem::NotStorable;
    }
    const std::vector<std::wstring> names = SetNames();
    if (std::find(names.begin(), names.end(), name) != names.end()) return SetNameProblem::Taken;
    return std::nullopt;
}

std::wstring UniqueSetName(const std::wstring& name)
{
    const std::vector<std::wstring> names = SetNames();
    const std::u16string base = Units(name.empty() ? ShownSetName() : name);
    for (int number = 1;; ++number) {
        const std::wstring suffix = number == 1 ? L"" : L" (" + std::to_wstring(number) + L")";
        // Whole characters of the base, as many as fit with the number: one pass, however long the base.
        const std::size_t fits = FittingInsertion(u"", 0, 0, base, kNameByteLimit - TextBytes(Units(suffix), AnsiCharBytes),
                                                  AnsiCharBytes);
        const std::wstring candidate = std::wstring(base.begin(), base.begin() + static_cast<std::ptrdiff_t>(fits)) + suffix;
        if (std::find(names.begin(), names.end(), candidate) == names.end()) return candidate;
    }
}

bool ShowSet(int index)
{
    const std::vector<int> order = Order();
    if (index < 0 || index >= static_cast<int>(order.size()) || order[static_cast<std::size_t>(index)] < 0) {
        return false;
    }
    const auto at = static_cast<std::size_t>(order[static_cast<std::size_t>(index)]);
    SwitchTo(g_others[at].set, at);
    return true;
}

bool ShowNextSet()
{
    if (SetCount() < 2) return false;
    return ShowSet((ShownSetIndex() + 1) % SetCount());
}

SetId ShownSetId()
{
    return g_shownId;
}

std::optional<TimerSet> FindSet(SetId id)
{
    if (id == g_shownId) return ShownSet();
    const std::optional<std::size_t> at = OtherAt(id);
    if (!at) return std::nullopt;
    return g_others[*at].set;
}

std::wstring NameOfSet(SetId id)
{
    if (id == g_shownId) return ShownSetName();
    const std::optional<std::size_t> at = OtherAt(id);
    return at ? Wide(g_others[*at].set.name) : std::wstring();
}

std::wstring TitleNamingSet(const std::wstring& title, SetId id)
{
    const std::wstring name = NameOfSet(id);
    if (SetCount() < 2 || name.empty()) return title;
    return FormatResourceString(IDS_TITLE_NAMING_SET, {title, name});
}

bool NewSet(SetId from, const std::wstring& name)
{
    const std::optional<TimerSet> copied = FindSet(from);
    if (!copied || SetCount() >= kMostSets || CheckSetName(name)) return false;
    SwitchTo(CopyOfSet(*copied, Utf8(name)), std::nullopt);
    return true;
}

void SettleOtherSetsKeys()
{
    for (StoredSet& other : g_others) DropProgramKeys(other.set.triggers, CurrentTriggers());
}

std::optional<SlotOfSet> FindSlotKey(Trigger trigger, SetId except)
{
    const auto holder = [trigger](const SlotTriggers& keys) {
        for (int i = 0; i < kTimerSlotCount; ++i) {
            if (trigger != kNoTrigger && keys.key[i] == trigger) return i;
        }
        return -1;
    };
    if (except != g_shownId && holder(CurrentTriggers()) >= 0) return SlotOfSet{g_shownId, holder(CurrentTriggers())};
    for (const StoredSet& other : g_others) {
        if (other.id != except && holder(other.set.triggers) >= 0) return SlotOfSet{other.id, holder(other.set.triggers)};
    }
    return std::nullopt;
}

bool AddSet(TimerSet set, int* adjusted)
{
    if (SetCount() >= kMostSets) return false;
    const int dropped = DropProgramKeys(set.triggers, CurrentTriggers());
    if (adjusted) *adjusted += dropped;
    set.name = Utf8(UniqueSetName(Wide(set.name)));
    for (TimerSlot& slot : set.slots) slot.state = Idle;
    SwitchTo(set, std::nullopt);
    return true;
}

bool DeleteSet(SetId id)
{
    if (id == g_shownId) return DeleteShownSet();
    const std::optional<std::size_t> at = OtherAt(id);
    if (!at || SetCount() < 2) return false;
    DeleteStoredSet(AppProfile(), g_others[*at].section);
    g_others.erase(g_others.begin() + static_cast<std::ptrdiff_t>(*at));
    TellWindows(id, SetDeleted);
    return true;
}

bool RenameSet(SetId id, const std::wstring& name)
{
    const std::wstring before = NameOfSet(id);
    if (before.empty()) return false;
    if (name == before) return true;
    if (CheckSetName(name)) return false;
    if (id == g_shownId) {
        g_shownName = Utf8(name);
        AppProfile().WriteText(kSectionOption, kEntrySetName, g_shownName);
    } else {
        StoredSet& other = g_others[*OtherAt(id)];
        other.set.name = Utf8(name);
        AppProfile().WriteText(SetSection(other.section).c_str(), kEntrySetName, other.set.name);
    }
    TellWindows(id, SetRenamed);
    return true;
}

bool StoreSetChanges(SetId id, SlotPart part, const SlotRecords& shown, const SlotRecords& edited)
{
    const std::optional<TimerSet> set = FindSet(id);
    if (!set) return false;
    const SlotRecords before = RecordsOf(set->slots, set->triggers, set->alerts);
    SlotRecords records = before;
    if (!TakeChangedValues(part, shown, edited, records)) return true;
    if (id == g_shownId) {
        TimerSlot slots[kTimerSlotCount];  // the pages change no slot's own values
        SlotTriggers triggers = CurrentTriggers();
        SlotAlerts alerts = CurrentAlerts();
        TakeRecords(records, slots, triggers, alerts);
        if (part == SlotPart::Keys) StoreTriggers(triggers);
        if (part == SlotPart::Alerts) StoreAlerts(alerts);
    } else {
        StoredSet& other = g_others[*OtherAt(id)];
        TakeRecords(records, other.set.slots, other.set.triggers, other.set.alerts);
        WriteSlotPart(AppProfile(), SetSection(other.section).c_str(), part, records, &before);
    }
    TellWindows(id, ChangeOf(part));
    return true;
}

bool StoreSlotEdit(SetId id, int slot, const SlotRecord& edited)
{
    const std::optional<TimerSet> set = FindSet(id);
    if (!set || slot < 0 || slot >= kTimerSlotCount) return false;
    const SlotRecords before = RecordsOf(set->slots, set->triggers, set->alerts);
    SlotRecords records = before;
    SlotRecord& record = records[static_cast<std::size_t>(slot)];
    record.icon = edited.icon;
    record.duration = edited.duration;
    record.name = edited.name;
    record.cooldown = edited.cooldown;
    if (id == g_shownId) {
        // A running slot runs on; its kept end follows its duration.
        SlotTriggers triggers = CurrentTriggers();
        SlotAlerts alerts = CurrentAlerts();
        TakeRecords(records, g_timerSlots, triggers, alerts);
        SaveSlotSetting(slot);
        WriteSlotPart(AppProfile(), kSectionSave, SlotPart::Cooldown, records, &before, slot);
        if (IsOptionOn(KeepRunning)) SaveSlotEnd(AppProfile(), g_timerSlots, slot);
    } else {
        StoredSet& other = g_others[*OtherAt(id)];
        TakeRecords(records, other.set.slots, other.set.triggers, other.set.alerts);
        for (const SlotPart part : {SlotPart::Slot, SlotPart::Cooldown}) {
            WriteSlotPart(AppProfile(), SetSection(other.section).c_str(), part, records, &before, slot);
        }
    }
    TellWindows(id, SetSlotsChanged);
    return true;
}

TimerSet ShownSet()
{
    TimerSet set;
    set.name = ShownName();
    std::copy(std::begin(g_timerSlots), std::end(g_timerSlots), set.slots);
    set.triggers = CurrentTriggers();
    set.alerts = CurrentAlerts();
    return set;
}

void StoreOtherSetsEnds()
{
    for (const StoredSet& other : g_others) SaveSlotEnds(AppProfile(), other.set.slots, SetSection(other.section).c_str());
}

void ClearOtherSetsEnds()
{
    for (const StoredSet& other : g_others) ClearSlotEnds(AppProfile(), SetSection(other.section).c_str());
}
