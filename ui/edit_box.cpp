#include "ui/edit_box.h"

namespace zemu {
namespace {

int TextHeight(HWND hwnd, HFONT font, const char* text) {
  WindowDc dc(hwnd);
  SelectScope select(dc.get(), font);
  SIZE size{};
  GetTextExtentPoint32A(dc.get(), text, lstrlenA(text), &size);
  return size.cy;
}

}  // namespace

bool EditBox::SetUp() {
  brush_.reset(CreateSolidBrush(Resolve(layout().edit.back)));
  if (!brush_) return false;
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  SendMessageA(hwnd(), WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  SendMessageA(hwnd(), EM_LIMITTEXT, static_cast<WPARAM>(layout().edit.maxLength), 0);
  SendMessageA(hwnd(), EM_SETSEL, selectionStart_, selectionStart_);
  SendMessageA(hwnd(), EM_SCROLLCARET, 0, 0);
  if (!IsMultiline()) {
    // Never lower than one line of the font plus the edges a frame would take.
    const int minimum = TextHeight(hwnd(), font, "吴") + 2 * GetSystemMetrics(SM_CYEDGE);
    if (layout().height < minimum) {
      SetWindowPos(hwnd(), nullptr, 0, 0, layout().width, minimum, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    lineHeight_ = TextHeight(hwnd(), font, "W");
    SetWindowPos(hwnd(), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
  return true;
}

Text EditBox::GetText() const {
  const int length = GetWindowTextLengthA(hwnd());
  if (length <= 0) return Text();
  Text text(static_cast<std::size_t>(length) + 1, '\0');
  const int copied = GetWindowTextA(hwnd(), &text[0], length + 1);
  text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
  return text;
}

void EditBox::SetText(const Text& text) {
  writing_ = true;
  SetWindowTextA(hwnd(), text.c_str());
  writing_ = false;
  Raise(EventKind::TextChanged);
}

void EditBox::Select(std::size_t count) {
  SendMessageA(hwnd(), EM_SETSEL, selectionStart_, selectionStart_ + count);
  SendMessageA(hwnd(), EM_SCROLLCARET, 0, 0);
}

bool EditBox::OnReflected(UINT msg, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  switch (msg) {
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      SetTextColor(dc, Resolve(layout().edit.text));
      SetBkColor(dc, Resolve(layout().edit.back));
      *result = reinterpret_cast<LRESULT>(brush_.get());
      return true;
    }
    case WM_COMMAND:
      switch (HIWORD(wParam)) {
        case EN_CHANGE:
          // A program write raises its one event itself, after the text is in place.
          if (!writing_) Raise(EventKind::TextChanged);
          break;
        case EN_KILLFOCUS:
          Raise(EventKind::LostFocus);
          break;
        default:
          break;
      }
      *result = 0;
      return true;
    default:
      (void)lParam;
      return false;
  }
}

void EditBox::CentreTextBand(RECT* rect) const {
  const int available = rect->bottom - rect->top;
  if (lineHeight_ <= 0 || available <= lineHeight_) return;
  rect->top += (available - lineHeight_) / 2;
  rect->bottom = rect->top + lineHeight_;
}

void EditBox::PaintFrameArea() {
  RECT window{};
  GetWindowRect(hwnd(), &window);
  RECT client{};
  GetClientRect(hwnd(), &client);
  MapWindowPoints(hwnd(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  OffsetRect(&client, -window.left, -window.top);
  OffsetRect(&window, -window.left, -window.top);
  WindowFrameDc dc(hwnd());
  ExcludeClipRect(dc.get(), client.left, client.top, client.right, client.bottom);
  FillRect(dc.get(), &window, brush_.get());
}

bool EditBox::PointInClient(LPARAM screenPoint) const {
  POINT pt{static_cast<short>(LOWORD(screenPoint)), static_cast<short>(HIWORD(screenPoint))};
  ScreenToClient(hwnd(), &pt);
  RECT client{};
  GetClientRect(hwnd(), &client);
  return PtInRect(&client, pt) != FALSE;
}

LRESULT EditBox::WindowProc(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (IsMultiline()) return CallDefault(msg, wParam, lParam);
  switch (msg) {
    case WM_NCCALCSIZE: {
      const LRESULT result = CallDefault(msg, wParam, lParam);
      RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
      CentreTextBand(rect);
      return result;
    }
    case WM_NCPAINT: {
      PaintFrameArea();
      return CallDefault(msg, wParam, lParam);
    }
    case WM_NCHITTEST:
      // Only the text line reacts to the mouse; the bands above and below are frame.
      if (!PointInClient(lParam)) return HTBORDER;
      return CallDefault(msg, wParam, lParam);
    case WM_ERASEBKGND: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      RECT clip{};
      GetClipBox(dc, &clip);
      FillRect(dc, &clip, brush_.get());
      return 1;
    }
    default:
      return CallDefault(msg, wParam, lParam);
  }
}

}  // namespace zemu
