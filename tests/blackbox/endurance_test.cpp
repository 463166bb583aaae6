// The real exe: its version information, a clipboard held by another program,
// and a soak of typing, copying and slider moves.
#include <gtest/gtest.h>

#include <iostream>
#include <vector>

#include "codes/chat_codes.h"
#include "tests/blackbox/app_process.h"

#include <psapi.h>

namespace zemu::blackbox {
namespace {

const std::string kName = "ZEMU\xB2\xCA\xD7\xD6\xC9\xFA\xB3\xC9\xC6\xF7";
const std::string kFailed = "\xB8\xB4\xD6\xC6\xCA\xA7\xB0\xDC\xA3\xAC\xC7\xEB\xD6\xD8\xCA\xD4\xA3\xA1";

TEST(Exe, CarriesItsVersionInformation) {
  const std::string path = AppPath();
  DWORD ignored = 0;
  const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &ignored);
  ASSERT_GT(size, 0u);
  std::vector<char> info(size);
  ASSERT_TRUE(GetFileVersionInfoA(path.c_str(), 0, size, info.data()));
  VS_FIXEDFILEINFO* fixed = nullptr;
  UINT length = 0;
  ASSERT_TRUE(VerQueryValueA(info.data(), "\\", reinterpret_cast<void**>(&fixed), &length));
  EXPECT_EQ(fixed->dwFileVersionMS, static_cast<DWORD>(ZEMU_VERSION_MAJOR << 16 | ZEMU_VERSION_MINOR));
  EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
  struct Row {
    const char* key;
    std::string value;
  };
  const Row rows[] = {{"FileDescription", kName},
                      {"ProductName", kName},
                      {"OriginalFilename", "zemu-colortext.exe"},
                      {"FileVersion", ZEMU_VERSION}};
  for (const Row& row : rows) {
    char* value = nullptr;
    const std::string query = std::string("\\StringFileInfo\\080404B0\\") + row.key;
    ASSERT_TRUE(VerQueryValueA(info.data(), query.c_str(), reinterpret_cast<void**>(&value), &length)) << row.key;
    EXPECT_EQ(std::string(value), row.value) << row.key;
  }
}

class Busy : public ::testing::Test {
 protected:
  void SetUp() override {
    app_ = std::make_unique<AppProcess>();
    ASSERT_TRUE(app_->started());
  }
  std::unique_ptr<AppProcess> app_;
};

TEST_F(Busy, ClipboardHeldByAnotherProgramFailsVisiblyAndKeepsTheContent) {
  WriteClipboardText("before");
  ASSERT_TRUE(testing::OpenClipboardFor(testing::TestClipboardOwner()));
  const POINT p = ClientCentre(app_->Control(kKvalueId));
  ClickAt(p.x, p.y);
  EXPECT_TRUE(WaitUntil([&] { return WindowText(app_->Control(kStatusId)) == kFailed; }))
      << WindowText(app_->Control(kStatusId));
  CloseClipboard();
  EXPECT_EQ(ReadClipboardText(), "before");
}

struct Usage {
  SIZE_T privateBytes = 0;
  DWORD gdi = 0;
  DWORD user = 0;
};

Usage UsageOf(HANDLE process) {
  Usage u;
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters);
  // Wine leaves PrivateUsage at 0 for other processes; the pagefile usage is
  // the same committed private memory there.
  u.privateBytes = counters.PrivateUsage != 0 ? counters.PrivateUsage : counters.PagefileUsage;
  u.gdi = GetGuiResources(process, GR_GDIOBJECTS);
  u.user = GetGuiResources(process, GR_USEROBJECTS);
  return u;
}

