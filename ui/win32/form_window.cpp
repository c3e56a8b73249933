// SPDX-License-Identifier: MIT

#include "ui/win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "app/control_table.h"
#include "password/wipe.h"
#include "ui/win32/control_factory.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/secret_edit.h"
#include "ui/win32/system_library.h"
#include "ui/win32/wide_text.h"

namespace quillet::win32 {
namespace {

constexpr int kPointsPerInch = 72;

// What the user asks of a scroll bar with its arrows, its trough and its keys.
constexpr std::pair<WORD, ScrollRequest> kScrollRequests[] = {
    {SB_LINELEFT, ScrollRequest::StepLeft}, {SB_LINERIGHT, ScrollRequest::StepRight},
    {SB_PAGELEFT, ScrollRequest::PageLeft}, {SB_PAGERIGHT, ScrollRequest::PageRight},
    {SB_LEFT, ScrollRequest::ToStart},      {SB_RIGHT, ScrollRequest::ToEnd},
};

// The password font may stand in for itself with the message font; deleting the stock font the
// message font falls back to does no harm.
void DeleteFonts(const ControlPlacement& placement) {
  if (placement.password_font != placement.message_font) {
    DeleteObject(placement.password_font);
  }
  DeleteObject(placement.message_font);
}

void SetStyleBit(HWND window, DWORD bit, bool on) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(on ? style | bit : style & ~bit));
}

}  // namespace

FormWindow::FormWindow(Form1& form) : form_(form) {}

FormWindow::~FormWindow() {
  form_.SetListener(nullptr);
  DeleteFonts(placement_);
}

bool FormWindow::Open(HINSTANCE instance, int show_command) {
  const INITCOMMONCONTROLSEX common_controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  system::InitCommonControlsEx(&common_controls);

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
  window_class.lpszClassName = kFormClassName;
  if (RegisterClassExW(&window_class) == 0) {
    return false;
  }
  const std::wstring caption = Widen(Form1Layout.caption);
  window_ = CreateWindowExW(0, kFormClassName, caption.c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                            this);
  if (window_ == nullptr) {
    return false;
  }
  placement_ = MakePlacement();
  // A control Windows cannot make would leave a hole every later step steps into: nothing is
  // shown half-built.
  if (!CreateControls(instance)) {
    // Destroyed as a window that never ran: its WM_DESTROY would end the next message loop, the
    // message box's that says why.
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
    window_ = nullptr;
    controls_.clear();
    return false;
  }
  // The boxes were made with their texts; the option buttons and scroll bars take theirs here.
  for (const auto& [control, child] : controls_) {
    if (LayoutOf(control).kind != ControlKind::TextBox) {
      ShowValue(control);
    }
  }
  Load();
  ShowWindow(window_, show_command);
  SetFocus(Child(Control::Command1));
  return true;
}

bool FormWindow::CreateControls(HINSTANCE instance) {
  ControlKind previous_kind = ControlKind::Label;
  // The dialog manager's Tab key follows the order in which the controls were created.
  for (const ControlLayout* layout : ControlsInTabOrder()) {
    // Option buttons in a row form one group, so that the arrow keys move among them and
    // nowhere else; every other control starts a group of its own.
    const bool starts_group =
        layout->kind != ControlKind::OptionButton || previous_kind != ControlKind::OptionButton;
    previous_kind = layout->kind;
    // A box starts with the form's text: writing it afterwards costs as much as making the box.
    const std::string_view text =
        layout->kind == ControlKind::TextBox ? form_.Text(layout->control) : layout->caption;
    HWND child = CreateControl(*layout, text, placement_, form_.TakesTabStop(layout->control),
                               starts_group, window_, instance);
    if (child == nullptr) {
      return false;
    }
    controls_[layout->control] = child;
  }
  return true;
}

int FormWindow::Pixels(int twips) const {
  return TwipsToPixels(twips, placement_.layout_scale, static_cast<int>(placement_.dpi));
}

// Places and fonts follow the window's DPI and the message font: at start, whenever the window
// moves to a screen of another DPI, and when the user changes the font.
ControlPlacement FormWindow::MakePlacement() const {
  const UINT dpi = GetDpiForWindow(window_);
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoForDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi);
  // A font Windows cannot make falls back to the message font, and that to the stock GUI font.
  HFONT message_font = CreateFontIndirectW(&metrics.lfMessageFont);
  if (message_font == nullptr) {
    message_font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  const std::wstring face = Widen(PasswordFont.face);
  HFONT password_font =
      CreateFontW(-MulDiv(PasswordFont.points, static_cast<int>(dpi), kPointsPerInch), 0, 0, 0,
                  PasswordFont.weight, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                  CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face.c_str());
  if (password_font == nullptr) {
    password_font = message_font;
  }
  // A larger message font than the design's makes the whole layout larger, as dialog units do.
  const double layout_scale = LayoutScale(std::abs(metrics.lfMessageFont.lfHeight) *
                                          static_cast<double>(kPointsPerInch) / dpi);
  return {layout_scale, dpi, message_font, password_font};
}

void FormWindow::LayOutControls() {
  const ControlPlacement old_placement = std::exchange(placement_, MakePlacement());
  for (const ControlLayout& layout : ControlTable()) {
    PlaceControl(Child(layout.control), layout, placement_);
  }
  DeleteFonts(old_placement);
}

// The start-up size, frame included, which leaves only the generator's top rows inside it.
PixelSize FormWindow::StartUpSize() const {
  return {Pixels(Form1Layout.start_outer_width), Pixels(Form1Layout.start_outer_height)};
}

