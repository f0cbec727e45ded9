// The test suite's window inspector, run under the same Wine server as the
// program. It prints what a screenshot cannot tell, one JSON object per line
// (with "xid", the X window that Wine shows a top-level window in):
//   inspector windows            every visible-or-not top-level window, with its children
//                                (and a layered window's alpha)
//   inspector send HWND MSG WPARAM LPARAM   SendMessage, prints the result
//   inspector post HWND MSG WPARAM LPARAM   PostMessage
//   inspector click HWND ID      presses the dialog button ID of window HWND
//   inspector foreground         the foreground window and the focus owner
//   inspector chars HWND CODE... posts WM_CHAR of each UTF-16 unit, as an input method does
//   inspector accessible HWND    the window's client area as a screen reader reads it (MSAA):
//                                itself and each child, with name, value, role, state, location
//   inspector press HWND CHILD   a reader's default action on a child
#include <windows.h>
#include <oleacc.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string Utf8(const std::wstring& text)
{
    if (text.empty()) return {};
    const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                         nullptr, nullptr);
    std::string out(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size, nullptr, nullptr);
    return out;
}

std::string Json(const std::wstring& text)
{
    std::string out = "\"";
    for (unsigned char c : Utf8(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out + "\"";
}

std::wstring TextOf(HWND hWnd)
{
    wchar_t text[4096] = L"";
    // WM_GETTEXT reaches across processes where GetWindowText would not.
    SendMessageTimeoutW(hWnd, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 2000, nullptr);
    return text;
}

std::wstring ClassOf(HWND hWnd)
{
    wchar_t name[256] = L"";
    GetClassNameW(hWnd, name, 256);
    return name;
}

std::wstring ProcessImage(DWORD pid)
{
    std::wstring image;
    if (HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid)) {
        wchar_t path[MAX_PATH] = L"";
        DWORD size = MAX_PATH;
        if (QueryFullProcessImageNameW(process, 0, path, &size)) image = path;
        CloseHandle(process);
    }
    const std::size_t slash = image.find_last_of(L"\\/");
    return slash == std::wstring::npos ? image : image.substr(slash + 1);
}

std::string Handle(HWND hWnd)
{
    char text[32];
    std::snprintf(text, sizeof text, "\"0x%llx\"", static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(hWnd)));
    return text;
}

struct ChildWalk {
    HWND hWndTop;
    std::string text;
};

BOOL CALLBACK AddChild(HWND child, LPARAM parameter)
{
    ChildWalk& into = *reinterpret_cast<ChildWalk*>(parameter);
    if (into.text.size() > 1) into.text += ",";
    RECT place{};
    GetWindowRect(child, &place);
    MapWindowPoints(nullptr, into.hWndTop, reinterpret_cast<POINT*>(&place), 2);
    char placeText[80];
    std::snprintf(placeText, sizeof placeText, ",\"rect\":[%ld,%ld,%ld,%ld]", place.left, place.top, place.right,
                  place.bottom);
    into.text += "{\"hwnd\":" + Handle(child) + ",\"id\":" + std::to_string(GetDlgCtrlID(child)) + placeText +
                 ",\"class\":" + Json(ClassOf(child)) + ",\"text\":" + Json(TextOf(child)) +
                 ",\"visible\":" + (IsWindowVisible(child) ? "true" : "false") + "}";
    return TRUE;
}

