#include "ui/main_window.h"

#include <cstring>

namespace zemu {
namespace {

std::unique_ptr<Control> MakeControl(const ControlLayout& layout, ControlHost& host) {
  switch (layout.kind) {
    case ControlKind::EditBox:
      return std::make_unique<EditBox>(layout, host);
    case ControlKind::Label:
      return std::make_unique<Label>(layout, host);
    case ControlKind::SliderBar:
      return std::make_unique<SliderBar>(layout, host);
    case ControlKind::GroupBox:
      return std::make_unique<GroupBox>(layout, host);
    case ControlKind::PicBox:
      return std::make_unique<PictureBox>(layout, host);
  }
  return nullptr;
}

bool KeyDown(int key) { return GetKeyState(key) < 0; }

}  // namespace

MainWindow::MainWindow(const LayoutData& layout) : layout_(layout) {}

MainWindow::~MainWindow() {
  if (hwnd_ != nullptr) DestroyWindow(hwnd_);
}

bool MainWindow::Create(HINSTANCE instance) {
  if (!CreateFrame(instance) || !CreateControls(instance)) {
    if (hwnd_ != nullptr) DestroyWindow(hwnd_);
    return false;
  }
  PlaceControls();
  input_ = Find<EditBox>(names::kInput);
  kvalueCode_ = Find<EditBox>(names::kKvalueCode);
  whereCode_ = Find<EditBox>(names::kWhereCode);
  status_ = Find<Label>(names::kStatus);
  slider_ = Find<SliderBar>(names::kOpacitySlider);
  built_ = true;
  eventsEnabled_ = true;
  for (const EventBinding& binding : layout_.window->events) {
    if (binding.event == EventKind::Created) Dispatch(binding.handler, nullptr);
  }
  return true;
}

bool MainWindow::CreateFrame(HINSTANCE instance) {
  const WindowLayout& w = *layout_.window;
  WNDCLASSEXA existing{sizeof existing};
  if (!GetClassInfoExA(instance, w.windowClass, &existing)) {
    WNDCLASSEXA wc{sizeof wc};
    wc.style = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
    wc.lpfnWndProc = &BaseWindow<MainWindow>::WindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    wc.lpszClassName = w.windowClass;
    if (RegisterClassExA(&wc) == 0) return false;
  }
  // Centred on the primary screen; the layout's own left and top are not used.
  const int left = (GetSystemMetrics(SM_CXSCREEN) - w.width) / 2;
  const int top = (GetSystemMetrics(SM_CYSCREEN) - w.height) / 2;
  if (CreateWindowExA(0, w.windowClass, w.caption, w.style, left, top, w.width, w.height, nullptr, nullptr, instance,
                      this) == nullptr) {
    return false;
  }
  RECT rect{};
  GetWindowRect(hwnd_, &rect);
  if (rect.right - rect.left != w.width || rect.bottom - rect.top != w.height) {
    SetWindowPos(hwnd_, nullptr, left, top, w.width, w.height, SWP_NOZORDER | SWP_NOACTIVATE);
  }
  if (w.icon != nullptr) {
    bigIcon_.reset(static_cast<HICON>(LoadImageA(instance, w.icon, IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR)));
    smallIcon_.reset(static_cast<HICON>(LoadImageA(instance, w.icon, IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR)));
    SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(bigIcon_.get()));
    SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_.get()));
  }
  SendMessageA(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
  return true;
}

bool MainWindow::CreateControls(HINSTANCE instance) {
  const std::size_t count = layout_.controlCount;
  controls_.clear();
  controls_.resize(count);
  // Created in reverse layout order, with identifiers 100, 110, ...
  int id = 100;
  for (std::size_t i = count; i-- > 0; id += 10) {
    controls_[i] = MakeControl(layout_.controls[i], *this);
    if (!controls_[i] || !controls_[i]->Create(instance, hwnd_, id)) return false;
  }
  return true;
}

