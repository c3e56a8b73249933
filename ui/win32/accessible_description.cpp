// SPDX-License-Identifier: MIT

#include "ui/win32/accessible_description.h"

#include <utility>

#include "ui/win32/system_library.h"

namespace quillet::win32 {
namespace {

constexpr UINT_PTR kSubclassId = 2;

// The control's standard accessible object, as Windows makes it, with the control's own name
// and role. Windows' Dynamic Annotation, IAccPropServices::SetHwndPropStr and SetHwndProp with
// PROPID_ACC_NAME and PROPID_ACC_ROLE, would give both in two calls a control and no object of
// our own; but Wine's oleacc answers every IAccPropServices method with E_NOTIMPL
// (dlls/oleacc/propservice.c), and under Wine a screen reader would hear no name at all. This
// object serves on both; it can give way to the annotations once Wine implements them.
class NamedAccessible final : public IAccessible {
 public:
  NamedAccessible(IAccessible* standard, const AccessibleDescription& description)
      : standard_(standard), description_(description) {}

  NamedAccessible(const NamedAccessible&) = delete;
  NamedAccessible& operator=(const NamedAccessible&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (object == nullptr) {
      return E_POINTER;
    }
    if (IsEqualIID(id, __uuidof(IUnknown)) || IsEqualIID(id, __uuidof(IDispatch)) ||
        IsEqualIID(id, __uuidof(IAccessible))) {
      *object = static_cast<IAccessible*>(this);
      AddRef();
      return S_OK;
    }
    // The window and enumeration interfaces of the standard object serve as they are.
    return standard_->QueryInterface(id, object);
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return InterlockedIncrement(&references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const LONG left = InterlockedDecrement(&references_);
    if (left == 0) {
      delete this;
    }
    return static_cast<ULONG>(left);
  }

  // IDispatch
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
    return standard_->GetTypeInfoCount(count);
  }
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override {
    return standard_->GetTypeInfo(index, locale, info);
  }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID id, LPOLESTR* names, UINT count, LCID locale,
                                          DISPID* ids) override {
    return standard_->GetIDsOfNames(id, names, count, locale, ids);
  }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID member, REFIID id, LCID locale, WORD flags,
                                   DISPPARAMS* parameters, VARIANT* result, EXCEPINFO* exception,
                                   UINT* wrong_argument) override {
    return standard_->Invoke(member, id, locale, flags, parameters, result, exception,
                             wrong_argument);
  }

  // IAccessible: the control's own name and role are the description's; everything else,
  // and its parts' names and roles, are Windows'.
  HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
    if (name == nullptr) {
      return E_INVALIDARG;
    }
    if (IsSelf(child)) {
      *name = system::SysAllocString(description_.name.c_str());
      return *name != nullptr ? S_OK : E_OUTOFMEMORY;
    }
    return standard_->get_accName(child, name);
  }
  HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
    if (role == nullptr) {
      return E_INVALIDARG;
    }
    if (IsSelf(child)) {
      role->vt = VT_I4;
      role->lVal = description_.role;
      return S_OK;
    }
    return standard_->get_accRole(child, role);
  }
  HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
    return standard_->get_accParent(parent);
  }
  HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
    return standard_->get_accChildCount(count);
  }
  HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override {
    return standard_->get_accChild(child, dispatch);
  }
  HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
    return standard_->get_accValue(child, value);
  }
  HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override {
    return standard_->get_accDescription(child, description);
  }
  HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
    return standard_->get_accState(child, state);
  }
  HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override {
    return standard_->get_accHelp(child, help);
  }
  HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override {
    return standard_->get_accHelpTopic(file, child, topic);
  }
  HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override {
    return standard_->get_accKeyboardShortcut(child, shortcut);
  }
  HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override {
    return standard_->get_accFocus(child);
  }
  HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override {
    return standard_->get_accSelection(children);
  }
  HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
    return standard_->get_accDefaultAction(child, action);
  }
  HRESULT STDMETHODCALLTYPE accSelect(LONG flags, VARIANT child) override {
    return standard_->accSelect(flags, child);
  }
  HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                        VARIANT child) override {
    return standard_->accLocation(left, top, width, height, child);
  }
  HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
    return standard_->accNavigate(direction, start, end);
  }
  HRESULT STDMETHODCALLTYPE accHitTest(LONG left, LONG top, VARIANT* child) override {
    return standard_->accHitTest(left, top, child);
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

 private:
  ~NamedAccessible() { standard_->Release(); }

  static bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
  }

  IAccessible* standard_;
  AccessibleDescription description_;
  LONG references_ = 1;
};

LRESULT AccessibleObject(HWND control, WPARAM wparam, const AccessibleDescription& description) {
  IAccessible* standard = nullptr;
  if (FAILED(system::CreateStdAccessibleObject(control, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&standard)))) {
    return 0;
  }
  auto* named = new NamedAccessible(standard, description);
  const LRESULT result = system::LresultFromObject(__uuidof(IAccessible), wparam, named);
  named->Release();
  return result;
}

LRESULT CALLBACK NamedControlProcedure(HWND control, UINT message, WPARAM wparam, LPARAM lparam,
                                       UINT_PTR /*id*/, DWORD_PTR data) {
  auto* description = reinterpret_cast<AccessibleDescription*>(data);
  switch (message) {
    case WM_GETOBJECT:
      if (static_cast<LONG>(lparam) == OBJID_CLIENT) {
        if (const LRESULT object = AccessibleObject(control, wparam, *description); object != 0) {
          return object;
        }
      }
      break;
    case WM_NCDESTROY:
      system::RemoveWindowSubclass(control, NamedControlProcedure, kSubclassId);
      delete description;
      break;
    default:
      break;
  }
  return system::DefSubclassProc(control, message, wparam, lparam);
}

}  // namespace

void Describe(HWND control, AccessibleDescription description) {
  auto* kept = new AccessibleDescription(std::move(description));
  if (!system::SetWindowSubclass(control, NamedControlProcedure, kSubclassId,
                                 reinterpret_cast<DWORD_PTR>(kept))) {
    delete kept;
  }
}

}  // namespace quillet::win32
