// SPDX-License-Identifier: MIT

#include "ui/win32/form_window.h"

#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>

#include "app/control_table.h"
#include "password/wipe.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/secret_edit.h"
#include "ui/win32/system_library.h"
#include "ui/win32/wide_text.h"

namespace quillet::win32 {
namespace {

// What the user asks of a scroll bar with its arrows, its trough and its keys; a drag asks
// nothing until the thumb is let go, which then sets the value.
constexpr std::pair<WORD, ScrollRequest> kScrollRequests[] = {
    {SB_LINELEFT, ScrollRequest::StepLeft}, {SB_LINERIGHT, ScrollRequest::StepRight},
    {SB_PAGELEFT, ScrollRequest::PageLeft}, {SB_PAGERIGHT, ScrollRequest::PageRight},
    {SB_LEFT, ScrollRequest::ToStart},      {SB_RIGHT, ScrollRequest::ToEnd},
};

void SetStyleBit(HWND window, DWORD bit, bool on) {
  const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
  SetWindowLongPtrW(window, GWL_STYLE, static_cast<LONG_PTR>(on ? style | bit : style & ~bit));
}

}  // namespace

FormWindow::FormWindow(Form1& form) : form_(form) {}

FormWindow::~FormWindow() {
  form_.SetListener(nullptr);
}

bool FormWindow::Open(HINSTANCE instance, int show_command) {
  const INITCOMMONCONTROLSEX common_controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  system::InitCommonControlsEx(&common_controls);
  if (!Create(instance, kFormClassName, Widen(Form1Layout.caption).c_str())) {
    return false;
  }
  factory_.emplace(window_);
  // A control Windows cannot make would leave a hole every later step steps into: nothing is
  // shown half-built.
  if (!CreateControls()) {
    Abandon();
    controls_.clear();
    return false;
  }
  Load();
  ShowWindow(window_, show_command);
  SetFocus(Child(Control::Command1));
  return true;
}

// The dialog manager's Tab key follows the order in which the controls were created.
bool FormWindow::CreateControls() {
  ControlKind previous_kind = ControlKind::Label;
  for (const ControlLayout* layout : ControlsInTabOrder()) {
    // Option buttons in a row form one group, so that the arrow keys move among them and
    // nowhere else; every other control starts a group of its own.
    const bool starts_group =
        layout->kind != ControlKind::OptionButton || previous_kind != ControlKind::OptionButton;
    previous_kind = layout->kind;
    // A box starts with the form's text: writing it afterwards costs as much as making the box.
    const std::string_view text =
        layout->kind == ControlKind::TextBox ? form_.Text(layout->control) : layout->caption;
    HWND child = factory_->Create(*layout, text, form_.TakesTabStop(layout->control), starts_group);
    if (child == nullptr) {
      return false;
    }
    controls_[layout->control] = child;
    ControlChanged(layout->control);
  }
  // Windows puts each control below those made before it. The labels go under them all, since a
  // scroll bar overlaps the right of its label; they take no focus, and the Tab key, which walks
  // the same order, does not notice.
  for (const auto& [control, child] : controls_) {
    if (KindOf(control) == ControlKind::Label) {
      SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
  return true;
}

// The load event: the window takes its start-up size; then the form runs its start-up.
void FormWindow::Load() {
  const PixelSize start_up = factory_->StartUpSize();
  SetWindowPos(window_, nullptr, 0, 0, start_up.width, start_up.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  form_.SetListener(this);
  form_.Load();
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
        if (HBRUSH brush = ControlBrush(LayoutOf(*control), reinterpret_cast<HDC>(wparam))) {
          return reinterpret_cast<LRESULT>(brush);
        }
      }
      break;
    // Places and fonts follow the window's DPI and the message font: when the window moves to a
    // screen of another DPI, and when the user changes the font.
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

// The controls take the new fonts before the factory that made the old ones frees them.
void FormWindow::LayOutControls() {
  ControlFactory factory(window_);
  for (const ControlLayout& layout : ControlTable()) {
    factory.Place(Child(layout.control), layout);
  }
  factory_ = std::move(factory);
}

// A message font the user changes while the window is open lays it out as a start-up with that
// font would, and sizes the window by the form's rule.
void FormWindow::FollowFontChange() {
  RECT outer{};
  GetWindowRect(window_, &outer);
  const PixelSize old_start_up = factory_->StartUpSize();
  const double old_scale = factory_->LayoutScale();
  LayOutControls();
  if (factory_->LayoutScale() == old_scale) {
    return;
  }
  const PixelSize after = SizeForNewLayoutScale(
      {static_cast<int>(outer.right - outer.left), static_cast<int>(outer.bottom - outer.top)},
      old_start_up, factory_->StartUpSize(), old_scale, factory_->LayoutScale());
  SetWindowPos(window_, nullptr, 0, 0, after.width, after.height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

std::optional<Control> FormWindow::ControlOf(HWND child) const {
  const auto found =
      std::ranges::find(controls_, child, [](const auto& entry) { return entry.second; });
  return found != controls_.end() ? std::optional(found->first) : std::nullopt;
}

// Every notification counts but those of the window's own writes, which show what the form
// already holds.
void FormWindow::OnCommand(Control control, WORD notification, HWND child) {
  if (showing_value_) {
    return;
  }
  switch (KindOf(control)) {
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

// The form decides where a step or a page goes; a dragged thumb changes the value once, where it
// is let go, and nothing while it moves.
void FormWindow::OnScroll(HWND bar, WORD request, WORD thumb_position) {
  const auto control = ControlOf(bar);
  if (!control) {
    return;
  }
  if (request == SB_THUMBPOSITION) {
    form_.SetValue(*control, thumb_position);
  }
  for (const auto& [code, scroll] : kScrollRequests) {
    if (code == request) {
      form_.Scroll(*control, scroll);
    }
  }
}

// Shows a control's value: the design value as the control is made, and then every value the form
// gives it.
void FormWindow::ControlChanged(Control control) {
  HWND child = Child(control);
  const bool was_showing = std::exchange(showing_value_, true);
  switch (KindOf(control)) {
    case ControlKind::OptionButton:
      SendMessageW(child, BM_SETCHECK, form_.Selected(control) ? BST_CHECKED : BST_UNCHECKED, 0);
      SetStyleBit(child, WS_TABSTOP, form_.TakesTabStop(control));
      break;
    case ControlKind::TextBox: {
      std::wstring text = Widen(form_.Text(control));
      ReplaceText(child, text);
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
  ShowMessage(window_, RandomSourceFailedMessage, MB_ICONWARNING);
}

void ShowMessage(HWND owner, std::string_view message, UINT icon) {
  const std::wstring caption = Widen(Form1Layout.caption);
  const std::wstring text = Widen(message);
  MessageBoxW(owner, text.c_str(), caption.c_str(), MB_OK | icon);
}

}  // namespace quillet::win32
