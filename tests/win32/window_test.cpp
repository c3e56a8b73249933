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

bool OnlyFrom(const std::wstring& text, std::string_view characters) {
  return Narrow(text).find_first_not_of(characters) == std::string::npos;
}

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

  bool HasFocus(Control expected) const {
    Control control{};
    return quillet.Focused(control) && control == expected;
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
  for (const auto& [box, text] : scenario::kStartUpTexts) {
    EXPECT_EQ(quillet.Text(box), Widen(text)) << LayoutOf(box).name;
    EXPECT_TRUE(text.empty() || ShowsFirstCharacter(quillet.Child(box))) << LayoutOf(box).name;
  }
  for (const auto& [bar, value] : scenario::kStartUpValues) {
    EXPECT_EQ(quillet.Value(bar), value) << LayoutOf(bar).name;
  }
  EXPECT_TRUE(quillet.Checked(scenario::kStartUpOption));
  EXPECT_FALSE(quillet.Checked(scenario::kOtherOption));
  EXPECT_TRUE(HasFocus(scenario::kTabStops[0]));

  std::wstring caption(16, L'\0');
  caption.resize(static_cast<std::size_t>(GetWindowTextW(quillet.Window(), caption.data(), 16)));
  EXPECT_EQ(caption, Widen(scenario::kWindowCaption));
}

TEST_F(Win32Window, StartUpSizeShowsOnlyTheGeneratorsTopRows) {
  const int dpi = static_cast<int>(GetDpiForWindow(quillet.Window()));
  RECT outer{};
  GetWindowRect(quillet.Window(), &outer);
  EXPECT_EQ(outer.right - outer.left, MulDiv(Form1Layout.start_outer_width, dpi, 1440));
  EXPECT_EQ(outer.bottom - outer.top, MulDiv(Form1Layout.start_outer_height, dpi, 1440));

  RECT client{};
  GetClientRect(quillet.Window(), &client);
  for (const ControlLayout& layout : ControlTable()) {
    RECT place{};
    GetWindowRect(quillet.Child(layout.control), &place);
    MapWindowPoints(nullptr, quillet.Window(), reinterpret_cast<POINT*>(&place), 2);
    RECT overlap{};
    const bool inside = place.right <= client.right && place.bottom <= client.bottom;
    const bool hidden = !IntersectRect(&overlap, &place, &client);
    if (scenario::ShownAtStartUp(layout.control)) {
      EXPECT_TRUE(inside) << layout.name;
    } else {
      EXPECT_TRUE(hidden) << layout.name;
    }
  }
}

TEST_F(Win32Window, TheButtonDrawsThreePasswordsFromTheChosenSet) {
  for (const scenario::Generation& generation : scenario::kGenerations) {
    const std::wstring shown = quillet.Text(Control::Text1);
    quillet.Click(generation.option);
    for (const Control option : {scenario::kStartUpOption, scenario::kOtherOption}) {
      EXPECT_EQ(quillet.Checked(option), option == generation.option) << LayoutOf(option).name;
    }
    EXPECT_EQ(quillet.Text(Control::Text1), shown);
    quillet.SetText(Control::Text8, Widen(generation.length1_text));
    quillet.SetText(Control::Text11, Widen(generation.length2_text));

    quillet.Click(Control::Command1);
    const std::wstring drawn[] = {quillet.Text(Control::Text1), quillet.Text(Control::Text9),
                                  quillet.Text(Control::Text10)};
    EXPECT_NE(drawn[0], shown);
    EXPECT_EQ(drawn[0].size(), 30U);
    EXPECT_EQ(static_cast<int>(drawn[1].size()), generation.length1);
    EXPECT_EQ(static_cast<int>(drawn[2].size()), generation.length2);
    EXPECT_TRUE(OnlyFrom(drawn[0] + drawn[1] + drawn[2], generation.characters));
  }
}

TEST_F(Win32Window, ScrollBarsAndLengthBoxesStayInStep) {
  quillet.Scroll(Control::HScroll1, SB_LINERIGHT);
  EXPECT_EQ(quillet.Text(Control::Text8), L"11");
  EXPECT_EQ(quillet.Text(Control::Text9), L"");  // nothing shown yet, so nothing drawn

  quillet.Click(Control::Command1);
  quillet.Scroll(Control::HScroll1, SB_THUMBTRACK, 40);  // dragging changes nothing yet
  EXPECT_EQ(quillet.Text(Control::Text8), L"11");
  quillet.Scroll(Control::HScroll1, SB_THUMBPOSITION, 40);
  EXPECT_EQ(quillet.Text(Control::Text8), L"40");
  EXPECT_EQ(quillet.Text(Control::Text9).size(), 40U);

  quillet.Scroll(Control::HScroll2, SB_RIGHT);
  quillet.Scroll(Control::HScroll2, SB_LINERIGHT);
  EXPECT_EQ(quillet.Text(Control::Text11), L"50");
  EXPECT_EQ(quillet.Value(Control::HScroll2), 50);

  quillet.SetText(Control::Text11, L"2.5");
  EXPECT_EQ(quillet.Value(Control::HScroll2), 2);
  EXPECT_EQ(quillet.Text(Control::Text11), L"2");
  EXPECT_EQ(quillet.Text(Control::Text10).size(), 2U);

  quillet.SetText(Control::Text11, L"abc");
  EXPECT_EQ(quillet.Value(Control::HScroll2), 2);
  EXPECT_EQ(quillet.Text(Control::Text11), L"abc");
}

