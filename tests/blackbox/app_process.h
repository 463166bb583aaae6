// Starts the real exe and drives it as a player would: real input through
// SendInput, state read back through window messages and the clipboard.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

#include "tests/common/clipboard_access.h"
#include <vector>

namespace zemu::blackbox {

using testing::ReadClipboardText;
using testing::WriteClipboardText;

// The exe beside this test program.
std::string AppPath();

class AppProcess {
 public:
  explicit AppProcess(const std::string& arguments = "");
  ~AppProcess();
  AppProcess(const AppProcess&) = delete;
  AppProcess& operator=(const AppProcess&) = delete;

  bool started() const { return window_ != nullptr; }
  HWND window() const { return window_; }
  DWORD processId() const { return info_.dwProcessId; }
  DWORD threadId() const { return info_.dwThreadId; }
  HANDLE process() const { return info_.hProcess; }

  // The control with this child-window identifier (100, 110, ... 170).
  HWND Control(int id) const;
  // Waits for the process to end; false on time-out.
  bool WaitForExit(DWORD ms, DWORD* exitCode);
  // The window with the keyboard focus in the app's GUI thread.
  HWND Focus() const;
  // Brings the window to the front so that input reaches it.
  void Activate() const;

 private:
  PROCESS_INFORMATION info_{};
  HWND window_ = nullptr;
};

// Control identifiers, as the window builds them.
enum ControlId {
  kPictureId = 100,
  kGroupId = 110,
  kSliderId = 120,
  kInputId = 130,
  kOpacityCaptionId = 140,
  kKvalueId = 150,
  kStatusId = 160,
  kWhereId = 170,
};

std::string WindowText(HWND hwnd);
int Alpha(HWND hwnd);

// Real input. Each call lets the app take it in before returning.
void PressKey(WORD key, std::initializer_list<WORD> modifiers = {});
void MoveMouse(int x, int y);
void MouseButton(DWORD flag);
void ClickAt(int x, int y);
// The centre of a window's client area, in screen coordinates.
POINT ClientCentre(HWND hwnd);
void Settle(DWORD ms = 150);


// Waits while answering messages sent to this thread: the app's clipboard
// calls send messages to the previous clipboard owner, which may be us.
void PumpFor(DWORD ms);

// Polls until the condition holds or the time runs out.
template <typename F>
bool WaitUntil(F condition, DWORD ms = 3000) {
  const DWORD start = GetTickCount();
  while (!condition()) {
    if (GetTickCount() - start > ms) return false;
    PumpFor(20);
  }
  return true;
}

// The trackbar's thumb, read through a buffer inside the app's process.
RECT ThumbRect(const AppProcess& app, HWND slider);

}  // namespace zemu::blackbox
