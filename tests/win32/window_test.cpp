// SPDX-License-Identifier: MIT

#include <gtest/gtest.h>
#include <oleacc.h>
#include <windows.h>

#include <algorithm>
#include <map>
#include <optional>
#include <string>
#include <utility>

#include "app/control_table.h"
#include "password/character_sets.h"
#include "quillet_process.h"
#include "support/scenarios.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/program.h"
#include "ui/win32/wide_text.h"

namespace quillet::win32::testing {
namespace {

// The scenarios every front shares.
namespace scenario = quillet::testing;

// What another program finds on the clipboard: the text, and the formats that keep it out of
// clipboard histories.
struct ClipboardContents {
  std::wstring text;
  bool excluded_from_monitors = false;
  std::optional<DWORD> in_history;
  std::optional<DWORD> to_cloud;
};

ClipboardContents ReadClipboard() {
  ClipboardContents contents;
  if (!OpenClipboard(nullptr)) {
    return contents;
  }
  if (HANDLE text = GetClipboardData(CF_UNICODETEXT)) {
    contents.text = static_cast<const wchar_t*>(GlobalLock(text));
    GlobalUnlock(text);
  }
  contents.excluded_from_monitors = IsClipboardFormatAvailable(RegisterClipboardFormatW(
                                        L"ExcludeClipboardContentFromMonitorProcessing")) != 0;
  auto dword = [](const wchar_t* format) -> std::optional<DWORD> {
    HANDLE data = GetClipboardData(RegisterClipboardFormatW(format));
    if (data == nullptr || GlobalSize(data) < sizeof(DWORD)) {
      return std::nullopt;
    }
    const DWORD value = *static_cast<const DWORD*>(GlobalLock(data));
    GlobalUnlock(data);
    return value;
  };
  contents.in_history = dword(L"CanIncludeInClipboardHistory");
  contents.to_cloud = dword(L"CanUploadToCloudClipboard");
  CloseClipboard();
  return contents;
}

void EmptyTheClipboard() {
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    CloseClipboard();
  }
}

class Win32Window : public ::testing::Test {
 protected:
  QuilletProcess quillet;

  void Run(void (scenario::WindowScenarios::*shared)()) {
    scenario::WindowScenarios scenarios(quillet);
    (scenarios.*shared)();
    EXPECT_EQ(scenarios.Failures(), "");
  }
};

// Whether a box shows its text from the first character, rather than scrolled past it.
bool ShowsFirstCharacter(HWND box) {
  RECT text_area{};
  SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&text_area));
  const auto first = static_cast<short>(LOWORD(SendMessageW(box, EM_POSFROMCHAR, 0, 0)));
  return first >= text_area.left;
}

// Also run under a Japanese locale, whose wider font once left the length boxes scrolled.
TEST_F(Win32Window, StartsWithTheDesignValues) {
  Run(&scenario::WindowScenarios::StartsWithTheDesignValues);
  for (const auto& [box, text] : scenario::kStartUpTexts) {
    EXPECT_TRUE(text.empty() || ShowsFirstCharacter(quillet.Child(box))) << LayoutOf(box).name;
  }
}

TEST_F(Win32Window, StartUpSizeShowsOnlyTheGeneratorsTopRows) {
  Run(&scenario::WindowScenarios::StartUpSizeShowsOnlyTheGeneratorsTopRows);
  const int dpi = static_cast<int>(GetDpiForWindow(quillet.Window()));
  RECT outer{};
  GetWindowRect(quillet.Window(), &outer);
  EXPECT_EQ(outer.right - outer.left, MulDiv(Form1Layout.start_outer_width, dpi, 1440));
  EXPECT_EQ(outer.bottom - outer.top, MulDiv(Form1Layout.start_outer_height, dpi, 1440));
}

TEST_F(Win32Window, TheButtonDrawsThreePasswordsFromTheChosenSet) {
  Run(&scenario::WindowScenarios::TheButtonDrawsThreePasswordsFromTheChosenSet);
}

TEST_F(Win32Window, ScrollBarsAndLengthBoxesStayInStep) {
  Run(&scenario::WindowScenarios::ScrollBarsAndLengthBoxesStayInStep);
}

TEST_F(Win32Window, ALengthIsTypedKeyByKey) {
  Run(&scenario::WindowScenarios::ALengthIsTypedKeyByKey);
}

TEST_F(Win32Window, APasteOfAnyLengthIsKeptWhole) {
  Run(&scenario::WindowScenarios::APasteOfAnyLengthIsKeptWhole);
}

TEST_F(Win32Window, TheCalculatorFollowsEveryKey) {
  Run(&scenario::WindowScenarios::TheCalculatorFollowsEveryKey);
}

TEST_F(Win32Window, TabVisitsEveryControlInTheDesignedOrder) {
  Run(&scenario::WindowScenarios::TabVisitsEveryControlInTheDesignedOrder);
}

TEST_F(Win32Window, TheOptionButtonsAreOneStopOnTheSelectedOne) {
  Run(&scenario::WindowScenarios::TheOptionButtonsAreOneStopOnTheSelectedOne);
}

