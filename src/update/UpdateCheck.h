// The start-up question to the update server, on a worker thread of its own.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// Asks the update server whether a newer version exists and acts on the one
// line it answers: offer the download, show its message, or nothing. Touches
// no program data; its only effects are its message boxes and, after the user
// accepted a new version, the browser and a close request to the main window.
// Returns 1 after an update notice, else 0.
UINT UpdateCheckWorker(LPVOID parameter);
