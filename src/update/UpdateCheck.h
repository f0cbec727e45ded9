// The start-up question to the update server, on a worker thread of its own.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <string>

#include "framework/MessageBox.h"

// Everything the worker needs, taken on the user-interface thread when the
// check starts: the worker never reads the application object or the windows.
struct UpdateCheckRequest {
    MessageBoxContext boxes;  // caption and the host that owns the boxes
    std::string version;      // this program's version, as the server expects it
};

// A message line of the server as the player reads it: its bytes are code
// page 949 on every system, whatever code page the player's Windows uses.
std::wstring UpdateMessageText(const std::string& message);

// A request for this program, for UpdateCheckWorker; the worker deletes it.
UpdateCheckRequest* NewUpdateCheckRequest();

// Asks the update server whether a newer version exists and acts on the one
// line it answers: offer the download, show its message, or nothing. Touches
// no program data; its only effects are its message boxes and, after the user
// accepted a new version, the browser and a close request to the main window.
// Takes an UpdateCheckRequest made by NewUpdateCheckRequest. Returns 1 after
// an update notice, else 0.
UINT UpdateCheckWorker(LPVOID parameter);
