// The one window: built from the layout, it owns its eight controls, reflects
// their notifications, runs the handlers bound to their events and moves the
// keyboard focus among them.
#pragma once

#include <memory>
#include <vector>

#include "ui/base_window.h"
#include "ui/control.h"
#include "ui/edit_box.h"
#include "ui/group_box.h"
#include "ui/label.h"
#include "ui/layout.h"
#include "ui/picture_box.h"
#include "ui/slider_bar.h"
#include "ui/win_handles.h"

namespace zemu {

// The status line's messages.
inline constexpr char kDefaultInput[] = "Quindo彩字生成器";
inline constexpr char kCopiedMessage[] = "已复制，在游戏中粘贴即可！";
inline constexpr char kCopyFailedMessage[] = "复制失败，请重试！";
inline constexpr COLORREF kCopyFailedColour = RGB(255, 0, 0);

class MainWindow : public BaseWindow<MainWindow>, public ControlHost {
 public:
  explicit MainWindow(const LayoutData& layout);
  ~MainWindow();
  MainWindow(const MainWindow&) = delete;
  MainWindow& operator=(const MainWindow&) = delete;

  // Builds the window and its controls, invisible, then raises the created
  // event. False if the window or a control could not be created; nothing is
  // left on screen then.
  bool Create(HINSTANCE instance);

  // Offers a message before it is dispatched: raises the controls' mouse
  // events and acts on the window's own keys. True if the message is consumed.
  bool PreTranslateMessage(const MSG& msg);

  Control* FindControl(HWND hwnd) const override;
  Control* FindControl(const char* name) const;
  template <typename T>
  T* Find(const char* name) const {
    return dynamic_cast<T*>(FindControl(name));
  }
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  // Eligible controls in Tab order, built afresh from their current state.
  std::vector<Control*> TabOrder() const;

  // Fills the client area within `clip` with the background colour.
  void PaintContent(HDC dc, RECT clip) const;

  // Handlers bound in the layout.
  void OnWindowCreated();
  void OnInputChanged();
  void OnCodeFieldReleased(EditBox& field, COLORREF copyColour);
  void OnCodeFieldLostFocus();
  void OnOpacityChanged();

  void OnControlEvent(Control& control, EventKind event, const MouseEvent* mouse) override;

 private:
  friend class BaseWindow<MainWindow>;
  LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam);

  bool CreateFrame(HINSTANCE instance);
  bool CreateControls(HINSTANCE instance);
  void PlaceControls();
  void Dispatch(Handler handler, Control* control);
  bool HandleKey(const MSG& msg);
  void MoveFocus(int step);
  Control* FocusedControl() const;
  bool IsEligible(const Control& control) const;

  void OnPaint();
  void OnActivate(WPARAM wParam);
  void OnSetFocus();
  void OnDestroy();

  const LayoutData& layout_;
  std::vector<std::unique_ptr<Control>> controls_;  // in layout order
  UniqueIcon bigIcon_;
  UniqueIcon smallIcon_;
  HFONT font_ = nullptr;  // a stock font, never deleted
  bool eventsEnabled_ = false;
  bool built_ = false;
  HWND rememberedFocus_ = nullptr;

  EditBox* input_ = nullptr;
  EditBox* kvalueCode_ = nullptr;
  EditBox* whereCode_ = nullptr;
  Label* status_ = nullptr;
  SliderBar* slider_ = nullptr;
};

}  // namespace zemu
