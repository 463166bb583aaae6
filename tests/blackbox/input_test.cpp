// The real exe driven with real input: typing, copying, the slider and Tab.
#include <gtest/gtest.h>

#include "tests/blackbox/app_process.h"

namespace zemu::blackbox {
namespace {

const std::string kDefault = "Quindo\xB2\xCA\xD7\xD6\xC9\xFA\xB3\xC9\xC6\xF7";
const std::string kCopied = "\xD2\xD1\xB8\xB4\xD6\xC6\xA3\xAC\xD4\xDA\xD3\xCE\xCF\xB7\xD6\xD0\xD5\xB3\xCC\xF9\xBC\xB4\xBF\xC9\xA3\xA1";

class Player : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<AppProcess>();
    ASSERT_TRUE(app_->started());
  }
  HWND Ctl(int id) const { return app_->Control(id); }
  void ClickCentre(int id) {
    const POINT p = ClientCentre(Ctl(id));
    ClickAt(p.x, p.y);
  }
  std::unique_ptr<AppProcess> app_;
};

TEST_F(Player, TypedTextBecomesBothCodesAndCopies) {
  ClickCentre(kInputId);
  ASSERT_TRUE(WaitUntil([&] { return app_->Focus() == Ctl(kInputId); }));
  // Select everything from the start to the end, then type over it.
  PressKey(VK_HOME, {VK_CONTROL});
  PressKey(VK_END, {VK_CONTROL, VK_SHIFT});
  PressKey(VK_DELETE);
  for (WORD key : {'A', 'B'}) PressKey(key);
  PressKey(VK_RETURN);
  // Chinese text arrives as a player pastes it from elsewhere, then more typing.
  WriteClipboardText("\xB2\xCA");
  PressKey('V', {VK_CONTROL});
  PressKey('C');
  const std::string input = "ab\r\n\xB2\xCA" "c";  // typed keys arrive in lower case
  ASSERT_TRUE(WaitUntil([&] { return WindowText(Ctl(kInputId)) == input; })) << WindowText(Ctl(kInputId));
  EXPECT_EQ(WindowText(Ctl(kKvalueId)), "[kvalue:z;" + input + ";perc]");
  EXPECT_EQ(WindowText(Ctl(kWhereId)), "[where:" + input + "]");
  ClickCentre(kKvalueId);
  EXPECT_EQ(ReadClipboardText(), "[kvalue:z;ab\xB2\xCA" "c;perc]");
  EXPECT_EQ(WindowText(Ctl(kStatusId)), kCopied);
  ClickCentre(kWhereId);
  EXPECT_EQ(ReadClipboardText(), "[where:ab\xB2\xCA" "c]");
  // A click in the input takes the focus from the code field and clears the status.
  ClickCentre(kInputId);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(Ctl(kStatusId)).empty(); }));
}

TEST_F(Player, ReleaseOutsideTheFieldStillCopies) {
  WriteClipboardText("before");
  const POINT p = ClientCentre(Ctl(kWhereId));
  MoveMouse(p.x, p.y);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MoveMouse(p.x, p.y + 120);
  MouseButton(MOUSEEVENTF_LEFTUP);
  Settle();
  EXPECT_EQ(ReadClipboardText(), "[where:" + kDefault + "]");
}

TEST_F(Player, DoubleClickCopiesAndSelectsTheWholeCode) {
  WriteClipboardText("before");
  const POINT p = ClientCentre(Ctl(kKvalueId));
  MoveMouse(p.x, p.y);
  for (int i = 0; i < 2; ++i) {
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
  }
  Settle();
  EXPECT_EQ(ReadClipboardText(), "[kvalue:z;" + kDefault + ";perc]");
  // EM_GETSEL packs both ends into its result when no pointers are given.
  const DWORD sel = static_cast<DWORD>(SendMessageA(Ctl(kKvalueId), EM_GETSEL, 0, 0));
  const std::string code = WindowText(Ctl(kKvalueId));
  EXPECT_EQ(LOWORD(sel), 0);
  // The whole code: its bytes on Windows, its characters on Wine (which counts those).
  const DWORD characters = static_cast<DWORD>(MultiByteToWideChar(CP_ACP, 0, code.data(), code.size(), nullptr, 0));
  EXPECT_TRUE(HIWORD(sel) == code.size() || HIWORD(sel) == characters) << HIWORD(sel);
}

