// An edit field on its own, with a parent that reflects its notifications and
// a host that counts the events it raises.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "ui/edit_box.h"

namespace zemu::testing {
namespace {

class CountingHost : public ControlHost {
 public:
  Control* FindControl(HWND hwnd) const override { return edit_ && edit_->hwnd() == hwnd ? edit_ : nullptr; }
  void OnControlEvent(Control&, EventKind event, const MouseEvent*) override {
    events.push_back(event);
    if (event == EventKind::TextChanged && edit_ != nullptr) textsSeen.push_back(edit_->GetText());
  }
  void Attach(EditBox* edit) { edit_ = edit; }
  int Count(EventKind kind) const {
    int n = 0;
    for (EventKind e : events) n += e == kind;
    return n;
  }
  std::vector<EventKind> events;
  std::vector<Text> textsSeen;

 private:
  EditBox* edit_ = nullptr;
};

LRESULT CALLBACK ParentProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto* host = reinterpret_cast<CountingHost*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  LRESULT result = 0;
  if (host != nullptr && ReflectToChild(*host, msg, wParam, lParam, &result)) return result;
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

struct FieldCase {
  const char* name;
  DWORD styles;
};

class EditField : public ::testing::TestWithParam<FieldCase> {
 protected:
  void SetUp() override {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ParentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "ZemuEditTestParent";
    RegisterClassA(&wc);
    parent_ = CreateWindowExA(0, wc.lpszClassName, "", WS_OVERLAPPEDWINDOW, 0, 0, 400, 200, nullptr, nullptr,
                              wc.hInstance, nullptr);
    SetWindowLongPtrA(parent_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&host_));
    layout_.name = "field";
    layout_.kind = ControlKind::EditBox;
    layout_.windowClass = "EDIT";
    layout_.width = 288;
    layout_.height = GetParam().styles & ES_MULTILINE ? 93 : 20;
    layout_.tabStop = true;
    layout_.edit = {.styles = GetParam().styles, .maxLength = 370, .text = RgbColour(0, 0, 0),
                    .back = RgbColour(255, 255, 255)};
    edit_ = std::make_unique<EditBox>(layout_, host_);
    ASSERT_TRUE(edit_->Create(GetModuleHandleA(nullptr), parent_, 130));
    host_.Attach(edit_.get());
  }
  void TearDown() override {
    host_.Attach(nullptr);
    edit_.reset();
    DestroyWindow(parent_);
  }

  HWND parent_ = nullptr;
  ControlLayout layout_;
  CountingHost host_;
  std::unique_ptr<EditBox> edit_;
};

TEST_P(EditField, WriteRaisesTextChangedOnceWithTheNewText) {
  edit_->SetText("abc");
  EXPECT_EQ(host_.Count(EventKind::TextChanged), 1);
  ASSERT_EQ(host_.textsSeen.size(), 1u);
  EXPECT_EQ(host_.textsSeen[0], "abc");
  edit_->SetText("abc");  // unchanged text: still exactly one event
  EXPECT_EQ(host_.Count(EventKind::TextChanged), 2);
  edit_->SetText("a\r\nb");
  EXPECT_EQ(host_.Count(EventKind::TextChanged), 3);
  EXPECT_EQ(edit_->GetText(), "a\r\nb");
}

TEST_P(EditField, ProgramWritesAreNotCutToTheLimit) {
  const Text longText(1000, 'x');
  edit_->SetText(longText);
  EXPECT_EQ(edit_->GetText(), longText);
}

TEST_P(EditField, UserEditsRaiseTextChanged) {
  SendMessageA(edit_->hwnd(), EM_SETREADONLY, FALSE, 0);
  SendMessageA(edit_->hwnd(), WM_CHAR, 'q', 0);
  EXPECT_EQ(host_.Count(EventKind::TextChanged), 1);
  EXPECT_EQ(edit_->GetText(), "q");
}

TEST_P(EditField, LosingTheFocusRaisesLostFocus) {
  SetFocus(edit_->hwnd());
  SetFocus(parent_);
  EXPECT_EQ(host_.Count(EventKind::LostFocus), 1);
}

TEST_P(EditField, SelectRunsFromZeroToTheCount) {
  edit_->SetText("0123456789");
  SendMessageA(edit_->hwnd(), EM_SETSEL, 4, 6);
  edit_->Select(10);
  DWORD start = 99, end = 99;
  SendMessageA(edit_->hwnd(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 10u);
}

TEST_P(EditField, DeletesItsBrushWithItself) {
  HBRUSH brush = edit_->BackgroundBrush();
  LOGBRUSH lb{};
  ASSERT_NE(GetObjectA(brush, sizeof lb, &lb), 0);
  DestroyWindow(edit_->hwnd());
  EXPECT_EQ(GetObjectA(brush, sizeof lb, &lb), 0) << "the brush outlived its field";
}

INSTANTIATE_TEST_SUITE_P(Kinds, EditField,
                         ::testing::Values(FieldCase{"MultiLine", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN},
                                           FieldCase{"SingleLine", ES_AUTOHSCROLL | ES_READONLY}),
                         [](const ::testing::TestParamInfo<FieldCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zemu::testing
