// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>
// windows.h first: these need its types.
#include <commctrl.h>
#include <oleacc.h>

// The functions the window takes from DLLs beyond Windows' KnownDLLs. Windows looks for an
// imported DLL in the program's own folder first, where a copy planted beside quillet.exe (in a
// Downloads folder, say) would be loaded in its place. These are loaded on first use instead,
// from the system folder only, and so are the DLLs they bring in (process_guard.h).
namespace quillet::win32::system {

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX* classes);
BOOL SetWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id, DWORD_PTR data);
BOOL RemoveWindowSubclass(HWND window, SUBCLASSPROC procedure, UINT_PTR id);
LRESULT DefSubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
HRESULT CreateStdAccessibleObject(HWND window, LONG object_id, REFIID interface_id, void** object);
LRESULT LresultFromObject(REFIID interface_id, WPARAM wparam, IUnknown* object);
BSTR SysAllocString(const OLECHAR* text);

}  // namespace quillet::win32::system
