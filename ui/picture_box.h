// The decorative picture: an own-class window that shows a JPEG stretched over its client area.
#pragma once

#include "ui/control.h"
#include "ui/jpeg_image.h"

namespace zemu {

class PictureBox : public Control {
 public:
  using Control::Control;

  // Replaces the picture; bytes that do not decode leave only the background.
  bool LoadPicture(const void* data, std::size_t size);
  bool HasPicture() const { return !image_.bits.empty(); }
  const DibImage& Picture() const { return image_; }

  // Fills the client rectangle and draws the picture stretched over it.
  void PaintContent(HDC dc, RECT clip) const;

 protected:
  DWORD KindStyle() const override { return 0; }
  bool SetUp() override;
  LRESULT WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  DibImage image_;
};

}  // namespace zemu
