#include "framework/WinApp.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, PWSTR, int)
{
    CWinApp* pApp = AfxGetApp();
    return pApp ? pApp->Run(hInstance) : 1;
}
