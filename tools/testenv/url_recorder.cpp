// Stands in for the browser in the tests: the shell's "open" of an http URL
// starts it, and it appends its command line (UTF-8) to the file that the
// environment variable TAVORIN_URL_LOG names.
#include <windows.h>

#include <cstdio>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR commandLine, int)
{
    wchar_t path[MAX_PATH];
    if (!GetEnvironmentVariableW(L"TAVORIN_URL_LOG", path, MAX_PATH)) return 1;
    char line[4096];
    const int size = WideCharToMultiByte(CP_UTF8, 0, commandLine, -1, line, sizeof line, nullptr, nullptr);
    if (FILE* log = _wfopen(path, L"ab")) {
        std::fwrite(line, 1, size > 0 ? static_cast<std::size_t>(size - 1) : 0, log);
        std::fputc('\n', log);
        std::fclose(log);
    }
    return 0;
}
