// SPDX-License-Identifier: MIT

#include "quillet_process.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <vector>

#include "app/control_table.h"
#include "ui/win32/control_ids.h"

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
  const bool found = WaitUntil([this] {
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

std::wstring QuilletProcess::Text(Control text_box) const {
  // GetWindowTextW does not read another process's edit boxes; WM_GETTEXT does.
  HWND box = Child(text_box);
  std::wstring text(static_cast<std::size_t>(SendMessageW(box, WM_GETTEXTLENGTH, 0, 0)) + 1, L'\0');
  const auto length =
      SendMessageW(box, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
  text.resize(static_cast<std::size_t>(length));
  return text;
}

void QuilletProcess::SetText(Control text_box, const std::wstring& text) const {
  SendMessageW(Child(text_box), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

int QuilletProcess::Value(Control scroll_bar) const {
  return GetScrollPos(Child(scroll_bar), SB_CTL);
}

bool QuilletProcess::Checked(Control option_button) const {
  return SendMessageW(Child(option_button), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void QuilletProcess::Click(Control button) const {
  SendMessageW(Child(button), BM_CLICK, 0, 0);
}

void QuilletProcess::Scroll(Control scroll_bar, WORD request, WORD position) const {
  SendMessageW(window_, WM_HSCROLL, MAKEWPARAM(request, position),
               reinterpret_cast<LPARAM>(Child(scroll_bar)));
}

bool QuilletProcess::Focused(Control& control) const {
  GUITHREADINFO info{};
  info.cbSize = sizeof(info);
  if (!GetGUIThreadInfo(process_.dwThreadId, &info)) {
    return false;
  }
  const auto controls = ControlTable();
  const auto focused = std::find_if(controls.begin(), controls.end(), [&](const ControlLayout& c) {
    return Child(c.control) == info.hwndFocus;
  });
  if (focused == controls.end()) {
    return false;
  }
  control = focused->control;
  return true;
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

void QuilletProcess::TypeText(const std::wstring& text) const {
  for (const wchar_t c : text) {
    Send({KeyInput(0, c, KEYEVENTF_UNICODE), KeyInput(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
  }
}

bool QuilletProcess::WaitUntil(const std::function<bool()>& done) const {
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
