// The captionless "BUTTON" group box that holds the other seven controls.
#pragma once

#include "ui/control.h"
#include "ui/win_handles.h"

namespace zemu {

class GroupBox : public Control {
 public:
  using Control::Control;

  bool OnReflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  HBRUSH BackgroundBrush() const { return brush_.get(); }

 protected:
  DWORD KindStyle() const override { return BS_GROUPBOX | BS_LEFT; }
  const char* InitialText() const override { return layout().group.caption; }
  bool SetUp() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnNcDestroy() override { brush_.reset(); }

 private:
  UniqueBrush brush_;
};

}  // namespace zemu
