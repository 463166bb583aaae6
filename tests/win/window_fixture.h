// Builds the real main window in this process, as the exe does, and pumps its
// messages through the same pre-translation step.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>

#include "app/program.h"
#include "tests/common/clipboard_access.h"
#include "ui/main_window.h"

namespace zemu::testing {

// Handles every message waiting for this thread, as the program's loop does.
// Returns whether a quit message came by, with its code in `quitCode`.
inline bool PumpMessages(MainWindow* window, WPARAM* quitCode = nullptr) {
  MSG msg;
  bool quit = false;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    if (msg.message == WM_QUIT) {
      quit = true;
      if (quitCode != nullptr) *quitCode = msg.wParam;
      continue;
    }
    if (window != nullptr && window->hwnd() != nullptr) {
      ProcessMessage(*window, msg);
    } else {
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  }
  return quit;
}

inline std::string Bytes(const char* s) { return std::string(s); }

class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    window_ = std::make_unique<MainWindow>(MainLayout());
    ASSERT_TRUE(window_->Create(GetModuleHandleA(nullptr)));
    if (ShowOnStart()) {
      ShowWindow(window_->hwnd(), SW_SHOW);
      SetForegroundWindow(window_->hwnd());
      Pump();
    }
  }
  void TearDown() override {
    window_.reset();
    PumpMessages(nullptr);
  }
  virtual bool ShowOnStart() const { return true; }

  void Pump() { quitSeen_ = PumpMessages(window_.get(), &quitCode_) || quitSeen_; }
  HWND Main() const { return window_->hwnd(); }
  HWND Hwnd(const char* name) const { return window_->FindControl(name)->hwnd(); }
  EditBox& Edit(const char* name) const { return *window_->Find<EditBox>(name); }
  Label& Status() const { return *window_->Find<Label>(names::kStatus); }
  SliderBar& Slider() const { return *window_->Find<SliderBar>(names::kOpacitySlider); }

  // Sends a message through the loop's path: pre-translation, then dispatch.
  void Deliver(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    MSG msg{hwnd, message, wParam, lParam, GetTickCount(), {}};
    ProcessMessage(*window_, msg);
    Pump();
  }

  // A left click at a point of a control's client area, through the loop.
  void Click(HWND hwnd, int x, int y) {
    const LPARAM at = MAKELPARAM(x, y);
    Deliver(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, at);
    Deliver(hwnd, WM_LBUTTONUP, 0, at);
  }

  std::unique_ptr<MainWindow> window_;
  bool quitSeen_ = false;
  WPARAM quitCode_ = 99;
};

// Sets the modifier keys that GetKeyState reports to this thread.
class ModifierScope {
 public:
  ModifierScope(bool shift, bool ctrl, bool alt) {
    GetKeyboardState(saved_);
    BYTE state[256];
    GetKeyboardState(state);
    state[VK_SHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = ctrl ? 0x80 : 0;
    state[VK_MENU] = alt ? 0x80 : 0;
    SetKeyboardState(state);
  }
  ~ModifierScope() { SetKeyboardState(saved_); }

 private:
  BYTE saved_[256];
};

}  // namespace zemu::testing
