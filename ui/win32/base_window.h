// SPDX-License-Identifier: MIT

#pragma once

#include <windows.h>

namespace quillet::win32 {

// A top-level window whose messages go to a member of the class that derives from it, as in
// Microsoft's samples: Windows hands the object to the window as it creates it, the window keeps
// it in its user data, and the class's procedure passes each message to the object's
// HandleMessage. What the window does lives in the derived class alone.
template <typename Derived>
class BaseWindow {
 public:
  BaseWindow(const BaseWindow&) = delete;
  BaseWindow& operator=(const BaseWindow&) = delete;

  HWND Handle() const { return window_; }

 protected:
  BaseWindow() = default;
  ~BaseWindow() = default;

  // Registers the window class, with the program's icon, and creates the window. False where
  // Windows refuses either.
  bool Create(HINSTANCE instance, const wchar_t* class_name, const wchar_t* caption) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof(window_class);
    window_class.lpfnWndProc = WindowProcedure;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    window_class.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                   GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    window_class.lpszClassName = class_name;
    if (RegisterClassExW(&window_class) == 0) {
      return false;
    }
    window_ =
        CreateWindowExW(0, class_name, caption, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance, this);
    return window_ != nullptr;
  }

  // Destroys the window as one that never ran: its WM_DESTROY would end the next message loop,
  // that of the message box that says why.
  void Abandon() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    window_ = nullptr;
  }

  HWND window_ = nullptr;

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
      auto* self =
          static_cast<BaseWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
      self->window_ = window;
      SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<BaseWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    return self != nullptr ? static_cast<Derived*>(self)->HandleMessage(message, wparam, lparam)
                           : DefWindowProcW(window, message, wparam, lparam);
  }
};

}  // namespace quillet::win32