// A message font the user changes while the window is open lays it out as a start-up with that
// font would, and sizes the window by the form's rule.
void FormWindow::FollowFontChange() {
  RECT outer{};
  GetWindowRect(window_, &outer);
  const PixelSize old_start_up = StartUpSize();
  const double old_scale = placement_.layout_scale;
  LayOutControls();
  if (placement_.layout_scale == old_scale) {
    return;
  }
  const PixelSize after = SizeForNewLayoutScale(
      {static_cast<int>(outer.right - outer.left), static_cast<int>(outer.bottom - outer.top)},
      old_start_up, StartUpSize(), old_scale, placement_.layout_scale);
  SetWindowPos(window_, nullptr, 0, 0, after.width, after.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The load event: the window takes its start-up size; then the form runs its start-up.
void FormWindow::Load() {
  const PixelSize start_up = StartUpSize();
  SetWindowPos(window_, nullptr, 0, 0, start_up.width, start_up.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  form_.SetListener(this);
  form_.Load();
}

LRESULT CALLBACK FormWindow::WindowProcedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<FormWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<FormWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (self == nullptr) {
    return DefWindowProcW(window, message, wparam, lparam);
  }
  return self->HandleMessage(message, wparam, lparam);
}

LRESULT FormWindow::HandleMessage(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (const auto control = ControlOf(reinterpret_cast<HWND>(lparam))) {
        OnCommand(*control, HIWORD(wparam), reinterpret_cast<HWND>(lparam));
      }
      return 0;
    case WM_HSCROLL:
      OnScroll(reinterpret_cast<HWND>(lparam), LOWORD(wparam), HIWORD(wparam));
      return 0;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (const auto control = ControlOf(reinterpret_cast<HWND>(lparam))) {
        if (HBRUSH brush = PaintControl(LayoutOf(*control), reinterpret_cast<HDC>(wparam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      break;
    case WM_DPICHANGED: {
      const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
      SetWindowPos(window_, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
      LayOutControls();
      return 0;
    }
    case WM_SETTINGCHANGE:
      if (wparam == SPI_SETNONCLIENTMETRICS) {
        FollowFontChange();
      }
      break;
    // The focus returns to the control that had it when the window was last active.
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        focus_before_deactivation_ = GetFocus();
      }
      break;
    case WM_SETFOCUS:
      if (focus_before_deactivation_ != nullptr && IsChild(window_, focus_before_deactivation_)) {
        SetFocus(focus_before_deactivation_);
        return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, wparam, lparam);
}

std::optional<Control> FormWindow::ControlOf(HWND child) const {
  const auto found =
      std::ranges::find(controls_, child, [](const auto& entry) { return entry.second; });
  return found != controls_.end() ? std::optional(found->first) : std::nullopt;
}

void FormWindow::OnCommand(Control control, WORD notification, HWND child) {
  if (showing_value_) {
    return;
  }
  switch (LayoutOf(control).kind) {
    case ControlKind::CommandButton:
      if (notification == BN_CLICKED) {
        form_.Click(control);
      }
      break;
    case ControlKind::OptionButton:
      if (notification == BN_CLICKED && SendMessageW(child, BM_GETCHECK, 0, 0) == BST_CHECKED) {
        form_.Select(control);
      }
      break;
    case ControlKind::TextBox:
      if (notification == EN_CHANGE) {
        std::wstring shown = WindowText(child);
        form_.SetText(control, Narrow(shown));
        Wipe(shown);
      }
      break;
    default:
      break;
  }
}

void FormWindow::OnScroll(HWND bar, WORD request, WORD thumb_position) {
  const auto control = ControlOf(bar);
  if (!control) {
    return;
  }
  // The value changes once, where the dragged thumb is let go; while it moves, nothing does.
  if (request == SB_THUMBPOSITION) {
    form_.SetValue(*control, thumb_position);
  }
  for (const auto& [code, scroll] : kScrollRequests) {
    if (code == request) {
      form_.Scroll(*control, scroll);
    }
  }
}

void FormWindow::ControlChanged(Control control) {
  ShowValue(control);
}

void FormWindow::ShowValue(Control control) {
  HWND child = Child(control);
  const bool was_showing = showing_value_;
  showing_value_ = true;
  switch (LayoutOf(control).kind) {
    case ControlKind::OptionButton: {
      const bool selected = form_.Selected(control);
      SendMessageW(child, BM_SETCHECK, selected ? BST_CHECKED : BST_UNCHECKED, 0);
      SetStyleBit(child, WS_TABSTOP, form_.TakesTabStop(control));
      break;
    }
    case ControlKind::TextBox: {
      // Writing the text a box already shows would move its caret in the middle of the
      // user's typing.
      std::wstring text = Widen(form_.Text(control));
      std::wstring shown = WindowText(child);
      if (shown != text) {
        SetTextKeepingCaret(child, text);
      }
      Wipe(shown);
      Wipe(text);
      break;
    }
    case ControlKind::ScrollBar:
      SetScrollPos(child, SB_CTL, form_.Value(control), TRUE);
      break;
    default:
      break;
  }
  showing_value_ = was_showing;
}

void FormWindow::RandomSourceFailed() {
  const std::wstring caption = Widen(Form1Layout.caption);
  const std::wstring message = Widen(RandomSourceFailedMessage);
  MessageBoxW(window_, message.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
}

}  // namespace quillet::win32
