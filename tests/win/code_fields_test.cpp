// The codes in the window, the copy to the clipboard and the status line.
#include <thread>

#include "tests/win/window_fixture.h"

namespace zemu::testing {
namespace {

const std::string kDefault = "Quindo\xB2\xCA\xD7\xD6\xC9\xFA\xB3\xC9\xC6\xF7";
const std::string kCopied = "\xD2\xD1\xB8\xB4\xD6\xC6\xA3\xAC\xD4\xDA\xD3\xCE\xCF\xB7\xD6\xD0\xD5\xB3\xCC\xF9\xBC\xB4\xBF\xC9\xA3\xA1";
const std::string kFailed = "\xB8\xB4\xD6\xC6\xCA\xA7\xB0\xDC\xA3\xAC\xC7\xEB\xD6\xD8\xCA\xD4\xA3\xA1";
constexpr COLORREF kKvalueColour = RGB(5, 200, 215);
constexpr COLORREF kWhereColour = RGB(215, 95, 219);

class CodeFields : public WindowTest {
 public:
  // A release over the middle of a code field's text line, as the loop delivers it.
  void ClickCode(const char* name) {
    RECT client{};
    GetClientRect(Hwnd(name), &client);
    Click(Hwnd(name), client.right / 2, client.bottom / 2);
  }
  std::string Text(const char* name) { return Edit(name).GetText(); }
};

TEST_F(CodeFields, DefaultCodesAtStart) {
  EXPECT_EQ(Text(names::kInput), kDefault);
  EXPECT_EQ(Text(names::kKvalueCode), "[kvalue:z;" + kDefault + ";perc]");
  EXPECT_EQ(Text(names::kWhereCode), "[where:" + kDefault + "]");
  EXPECT_EQ(Status().Caption(), "");
}

TEST_F(CodeFields, EveryInputWriteRebuildsBothCodes) {
  struct Row {
    std::string input, kvalue, where;
  };
  const Row rows[] = {
      {"", "[kvalue:z;;perc]", "[where:]"},
      {"a\r\nb", "[kvalue:z;a\r\nb;perc]", "[where:a\r\nb]"},
      {"x]y", "[kvalue:z;x]y;perc]", "[where:x]y]"},
  };
  for (const Row& row : rows) {
    Edit(names::kInput).SetText(row.input);
    EXPECT_EQ(Text(names::kKvalueCode), row.kvalue);
    EXPECT_EQ(Text(names::kWhereCode), row.where);
  }
}

TEST_F(CodeFields, ReleaseCopiesTheClipboardFormAndSelectsAll) {
  Edit(names::kInput).SetText("a\r\n\xB2\xCA");
  struct Row {
    const char* name;
    std::string form;
    COLORREF colour;
  };
  const Row rows[] = {{names::kKvalueCode, "[kvalue:z;a\xB2\xCA;perc]", kKvalueColour},
                      {names::kWhereCode, "[where:a\xB2\xCA]", kWhereColour}};
  for (const Row& row : rows) {
    HWND field = Hwnd(row.name);
    // The field's own unit for "everything": bytes on Windows, characters on Wine.
    SendMessageA(field, EM_SETSEL, 0, -1);
    DWORD allEnd = 0;
    SendMessageA(field, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&allEnd));
    SendMessageA(field, EM_SETSEL, 2, 3);
    ClickCode(row.name);
    EXPECT_EQ(GetFocus(), field);
    const ClipboardBytes text = ReadClipboard(CF_TEXT, false);
    ASSERT_TRUE(text.present);
    // The block holds the form and one zero byte (the platform may round the size up).
    ASSERT_GE(text.bytes.size(), row.form.size() + 1);
    EXPECT_EQ(text.bytes.substr(0, row.form.size() + 1), row.form + std::string(1, '\0'));
    const ClipboardBytes locale = ReadClipboard(CF_LOCALE, false);
    ASSERT_TRUE(locale.present);
    LCID lcid = 0;
    memcpy(&lcid, locale.bytes.data(), sizeof lcid);
    char codePage[8] = {};
    GetLocaleInfoA(lcid, LOCALE_IDEFAULTANSICODEPAGE, codePage, sizeof codePage);
    EXPECT_EQ(atoi(codePage), static_cast<int>(GetACP()));
    DWORD start = 99, end = 99;
    SendMessageA(field, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, allEnd);
    EXPECT_EQ(Status().Caption(), kCopied);
    EXPECT_EQ(Status().TextColour(), row.colour);
  }
}

TEST_F(CodeFields, StatusFollowsCopiesAndFocus) {
  ClickCode(names::kKvalueCode);
  EXPECT_EQ(Status().Caption(), kCopied);
  EXPECT_EQ(Status().TextColour(), kKvalueColour);
  // Pressing on the other field takes the focus first: the status clears...
  Deliver(Hwnd(names::kWhereCode), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 5));
  EXPECT_EQ(Status().Caption(), "");
  EXPECT_EQ(Status().TextColour(), kKvalueColour) << "clearing leaves the colour";
  // ...and the release shows the message in the second field's colour.
  Deliver(Hwnd(names::kWhereCode), WM_LBUTTONUP, 0, MAKELPARAM(20, 5));
  EXPECT_EQ(Status().Caption(), kCopied);
  EXPECT_EQ(Status().TextColour(), kWhereColour);
  // Typing elsewhere does not change it; losing the focus clears it.
  Edit(names::kInput).SetText("z");
  EXPECT_EQ(Status().Caption(), kCopied);
  SetFocus(Hwnd(names::kInput));
  EXPECT_EQ(Status().Caption(), "");
}

