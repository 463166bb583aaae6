// Base of the eight controls: one object per control window, bound to its
// layout row. Standard controls ("EDIT", "BUTTON", the trackbar) are
// subclassed after creation; own classes get `this` from WM_NCCREATE.
#pragma once

#include <windows.h>

#include "ui/layout.h"

namespace zemu {

class Control;

struct MouseEvent {
  POINT position{};  // in the control's client coordinates
  bool ctrl = false;
  bool shift = false;
  bool alt = false;
};

// Receives the events that controls raise.
class ControlEvents {
 public:
  virtual void OnControlEvent(Control& control, EventKind event, const MouseEvent* mouse) = 0;

 protected:
  ~ControlEvents() = default;
};

// Finds the control object behind a child window, for reflecting notifications.
class ControlHost : public ControlEvents {
 public:
  virtual Control* FindControl(HWND hwnd) const = 0;

 protected:
  ~ControlHost() = default;
};

class Control {
 public:
  Control(const ControlLayout& layout, ControlHost& host) : layout_(layout), host_(host) {}
  virtual ~Control();
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  // Creates the window, not yet visible, as a child of `owner`.
  bool Create(HINSTANCE instance, HWND owner, int id);

  HWND hwnd() const { return hwnd_; }
  const ControlLayout& layout() const { return layout_; }

  // Handles a notification that the parent reflected back; true if handled.
  virtual bool OnReflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

  // Whether the control handles this key itself instead of the window.
  virtual bool TakesKey(UINT) const { return false; }

  void RaiseMouseReleased(const MSG& msg);

 protected:
  virtual DWORD KindStyle() const = 0;
  virtual const char* InitialText() const { return ""; }
  // Set-up during creation: brushes, font, limits, ranges, pictures.
  virtual bool SetUp() { return true; }
  virtual LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam);
  // The window is going away: release what was created for it.
  virtual void OnNcDestroy() {}

  LRESULT CallDefault(UINT msg, WPARAM wParam, LPARAM lParam);
  void Raise(EventKind event, const MouseEvent* mouse = nullptr);
  ControlHost& host() const { return host_; }

 private:
  static LRESULT CALLBACK StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  bool IsOwnClass() const;
  static bool RegisterOwnClass(HINSTANCE instance, const char* name);

  const ControlLayout& layout_;
  ControlHost& host_;
  HWND hwnd_ = nullptr;
  WNDPROC original_ = nullptr;  // the standard control's own procedure
};

// Hands a notification that a child sent about itself back to that child.
// Used by every window that is a parent of controls.
bool ReflectToChild(const ControlHost& host, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result);

}  // namespace zemu