void MainWindow::PlaceControls() {
  const std::size_t count = controls_.size();
  for (std::size_t i = 0; i < count; ++i) {
    const Control* parent = FindControl(layout_.controls[i].parent);
    SetParent(controls_[i]->hwnd(), parent ? parent->hwnd() : hwnd_);
  }
  // Each control goes right below the nearest earlier sibling, the first to the top.
  for (std::size_t i = 0; i < count; ++i) {
    HWND after = HWND_TOP;
    for (std::size_t j = i; j-- > 0;) {
      const char* pi = layout_.controls[i].parent;
      const char* pj = layout_.controls[j].parent;
      if ((pi == nullptr && pj == nullptr) || (pi != nullptr && pj != nullptr && std::strcmp(pi, pj) == 0)) {
        after = controls_[j]->hwnd();
        break;
      }
    }
    SetWindowPos(controls_[i]->hwnd(), after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (std::size_t i = 0; i < count; ++i) {
    if (layout_.controls[i].visible) ShowWindow(controls_[i]->hwnd(), SW_SHOWNA);
  }
}

Control* MainWindow::FindControl(HWND hwnd) const {
  if (hwnd == nullptr) return nullptr;
  for (const auto& c : controls_) {
    if (c && c->hwnd() == hwnd) return c.get();
  }
  return nullptr;
}

Control* MainWindow::FindControl(const char* name) const {
  if (name == nullptr) return nullptr;
  for (const auto& c : controls_) {
    if (c && std::strcmp(c->layout().name, name) == 0) return c.get();
  }
  return nullptr;
}

void MainWindow::OnControlEvent(Control& control, EventKind event, const MouseEvent*) {
  if (!eventsEnabled_) return;
  for (const EventBinding& binding : control.layout().events) {
    if (binding.event == event) Dispatch(binding.handler, &control);
  }
}

void MainWindow::Dispatch(Handler handler, Control* control) {
  switch (handler) {
    case Handler::OnWindowCreated:
      OnWindowCreated();
      break;
    case Handler::OnInputChanged:
      OnInputChanged();
      break;
    case Handler::OnCodeFieldReleased:
      if (auto* field = dynamic_cast<EditBox*>(control)) OnCodeFieldReleased(*field, field->TextColour());
      break;
    case Handler::OnCodeFieldLostFocus:
      OnCodeFieldLostFocus();
      break;
    case Handler::OnOpacityChanged:
      OnOpacityChanged();
      break;
    case Handler::None:
      break;
  }
}

// ---- Keyboard focus and the window's own keys ----

bool MainWindow::IsEligible(const Control& control) const {
  const LONG_PTR style = GetWindowLongPtrA(control.hwnd(), GWL_STYLE);
  return control.layout().tabStop && (style & WS_VISIBLE) != 0 && (style & WS_DISABLED) == 0;
}

std::vector<Control*> MainWindow::TabOrder() const {
  std::vector<Control*> order;
  for (std::size_t i = controls_.size(); i-- > 0;) {
    Control* c = controls_[i].get();
    if (!IsEligible(*c)) continue;
    // After every entry whose tab index is not greater than its own.
    std::size_t at = 0;
    for (std::size_t k = 0; k < order.size(); ++k) {
      if (order[k]->layout().tabIndex <= c->layout().tabIndex) at = k + 1;
    }
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), c);
  }
  return order;
}

Control* MainWindow::FocusedControl() const { return FindControl(GetFocus()); }

void MainWindow::MoveFocus(int step) {
  const std::vector<Control*> order = TabOrder();
  if (order.empty()) return;
  const int n = static_cast<int>(order.size());
  int index = -1;
  Control* focused = FocusedControl();
  for (int i = 0; i < n; ++i) {
    if (order[static_cast<std::size_t>(i)] == focused) index = i;
  }
  const int next = index < 0 ? (step > 0 ? 0 : n - 1) : ((index + step) % n + n) % n;
  SetFocus(order[static_cast<std::size_t>(next)]->hwnd());
}

