// "EDIT" fields: the player's input and the two code fields.
#pragma once

#include "codes/chat_codes.h"
#include "ui/control.h"
#include "ui/win_handles.h"

namespace zemu {

class EditBox : public Control {
 public:
  using Control::Control;

  // A copy of the field's text.
  Text GetText() const;
  // Writes the text and raises text-changed exactly once, before returning,
  // whether or not the text differs from the old one.
  void SetText(const Text& text);
  // Selects from the stored start (0) to start + count, and shows the caret.
  void Select(std::size_t count);

  bool IsMultiline() const { return (layout().edit.styles & ES_MULTILINE) != 0; }
  bool IsReadOnly() const { return (layout().edit.styles & ES_READONLY) != 0; }
  COLORREF TextColour() const { return Resolve(layout().edit.text); }
  HBRUSH BackgroundBrush() const { return brush_.get(); }

  bool OnReflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  bool TakesKey(UINT key) const override { return key == VK_RETURN && IsMultiline() && !IsReadOnly(); }

 protected:
  DWORD KindStyle() const override { return layout().edit.styles; }
  bool SetUp() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;
  void OnNcDestroy() override { brush_.reset(); }

 private:
  void CentreTextBand(RECT* rect) const;
  void PaintFrameArea();
  bool PointInClient(LPARAM screenPoint) const;

  UniqueBrush brush_;
  int lineHeight_ = 0;  // height of "W" in the field's font; 0 until the font is set
  bool writing_ = false;
  std::size_t selectionStart_ = 0;
};

}  // namespace zemu
