// Keyboard focus and the window's own keys, through the loop's pre-translation.
#include "tests/win/window_fixture.h"

namespace zemu::testing {
namespace {

class Keyboard : public WindowTest {
 protected:
  void Key(UINT key, bool shift = false, bool ctrl = false, bool alt = false) {
    ModifierScope mods(shift, ctrl, alt);
    HWND target = GetFocus() ? GetFocus() : Main();
    const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    Deliver(target, down, key, 1);
    if (IsWindow(target)) Deliver(target, alt ? WM_SYSKEYUP : WM_KEYUP, key, 0xC0000001);
  }
  std::vector<HWND> TabCycle() {
    return {Hwnd(names::kOpacitySlider), Hwnd(names::kInput), Hwnd(names::kKvalueCode), Hwnd(names::kWhereCode)};
  }
};

TEST_F(Keyboard, SliderHasTheFirstFocus) { EXPECT_EQ(GetFocus(), Hwnd(names::kOpacitySlider)); }

TEST_F(Keyboard, TabOrderList) {
  std::vector<HWND> order;
  for (Control* c : window_->TabOrder()) order.push_back(c->hwnd());
  EXPECT_EQ(order, TabCycle());
}

TEST_F(Keyboard, TabAndShiftTabCycle) {
  const std::vector<HWND> cycle = TabCycle();
  for (int i = 1; i <= 8; ++i) {
    Key(VK_TAB);
    EXPECT_EQ(GetFocus(), cycle[i % 4]) << "Tab " << i;
  }
  for (int i = 7; i >= 0; --i) {
    Key(VK_TAB, true);
    EXPECT_EQ(GetFocus(), cycle[i % 4]) << "Shift+Tab to " << i;
  }
}

TEST_F(Keyboard, TabInTheInputInsertsNoTab) {
  SetFocus(Hwnd(names::kInput));
  const Text before = Edit(names::kInput).GetText();
  Key(VK_TAB);
  EXPECT_EQ(GetFocus(), Hwnd(names::kKvalueCode));
  EXPECT_EQ(Edit(names::kInput).GetText(), before);
}

TEST_F(Keyboard, EnterStartsALineOnlyInTheInput) {
  SetFocus(Hwnd(names::kInput));
  SendMessageA(Hwnd(names::kInput), EM_SETSEL, 0, 0);
  Key(VK_RETURN);
  EXPECT_EQ(Edit(names::kInput).GetText().substr(0, 2), "\r\n");
  EXPECT_EQ(GetFocus(), Hwnd(names::kInput));
  SetFocus(Hwnd(names::kKvalueCode));
  const Text code = Edit(names::kKvalueCode).GetText();
  Key(VK_RETURN);
  EXPECT_EQ(Edit(names::kKvalueCode).GetText(), code);
  EXPECT_EQ(GetFocus(), Hwnd(names::kKvalueCode));
}

TEST_F(Keyboard, CombinationsPassOnUnchanged) {
  struct Row {
    UINT key;
    bool shift, ctrl, alt;
  };
  const Row rows[] = {{VK_TAB, false, true, false}, {VK_TAB, true, true, false}, {VK_ESCAPE, true, false, false},
                      {VK_ESCAPE, false, true, false}, {VK_F1, false, false, false}, {VK_RETURN, true, false, false}};
  for (const Row& row : rows) {
    SetFocus(Hwnd(names::kKvalueCode));
    Key(row.key, row.shift, row.ctrl, row.alt);
    ASSERT_TRUE(IsWindow(Main())) << row.key;
    EXPECT_EQ(GetFocus(), Hwnd(names::kKvalueCode)) << row.key;
  }
}

TEST_F(Keyboard, FocusComesBackAfterDeactivation) {
  SetFocus(Hwnd(names::kWhereCode));
  HWND other = CreateWindowExA(0, "STATIC", "other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200, 100, nullptr,
                               nullptr, nullptr, nullptr);
  SetActiveWindow(other);
  Pump();
  EXPECT_NE(GetFocus(), Hwnd(names::kWhereCode));
  SetActiveWindow(Main());
  Pump();
  EXPECT_EQ(GetFocus(), Hwnd(names::kWhereCode));
  DestroyWindow(other);
}

// Esc closes the window from every control that can have the focus.
class EscapeFrom : public Keyboard, public ::testing::WithParamInterface<const char*> {};

TEST_P(EscapeFrom, ClosesTheWindow) {
  SetFocus(Hwnd(GetParam()));
  Key(VK_ESCAPE);
  EXPECT_FALSE(IsWindow(window_->hwnd()));
  EXPECT_TRUE(quitSeen_);
  EXPECT_EQ(quitCode_, 0u);
}

INSTANTIATE_TEST_SUITE_P(Controls, EscapeFrom,
                         ::testing::Values(names::kInput, names::kKvalueCode, names::kWhereCode,
                                           names::kOpacitySlider));

}  // namespace
}  // namespace zemu::testing