TEST_F(Player, RightClickAndTheBandAboveTheTextCopyNothing) {
  WriteClipboardText("before");
  const POINT p = ClientCentre(Ctl(kWhereId));
  MoveMouse(p.x, p.y);
  MouseButton(MOUSEEVENTF_RIGHTDOWN);
  MouseButton(MOUSEEVENTF_RIGHTUP);
  Settle(300);
  EXPECT_EQ(ReadClipboardText(), "before");
  PressKey(VK_ESCAPE);  // closes the field's context menu
  Settle(300);
  if (!IsWindow(app_->window())) GTEST_SKIP() << "no context menu opened; Esc closed the window";
  RECT window{};
  GetWindowRect(Ctl(kWhereId), &window);
  const HWND focusBefore = app_->Focus();
  ClickAt((window.left + window.right) / 2, window.top + 1);  // the band above the text line
  EXPECT_EQ(ReadClipboardText(), "before");
  EXPECT_EQ(app_->Focus(), focusBefore);
}

TEST_F(Player, SliderKeysSetTheOpacity) {
  ASSERT_TRUE(WaitUntil([&] { return app_->Focus() == Ctl(kSliderId); }));
  struct Row {
    WORD key;
    int alpha;
  };
  const Row rows[] = {{VK_RIGHT, 189}, {VK_LEFT, 188}, {VK_NEXT, 193}, {VK_PRIOR, 188}, {VK_HOME, 55}, {VK_END, 255}};
  for (const Row& row : rows) {
    PressKey(row.key);
    EXPECT_TRUE(WaitUntil([&] { return Alpha(app_->window()) == row.alpha; })) << row.key << " gave "
                                                                              << Alpha(app_->window());
  }
}

TEST_F(Player, DraggingTheThumbChangesTheAlphaWhileItMoves) {
  HWND slider = Ctl(kSliderId);
  const RECT thumb = ThumbRect(*app_, slider);
  ASSERT_GT(thumb.right, thumb.left);
  POINT at{(thumb.left + thumb.right) / 2, (thumb.top + thumb.bottom) / 2};
  ClientToScreen(slider, &at);
  MoveMouse(at.x, at.y);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MoveMouse(at.x - 30, at.y);
  const int during = Alpha(app_->window());
  EXPECT_LT(during, 188) << "the alpha follows the thumb before the release";
  MoveMouse(at.x - 50, at.y);
  MouseButton(MOUSEEVENTF_LEFTUP);
  Settle();
  EXPECT_LT(Alpha(app_->window()), during);
  EXPECT_EQ(Alpha(app_->window()), static_cast<int>(SendMessageA(slider, TBM_GETPOS, 0, 0)));
}

TEST_F(Player, TabCyclesAndEscCloses) {
  ASSERT_TRUE(WaitUntil([&] { return app_->Focus() == Ctl(kSliderId); }));
  for (int id : {kInputId, kKvalueId, kWhereId, kSliderId, kInputId}) {
    PressKey(VK_TAB);
    EXPECT_TRUE(WaitUntil([&] { return app_->Focus() == Ctl(id); })) << id;
  }
  EXPECT_EQ(WindowText(Ctl(kInputId)), kDefault) << "Tab inserts nothing";
  PressKey(VK_ESCAPE);
  DWORD code = 1;
  ASSERT_TRUE(app_->WaitForExit(5000, &code));
  EXPECT_EQ(code, 0u);
}

TEST_F(Player, FocusComesBackAfterSwitchingWindows) {
  PressKey(VK_TAB);
  PressKey(VK_TAB);
  ASSERT_TRUE(WaitUntil([&] { return app_->Focus() == Ctl(kKvalueId); }));
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  SetForegroundWindow(other);
  Settle(300);
  EXPECT_NE(app_->Focus(), Ctl(kKvalueId));
  app_->Activate();
  EXPECT_TRUE(WaitUntil([&] { return app_->Focus() == Ctl(kKvalueId); }));
  DestroyWindow(other);
}

}  // namespace
}  // namespace zemu::blackbox
