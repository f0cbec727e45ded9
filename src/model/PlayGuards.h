// What keeps the slots' triggers arriving from other programs, and only where
// the player wants them: a watch on the keyboard hook, the integrity of the
// program in front, and the one game the triggers may be limited to. No
// Windows here.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

// Windows drops a low-level hook silently (one slow answer, after sleep or
// heavy load). Each check compares the keys the system holds down with those
// the hook saw go down: a key held that the hook never saw, at two checks in
// a row, means the hook is gone and is installed again; the two checks after
// an installation pass without a verdict.
class HookWatch {
public:
    static constexpr int kKeyCount = 256;
    // True when the hook must be installed again.
    bool Check(const bool (&systemDown)[kKeyCount], const bool (&hookDown)[kKeyCount]);
    void Installed();

private:
    int m_nMissedChecks = 0;
    int m_nGraceChecks = 2;
};

// Integrity levels as the system numbers them (SECURITY_MANDATORY_*_RID).
constexpr std::uint32_t kMediumIntegrity = 0x2000;
constexpr std::uint32_t kHighIntegrity = 0x3000;
// Whether the program in front runs above ours, so that the system keeps its
// keys from our hook: a level above ours, or one we may not even read.
bool IsFrontAboveUs(std::optional<std::uint32_t> frontLevel, std::uint32_t ourLevel);

// Whose window is in front.
enum class FrontWindow { Ours, Game, Other };
// Whether the bar hides: the player chose so, a game is named, the keys are
// not paused (a paused bar shows that it is), and neither the game nor a
// window of ours is in front. Everything else goes on while it hides.
bool IsBarHidden(bool hideChosen, bool gameNamed, bool paused, FrontWindow front);

// The file name of an executable's path ("C:\Games\Game.exe" gives "Game.exe").
std::wstring ExecutableName(const std::wstring& path);
// The one game as stored in "GameProgram": its file name, where a path was
// stored; empty (any program) for a name no file can have.
std::wstring GameProgramOf(const std::wstring& stored);
