#include "ui/group_box.h"

namespace zemu {

bool GroupBox::SetUp() {
  brush_.reset(CreateSolidBrush(Resolve(layout().group.back)));
  if (!brush_) return false;
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return true;
}

bool GroupBox::OnReflected(UINT msg, WPARAM wParam, LPARAM, LRESULT* result) {
  if (msg != WM_CTLCOLORSTATIC && msg != WM_CTLCOLORBTN) return false;
  HDC dc = reinterpret_cast<HDC>(wParam);
  SetTextColor(dc, Resolve(layout().group.text));
  SetBkColor(dc, Resolve(layout().group.back));
  *result = reinterpret_cast<LRESULT>(brush_.get());
  return true;
}

LRESULT GroupBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_ERASEBKGND) {
    RECT client{};
    GetClientRect(hwnd(), &client);
    FillRect(reinterpret_cast<HDC>(wParam), &client, brush_.get());
    return 1;
  }
  // Seven controls report to this box; each gets its own notifications back.
  LRESULT reflected = 0;
  if (ReflectToChild(host(), msg, wParam, lParam, &reflected)) return reflected;
  return CallDefault(msg, wParam, lParam);
}

}  // namespace zemu
