// A switch of sets against reading the slots at start-up, in the real
// registry: one pass out (the set shown to a section of its own) and one in
// (the chosen set into "Save" and "Option"). Medians in microseconds.
#include <windows.h>

#include <cstdio>
#include <string>

#include "bench_support.h"
#include "common/AppSettings.h"
#include "sets/Sets.h"

namespace {

BenchApp theBenchApp;

}  // namespace

int wmain()
{
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\MelkbayBench");
    LoadSets();
    LoadSlotSettings();
    LoadOptions();
    NewSet(ShownSetId(), L"B");
    NewSet(ShownSetId(), L"C");  // three sets, the switches go round them
    const double load = MedianMicroseconds(50, [] {
        LoadSets();
        LoadSlotSettings();
        LoadOptions();
    });
    const double switching = MedianMicroseconds(50, [] { ShowNextSet(); });
    // A set file's name line of 64 KiB: the unique name is made in one pass.
    const double longName = MedianMicroseconds(5, [] {
        TimerSet set = ShownSet();
        set.name = std::string(64 * 1024 - 64, 'n');
        AddSet(set);
        DeleteSet(ShownSetId());
    });
    std::printf("reading the slots, the choices and the sets at start-up: %8.0f us\n", load);
    std::printf("a switch of sets (one pass out, one in):                 %8.0f us (%.1f x the start-up read)\n",
                switching, switching / load);
    std::printf("a set named by 64 KiB of text, added and deleted:        %8.0f us\n", longName);
    ::RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\MelkbayBench");
    return 0;
}
