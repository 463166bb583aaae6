// Labels of an own class that paint themselves: the opacity caption and the status line.
#pragma once

#include "codes/chat_codes.h"
#include "ui/control.h"

namespace zemu {

class Label : public Control {
 public:
  Label(const ControlLayout& layout, ControlHost& host);

  // Each write invalidates the label, without erasing, so it is painted again.
  void SetCaption(const Text& caption);
  void SetTextColour(COLORREF colour);
  const Text& Caption() const { return caption_; }
  COLORREF TextColour() const { return textColour_; }

  // Fills the client rectangle within `clip` and draws the caption.
  void PaintContent(HDC dc, RECT clip) const;

 protected:
  DWORD KindStyle() const override { return 0; }
  const char* InitialText() const override { return caption_.c_str(); }
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  Text caption_;
  COLORREF textColour_;
};

}  // namespace zemu
