#include "tests/blackbox/app_process.h"

#include <cstring>

namespace zemu::blackbox {
namespace {

constexpr char kCaption[] = "ZEMU彩字生成器";

struct Search {
  DWORD pid;
  HWND found;
};

BOOL CALLBACK FindByProcess(HWND hwnd, LPARAM param) {
  auto* search = reinterpret_cast<Search*>(param);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == search->pid && IsWindowVisible(hwnd) && WindowText(hwnd) == kCaption) {
    search->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

std::string AppPath() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string p(path);
  return p.substr(0, p.find_last_of("\\/") + 1) + "zemu-colortext.exe";
}

AppProcess::AppProcess(const std::string& arguments) {
  std::string command = "\"" + AppPath() + "\"" + (arguments.empty() ? "" : " " + arguments);
  STARTUPINFOA si{sizeof si};
  if (!CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &info_)) return;
  WaitForInputIdle(info_.hProcess, 10000);
  WaitUntil([&] {
    Search search{info_.dwProcessId, nullptr};
    EnumWindows(FindByProcess, reinterpret_cast<LPARAM>(&search));
    window_ = search.found;
    return window_ != nullptr;
  }, 10000);
  if (window_ != nullptr) Activate();
}

AppProcess::~AppProcess() {
  if (info_.hProcess == nullptr) return;
  if (WaitForSingleObject(info_.hProcess, 0) == WAIT_TIMEOUT) {
    if (window_ != nullptr && IsWindow(window_)) PostMessageA(window_, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(info_.hProcess, 5000) == WAIT_TIMEOUT) TerminateProcess(info_.hProcess, 99);
  }
  CloseHandle(info_.hThread);
  CloseHandle(info_.hProcess);
}

HWND AppProcess::Control(int id) const {
  HWND group = GetDlgItem(window_, kGroupId);
  return id == kGroupId ? group : GetDlgItem(group, id);
}

bool AppProcess::WaitForExit(DWORD ms, DWORD* exitCode) {
  if (WaitForSingleObject(info_.hProcess, ms) != WAIT_OBJECT_0) return false;
  GetExitCodeProcess(info_.hProcess, exitCode);
  return true;
}

HWND AppProcess::Focus() const {
  GUITHREADINFO gui{sizeof gui};
  if (!GetGUIThreadInfo(info_.dwThreadId, &gui)) return nullptr;
  return gui.hwndFocus;
}

void AppProcess::Activate() const {
  SetForegroundWindow(window_);
  WaitUntil([&] { return GetForegroundWindow() == window_; }, 2000);
  Settle();
}

std::string WindowText(HWND hwnd) {
  char text[4096] = {};
  const LRESULT n = SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  return std::string(text, n > 0 ? static_cast<std::size_t>(n) : 0);
}

int Alpha(HWND hwnd) {
  BYTE alpha = 0;
  DWORD flags = 0;
  COLORREF key = 0;
  return GetLayeredWindowAttributes(hwnd, &key, &alpha, &flags) ? alpha : -1;
}

void PumpFor(DWORD ms) {
  const DWORD start = GetTickCount();
  for (;;) {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    const DWORD elapsed = GetTickCount() - start;
    if (elapsed >= ms) return;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - elapsed, QS_ALLINPUT);
  }
}

void Settle(DWORD ms) { PumpFor(ms); }

RECT ThumbRect(const AppProcess& app, HWND slider) {
  RECT rect{};
  void* remote = VirtualAllocEx(app.process(), nullptr, sizeof rect, MEM_COMMIT, PAGE_READWRITE);
  if (remote == nullptr) return rect;
  SendMessageA(slider, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(remote));
  ReadProcessMemory(app.process(), remote, &rect, sizeof rect, nullptr);
  VirtualFreeEx(app.process(), remote, 0, MEM_RELEASE);
  return rect;
}

namespace {

void SendKey(WORD key, bool up) {
  INPUT in{};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = key;
  in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(key, MAPVK_VK_TO_VSC));
  in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &in, sizeof in);
}

}  // namespace

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
  for (WORD m : modifiers) SendKey(m, false);
  SendKey(key, false);
  SendKey(key, true);
  for (auto it = modifiers.end(); it != modifiers.begin();) SendKey(*--it, true);
  Settle(60);
}

void MoveMouse(int x, int y) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dx = static_cast<LONG>((x * 65536LL + GetSystemMetrics(SM_CXSCREEN) / 2) / GetSystemMetrics(SM_CXSCREEN));
  in.mi.dy = static_cast<LONG>((y * 65536LL + GetSystemMetrics(SM_CYSCREEN) / 2) / GetSystemMetrics(SM_CYSCREEN));
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
  Settle(30);
}

void MouseButton(DWORD flag) {
  INPUT in{};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flag;
  SendInput(1, &in, sizeof in);
  Settle(60);
}

void ClickAt(int x, int y) {
  MoveMouse(x, y);
  MouseButton(MOUSEEVENTF_LEFTDOWN);
  MouseButton(MOUSEEVENTF_LEFTUP);
  Settle();
}

POINT ClientCentre(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  POINT p{r.right / 2, r.bottom / 2};
  ClientToScreen(hwnd, &p);
  return p;
}

}  // namespace zemu::blackbox
