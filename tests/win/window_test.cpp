// The window and its eight controls as the layout builds them.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "tests/win/window_fixture.h"

#include <commctrl.h>
#include "ui/jpeg_image.h"

namespace zemu::testing {
namespace {

TEST(Literals, SourcesCompileToGbk) {
  EXPECT_EQ(Bytes(kDefaultInput), "Quindo\xB2\xCA\xD7\xD6\xC9\xFA\xB3\xC9\xC6\xF7");
  EXPECT_EQ(GetACP(), 936u) << "the tests need the Chinese (GBK) code page";
}

using Window = WindowTest;

TEST_F(Window, FrameSizePositionStylesAndCaption) {
  RECT r{};
  GetWindowRect(Main(), &r);
  EXPECT_EQ(r.right - r.left, 327);
  EXPECT_EQ(r.bottom - r.top, 420);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 327) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 420) / 2);
  const LONG style = GetWindowLongA(Main(), GWL_STYLE);
  EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN),
            WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN);
  EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX | WS_CHILD | WS_POPUP), 0);
  EXPECT_NE(GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_EQ(GetWindow(Main(), GW_OWNER), nullptr);
  char caption[64] = {};
  GetWindowTextA(Main(), caption, sizeof caption);
  EXPECT_EQ(Bytes(caption), "ZEMU\xB2\xCA\xD7\xD6\xC9\xFA\xB3\xC9\xC6\xF7");
  char className[64] = {};
  GetClassNameA(Main(), className, sizeof className);
  const DWORD classStyle = GetClassLongA(Main(), GCL_STYLE);
  EXPECT_EQ(classStyle & (CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW), CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW);
  EXPECT_EQ(reinterpret_cast<HBRUSH>(GetClassLongPtrA(Main(), GCLP_HBRBACKGROUND)), GetStockObject(NULL_BRUSH));
  EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(Main(), WM_GETFONT, 0, 0)), GetStockObject(DEFAULT_GUI_FONT));
}

