#include "ui/slider_bar.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>

namespace zemu {
namespace {

constexpr DWORD kTickStyleMask = TBS_NOTICKS | TBS_TOP | TBS_BOTH;

int ClampValue(int value) { return std::clamp(value, 0, SliderBar::kMaxValue); }

}  // namespace

DWORD TickStyleBits(int tickStyle) {
  switch (tickStyle) {
    case 0:
      return TBS_NOTICKS;
    case 1:
      return TBS_TOP;
    case 3:
      return TBS_BOTH;
    default:
      return 0;
  }
}

DWORD SliderBar::KindStyle() const { return TBS_AUTOTICKS | TickStyleBits(tickStyle_); }

bool SliderBar::SetUp() {
  const SliderProps& p = layout().slider;
  const int low = std::min(p.minimum, p.maximum);
  const int high = std::max(p.minimum, p.maximum);
  SendMessageA(hwnd(), TBM_SETRANGEMIN, TRUE, low);
  SendMessageA(hwnd(), TBM_SETRANGEMAX, TRUE, high);
  SendMessageA(hwnd(), TBM_SETPOS, TRUE, std::clamp(p.position, low, high));
  const int span = std::max(1, std::abs(p.maximum - p.minimum));
  SendMessageA(hwnd(), TBM_SETLINESIZE, 0, std::clamp(p.lineSize, 1, span));
  SendMessageA(hwnd(), TBM_SETPAGESIZE, 0, std::clamp(p.pageSize, 1, span));
  SendMessageA(hwnd(), TBM_SETTICFREQ, std::clamp(p.tickFrequency, 1, span), 0);
  return true;
}

void SliderBar::SetTickStyle(int style) {
  if (style == tickStyle_) return;
  tickStyle_ = style;
  const LONG_PTR current = GetWindowLongPtrA(hwnd(), GWL_STYLE);
  SetWindowLongPtrA(hwnd(), GWL_STYLE, (current & ~static_cast<LONG_PTR>(kTickStyleMask)) | TickStyleBits(style));
  InvalidateRect(hwnd(), nullptr, TRUE);
}

void SliderBar::ApplyRange() {
  SendMessageA(hwnd(), TBM_SETRANGEMIN, TRUE, std::min(minimum_, maximum_));
  SendMessageA(hwnd(), TBM_SETRANGEMAX, TRUE, std::max(minimum_, maximum_));
}

void SliderBar::SetMinimum(int value) {
  minimum_ = ClampValue(value);
  ApplyRange();
}

void SliderBar::SetMaximum(int value) {
  maximum_ = ClampValue(value);
  ApplyRange();
}

void SliderBar::SetPosition(int value) {
  position_ = ClampValue(value);
  SendMessageA(hwnd(), TBM_SETPOS, TRUE, std::clamp(position_, std::min(minimum_, maximum_), std::max(minimum_, maximum_)));
}

bool SliderBar::OnReflected(UINT msg, WPARAM wParam, LPARAM, LRESULT* result) {
  if (msg != WM_HSCROLL && msg != WM_VSCROLL) return false;
  // The end of a key press or mouse action moves nothing.
  if (LOWORD(wParam) != TB_ENDTRACK) {
    position_ = static_cast<int>(SendMessageA(hwnd(), TBM_GETPOS, 0, 0));
    Raise(EventKind::PositionChanged);
  }
  *result = 0;
  return true;
}

}  // namespace zemu