void PrintWindow(HWND hWnd)
{
    DWORD pid = 0;
    GetWindowThreadProcessId(hWnd, &pid);
    RECT rect{};
    GetWindowRect(hWnd, &rect);
    RECT client{};
    GetClientRect(hWnd, &client);
    POINT origin{0, 0};  // the client area's top left on the screen
    ClientToScreen(hWnd, &origin);
    const LONG style = GetWindowLongW(hWnd, GWL_STYLE);
    const LONG exStyle = GetWindowLongW(hWnd, GWL_EXSTYLE);
    // A layered window's one alpha, or -1 for none.
    BYTE alpha = 0;
    DWORD layered = 0;
    const int alphaShown = (exStyle & WS_EX_LAYERED) && GetLayeredWindowAttributes(hWnd, nullptr, &alpha, &layered) &&
                                   (layered & LWA_ALPHA)
                               ? alpha
                               : -1;
    // Every descendant (a property sheet's page controls too), placed in the window's client area.
    ChildWalk walk{hWnd, "["};
    EnumChildWindows(hWnd, AddChild, reinterpret_cast<LPARAM>(&walk));
    std::string& children = walk.text;
    children += "]";
    std::printf("{\"hwnd\":%s,\"pid\":%lu,\"process\":%s,\"class\":%s,\"title\":%s,"
                "\"rect\":[%ld,%ld,%ld,%ld],\"client\":[%ld,%ld],\"origin\":[%ld,%ld],\"style\":%lu,\"exstyle\":%lu,"
                "\"alpha\":%d,\"visible\":%s,\"enabled\":%s,\"iconic\":%s,\"owner\":%s,\"topmost\":%s,\"xid\":%llu,"
                "\"children\":%s}\n",
                Handle(hWnd).c_str(), pid, Json(ProcessImage(pid)).c_str(), Json(ClassOf(hWnd)).c_str(),
                Json(TextOf(hWnd)).c_str(), rect.left, rect.top, rect.right, rect.bottom, client.right, client.bottom, origin.x, origin.y,
                static_cast<unsigned long>(style), static_cast<unsigned long>(exStyle), alphaShown,
                IsWindowVisible(hWnd) ? "true" : "false", IsWindowEnabled(hWnd) ? "true" : "false",
                IsIconic(hWnd) ? "true" : "false", Handle(GetWindow(hWnd, GW_OWNER)).c_str(),
                (exStyle & WS_EX_TOPMOST) ? "true" : "false",
                static_cast<unsigned long long>(reinterpret_cast<UINT_PTR>(GetPropW(hWnd, L"__wine_x11_whole_window"))),
                children.c_str());
}

BOOL CALLBACK PrintEach(HWND hWnd, LPARAM)
{
    PrintWindow(hWnd);
    return TRUE;
}

UINT_PTR Number(const wchar_t* text)
{
    return static_cast<UINT_PTR>(std::wcstoull(text, nullptr, 0));
}

int Usage()
{
    std::fprintf(stderr, "usage: inspector windows | send|post HWND MSG WPARAM LPARAM | click HWND ID | foreground"
                         " | chars HWND CODE... | accessible HWND | press HWND CHILD\n");
    return 2;
}

std::wstring Taken(BSTR text)
{
    std::wstring out = text ? text : L"";
    SysFreeString(text);
    return out;
}

HRESULT g_found = S_OK;  // how the last object was found
// IAccessible's id: the import library gives only a stub of the DLL's own.
constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

// The client area's object, as AccessibleObjectFromWindow gives it to a reader.
IAccessible* ClientObject(HWND hWnd)
{
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    IAccessible* object = nullptr;
    const HRESULT found = AccessibleObjectFromWindow(hWnd, static_cast<DWORD>(OBJID_CLIENT), kIidAccessible,
                                                     reinterpret_cast<void**>(&object));
    g_found = found;
    return SUCCEEDED(found) ? object : nullptr;
}

