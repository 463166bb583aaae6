// The real exe: its window, and every way of closing it.
#include <gtest/gtest.h>

#include "tests/blackbox/app_process.h"

namespace zemu::blackbox {
namespace {

BOOL CALLBACK CountChild(HWND, LPARAM count) {
  ++*reinterpret_cast<int*>(count);
  return TRUE;
}

TEST(App, WindowIsVisibleTopmostCentredWithEightControls) {
  AppProcess app;
  ASSERT_TRUE(app.started());
  EXPECT_TRUE(IsWindowVisible(app.window()));
  EXPECT_NE(GetWindowLongA(app.window(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  RECT r{};
  GetWindowRect(app.window(), &r);
  EXPECT_EQ(r.right - r.left, 327);
  EXPECT_EQ(r.bottom - r.top, 420);
  EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 327) / 2);
  EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 420) / 2);
  for (int id = 100; id <= 170; id += 10) {
    HWND control = app.Control(id);
    ASSERT_NE(control, nullptr) << id;
    EXPECT_TRUE(IsWindowVisible(control)) << id;
  }
  int children = 0;
  EnumChildWindows(app.window(), CountChild, reinterpret_cast<LPARAM>(&children));
  EXPECT_EQ(children, 8);
  EXPECT_EQ(Alpha(app.window()), 188);
}

// A point of a caption part (HTCLOSE, HTSYSMENU), found by asking the window itself.
bool FindCaptionPart(HWND hwnd, LRESULT part, POINT* at) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  for (int y = r.top + 2; y < r.top + 40; y += 2) {
    for (int x = r.right - 2; x > r.left; x -= 2) {
      if (SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == part) {
        *at = {x - 3, y + 3};
        return true;
      }
    }
  }
  return false;
}

enum class CloseBy { CloseButton, SystemMenu, AltF4, Escape };

class Closing : public ::testing::TestWithParam<CloseBy> {};

TEST_P(Closing, EndsTheProcessWithExitCodeZero) {
  AppProcess app;
  ASSERT_TRUE(app.started());
  switch (GetParam()) {
    case CloseBy::CloseButton: {
      POINT at{};
      ASSERT_TRUE(FindCaptionPart(app.window(), HTCLOSE, &at));
      ClickAt(at.x, at.y);
      break;
    }
    case CloseBy::SystemMenu: {
      // A click on the window icon opens the system menu.
      POINT at{};
      ASSERT_TRUE(FindCaptionPart(app.window(), HTSYSMENU, &at));
      ClickAt(at.x, at.y);
      Settle(400);
      // C is Close's mnemonic, in English and in Chinese menus ("关闭(C)") alike;
      // Wine's menu ends with an extra "About Wine", so no position is assumed.
      PressKey('C');
      break;
    }
    case CloseBy::AltF4:
      PressKey(VK_F4, {VK_MENU});
      break;
    case CloseBy::Escape:
      ClickAt(ClientCentre(app.Control(kInputId)).x, ClientCentre(app.Control(kInputId)).y);
      ASSERT_TRUE(WaitUntil([&] { return app.Focus() == app.Control(kInputId); }));
      PressKey(VK_ESCAPE);
      break;
  }
  DWORD code = 12345;
  ASSERT_TRUE(app.WaitForExit(5000, &code));
  EXPECT_EQ(code, 0u);
}

std::string CloseByName(const ::testing::TestParamInfo<CloseBy>& info) {
  static const char* const kNames[] = {"CloseButton", "SystemMenu", "AltF4", "EscapeInInput"};
  return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(App, Closing,
                         ::testing::Values(CloseBy::CloseButton, CloseBy::SystemMenu, CloseBy::AltF4, CloseBy::Escape),
                         CloseByName);

TEST(App, ArgumentsChangeNothing) {
  AppProcess plain;
  ASSERT_TRUE(plain.started());
  const std::string kvalue = WindowText(plain.Control(kKvalueId));
  AppProcess withArgs("--help /x C:\\some\\file.txt");
  ASSERT_TRUE(withArgs.started());
  EXPECT_EQ(WindowText(withArgs.Control(kKvalueId)), kvalue);
  EXPECT_EQ(WindowText(withArgs.Control(kInputId)), WindowText(plain.Control(kInputId)));
  EXPECT_EQ(Alpha(withArgs.window()), 188);
  PostMessageA(withArgs.window(), WM_CLOSE, 0, 0);
  DWORD code = 1;
  ASSERT_TRUE(withArgs.WaitForExit(5000, &code));
  EXPECT_EQ(code, 0u);
}

TEST(App, TwoInstancesRunSideBySide) {
  AppProcess first;
  AppProcess second;
  ASSERT_TRUE(first.started());
  ASSERT_TRUE(second.started());
  EXPECT_NE(first.window(), second.window());
  EXPECT_NE(first.processId(), second.processId());
  DWORD code = 1;
  PostMessageA(second.window(), WM_CLOSE, 0, 0);
  ASSERT_TRUE(second.WaitForExit(5000, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_TRUE(IsWindowVisible(first.window())) << "closing one leaves the other";
}

}  // namespace
}  // namespace zemu::blackbox
