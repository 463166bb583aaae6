#include "ui/control.h"

#include <commctrl.h>

#include <cstring>

namespace zemu {

Control::~Control() {
  if (hwnd_ != nullptr && IsWindow(hwnd_)) DestroyWindow(hwnd_);
}

bool Control::IsOwnClass() const {
  return layout_.kind == ControlKind::Label || layout_.kind == ControlKind::PicBox;
}

bool Control::RegisterOwnClass(HINSTANCE instance, const char* name) {
  WNDCLASSEXA existing{sizeof existing};
  if (GetClassInfoExA(instance, name, &existing)) return true;
  WNDCLASSEXA wc{sizeof wc};
  wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = StaticWindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  wc.lpszClassName = name;
  return RegisterClassExA(&wc) != 0;
}

bool Control::Create(HINSTANCE instance, HWND owner, int id) {
  if (IsOwnClass()) {
    if (!RegisterOwnClass(instance, layout_.windowClass)) return false;
  } else if (layout_.kind == ControlKind::SliderBar) {
    // The trackbar class exists only once the common controls are initialised.
    static const bool commonControlsReady = [] {
      INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
      return InitCommonControlsEx(&icc) != FALSE;
    }();
    if (!commonControlsReady) return false;
  }
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS | KindStyle();
  if (layout_.tabStop) style |= WS_TABSTOP;
  if (!layout_.enabled) style |= WS_DISABLED;
  HWND hwnd = CreateWindowExA(0, layout_.windowClass, InitialText(), style, layout_.left, layout_.top, layout_.width,
                              layout_.height, owner, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                              this);
  if (hwnd == nullptr) return false;
  if (hwnd_ == nullptr) {
    // A standard control: subclass it so that it reaches this object.
    hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::StaticWindowProc)));
  }
  return SetUp();
}

LRESULT CALLBACK Control::StaticWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  Control* self = nullptr;
  if (msg == WM_NCCREATE) {
    self = static_cast<Control*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  } else {
    self = reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  }
  if (self == nullptr) return DefWindowProcA(hwnd, msg, wParam, lParam);
  if (msg == WM_NCDESTROY) {
    self->OnNcDestroy();
    const LRESULT result = self->CallDefault(msg, wParam, lParam);
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return result;
  }
  return self->WindowProc(msg, wParam, lParam);
}

LRESULT Control::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) { return CallDefault(msg, wParam, lParam); }

LRESULT Control::CallDefault(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (original_ != nullptr) return CallWindowProcA(original_, hwnd_, msg, wParam, lParam);
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

bool Control::OnReflected(UINT, WPARAM, LPARAM, LRESULT*) { return false; }

void Control::Raise(EventKind event, const MouseEvent* mouse) { host_.OnControlEvent(*this, event, mouse); }

void Control::RaiseMouseReleased(const MSG& msg) {
  MouseEvent mouse;
  mouse.position = {static_cast<short>(LOWORD(msg.lParam)), static_cast<short>(HIWORD(msg.lParam))};
  mouse.ctrl = (msg.wParam & MK_CONTROL) != 0;
  mouse.shift = (msg.wParam & MK_SHIFT) != 0;
  mouse.alt = GetKeyState(VK_MENU) < 0;
  Raise(EventKind::LeftButtonReleased, &mouse);
}

namespace {

// The child window that a notification is about, or null.
HWND NotifyingChild(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORMSGBOX:
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
      return reinterpret_cast<HWND>(lParam);
    case WM_DRAWITEM:
      return lParam != 0 ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_COMPAREITEM:
      return lParam != 0 ? reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_DELETEITEM:
      return lParam != 0 ? reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    default:
      (void)wParam;
      return nullptr;
  }
}

}  // namespace

bool ReflectToChild(const ControlHost& host, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  HWND child = NotifyingChild(msg, wParam, lParam);
  if (child == nullptr) return false;
  Control* control = host.FindControl(child);
  return control != nullptr && control->OnReflected(msg, wParam, lParam, result);
}

}  // namespace zemu