void PrintAccessible(HWND hWnd)
{
    IAccessible* object = ClientObject(hWnd);
    LONG count = 0;
    const HRESULT counted = object ? object->get_accChildCount(&count) : E_POINTER;
    if (FAILED(counted)) {
        std::printf("{\"ok\":false,\"error\":\"%08lx %08lx\"}\n", static_cast<unsigned long>(g_found),
                    static_cast<unsigned long>(counted));
        return;
    }
    std::string parts;
    for (LONG child = 0; child <= count; ++child) {
        VARIANT id{};
        id.vt = VT_I4;
        id.lVal = child;
        BSTR name = nullptr, value = nullptr, shortcut = nullptr, action = nullptr;
        object->get_accName(id, &name);
        object->get_accValue(id, &value);
        object->get_accKeyboardShortcut(id, &shortcut);
        object->get_accDefaultAction(id, &action);
        VARIANT role{}, state{};
        object->get_accRole(id, &role);
        object->get_accState(id, &state);
        LONG left = 0, top = 0, width = 0, height = 0;
        object->accLocation(&left, &top, &width, &height, id);
        char numbers[160];
        std::snprintf(numbers, sizeof numbers, "\"role\":%ld,\"state\":%ld,\"location\":[%ld,%ld,%ld,%ld]",
                      role.vt == VT_I4 ? role.lVal : -1L, state.vt == VT_I4 ? state.lVal : -1L, left, top, width,
                      height);
        parts += std::string(child ? "," : "") + "{\"child\":" + std::to_string(child) + ",\"name\":" +
                 Json(Taken(name)) + ",\"value\":" + Json(Taken(value)) + ",\"shortcut\":" + Json(Taken(shortcut)) +
                 ",\"action\":" + Json(Taken(action)) + "," + numbers + "}";
    }
    object->Release();
    std::printf("{\"ok\":true,\"parts\":[%s]}\n", parts.c_str());
}

}  // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc < 2) return Usage();
    const std::wstring command = argv[1];
    if (command == L"windows") {
        EnumWindows(PrintEach, 0);
    } else if ((command == L"send" || command == L"post") && argc == 6) {
        HWND hWnd = reinterpret_cast<HWND>(Number(argv[2]));
        const UINT message = static_cast<UINT>(Number(argv[3]));
        const WPARAM wParam = Number(argv[4]);
        const LPARAM lParam = static_cast<LPARAM>(Number(argv[5]));
        if (command == L"post") {
            std::printf("{\"ok\":%s}\n", PostMessageW(hWnd, message, wParam, lParam) ? "true" : "false");
        } else {
            DWORD_PTR result = 0;
            const LRESULT ok = SendMessageTimeoutW(hWnd, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &result);
            std::printf("{\"ok\":%s,\"result\":%lld}\n", ok ? "true" : "false", static_cast<long long>(result));
        }
    } else if (command == L"click" && argc == 4) {
        HWND hWnd = reinterpret_cast<HWND>(Number(argv[2]));
        HWND button = GetDlgItem(hWnd, static_cast<int>(Number(argv[3])));
        std::printf("{\"ok\":%s}\n", button && PostMessageW(button, BM_CLICK, 0, 0) ? "true" : "false");
    } else if (command == L"chars" && argc >= 4) {
        HWND hWnd = reinterpret_cast<HWND>(Number(argv[2]));
        bool ok = true;
        for (int i = 3; i < argc; ++i) ok &= PostMessageW(hWnd, WM_CHAR, Number(argv[i]), 1) != FALSE;
        std::printf("{\"ok\":%s}\n", ok ? "true" : "false");
    } else if (command == L"accessible" && argc == 3) {
        PrintAccessible(reinterpret_cast<HWND>(Number(argv[2])));
    } else if (command == L"press" && argc == 4) {
        IAccessible* object = ClientObject(reinterpret_cast<HWND>(Number(argv[2])));
        VARIANT id{};
        id.vt = VT_I4;
        id.lVal = static_cast<LONG>(Number(argv[3]));
        const bool ok = object && SUCCEEDED(object->accDoDefaultAction(id));
        if (object) object->Release();
        std::printf("{\"ok\":%s}\n", ok ? "true" : "false");
    } else if (command == L"foreground") {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        HWND foreground = GetForegroundWindow();
        GetGUIThreadInfo(GetWindowThreadProcessId(foreground, nullptr), &info);
        std::printf("{\"foreground\":%s,\"active\":%s,\"focus\":%s}\n", Handle(foreground).c_str(),
                    Handle(info.hwndActive).c_str(), Handle(info.hwndFocus).c_str());
    } else {
        return Usage();
    }
    std::fflush(stdout);
    return 0;
}