TEST_F(Window, IconsFromTheIconGroup) {
  const HICON big = reinterpret_cast<HICON>(SendMessageA(Main(), WM_GETICON, ICON_BIG, 0));
  const HICON small = reinterpret_cast<HICON>(SendMessageA(Main(), WM_GETICON, ICON_SMALL, 0));
  ASSERT_NE(big, nullptr);
  ASSERT_NE(small, nullptr);
  for (auto [icon, size] : {std::pair{big, 32}, std::pair{small, 16}}) {
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP bm{};
    GetObjectA(info.hbmColor, sizeof bm, &bm);
    EXPECT_EQ(bm.bmWidth, size);
    EXPECT_EQ(bm.bmHeight, size);
    EXPECT_EQ(bm.bmBitsPixel, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
  }
}

struct ChildRow {
  const char* name;
  int id;
  const char* parent;  // null: the main window
  const char* windowClass;
  RECT rect;  // in the parent's client area
  bool tabStop;
};

const ChildRow kChildren[] = {
    {names::kWhereCode, 170, names::kGroup, "Edit", {11, 149, 299, 169}, true},
    {names::kStatus, 160, names::kGroup, "ZemuLabel", {11, 345, 171, 363}, false},
    {names::kKvalueCode, 150, names::kGroup, "Edit", {11, 122, 299, 142}, true},
    {names::kOpacityCaption, 140, names::kGroup, "ZemuLabel", {233, 356, 297, 372}, false},
    {names::kInput, 130, names::kGroup, "Edit", {11, 15, 299, 108}, true},
    {names::kOpacitySlider, 120, names::kGroup, TRACKBAR_CLASSA, {183, 331, 301, 363}, true},
    {names::kGroup, 110, nullptr, "Button", {5, 6, 315, 386}, false},
    {names::kPicture, 100, names::kGroup, "ZemuPicture", {11, 178, 299, 324}, false},
};

TEST_F(Window, ChildrenIdsParentsPlacesAndVisibility) {
  for (const ChildRow& row : kChildren) {
    SCOPED_TRACE(row.windowClass);
    HWND hwnd = Hwnd(row.name);
    HWND parent = row.parent ? Hwnd(row.parent) : Main();
    EXPECT_EQ(GetDlgCtrlID(hwnd), row.id);
    EXPECT_EQ(GetParent(hwnd), parent);
    char className[64] = {};
    GetClassNameA(hwnd, className, sizeof className);
    EXPECT_EQ(_stricmp(className, row.windowClass), 0) << className;
    RECT r{};
    GetWindowRect(hwnd, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, row.rect.left);
    EXPECT_EQ(r.top, row.rect.top);
    EXPECT_EQ(r.right, row.rect.right);
    EXPECT_EQ(r.bottom, row.rect.bottom);
    const LONG style = GetWindowLongA(hwnd, GWL_STYLE);
    EXPECT_NE(style & WS_VISIBLE, 0);
    EXPECT_EQ(style & (WS_CHILD | WS_CLIPSIBLINGS), WS_CHILD | WS_CLIPSIBLINGS);
    EXPECT_EQ((style & WS_TABSTOP) != 0, row.tabStop);
    EXPECT_EQ(style & (WS_BORDER | WS_DISABLED), 0);
    EXPECT_EQ(GetWindowLongA(hwnd, GWL_EXSTYLE) & (WS_EX_CLIENTEDGE | WS_EX_STATICEDGE | WS_EX_DLGMODALFRAME), 0);
  }
}

TEST_F(Window, StackingInsideTheGroupBox) {
  std::vector<HWND> expected;
  for (const char* name : {names::kWhereCode, names::kStatus, names::kKvalueCode, names::kOpacityCaption,
                           names::kInput, names::kOpacitySlider, names::kPicture}) {
    expected.push_back(Hwnd(name));
  }
  std::vector<HWND> actual;
  for (HWND h = GetWindow(Hwnd(names::kGroup), GW_CHILD); h != nullptr; h = GetWindow(h, GW_HWNDNEXT)) {
    actual.push_back(h);
  }
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(GetWindow(Main(), GW_CHILD), Hwnd(names::kGroup));
  EXPECT_EQ(GetWindow(Hwnd(names::kGroup), GW_HWNDNEXT), nullptr);
}

TEST_F(Window, EditFieldStylesAndLimits) {
  struct Row {
    const char* name;
    LONG styles;
    LONG absent;
    UINT limit;
  };
  const Row rows[] = {
      {names::kInput, ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, ES_READONLY | WS_VSCROLL | ES_NOHIDESEL, 370},
      {names::kKvalueCode, ES_AUTOHSCROLL | ES_READONLY, ES_MULTILINE | WS_HSCROLL | ES_NOHIDESEL, 0},
      {names::kWhereCode, ES_AUTOHSCROLL | ES_READONLY, ES_MULTILINE | WS_HSCROLL | ES_NOHIDESEL, 0},
  };
  for (const Row& row : rows) {
    const LONG style = GetWindowLongA(Hwnd(row.name), GWL_STYLE);
    EXPECT_EQ(style & row.styles, row.styles);
    EXPECT_EQ(style & row.absent, 0);
    EXPECT_EQ(style & (ES_CENTER | ES_RIGHT | ES_UPPERCASE | ES_LOWERCASE | ES_PASSWORD), 0);
    const UINT limit = static_cast<UINT>(SendMessageA(Hwnd(row.name), EM_GETLIMITTEXT, 0, 0));
    if (row.limit != 0) {
      EXPECT_EQ(limit, row.limit);
    } else {
      EXPECT_GE(limit, 0x7FFFFFFEu);  // the platform's maximum
    }
    EXPECT_EQ(reinterpret_cast<HFONT>(SendMessageA(Hwnd(row.name), WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT));
  }
}

COLORREF BrushColour(HBRUSH brush) {
  LOGBRUSH lb{};
  GetObjectA(brush, sizeof lb, &lb);
  return lb.lbColor;
}

TEST_F(Window, ColourAnswersOfEveryField) {
  struct Row {
    const char* name;
    UINT message;
    COLORREF text;
    COLORREF back;
  };
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const Row rows[] = {
      {names::kInput, WM_CTLCOLOREDIT, RGB(0, 0, 0), RGB(255, 255, 255)},
      {names::kKvalueCode, WM_CTLCOLORSTATIC, RGB(5, 200, 215), RGB(255, 255, 255)},
      {names::kWhereCode, WM_CTLCOLORSTATIC, RGB(215, 95, 219), RGB(255, 255, 255)},
      {names::kGroup, WM_CTLCOLORSTATIC, RGB(0, 0, 0), face},
  };
  HDC dc = CreateCompatibleDC(nullptr);
  for (const Row& row : rows) {
    HWND child = Hwnd(row.name);
    // The group box and the main window both hand the request back to the child.
    for (HWND parent : {GetParent(child), Main()}) {
      SetTextColor(dc, RGB(1, 2, 3));
      SetBkColor(dc, RGB(4, 5, 6));
      const auto brush = reinterpret_cast<HBRUSH>(
          SendMessageA(parent, row.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child)));
      ASSERT_NE(brush, nullptr);
      EXPECT_EQ(GetTextColor(dc), row.text);
      EXPECT_EQ(GetBkColor(dc), row.back);
      EXPECT_EQ(BrushColour(brush), row.back);
    }
  }
  DeleteDC(dc);
}

TEST_F(Window, CodeFieldsShowOneCentredTextBand) {
  HFONT font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font);
  SIZE w{};
  GetTextExtentPoint32A(dc, "W", 1, &w);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  for (const char* name : {names::kKvalueCode, names::kWhereCode}) {
    HWND hwnd = Hwnd(name);
    RECT window{}, client{};
    GetWindowRect(hwnd, &window);
    GetClientRect(hwnd, &client);
    POINT origin{0, 0};
    ClientToScreen(hwnd, &origin);
    EXPECT_EQ(client.bottom, w.cy);
    EXPECT_EQ(origin.y - window.top, (20 - w.cy) / 2);
    const int midX = (window.left + window.right) / 2;
    EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(midX, window.top)), HTBORDER);
    EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(midX, window.bottom - 1)), HTBORDER);
    EXPECT_EQ(SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(midX, origin.y + w.cy / 2)), HTCLIENT);
  }
}

