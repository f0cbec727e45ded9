// The player's sets of slots, bound to the registry. The set shown is the
// slots of g_timerSlots with the keys of CurrentTriggers(), stored where the
// slots always were; the others are held here and in sections of their own.
// Every set keeps its running slots while another is shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/SlotFields.h"
#include "model/TimerSets.h"

// At start-up, before the slots and the choices are read: a switch cut short
// is mended first.
void LoadSets();
// After the choices: the other sets' running slots run on only where running
// timers are kept (or were handed over).
void KeepOtherSetsRunning(bool keep);
// After the choices: the program's own keys belong to no slot of any set.
void SettleOtherSetsKeys();

int SetCount();
// The sets' names in the order of their names, and the place of the one shown.
std::vector<std::wstring> SetNames();
int ShownSetIndex();
std::wstring ShownSetName();

// Why a name cannot be a set's: empty, too long or holding a character the
// code page cannot store, or another set's; nullopt where it can.
enum class SetNameProblem { Empty, NotStorable, Taken };
std::optional<SetNameProblem> CheckSetName(const std::wstring& name);
// The name itself where no set has it, else "<name> (2)", "<name> (3)", ...,
// cut to the longest a name may be.
std::wstring UniqueSetName(const std::wstring& name);

// Every set has an identity for this run that no switch, rename or move to
// another section changes: a window that edits a set holds it, and its edit
// lands in that set whichever is shown when the player answers.
SetId ShownSetId();
// The set as it stands (the shown one with its slots as they run), or
// nothing where it was deleted meanwhile.
std::optional<TimerSet> FindSet(SetId id);
// The set's name (empty where it is gone), and a window's title that names
// it where there is more than one set.
std::wstring NameOfSet(SetId id);
std::wstring TitleNamingSet(const std::wstring& title, SetId id);

// Each of these shows its set at once and tells the windows. False where
// nothing changed: no such set, or kMostSets already.
bool ShowSet(int index);  // by the place in SetNames()
bool ShowNextSet();       // after the last, the first
bool NewSet(SetId from, const std::wstring& name);  // a copy of that set, nothing running
// An imported set, its name made unique; a slot key that is one of the
// program's own keys becomes none, and counts in `adjusted`.
bool AddSet(TimerSet set, int* adjusted = nullptr);
// Where the set shown goes, the next one shows. Never the last set.
bool DeleteSet(SetId id);
bool RenameSet(SetId id, const std::wstring& name);
// The values of one part of a set's slots (their keys or their alerts) that a
// page changed from `shown` to `edited`, stored into the set as it stands
// now, shown or not: nothing else of it changes. False where the set was
// deleted meanwhile.
bool StoreSetChanges(SetId id, SlotPart part, const SlotRecords& shown, const SlotRecords& edited);
// The editor's edit of one slot's own values (icon, name, duration) made
// for set `id`, stored into it shown or not; a running slot runs on. False
// where the set was deleted meanwhile.
bool StoreSlotEdit(SetId id, int slot, const SlotRecord& edited);
// A slot of any set but `except` whose key this is.
struct SlotOfSet {
    SetId set;
    int slot;
};
std::optional<SlotOfSet> FindSlotKey(Trigger trigger, SetId except);
// The set shown, as it stands.
TimerSet ShownSet();

// The running ends of the sets not shown, as the shown set's are kept
// (keep running, the hand-over to a copy started as administrator).
void StoreOtherSetsEnds();
void ClearOtherSetsEnds();
