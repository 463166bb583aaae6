// Start-up failures go through the same RunProgram the exe runs.
#include <ostream>
#include <string>
#include <vector>

#include "tests/win/window_fixture.h"

namespace zemu::testing {
namespace {

struct BoxCall {
  HWND owner;
  std::string text;
  std::string caption;
  UINT type;
};
std::vector<BoxCall> g_boxes;

int WINAPI RecordingMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
  g_boxes.push_back({owner, text, caption, type});
  return IDOK;
}

const std::string kPrefix = "\xD4\xCB\xD0\xD0\xCA\xB1\xB3\xF6\xB4\xED!\r\n\r\n\xB4\xED\xCE\xF3\xD0\xC5\xCF\xA2\xA3\xBA";

bool AnyWindowOfClass(const char* windowClass) { return FindWindowA(windowClass, nullptr) != nullptr; }

struct FailureCase {
  const char* name;
  void (*breakLayout)(std::vector<ControlLayout>& rows);
  std::string message;
};

const FailureCase kFailures[] = {
    // A parent that is not in the layout: the layout cannot be read.
    {"UnreadableLayout", [](std::vector<ControlLayout>& rows) { rows[3].parent = "nobody"; },
     "\xD4\xD8\xC8\xEB\xB4\xB0\xBF\xDA\xC4\xA3\xB0\xE5\xCA\xFD\xBE\xDD\xB6\xCE\xB3\xF6\xB4\xED!"},
    // A control of a class nobody registered: the window cannot be built.
    {"ControlNotCreated",
     [](std::vector<ControlLayout>& rows) {
       rows[0].windowClass = "ZemuNoSuchClass";
       rows[0].kind = ControlKind::SliderBar;
     },
     "\xD4\xD8\xC8\xEB\xC6\xF4\xB6\xAF\xB4\xB0\xBF\xDA\xCA\xA7\xB0\xDC"},
};

class StartupFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(StartupFailure, ReportsInTheErrorBoxAndExitsMinusOne) {
  g_boxes.clear();
  std::vector<ControlLayout> rows(MainLayout().controls, MainLayout().controls + MainLayout().controlCount);
  GetParam().breakLayout(rows);
  const LayoutData broken{MainLayout().window, rows.data(), rows.size()};
  EXPECT_EQ(RunProgram(GetModuleHandleA(nullptr), broken, RecordingMessageBox), -1);
  ASSERT_EQ(g_boxes.size(), 1u);
  EXPECT_EQ(g_boxes[0].owner, nullptr);
  EXPECT_EQ(g_boxes[0].caption, "\xB4\xED\xCE\xF3");
  EXPECT_EQ(g_boxes[0].text, kPrefix + GetParam().message + "\r\n");
  EXPECT_EQ(g_boxes[0].type, static_cast<UINT>(MB_OK | MB_ICONERROR));
  EXPECT_FALSE(AnyWindowOfClass(MainLayout().window->windowClass)) << "no window is left";
  MSG quit{};
  EXPECT_FALSE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a failed start posts no quit";
}

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

INSTANTIATE_TEST_SUITE_P(Startup, StartupFailure, ::testing::ValuesIn(kFailures),
                         [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(Startup, ReadLayoutAcceptsTheProgramsOwnLayout) { EXPECT_TRUE(ReadLayout(MainLayout())); }

}  // namespace
}  // namespace zemu::testing
