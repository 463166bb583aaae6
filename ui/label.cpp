#include "ui/label.h"

#include "ui/win_handles.h"

namespace zemu {

Label::Label(const ControlLayout& layout, ControlHost& host)
    : Control(layout, host), caption_(layout.label.caption ? layout.label.caption : ""),
      textColour_(Resolve(layout.label.text)) {}

void Label::SetCaption(const Text& caption) {
  caption_ = caption;
  if (hwnd() != nullptr) InvalidateRect(hwnd(), nullptr, FALSE);
}

void Label::SetTextColour(COLORREF colour) {
  textColour_ = colour;
  if (hwnd() != nullptr) InvalidateRect(hwnd(), nullptr, FALSE);
}

void Label::PaintContent(HDC dc, RECT clip) const {
  if (IsRectEmpty(&clip)) return;
  RECT client{};
  GetClientRect(hwnd(), &client);
  RECT fill{};
  if (IntersectRect(&fill, &client, &clip)) {
    UniqueBrush back(CreateSolidBrush(Resolve(layout().label.back)));
    FillRect(dc, &fill, back.get());
  }
  if (caption_.empty()) return;
  DcStateScope state(dc);
  SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, textColour_);
  DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &client,
            DT_LEFT | DT_SINGLELINE | DT_VCENTER | DT_NOCLIP);
}

LRESULT Label::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_PAINT: {
      PaintScope paint(hwnd());
      RECT clip{};
      GetClipBox(paint.dc(), &clip);
      PaintContent(paint.dc(), clip);
      return 0;
    }
    case WM_GETTEXTLENGTH:
      return static_cast<LRESULT>(caption_.size());
    case WM_GETTEXT: {
      // The caption lives here, so WM_GETTEXT from other programs reads it too.
      if (wParam == 0) return 0;
      const std::size_t n = caption_.size() < wParam - 1 ? caption_.size() : wParam - 1;
      char* out = reinterpret_cast<char*>(lParam);
      caption_.copy(out, n);
      out[n] = '\0';
      return static_cast<LRESULT>(n);
    }
    default:
      return CallDefault(msg, wParam, lParam);
  }
}

}  // namespace zemu