// Paints into a memory DC and reads the pixels back.
class MemoryCanvas {
 public:
  MemoryCanvas(int width, int height) : dc_(CreateCompatibleDC(nullptr)) {
    HDC screen = GetDC(nullptr);
    bitmap_ = CreateCompatibleBitmap(screen, width, height);
    ReleaseDC(nullptr, screen);
    old_ = SelectObject(dc_, bitmap_);
    RECT all{0, 0, width, height};
    FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  }
  ~MemoryCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  HDC dc() const { return dc_; }
  COLORREF At(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

TEST_F(Window, LabelPaintsBackgroundAndCaption) {
  Label& caption = *window_->Find<Label>(names::kOpacityCaption);
  MemoryCanvas canvas(64, 16);
  caption.PaintContent(canvas.dc(), RECT{0, 0, 64, 16});
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  // Text pixels: darker than the face colour and grey, as black text smoothed onto it is.
  int text = 0, coloured = 0;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 64; ++x) {
      const COLORREF c = canvas.At(x, y);
      if (c == face) continue;
      const int r = GetRValue(c), g = GetGValue(c), b = GetBValue(c);
      if (r < GetRValue(face) && std::abs(r - g) < 24 && std::abs(g - b) < 24) {
        ++text;
      } else {
        ++coloured;
      }
    }
  }
  EXPECT_GT(text, 30) << "the caption is drawn";
  EXPECT_EQ(coloured, 0) << "in black on the face colour";
  EXPECT_EQ(canvas.At(63, 0), face);
  // An empty caption leaves a plain rectangle; an empty clip paints nothing.
  Label& status = Status();
  MemoryCanvas blank(160, 18);
  status.PaintContent(blank.dc(), RECT{0, 0, 0, 0});
  EXPECT_EQ(blank.At(5, 5), RGB(0, 0, 0));
  status.PaintContent(blank.dc(), RECT{0, 0, 160, 18});
  for (int x = 0; x < 160; x += 7) EXPECT_EQ(blank.At(x, 9), face);
}

