#include "access/AccessibleWindow.h"

#include <oleacc.h>

#include "access/OleText.h"
#include "framework/LateLibrary.h"

namespace {

// IAccessible's interface id, as oleacc.h declares it.
constexpr IID kIidAccessible = {0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};

using LresultFromObjectFn = LRESULT WINAPI(REFIID, WPARAM, LPUNKNOWN);
using CreateStdAccessibleObjectFn = HRESULT WINAPI(HWND, LONG, REFIID, void**);
using CoInitializeExFn = HRESULT WINAPI(LPVOID, DWORD);

// Loaded with the first reader's question: a player without one loads neither.
const CLateLibrary& Oleacc()
{
    static CLateLibrary library(L"oleacc.dll");
    return library;
}

// The object is handed to the reader through COM, which this thread must have started.
bool ComStarted()
{
    static const bool started = [] {
        static CLateLibrary ole32(L"ole32.dll");
        auto* initialize = ole32.Get<CoInitializeExFn>("CoInitializeEx");
        const HRESULT result = initialize ? initialize(nullptr, COINIT_APARTMENTTHREADED) : E_FAIL;
        return SUCCEEDED(result) || result == RPC_E_CHANGED_MODE;
    }();
    return started;
}

}  // namespace

class CAccessibleObject final : public IAccessible {
public:
    CAccessibleObject(HWND hWnd, AccessibleParts& parts) : m_hWnd(hWnd), m_pParts(&parts) {}
    void Disconnect() { m_pParts = nullptr; }

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (riid == IID_IUnknown || riid == IID_IDispatch || riid == kIidAccessible) {
            *object = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&m_nRefs)); }
    ULONG STDMETHODCALLTYPE Release() override
    {
        const LONG refs = ::InterlockedDecrement(&m_nRefs);
        if (refs == 0) delete this;
        return static_cast<ULONG>(refs);
    }

    // IDispatch: readers use the IAccessible methods themselves.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override
    {
        *parent = nullptr;
        if (!m_pParts) return RPC_E_DISCONNECTED;
        auto* create = Oleacc().Get<CreateStdAccessibleObjectFn>("CreateStdAccessibleObject");
        return create ? create(m_hWnd, OBJID_WINDOW, IID_IDispatch, reinterpret_cast<void**>(parent)) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override
    {
        if (!m_pParts) return RPC_E_DISCONNECTED;
        *count = m_pParts->PartCount();
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override
    {
        *dispatch = nullptr;  // the parts are simple elements of this object
        return Child(child) > 0 ? S_FALSE : E_INVALIDARG;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override
    {
        return TextOf(child, name, &AccessiblePart::name);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override
    {
        return TextOf(child, value, &AccessiblePart::value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT, BSTR* text) override { return Nothing(text); }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* text) override { return Nothing(text); }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override
    {
        *topic = 0;
        return Nothing(file);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* text) override
    {
        return TextOf(child, text, &AccessiblePart::shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override
    {
        return NumberOf(child, role, &AccessiblePart::role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override
    {
        return NumberOf(child, state, &AccessiblePart::state);
    }
    // The window never takes the focus for a reader: the game keeps the keyboard.
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override
    {
        focus->vt = VT_EMPTY;
        return m_pParts ? S_FALSE : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override
    {
        selection->vt = VT_EMPTY;
        return m_pParts ? S_FALSE : RPC_E_DISCONNECTED;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return TextOf(child, action, &AccessiblePart::defaultAction);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        const int at = Child(child);
        if (at < 0) return m_pParts ? E_INVALIDARG : RPC_E_DISCONNECTED;
        const RECT rect = m_pParts->Part(at).location;
        *left = rect.left;
        *top = rect.top;
        *width = rect.right - rect.left;
        *height = rect.bottom - rect.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        end->vt = VT_EMPTY;
        const int from = Child(start);
        if (from < 0) return m_pParts ? E_INVALIDARG : RPC_E_DISCONNECTED;
        const int count = m_pParts->PartCount();
        int to = 0;
        switch (direction) {
        case NAVDIR_FIRSTCHILD: to = from == 0 && count > 0 ? 1 : 0; break;
        case NAVDIR_LASTCHILD: to = from == 0 ? count : 0; break;
        case NAVDIR_NEXT: to = from > 0 && from < count ? from + 1 : 0; break;
        case NAVDIR_PREVIOUS: to = from > 1 ? from - 1 : 0; break;
        default: return S_FALSE;  // the parts lie in a row: no spatial moves
        }
        if (to == 0) return S_FALSE;
        end->vt = VT_I4;
        end->lVal = to;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* found) override
    {
        found->vt = VT_EMPTY;
        if (!m_pParts) return RPC_E_DISCONNECTED;
        for (int child = m_pParts->PartCount(); child >= 0; --child) {
            const RECT rect = m_pParts->Part(child).location;
            if (x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom) {
                found->vt = VT_I4;
                found->lVal = child;
                return S_OK;
            }
        }
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override
    {
        const int at = Child(child);
        if (at < 0) return m_pParts ? E_INVALIDARG : RPC_E_DISCONNECTED;
        return m_pParts->DoDefaultAction(at) ? S_OK : DISP_E_MEMBERNOTFOUND;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

private:
    ~CAccessibleObject() = default;

    // The child a reader names: 0 for the client area, -1 for none (or when disconnected).
    int Child(const VARIANT& child) const
    {
        if (!m_pParts || child.vt != VT_I4 || child.lVal < 0 || child.lVal > m_pParts->PartCount()) return -1;
        return static_cast<int>(child.lVal);
    }
    static HRESULT Nothing(BSTR* text)
    {
        *text = nullptr;
        return S_FALSE;
    }
    HRESULT TextOf(const VARIANT& child, BSTR* text, std::wstring AccessiblePart::*member) const
    {
        *text = nullptr;
        const int at = Child(child);
        if (at < 0) return m_pParts ? E_INVALIDARG : RPC_E_DISCONNECTED;
        *text = AllocOleText(m_pParts->Part(at).*member);
        return *text ? S_OK : S_FALSE;
    }
    HRESULT NumberOf(const VARIANT& child, VARIANT* number, DWORD AccessiblePart::*member) const
    {
        number->vt = VT_EMPTY;
        const int at = Child(child);
        if (at < 0) return m_pParts ? E_INVALIDARG : RPC_E_DISCONNECTED;
        number->vt = VT_I4;
        number->lVal = static_cast<LONG>(m_pParts->Part(at).*member);
        return S_OK;
    }

    LONG m_nRefs = 1;
    HWND m_hWnd;
    AccessibleParts* m_pParts;
};

CAccessibleWindow::~CAccessibleWindow()
{
    if (!m_pObject) return;
    m_pObject->Disconnect();
    m_pObject->Release();
}

LRESULT CAccessibleWindow::Answer(HWND hWnd, WPARAM wParam, LPARAM lParam, AccessibleParts& parts)
{
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT)) return 0;
    auto* answer = Oleacc().Get<LresultFromObjectFn>("LresultFromObject");
    if (!answer || !ComStarted()) return 0;
    if (!m_pObject) m_pObject = new CAccessibleObject(hWnd, parts);
    const LRESULT result = answer(kIidAccessible, wParam, static_cast<IAccessible*>(m_pObject));
    return result > 0 ? result : 0;  // a failure code: the system's own object instead
}

void CAccessibleWindow::TellValueChanged(HWND hWnd, int child)
{
    ::NotifyWinEvent(EVENT_OBJECT_VALUECHANGE, hWnd, OBJID_CLIENT, child);
}

void CAccessibleWindow::TellNameChanged(HWND hWnd, int child)
{
    ::NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, hWnd, OBJID_CLIENT, child);
}

void CAccessibleWindow::TellStateChanged(HWND hWnd, int child)
{
    ::NotifyWinEvent(EVENT_OBJECT_STATECHANGE, hWnd, OBJID_CLIENT, child);
}

void CAccessibleWindow::TellSelected(HWND hWnd, int child)
{
    ::NotifyWinEvent(EVENT_OBJECT_SELECTION, hWnd, OBJID_CLIENT, child);
}
