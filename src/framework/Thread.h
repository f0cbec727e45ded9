// Worker threads. Stands in for the application framework's AfxBeginThread.
#pragma once

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

using AFX_THREADPROC = UINT (*)(LPVOID);

// Starts the procedure on a new thread at normal priority, right away. The
// thread is not waited for: one still running when the program ends ends with it.
bool AfxBeginThread(AFX_THREADPROC procedure, LPVOID parameter);
