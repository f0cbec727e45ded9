// The restart as administrator, for a game run as administrator whose keys
// never reach a normal program's hooks: everything saved, running timers
// included, the new copy started to take over, and this one ended from
// whatever loop runs (a message box, the settings window), so that exactly
// one copy runs on.
#pragma once

// How the new copy starts (StartElevatedCopy); false when it did not (the
// player declined the consent prompt).
using ElevatedStarter = bool();

// False when the player declined: this copy goes on as before, its hooks in
// again. Meanwhile the hooks are out: every key of the system would wait on
// a hook whose thread waits on the prompt.
bool RestartAsAdministrator(ElevatedStarter* start);
