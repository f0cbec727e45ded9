#include "framework/Thread.h"

#include <system_error>
#include <thread>

bool AfxBeginThread(AFX_THREADPROC procedure, LPVOID parameter)
{
    try {
        std::thread(procedure, parameter).detach();
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}