bool MainWindow::HandleKey(const MSG& msg) {
  const bool shift = KeyDown(VK_SHIFT), ctrl = KeyDown(VK_CONTROL), alt = KeyDown(VK_MENU);
  const bool none = !shift && !ctrl && !alt;
  const UINT key = static_cast<UINT>(msg.wParam);
  const Control* focused = FocusedControl();
  const bool focusedTakes = focused != nullptr && focused->TakesKey(key);
  const WindowLayout& w = *layout_.window;
  if (key == VK_TAB && (none || (shift && !ctrl && !alt))) {
    if (focusedTakes) return false;
    MoveFocus(none ? 1 : -1);
    return true;
  }
  if (!none) return false;  // Ctrl+Tab, Shift+Esc and the like reach the control unchanged
  switch (key) {
    case VK_RETURN:
      if (focusedTakes || !w.enterMovesFocus) return false;
      MoveFocus(1);
      return true;
    case VK_ESCAPE:
      if (focusedTakes || !w.escClosesWindow) return false;
      SendMessageA(hwnd_, WM_CLOSE, 0, 0);
      return true;
    default:
      return false;  // F1 with help off, the arrow keys and every other key
  }
}

bool MainWindow::PreTranslateMessage(const MSG& msg) {
  if (hwnd_ == nullptr) return false;
  if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) return false;
  switch (msg.message) {
    case WM_LBUTTONUP:
      // Raised before the control sees the release, which it then handles as usual.
      if (Control* c = FindControl(msg.hwnd)) c->RaiseMouseReleased(msg);
      return false;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return HandleKey(msg);
    default:
      return false;
  }
}

// ---- Window messages ----

LRESULT MainWindow::HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT reflected = 0;
  switch (msg) {
    case WM_PAINT: OnPaint(); return 0;
    case WM_ACTIVATE: OnActivate(wParam); break;
    case WM_SETFOCUS: OnSetFocus(); return 0;
    case WM_QUERYENDSESSION: return TRUE;
    case WM_SETFONT: font_ = reinterpret_cast<HFONT>(wParam); return 0;
    case WM_GETFONT: return reinterpret_cast<LRESULT>(font_);
    case WM_DESTROY: OnDestroy(); return 0;
    default:
      if (ReflectToChild(*this, msg, wParam, lParam, &reflected)) return reflected;
      break;
  }
  return DefWindowProcA(hwnd_, msg, wParam, lParam);
}

void MainWindow::PaintContent(HDC dc, RECT clip) const {
  UniqueBrush back(CreateSolidBrush(Resolve(layout_.window->back)));
  FillRect(dc, &clip, back.get());
}

void MainWindow::OnPaint() {
  PaintScope paint(hwnd_);
  RECT clip{};
  GetClipBox(paint.dc(), &clip);
  PaintContent(paint.dc(), clip);
}

void MainWindow::OnActivate(WPARAM wParam) {
  if (LOWORD(wParam) == WA_INACTIVE) {
    HWND focus = GetFocus();
    if (FindControl(focus) != nullptr) rememberedFocus_ = focus;
  }
}

void MainWindow::OnSetFocus() {
  if (rememberedFocus_ != nullptr && IsWindow(rememberedFocus_)) {
    SetFocus(rememberedFocus_);
    return;
  }
  // First focus: from the last layout entry back, the smallest tab index wins.
  Control* first = nullptr;
  for (std::size_t i = controls_.size(); i-- > 0;) {
    Control* c = controls_[i].get();
    if (c && IsEligible(*c) && (first == nullptr || c->layout().tabIndex < first->layout().tabIndex)) first = c;
  }
  if (first != nullptr) SetFocus(first->hwnd());
}

void MainWindow::OnDestroy() {
  eventsEnabled_ = false;
  // Only a window that was built and shown ends the program; a failed build
  // must not leave a quit message behind for the error box's own loop.
  if (built_) PostQuitMessage(0);
}

}  // namespace zemu
