// SPDX-License-Identifier: MIT

#include "ui/win32/system_library.h"

namespace quillet::win32::system {
namespace {

// Null when the DLL or the function is missing; each caller then does without.
template <typename Function>
Function* Load(const wchar_t* dll, const char* name) {
  const FARPROC address =
      GetProcAddress(LoadLibraryExW(dll, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32), name);
  return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(address));
}

}  // namespace

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes) {
  static auto* const function =
      Load<decltype(::InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx");
  return function != nullptr && function(classes);
}

BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data) {
  static auto* const function =
      Load<decltype(::SetWindowSubclass)>(L"comctl32.dll", "SetWindowSubclass");
  return function != nullptr && function(window, procedure, id, data);
}

BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id) {
  static auto* const function =
      Load<decltype(::RemoveWindowSubclass)>(L"comctl32.dll", "RemoveWindowSubclass");
  return function != nullptr && function(window, procedure, id);
}

// Only a subclassed window calls this, and only SetWindowSubclass can have subclassed it.
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  static auto* const function =
      Load<decltype(::DefSubclassProc)>(L"comctl32.dll", "DefSubclassProc");
  return function(window, message, wparam, lparam);
}

HRESULT CreateStdAccessibleObject(HWND window, LONG object_id, REFIID interface_id, void** object) {
  static auto* const function =
      Load<decltype(::CreateStdAccessibleObject)>(L"oleacc.dll", "CreateStdAccessibleObject");
  return function != nullptr ? function(window, object_id, interface_id, object) : E_NOTIMPL;
}

LRESULT LresultFromObject(REFIID interface_id, WPARAM wparam, IUnknown* object) {
  static auto* const function =
      Load<decltype(::LresultFromObject)>(L"oleacc.dll", "LresultFromObject");
  return function != nullptr ? function(interface_id, wparam, object) : 0;
}

BSTR SysAllocString(const OLECHAR* text) {
  static auto* const function = Load<decltype(::SysAllocString)>(L"oleaut32.dll", "SysAllocString");
  return function != nullptr ? function(text) : nullptr;
}

}  // namespace quillet::win32::system
