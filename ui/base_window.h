// Window procedure plumbing for own top-level windows: `this` is kept in
// GWLP_USERDATA from WM_NCCREATE on, and messages go to HandleMessage.
#pragma once

#include <windows.h>

namespace zemu {

template <typename Derived>
class BaseWindow {
 public:
  HWND hwnd() const { return hwnd_; }

 protected:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Derived* self = nullptr;
    if (msg == WM_NCCREATE) {
      self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
      self->hwnd_ = hwnd;
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<Derived*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }
    if (self == nullptr) return DefWindowProcA(hwnd, msg, wParam, lParam);
    const LRESULT result = self->HandleMessage(msg, wParam, lParam);
    if (msg == WM_NCDESTROY) {
      SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
      self->hwnd_ = nullptr;
    }
    return result;
  }

  HWND hwnd_ = nullptr;
};

}  // namespace zemu