TEST_F(CodeFields, KeyboardFocusCopiesNothing) {
  WriteClipboardText("before");
  SetFocus(Hwnd(names::kKvalueCode));
  Pump();
  EXPECT_EQ(Status().Caption(), "");
  EXPECT_EQ(ReadClipboard(CF_TEXT, true).bytes, "before");
}

TEST_F(CodeFields, RightClickCopiesNothing) {
  WriteClipboardText("before");
  Deliver(Hwnd(names::kWhereCode), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(20, 5));
  // Dispatching the release would open the field's context menu and wait in it.
  const MSG up{Hwnd(names::kWhereCode), WM_RBUTTONUP, 0, MAKELPARAM(20, 5), GetTickCount(), {}};
  EXPECT_FALSE(window_->PreTranslateMessage(up));
  EXPECT_EQ(ReadClipboard(CF_TEXT, true).bytes, "before");
  EXPECT_EQ(Status().Caption(), "");
}

// Another thread holds the clipboard open for a while.
void HoldClipboard(HANDLE opened, DWORD ms) {
  HWND owner = CreateWindowExA(0, "STATIC", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
  OpenClipboard(owner);
  SetEvent(opened);
  Sleep(ms);
  CloseClipboard();
  DestroyWindow(owner);
}

// Releases over a code field while another thread holds the clipboard for `ms`.
void CopyWhileHeld(CodeFields& test, const char* field, DWORD ms);

TEST_F(CodeFields, ClipboardHeldBrieflyStillCopies) {
  WriteClipboardText("before");
  CopyWhileHeld(*this, names::kWhereCode, 20);
  EXPECT_EQ(ReadClipboard(CF_TEXT, true).bytes, "[where:" + kDefault + "]");
  EXPECT_EQ(Status().Caption(), kCopied);
  EXPECT_EQ(Status().TextColour(), kWhereColour);
}

TEST_F(CodeFields, ClipboardHeldLongerFailsVisiblyAndKeepsTheContent) {
  WriteClipboardText("before");
  CopyWhileHeld(*this, names::kKvalueCode, 600);
  EXPECT_EQ(Status().Caption(), kFailed);
  EXPECT_EQ(Status().TextColour(), RGB(255, 0, 0));
  EXPECT_EQ(ReadClipboard(CF_TEXT, true).bytes, "before");
}

void CopyWhileHeld(CodeFields& test, const char* field, DWORD ms) {
  HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread holder(HoldClipboard, opened, ms);
  WaitForSingleObject(opened, 2000);
  test.ClickCode(field);
  holder.join();
  CloseHandle(opened);
}

}  // namespace
}  // namespace zemu::testing
