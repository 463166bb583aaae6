// The opacity slider: a "msctls_trackbar32" with stored range and position.
#pragma once

#include "ui/control.h"

namespace zemu {

class SliderBar : public Control {
 public:
  using Control::Control;

  static constexpr int kMaxValue = 32767;

  // 0 none, 1 above, 2 below, 3 both sides. Writing the current style changes nothing.
  void SetTickStyle(int style);
  // Clamped into 0..32767; the range then runs from the smaller to the larger end.
  void SetMinimum(int value);
  void SetMaximum(int value);
  // Clamped into 0..32767 and stored; the thumb goes there, clamped into the range.
  void SetPosition(int value);
  // The stored position.
  int Position() const { return position_; }
  int TickStyle() const { return tickStyle_; }

  bool OnReflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

 protected:
  DWORD KindStyle() const override;
  bool SetUp() override;

 private:
  void ApplyRange();

  int tickStyle_ = layout().slider.tickStyle;
  int minimum_ = layout().slider.minimum;
  int maximum_ = layout().slider.maximum;
  int position_ = layout().slider.position;
};

// The trackbar style bits of a tick style.
DWORD TickStyleBits(int tickStyle);

}  // namespace zemu