TEST_F(Win32Window, ALengthIsTypedKeyByKey) {
  // Tab into the length box selects its text; the keys then replace it one by one.
  for (int i = 0; i < 10; ++i) {
    quillet.PressKey(VK_TAB);
  }
  ASSERT_TRUE(quillet.WaitUntil([&] { return HasFocus(Control::Text8); }));
  quillet.PressKey('1');
  ASSERT_TRUE(quillet.WaitUntil([&] { return quillet.Value(Control::HScroll1) == 1; }));
  quillet.PressKey('2');
  ASSERT_TRUE(quillet.WaitUntil([&] { return quillet.Text(Control::Text8) == L"12"; }));
  EXPECT_EQ(quillet.Value(Control::HScroll1), 12);

  // The scroll bar before it answers the arrow keys.
  quillet.PressKey(VK_TAB, true);
  ASSERT_TRUE(quillet.WaitUntil([&] { return HasFocus(Control::HScroll1); }));
  quillet.PressKey(VK_RIGHT);
  ASSERT_TRUE(quillet.WaitUntil([&] { return quillet.Text(Control::Text8) == L"13"; }));

  // Full-width digits from an input method read like ASCII ones.
  quillet.PressKey(VK_TAB);
  ASSERT_TRUE(quillet.WaitUntil([&] { return HasFocus(Control::Text8); }));
  quillet.TypeText(L"３");
  ASSERT_TRUE(quillet.WaitUntil([&] { return quillet.Value(Control::HScroll1) == 3; }));
  // The box now reads "3", rewritten by the program, with the caret still after it.
  quillet.TypeText(L"5");
  EXPECT_TRUE(quillet.WaitUntil([&] { return quillet.Text(Control::Text8) == L"35"; }))
      << Narrow(quillet.Text(Control::Text8));
}

TEST_F(Win32Window, APasteOfAnyLengthIsKeptWhole) {
  const std::wstring long_text(40000, L'7');
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (long_text.size() + 1) * sizeof(wchar_t));
  std::copy(long_text.c_str(), long_text.c_str() + long_text.size() + 1,
            static_cast<wchar_t*>(GlobalLock(memory)));
  GlobalUnlock(memory);
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();

  SendMessageW(quillet.Child(Control::Text2), WM_PASTE, 0, 0);
  EXPECT_EQ(quillet.Text(Control::Text2).size(), long_text.size());
}

TEST_F(Win32Window, TheCalculatorFollowsEveryKey) {
  for (const auto& [box, text, before_tax, after_tax] : scenario::kCalculatorKeystrokes) {
    quillet.SetText(box, Widen(text));
    EXPECT_EQ(quillet.Text(Control::Text6), Widen(before_tax)) << LayoutOf(box).name << " " << text;
    EXPECT_EQ(quillet.Text(Control::Text7), Widen(after_tax)) << LayoutOf(box).name << " " << text;
  }
}

TEST_F(Win32Window, TabVisitsEveryControlInTheDesignedOrder) {
  const std::size_t stops = std::size(scenario::kTabStops);
  for (std::size_t i = 1; i <= stops; ++i) {
    const Control next = scenario::kTabStops[i % stops];
    quillet.PressKey(VK_TAB);
    EXPECT_TRUE(quillet.WaitUntil([&] { return HasFocus(next); }))
        << "step " << i << ": " << LayoutOf(next).name;
  }
  for (std::size_t i = stops; i > 0; --i) {
    const Control previous = scenario::kTabStops[i - 1];
    quillet.PressKey(VK_TAB, true);
    EXPECT_TRUE(quillet.WaitUntil([&] { return HasFocus(previous); }))
        << "back to " << LayoutOf(previous).name;
  }
}

TEST_F(Win32Window, TheOptionButtonsAreOneStopOnTheSelectedOne) {
  quillet.PressKey(VK_TAB);
  quillet.PressKey(VK_TAB);
  ASSERT_TRUE(quillet.WaitUntil([&] { return HasFocus(Control::Option2); }));
  quillet.PressKey(VK_DOWN);
  ASSERT_TRUE(quillet.WaitUntil([&] { return HasFocus(Control::Option1); }));
  EXPECT_TRUE(quillet.WaitUntil([&] { return quillet.Checked(Control::Option1); }));
  quillet.PressKey(VK_TAB);
  ASSERT_TRUE(quillet.WaitUntil([&] { return HasFocus(Control::Text2); }));
  quillet.PressKey(VK_TAB, true);
  EXPECT_TRUE(quillet.WaitUntil([&] { return HasFocus(Control::Option1); }));

  // The choice took: the next passwords are hexadecimal.
  quillet.Click(Control::Command1);
  EXPECT_TRUE(OnlyFrom(quillet.Text(Control::Text1), HexDigits));
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
  quillet.PressKey(VK_TAB);  // the keys go to Text1
  ASSERT_TRUE(quillet.WaitUntil([&] { return HasFocus(Control::Text1); }));
  for (const Copy& copy : copies) {
    const std::string row =
        std::string(LayoutOf(copy.box).name) + " way " + std::to_string(static_cast<int>(copy.how));
    const std::wstring text = quillet.Text(copy.box);
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
    ASSERT_TRUE(quillet.WaitUntil([] { return !ReadClipboard().text.empty(); })) << row;
    const ClipboardContents contents = ReadClipboard();
    EXPECT_EQ(contents.text, text) << row;
    EXPECT_EQ(contents.excluded_from_monitors, copy.marked) << row;
    EXPECT_EQ(contents.in_history, copy.marked ? std::optional<DWORD>(0) : std::nullopt) << row;
    EXPECT_EQ(contents.to_cloud, copy.marked ? std::optional<DWORD>(0) : std::nullopt) << row;
  }
  EXPECT_EQ(quillet.Text(Control::Text10), L"");  // what was cut is gone
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