// Waits until the app has taken in all the input sent so far.
void Sync(const AppProcess& app) {
  // Answering our own messages meanwhile: the app's copies message the clipboard's previous owner.
  WaitUntil([&] { return WaitForInputIdle(app.process(), 0) == 0; }, 2000);
  DWORD_PTR ignored = 0;
  SendMessageTimeoutA(app.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
}

void SendKeyEvents(const std::vector<WORD>& keys) {
  std::vector<INPUT> events;
  for (WORD key : keys) {
    for (DWORD flags : {DWORD{0}, DWORD{KEYEVENTF_KEYUP}}) {
      INPUT in{};
      in.type = INPUT_KEYBOARD;
      in.ki.wVk = key;
      in.ki.dwFlags = flags;
      events.push_back(in);
    }
  }
  SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
}

// A left click at a point, as one batch of input.
void QuickClick(POINT at) {
  INPUT in[3] = {};
  for (INPUT& i : in) i.type = INPUT_MOUSE;
  in[0].mi.dx = static_cast<LONG>(at.x * 65536LL / GetSystemMetrics(SM_CXSCREEN) + 1);
  in[0].mi.dy = static_cast<LONG>(at.y * 65536LL / GetSystemMetrics(SM_CYSCREEN) + 1);
  in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  in[2].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(3, in, sizeof in[0]);
}

class Soak : public Busy {
 protected:
  // One round: a line of typing with Chinese pasted in, two copies, slider moves.
  void Round(int i) {
    QuickClick(ClientCentre(app_->Control(kInputId)));
    Sync(*app_);
    if (i % 8 == 0) {  // the field stops at 370 bytes: start again now and then
      PressKey(VK_HOME, {VK_CONTROL});
      PressKey(VK_END, {VK_CONTROL, VK_SHIFT});
      PressKey(VK_DELETE);
    }
    std::vector<WORD> keys;
    for (int k = 0; k < 40; ++k) keys.push_back(static_cast<WORD>('A' + (i + k) % 26));
    keys.push_back(VK_SPACE);
    SendKeyEvents(keys);
    WriteClipboardText("\xB2\xCA\xD7\xD6");  // 彩字, pasted as a player would
    PressKey('V', {VK_CONTROL});
    Sync(*app_);
    keystrokes_ += static_cast<int>(keys.size()) + 3;
    for (int id : {kKvalueId, kWhereId}) {
      QuickClick(ClientCentre(app_->Control(id)));
      Sync(*app_);
      ++copies_;
      lastCopied_ = id;
    }
    PressKey(VK_TAB);  // from the where code on to the slider
    std::vector<WORD> moves;
    for (int m = 0; m < 10; ++m) moves.push_back(m % 2 ? VK_RIGHT : VK_LEFT);
    SendKeyEvents(moves);
    Sync(*app_);
    slides_ += 10;
  }

  int keystrokes_ = 0;
  int copies_ = 0;
  int slides_ = 0;
  int lastCopied_ = 0;
};

TEST_F(Soak, KeepsAnsweringWithoutGrowing) {
  Round(0);  // first use creates what lives as long as the window
  const Usage before = UsageOf(app_->process());
  const DWORD start = GetTickCount();
  int rounds = 1;
  while (rounds < 150 && GetTickCount() - start < 50000) Round(rounds++);
  const Usage after = UsageOf(app_->process());
  std::cout << "soak: " << rounds << " rounds, " << keystrokes_ << " keystrokes, " << copies_ << " copies, "
            << slides_ << " slider moves in " << (GetTickCount() - start) / 1000 << " s; private bytes "
            << before.privateBytes / 1024 << " KiB -> " << after.privateBytes / 1024 << " KiB; GDI " << before.gdi
            << " -> " << after.gdi << ", USER " << before.user << " -> " << after.user << "\n";
  DWORD_PTR ignored = 0;
  EXPECT_NE(SendMessageTimeoutA(app_->window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored), 0);
  EXPECT_EQ(ReadClipboardText(), ToClipboardForm(WindowText(app_->Control(lastCopied_))));
  EXPECT_GT(copies_, 100);
  EXPECT_EQ(app_->Focus(), app_->Control(kSliderId)) << "the slider moves went to the slider";
  EXPECT_EQ(Alpha(app_->window()), static_cast<int>(SendMessageA(app_->Control(kSliderId), TBM_GETPOS, 0, 0)));
  EXPECT_LT(after.privateBytes, before.privateBytes + 2 * 1024 * 1024) << "private bytes grew";
  ASSERT_GT(before.privateBytes, 0u) << "the platform reports no private bytes for the app";
  if (before.gdi == 0 && before.user == 0) {
    std::cout << "soak: this platform reports no GDI or USER object counts; they were not checked\n";
  } else {
    EXPECT_LE(after.gdi, before.gdi);
    EXPECT_LE(after.user, before.user);
  }
}

}  // namespace
}  // namespace zemu::blackbox
