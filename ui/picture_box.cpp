#include "ui/picture_box.h"

#include "ui/win_handles.h"

namespace zemu {

bool PictureBox::SetUp() {
  // The picture is decoration: one that is missing or broken leaves the background.
  const char* name = layout().picture.resource;
  HMODULE module = GetModuleHandleA(nullptr);
  HRSRC found = name ? FindResourceA(module, name, MAKEINTRESOURCEA(10) /* RT_RCDATA */) : nullptr;
  HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (bytes != nullptr) LoadPicture(bytes, SizeofResource(module, found));
  return true;
}

bool PictureBox::LoadPicture(const void* data, std::size_t size) {
  DibImage decoded;
  const bool ok = DecodeJpeg(data, size, &decoded);
  image_ = std::move(decoded);
  if (hwnd() != nullptr) InvalidateRect(hwnd(), nullptr, FALSE);
  return ok;
}

void PictureBox::PaintContent(HDC dc, RECT clip) const {
  if (IsRectEmpty(&clip)) return;
  RECT client{};
  GetClientRect(hwnd(), &client);
  UniqueBrush back(CreateSolidBrush(Resolve(layout().picture.back)));
  {
    SelectScope select(dc, back.get());
    PatBlt(dc, client.left, client.top, client.right - client.left, client.bottom - client.top, PATCOPY);
  }
  if (!HasPicture()) return;
  DcStateScope state(dc);
  SetStretchBltMode(dc, COLORONCOLOR);
  StretchDIBits(dc, client.left, client.top, client.right - client.left, client.bottom - client.top, 0, 0,
                image_.width(), image_.height(), image_.bits.data(), &image_.info, DIB_RGB_COLORS, SRCCOPY);
}

LRESULT PictureBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PaintScope paint(hwnd());
    RECT clip{};
    GetClipBox(paint.dc(), &clip);
    PaintContent(paint.dc(), clip);
    return 0;
  }
  return CallDefault(msg, wParam, lParam);
}

}  // namespace zemu