TEST_F(Window, PictureEqualsTheDecodedJpeg) {
  PictureBox& box = *window_->Find<PictureBox>(names::kPicture);
  ASSERT_TRUE(box.HasPicture());
  const DibImage& image = box.Picture();
  ASSERT_EQ(image.width(), 288);
  ASSERT_EQ(image.height(), 146);
  MemoryCanvas canvas(288, 146);
  box.PaintContent(canvas.dc(), RECT{0, 0, 288, 146});
  const int stride = (288 * 3 + 3) & ~3;
  int mismatches = 0;
  for (int y = 0; y < 146; y += 5) {
    for (int x = 0; x < 288; x += 7) {
      const std::uint8_t* px = image.bits.data() + (145 - y) * stride + x * 3;
      if (canvas.At(x, y) != RGB(px[2], px[1], px[0])) ++mismatches;
    }
  }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(Window, UndecodablePictureLeavesTheBackground) {
  PictureBox& box = *window_->Find<PictureBox>(names::kPicture);
  const char notJpeg[] = "\xFF\xD8 this is not a picture";
  EXPECT_FALSE(box.LoadPicture(notJpeg, sizeof notJpeg));
  EXPECT_FALSE(box.HasPicture());
  MemoryCanvas canvas(288, 146);
  box.PaintContent(canvas.dc(), RECT{0, 0, 288, 146});
  EXPECT_EQ(canvas.At(100, 70), GetSysColor(COLOR_BTNFACE));
}

// The state once built, before the created handler: a layout without that binding.
class BuiltWindow : public WindowTest {
 protected:
  void SetUp() override {
    windowLayout_ = *MainLayout().window;
    windowLayout_.events[0] = {};
    layout_ = MainLayout();
    layout_.window = &windowLayout_;
    window_ = std::make_unique<MainWindow>(layout_);
    ASSERT_TRUE(window_->Create(GetModuleHandleA(nullptr)));
  }
  WindowLayout windowLayout_;
  LayoutData layout_;
};

TEST_F(BuiltWindow, StateBeforeTheCreatedHandler) {
  EXPECT_FALSE(IsWindowVisible(Main()));
  EXPECT_EQ(GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_LAYERED, 0);
  HWND slider = Hwnd(names::kOpacitySlider);
  EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), 1);
  EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 10);
  EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 1);
  EXPECT_EQ(SendMessageA(slider, TBM_GETLINESIZE, 0, 0), 1);
  EXPECT_EQ(SendMessageA(slider, TBM_GETPAGESIZE, 0, 0), 5);
  const LONG style = GetWindowLongA(slider, GWL_STYLE);
  EXPECT_EQ(style & (TBS_AUTOTICKS | TBS_NOTICKS), TBS_AUTOTICKS | TBS_NOTICKS);
  EXPECT_EQ(style & (TBS_VERT | TBS_TOP | TBS_BOTH | TBS_ENABLESELRANGE), 0);
  for (const char* name : {names::kInput, names::kKvalueCode, names::kWhereCode}) {
    EXPECT_EQ(GetWindowTextLengthA(Hwnd(name)), 0);
    DWORD start = 99, end = 99;
    SendMessageA(Hwnd(name), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
  }
  EXPECT_EQ(window_->Find<Label>(names::kOpacityCaption)->Caption(), "\xCD\xB8\xC3\xF7\xB6\xC8\xB5\xF7\xBD\xDA");
  EXPECT_EQ(Status().Caption(), "");
  EXPECT_EQ(Status().TextColour(), RGB(255, 0, 0));
}

TEST_F(BuiltWindow, SliderWritesClampAndOrderTheRange) {
  SliderBar& slider = Slider();
  HWND hwnd = slider.hwnd();
  slider.SetMaximum(40000);
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETRANGEMAX, 0, 0), 32767);
  slider.SetMinimum(-5);
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETRANGEMIN, 0, 0), 0);
  slider.SetMinimum(300);
  slider.SetMaximum(100);  // minimum above maximum: the range still runs low to high
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETRANGEMIN, 0, 0), 100);
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETRANGEMAX, 0, 0), 300);
  slider.SetPosition(50000);
  EXPECT_EQ(slider.Position(), 32767);
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETPOS, 0, 0), 300);
  slider.SetPosition(-1);
  EXPECT_EQ(slider.Position(), 0);
  EXPECT_EQ(SendMessageA(hwnd, TBM_GETPOS, 0, 0), 100);
  slider.SetTickStyle(3);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & (TBS_NOTICKS | TBS_BOTH), TBS_BOTH);
  slider.SetTickStyle(0);
  EXPECT_EQ(GetWindowLongA(hwnd, GWL_STYLE) & (TBS_NOTICKS | TBS_BOTH), TBS_NOTICKS);
}

}  // namespace
}  // namespace zemu::testing
