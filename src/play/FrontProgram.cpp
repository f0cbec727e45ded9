#include "play/FrontProgram.h"

#include <algorithm>

#include "common/AppSettings.h"
#include "framework/Handle.h"
#include "model/PlayGuards.h"

namespace {

std::optional<std::uint32_t> TokenIntegrity(HANDLE hProcess)
{
    CHandle token;
    if (!::OpenProcessToken(hProcess, TOKEN_QUERY, token.Receive())) return std::nullopt;
    HANDLE hToken = token;
    DWORD size = 0;
    ::GetTokenInformation(hToken, TokenIntegrityLevel, nullptr, 0, &size);
    std::vector<BYTE> buffer(size);
    std::optional<std::uint32_t> level;
    if (size != 0 && ::GetTokenInformation(hToken, TokenIntegrityLevel, buffer.data(), size, &size)) {
        PSID sid = reinterpret_cast<const TOKEN_MANDATORY_LABEL*>(buffer.data())->Label.Sid;
        const UCHAR count = *::GetSidSubAuthorityCount(sid);
        if (count > 0) level = *::GetSidSubAuthority(sid, count - 1);
    }
    return level;
}

std::optional<std::uint32_t> ReadIntegrity(DWORD processId)
{
    const CHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    return process ? TokenIntegrity(process) : std::nullopt;
}

std::wstring ImageNameOf(DWORD processId)
{
    const CHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    return process ? ExecutableOf(process) : std::wstring();
}

struct ProgramsFound {
    std::vector<DWORD> processes;
    std::vector<std::wstring> names;
};

BOOL CALLBACK AddProgramOf(HWND hWnd, LPARAM parameter)
{
    auto& found = *reinterpret_cast<ProgramsFound*>(parameter);
    DWORD processId = 0;
    ::GetWindowThreadProcessId(hWnd, &processId);
    if (!::IsWindowVisible(hWnd) || processId == ::GetCurrentProcessId() ||
        std::find(found.processes.begin(), found.processes.end(), processId) != found.processes.end()) {
        return TRUE;
    }
    found.processes.push_back(processId);
    std::wstring name = ImageNameOf(processId);
    if (!name.empty() && std::find(found.names.begin(), found.names.end(), name) == found.names.end()) {
        found.names.push_back(std::move(name));
    }
    return TRUE;
}

}  // namespace

std::wstring ExecutableOf(HANDLE hProcess)
{
    wchar_t path[MAX_PATH * 2];
    DWORD length = MAX_PATH * 2;
    return ::QueryFullProcessImageNameW(hProcess, 0, path, &length) ? ExecutableName(std::wstring(path, length))
                                                                    : std::wstring();
}

std::uint32_t OurIntegrity()
{
    static const std::uint32_t level = TokenIntegrity(::GetCurrentProcess()).value_or(kMediumIntegrity);
    return level;
}

const FrontProgram& CurrentFrontProgram()
{
    static FrontProgram front;
    DWORD processId = 0;
    HWND hWndFront = ::GetForegroundWindow();
    if (hWndFront) ::GetWindowThreadProcessId(hWndFront, &processId);
    if (processId == front.processId) return front;
    front.processId = processId;
    front.name = processId != 0 ? ImageNameOf(processId) : std::wstring();
    front.aboveUs = processId != 0 && processId != ::GetCurrentProcessId() &&
                    IsFrontAboveUs(ReadIntegrity(processId), OurIntegrity());
    return front;
}

std::vector<std::wstring> ProgramsWithWindows()
{
    ProgramsFound found;
    ::EnumWindows(AddProgramOf, reinterpret_cast<LPARAM>(&found));
    return found.names;
}

bool IsChosenGameInFront()
{
    const std::wstring& game = GameProgram();
    if (game.empty()) return true;
    const std::wstring& name = CurrentFrontProgram().name;
    return !name.empty() && ::CompareStringOrdinal(name.c_str(), static_cast<int>(name.size()), game.c_str(),
                                                   static_cast<int>(game.size()), TRUE) == CSTR_EQUAL;
}
