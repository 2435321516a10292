#include "accessible_name.h"

#include <commctrl.h>
#include <ole2.h>
// After <ole2.h>, which it needs and <windows.h> leaves out (WIN32_LEAN_AND_MEAN).
#include <oleacc.h>

#include <string>
#include <utility>

#include "wide_text.h"

namespace {

// The system's standard object for a control with another name for the
// control itself: every other call, and every call about a child, is the
// standard object's. It also answers as the window (IOleWindow) and as the
// list of children (IEnumVARIANT) when the standard object does, which UI
// Automation's bridge to such objects asks for.
class NamedAccessible final : public IAccessible, public IOleWindow, public IEnumVARIANT {
public:
    // Takes `standard`'s reference.
    NamedAccessible(IAccessible* standard, std::wstring name) : standard_(standard), name_(std::move(name)) {
        standard_->QueryInterface(__uuidof(IOleWindow), reinterpret_cast<void**>(&standardWindow_));
        standard_->QueryInterface(__uuidof(IEnumVARIANT), reinterpret_cast<void**>(&standardChildren_));
    }
    NamedAccessible(const NamedAccessible&) = delete;
    NamedAccessible& operator=(const NamedAccessible&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
        if (object == nullptr) return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *object = static_cast<IAccessible*>(this);
        } else if (id == __uuidof(IOleWindow) && standardWindow_ != nullptr) {
            *object = static_cast<IOleWindow*>(this);
        } else if (id == __uuidof(IEnumVARIANT) && standardChildren_ != nullptr) {
            *object = static_cast<IEnumVARIANT*>(this);
        } else {
            *object = nullptr;
            return E_NOINTERFACE;
        }
        AddRef();
        return S_OK;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // Late-bound calls reach this object's methods through the standard
    // object's type information, so that they hear this name too.
    HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID, LCID locale, WORD flags, DISPPARAMS* parameters,
                                     VARIANT* result, EXCEPINFO* exception, UINT* wrongArgument) override {
        ITypeInfo* typeInfo = nullptr;
        const HRESULT found = standard_->GetTypeInfo(0, locale, &typeInfo);
        if (FAILED(found)) return found;
        const HRESULT invoked = DispInvoke(static_cast<IAccessible*>(this), typeInfo, member, flags, parameters, result,
                                           exception, wrongArgument);
        typeInfo->Release();
        return invoked;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override { return standard_->GetTypeInfoCount(count); }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
        return standard_->GetTypeInfo(index, locale, info);
    }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* members) override {
        return standard_->GetIDsOfNames(id, names, count, locale, members);
    }

    // The standard object's answer first: for a child, or once the window
    // has gone, it is the answer.
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        const HRESULT standardAnswer = standard_->get_accName(child, name);
        if (FAILED(standardAnswer) || child.vt != VT_I4 || child.lVal != CHILDID_SELF) return standardAnswer;
        SysFreeString(*name);
        *name = SysAllocString(name_.c_str());
        return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }

    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override { return standard_->get_accChildCount(count); }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** object) override {
        return standard_->get_accChild(child, object);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return standard_->get_accValue(child, value);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
        return standard_->get_accDescription(child, description);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        return standard_->get_accRole(child, role);
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        return standard_->get_accState(child, state);
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
        return standard_->get_accHelp(child, help);
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) override {
        return standard_->get_accHelpTopic(helpFile, child, topic);
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
        return standard_->get_accSelection(children);
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return standard_->get_accDefaultAction(child, action);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG how, VARIANT child) override { return standard_->accSelect(how, child); }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        return standard_->accLocation(left, top, width, height, child);
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        return standard_->accNavigate(direction, start, end);
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG x, LONG y, VARIANT* child) override {
        return standard_->accHitTest(x, y, child);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        return standard_->accDoDefaultAction(child);
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override {
        return standard_->put_accName(child, name);
    }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override {
        return standard_->put_accValue(child, value);
    }

    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override { return standardWindow_->GetWindow(window); }
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override {
        return standardWindow_->ContextSensitiveHelp(enter);
    }

    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* children, ULONG* fetched) override {
        return standardChildren_->Next(count, children, fetched);
    }
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override { return standardChildren_->Skip(count); }
    HRESULT STDMETHODCALLTYPE Reset() override { return standardChildren_->Reset(); }
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override { return standardChildren_->Clone(copy); }

private:
    ~NamedAccessible() {
        if (standardChildren_ != nullptr) standardChildren_->Release();
        if (standardWindow_ != nullptr) standardWindow_->Release();
        standard_->Release();
    }

    LONG references_ = 1;
    IAccessible* standard_;
    IOleWindow* standardWindow_ = nullptr;
    IEnumVARIANT* standardChildren_ = nullptr;
    std::wstring name_;
};

constexpr UINT_PTR kSubclassId = 1;

// `object` is the control's NamedAccessible, whose reference the control
// holds until it goes; a screen reader may hold its own for longer.
LRESULT CALLBACK AnswerWithName(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR object) {
    auto* named = static_cast<IAccessible*>(reinterpret_cast<NamedAccessible*>(object));
    switch (message) {
    case WM_GETOBJECT:
        if (static_cast<LONG>(lParam) == OBJID_CLIENT) return LresultFromObject(__uuidof(IAccessible), wParam, named);
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(control, AnswerWithName, kSubclassId);
        // Other processes' calls now fail rather than ask a window that is gone.
        CoDisconnectObject(named, 0);
        named->Release();
        break;
    default:
        break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

void NameControlsForScreenReaders(HWND dialog, const DialogTemplate& dialogTemplate) {
    for (const ControlTemplate& control : dialogTemplate) {
        const char* name = ControlAccessibleName(control.id);
        const HWND window = name != nullptr ? GetDlgItem(dialog, control.id) : nullptr;
        IAccessible* standard = nullptr;
        if (window == nullptr || FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                                                  reinterpret_cast<void**>(&standard)))) {
            continue;
        }
        auto* named = new NamedAccessible(standard, Widen(name));
        if (!SetWindowSubclass(window, AnswerWithName, kSubclassId, reinterpret_cast<DWORD_PTR>(named))) {
            named->Release();
        }
    }
}
