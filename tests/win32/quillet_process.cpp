// SPDX-License-Identifier: MIT

#include "quillet_process.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "support/scenarios.h"
#include "ui/win32/control_ids.h"
#include "ui/win32/wide_text.h"

namespace quillet::win32::testing {
namespace {

constexpr auto kPatience = std::chrono::seconds(10);
constexpr DWORD kAnswerTimeoutMs = 5000;

// The program beside this one, unless QUILLET_EXE names another copy.
std::wstring ProgramToTest() {
  std::array<wchar_t, MAX_PATH> path{};
  if (const DWORD length =
          GetEnvironmentVariableW(L"QUILLET_EXE", path.data(), static_cast<DWORD>(path.size()));
      length > 0 && length < path.size()) {
    return std::wstring(path.data(), length);
  }
  const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  std::wstring folder(path.data(), length);
  folder.resize(folder.find_last_of(L"\\/") + 1);
  return folder + L"quillet.exe";
}

bool Answers(HWND window) {
  DWORD_PTR result = 0;
  return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &result) !=
         0;
}

INPUT KeyInput(WORD virtual_key, WORD scan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  return input;
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

}  // namespace

QuilletProcess::QuilletProcess() {
  std::wstring command_line = L"\"" + ProgramToTest() + L"\"";
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  if (!CreateProcessW(nullptr, command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                      &startup, &process_)) {
    throw std::runtime_error("quillet.exe did not start");
  }
  WaitForInputIdle(process_.hProcess,
                   static_cast<DWORD>(std::chrono::milliseconds(kPatience).count()));
  const bool found = Settles([this] {
    window_ = FindWindowW(kFormClassName, nullptr);
    return window_ != nullptr && IsWindowVisible(window_) && Answers(window_);
  });
  if (!found) {
    throw std::runtime_error("quillet.exe showed no window");
  }
  SetForegroundWindow(window_);
}

QuilletProcess::~QuilletProcess() {
  if (window_ != nullptr) {
    PostMessageW(window_, WM_CLOSE, 0, 0);
  }
  if (WaitForSingleObject(process_.hProcess, kAnswerTimeoutMs) != WAIT_OBJECT_0) {
    TerminateProcess(process_.hProcess, 1);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND QuilletProcess::Child(Control control) const {
  return GetDlgItem(window_, ControlId(control));
}

std::string QuilletProcess::Caption() const {
  return Narrow(WindowText(window_));
}

std::string QuilletProcess::Text(Control text_box) const {
  // GetWindowTextW does not read another process's edit boxes; WM_GETTEXT does.
  HWND box = Child(text_box);
  std::wstring text(static_cast<std::size_t>(SendMessageW(box, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  const auto length =
      SendMessageW(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return Narrow(text);
}

void QuilletProcess::SetText(Control text_box, std::string_view text) {
  SendMessageW(Child(text_box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(Widen(text).c_str()));
}

void QuilletProcess::Paste(Control text_box, std::string_view text) {
  const std::wstring wide = Widen(text);
  if (OpenClipboard(nullptr)) {
    EmptyClipboard();
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (wide.size() + 1) * sizeof(wchar_t));
    std::copy(wide.c_str(), wide.c_str() + wide.size() + 1,
              static_cast<wchar_t*>(GlobalLock(memory)));
    GlobalUnlock(memory);
    SetClipboardData(CF_UNICODETEXT, memory);
    CloseClipboard();
  }
  SendMessageW(Child(text_box), WM_PASTE, 0, 0);
}

int QuilletProcess::Value(Control scroll_bar) const {
  return GetScrollPos(Child(scroll_bar), SB_CTL);
}

bool QuilletProcess::Checked(Control option_button) const {
  return SendMessageW(Child(option_button), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void QuilletProcess::Click(Control button) {
  SendMessageW(Child(button), BM_CLICK, 0, 0);
}

void QuilletProcess::Scroll(Control scroll_bar, quillet::testing::ScrollStep step, int position) {
  constexpr WORD kRequests[] = {SB_LINERIGHT, SB_RIGHT, SB_THUMBTRACK, SB_THUMBPOSITION};
  SendMessageW(window_, WM_HSCROLL, MAKEWPARAM(kRequests[static_cast<int>(step)], position),
               reinterpret_cast<LPARAM>(Child(scroll_bar)));
}

std::optional<Control> QuilletProcess::Focused() const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(process_.dwThreadId, &info)) {
    return std::nullopt;
  }
  return quillet::testing::FindControl(
      [&](Control control) { return Child(control) == info.hwndFocus; });
}

quillet::testing::PixelRect QuilletProcess::ClientArea() const {
  RECT client{};
  GetClientRect(window_, &client);
  return {client.left, client.top, client.right, client.bottom};
}

quillet::testing::PixelRect QuilletProcess::Place(Control control) const {
  RECT place{};
  GetWindowRect(Child(control), &place);
  MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&place), 2);
  return {place.left, place.top, place.right, place.bottom};
}

void QuilletProcess::Press(quillet::testing::Key key, bool shift) {
  constexpr WORD kKeys[] = {VK_TAB, VK_LEFT, VK_RIGHT, VK_DOWN};
  PressKey(kKeys[static_cast<int>(key)], shift);
}

void QuilletProcess::PressKey(WORD virtual_key, bool shift, bool control) const {
  std::vector<INPUT> inputs;
  if (shift) {
    inputs.push_back(KeyInput(VK_SHIFT, 0, 0));
  }
  if (control) {
    inputs.push_back(KeyInput(VK_CONTROL, 0, 0));
  }
  inputs.push_back(KeyInput(virtual_key, 0, 0));
  inputs.push_back(KeyInput(virtual_key, 0, KEYEVENTF_KEYUP));
  if (control) {
    inputs.push_back(KeyInput(VK_CONTROL, 0, KEYEVENTF_KEYUP));
  }
  if (shift) {
    inputs.push_back(KeyInput(VK_SHIFT, 0, KEYEVENTF_KEYUP));
  }
  Send(inputs);
}

void QuilletProcess::TypeText(std::string_view text) {
  for (const wchar_t c : Widen(text)) {
    Send({KeyInput(0, c, KEYEVENTF_UNICODE), KeyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
  }
}

// One Tab at a time, each once the one before has moved the focus, the shorter way round.
void QuilletProcess::Focus(Control control) {
  using quillet::testing::kTabStops;
  // A control that is no stop, or nothing, counts as one past the last.
  const auto stop_of = [](std::optional<Control> c) {
    return std::ranges::find(kTabStops, c.value_or(Control::Label1)) - std::begin(kTabStops);
  };
  const auto stops = std::ssize(kTabStops);
  for (auto i = stops; i > 0 && Focused() != control; --i) {
    const std::optional<Control> before = Focused();
    const auto ahead = (stop_of(control) - stop_of(before) + stops) % stops;
    Press(quillet::testing::Key::Tab, ahead > stops / 2);
    Settles([&] { return Focused() != before; });
  }
}

bool QuilletProcess::Settles(const std::function<bool()>& done) const {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) {
      return false;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
  return true;
}

}  // namespace quillet::win32::testing
