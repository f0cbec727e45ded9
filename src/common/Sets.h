// The player's sets of slots, bound to the registry. The set shown is the
// slots of g_timerSlots with the keys of CurrentTriggers(), stored where the
// slots always were; the others are held here and in sections of their own.
// Every set keeps its running slots while another is shown.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/TimerSets.h"

// At start-up, before the slots and the choices are read: a switch cut short
// is mended first.
void LoadSets();
// After the choices: the other sets' running slots run on only where running
// timers are kept (or were handed over).
void KeepOtherSetsRunning(bool keep);

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

// Each of these shows its set at once and tells the windows. False where
// nothing changed: no such set, or kMostSets already.
bool ShowSet(int index);  // by the place in SetNames()
bool ShowNextSet();       // after the last, the first
bool NewSet(const std::wstring& name);  // a copy of the set shown, nothing running
bool AddSet(TimerSet set);              // an imported set, its name made unique
bool DeleteShownSet();                  // never the last set
bool RenameShownSet(const std::wstring& name);
// The set shown, as it stands.
TimerSet ShownSet();

// The running ends of the sets not shown, as the shown set's are kept
// (keep running, the hand-over to a copy started as administrator).
void StoreOtherSetsEnds();
void ClearOtherSetsEnds();