TEST_F(Win32Window, CopiedPasswordsStayOutOfClipboardHistories) {
  enum class How { CopyMessage, CutMessage, CtrlC, CtrlInsert, ShiftDelete };
  struct Copy {
    Control box;
    How how;
    bool marked;
  };
  const Copy copies[] = {
      {Control::Text9, How::CopyMessage, true}, {Control::Text10, How::CutMessage, true},
      {Control::Text1, How::CtrlC, true},       {Control::Text1, How::CtrlInsert, true},
      {Control::Text1, How::ShiftDelete, true}, {Control::Text8, How::CopyMessage, false},
  };
  quillet.Click(Control::Command1);
  quillet.Focus(Control::Text1);  // the keys go to Text1
  ASSERT_EQ(quillet.Focused(), Control::Text1);
  for (const Copy& copy : copies) {
    const std::string row =
        std::string(LayoutOf(copy.box).name) + " way " + std::to_string(static_cast<int>(copy.how));
    const std::wstring text = Widen(quillet.Text(copy.box));
    HWND box = quillet.Child(copy.box);
    EmptyTheClipboard();
    SendMessageW(box, EM_SETSEL, 0, -1);
    switch (copy.how) {
      case How::CopyMessage:
        SendMessageW(box, WM_COPY, 0, 0);
        break;
      case How::CutMessage:
        SendMessageW(box, WM_CUT, 0, 0);
        break;
      case How::CtrlC:
        quillet.PressKey('C', false, true);
        break;
      case How::CtrlInsert:
        quillet.PressKey(VK_INSERT, false, true);
        break;
      case How::ShiftDelete:
        quillet.PressKey(VK_DELETE, true);
        break;
    }
    ASSERT_TRUE(quillet.Settles([] { return !ReadClipboard().text.empty(); })) << row;
    const ClipboardContents contents = ReadClipboard();
    EXPECT_EQ(contents.text, text) << row;
    EXPECT_EQ(contents.excluded_from_monitors, copy.marked) << row;
    EXPECT_EQ(contents.in_history, copy.marked ? std::optional<DWORD>(0) : std::nullopt) << row;
    EXPECT_EQ(contents.to_cloud, copy.marked ? std::optional<DWORD>(0) : std::nullopt) << row;
  }
  EXPECT_EQ(quillet.Text(Control::Text10), "");  // what was cut is gone
}

// What a screen reader gets for each control, asking over MSAA from its own process.
TEST_F(Win32Window, EveryControlTellsScreenReadersItsNameAndRole) {
  // Spelt out: with static linking, liboleacc's IID_IAccessible is an import stub, not the GUID.
  constexpr IID kIAccessible = {
      0x618736e0, 0x3c3d, 0x11cf, {0x81, 0x0c, 0x00, 0xaa, 0x00, 0x38, 0x9b, 0x71}};
  const std::map<ControlKind, LONG> roles = {{ControlKind::CommandButton, ROLE_SYSTEM_PUSHBUTTON},
                                             {ControlKind::OptionButton, ROLE_SYSTEM_RADIOBUTTON},
                                             {ControlKind::TextBox, ROLE_SYSTEM_TEXT},
                                             {ControlKind::ScrollBar, ROLE_SYSTEM_SCROLLBAR}};
  ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
  for (const ControlLayout& layout : ControlTable()) {
    if (layout.kind == ControlKind::Label) {
      continue;
    }
    IAccessible* accessible = nullptr;
    ASSERT_TRUE(
        SUCCEEDED(AccessibleObjectFromWindow(quillet.Child(layout.control), OBJID_CLIENT,
                                             kIAccessible, reinterpret_cast<void**>(&accessible))))
        << layout.name;
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    VARIANT role{};
    EXPECT_EQ(accessible->get_accName(self, &name), S_OK) << layout.name;
    EXPECT_EQ(accessible->get_accRole(self, &role), S_OK) << layout.name;
    EXPECT_EQ(std::wstring(name != nullptr ? name : L""), Widen(layout.accessible_name))
        << layout.name;
    EXPECT_EQ(role.vt == VT_I4 ? role.lVal : -1, roles.at(layout.kind)) << layout.name;
    SysFreeString(name);
    accessible->Release();
  }
  CoUninitialize();
}

// Windows refuses the first edit box, as it refuses a window it has no room for, through a hook
// on this thread: the program, run here, must say so, end with a failure and leave no window.
std::wstring message_box_texts;

LRESULT CALLBACK RefuseEditBoxes(int code, WPARAM wparam, LPARAM lparam) {
  if (code == HCBT_CREATEWND) {
    const wchar_t* class_name = reinterpret_cast<CBT_CREATEWNDW*>(lparam)->lpcs->lpszClass;
    if (!IS_INTRESOURCE(class_name) && lstrcmpiW(class_name, L"EDIT") == 0) {
      return 1;
    }
  } else if (code == HCBT_ACTIVATE) {
    const auto box = reinterpret_cast<HWND>(wparam);
    EnumChildWindows(
        box,
        [](HWND child, LPARAM) {
          message_box_texts += WindowText(child) + L"\n";
          return TRUE;
        },
        0);
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }
  return CallNextHookEx(nullptr, code, wparam, lparam);
}

TEST(StartUp, SaysSoWhenWindowsCannotMakeAControl) {
  HHOOK hook = SetWindowsHookExW(WH_CBT, RefuseEditBoxes, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  const int status = RunProgram(GetModuleHandleW(nullptr), SW_SHOWNORMAL);
  UnhookWindowsHookEx(hook);
  EXPECT_EQ(status, 1);
  EXPECT_NE(message_box_texts.find(Widen(WindowFailedMessage)), std::wstring::npos)
      << Narrow(message_box_texts);
  // The other tests' programs have all ended: a form window now could only be this one's.
  EXPECT_EQ(FindWindowW(kFormClassName, nullptr), nullptr);
}

}  // namespace
}  // namespace quillet::win32::testing
