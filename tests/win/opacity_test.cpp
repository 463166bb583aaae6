// The window's opacity and the slider that sets it.
#include "tests/win/window_fixture.h"

#include <commctrl.h>
#include "ui/opacity.h"

namespace zemu::testing {
namespace {

int Alpha(HWND hwnd) {
  BYTE alpha = 0;
  DWORD flags = 0;
  COLORREF key = 0;
  if (!GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags)) return -1;
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
  return alpha;
}

class Hidden : public WindowTest {
  bool ShowOnStart() const override { return false; }
};

TEST_F(Hidden, OpacityAppliedBeforeTheWindowIsShown) {
  EXPECT_FALSE(IsWindowVisible(Main()));
  EXPECT_EQ(Alpha(Main()), 188);
  HWND slider = Hwnd(names::kOpacitySlider);
  EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMIN, 0, 0), 55);
  EXPECT_EQ(SendMessageA(slider, TBM_GETRANGEMAX, 0, 0), 255);
  EXPECT_EQ(SendMessageA(slider, TBM_GETPOS, 0, 0), 188);
  EXPECT_EQ(Slider().Position(), 188);
  EXPECT_EQ(GetWindowLongA(slider, GWL_STYLE) & TBS_NOTICKS, TBS_NOTICKS);
}

using Opacity = WindowTest;

TEST_F(Opacity, ApplyOpacityTable) {
  struct Row {
    std::optional<int> alpha;
    int expected;
  };
  const Row rows[] = {{std::nullopt, 255}, {-1, 255}, {0, 0}, {55, 55}, {188, 188}, {255, 255}, {256, 255}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.alpha.value_or(-999));
    SetWindowLongA(Main(), GWL_EXSTYLE, WS_EX_LAYERED | WS_EX_TOOLWINDOW);
    ApplyOpacity(Main(), row.alpha);
    EXPECT_EQ(Alpha(Main()), row.expected);
    // WS_EX_LAYERED replaces the whole extended style; topmost stays. The platform
    // itself adds WS_EX_WINDOWEDGE to every window with a caption.
    EXPECT_EQ(GetWindowLongA(Main(), GWL_EXSTYLE) & ~(WS_EX_TOPMOST | WS_EX_WINDOWEDGE), WS_EX_LAYERED);
    EXPECT_NE(GetWindowLongA(Main(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  }
}

TEST_F(Opacity, ScrollNotificationsApplyThePositionButEndTrack) {
  struct Row {
    int code;
    bool applied;
  };
  const Row rows[] = {{TB_LINEUP, true},   {TB_LINEDOWN, true},      {TB_PAGEUP, true},
                      {TB_PAGEDOWN, true}, {TB_THUMBTRACK, true},    {TB_THUMBPOSITION, true},
                      {TB_TOP, true},      {TB_BOTTOM, true},        {TB_ENDTRACK, false}};
  HWND slider = Hwnd(names::kOpacitySlider);
  int position = 100;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.code);
    const int before = Alpha(Main());
    SendMessageA(slider, TBM_SETPOS, TRUE, ++position);
    // The trackbar notifies the window it was created in, which hands it back.
    SendMessageA(Main(), WM_HSCROLL, MAKEWPARAM(row.code, position), reinterpret_cast<LPARAM>(slider));
    EXPECT_EQ(Alpha(Main()), row.applied ? position : before);
    EXPECT_EQ(Slider().Position(), row.applied ? position : before);
  }
}

TEST_F(Opacity, ArrowKeysMoveTheSliderAndTheAlpha) {
  ASSERT_EQ(GetFocus(), Hwnd(names::kOpacitySlider));
  struct Row {
    UINT key;
    int expected;
  };
  const Row rows[] = {{VK_RIGHT, 189}, {VK_LEFT, 188}, {VK_NEXT, 193}, {VK_PRIOR, 188}, {VK_HOME, 55}, {VK_END, 255}};
  for (const Row& row : rows) {
    Deliver(Hwnd(names::kOpacitySlider), WM_KEYDOWN, row.key, 1);
    Deliver(Hwnd(names::kOpacitySlider), WM_KEYUP, row.key, 0xC0000001);
    EXPECT_EQ(Alpha(Main()), row.expected) << row.key;
  }
}

}  // namespace
}  // namespace zemu::testing
