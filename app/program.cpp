#include "app/program.h"

#include "ui/main_window.h"

namespace zemu {
namespace {

int ReportStartupFailure(MessageBoxFn messageBox, const char* message) {
  messageBox(nullptr, StartupErrorText(message).c_str(), kErrorCaption, MB_OK | MB_ICONERROR);
  return kStartupFailedExitCode;
}

}  // namespace

std::string StartupErrorText(const char* message) {
  return std::string("运行时出错!\r\n\r\n错误信息：") + message + "\r\n";
}

void ProcessMessage(MainWindow& window, const MSG& msg) {
  if (window.PreTranslateMessage(msg)) return;
  TranslateMessage(&msg);
  DispatchMessageA(&msg);
}

int RunProgram(HINSTANCE instance, const LayoutData& layout, MessageBoxFn messageBox) {
  if (!ReadLayout(layout)) return ReportStartupFailure(messageBox, kLayoutUnreadable);
  MainWindow window(layout);
  if (!window.Create(instance)) return ReportStartupFailure(messageBox, kWindowNotCreated);
  ShowWindow(window.hwnd(), SW_SHOW);
  MSG msg{};
  BOOL got;
  while ((got = GetMessageA(&msg, nullptr, 0, 0)) != 0) {
    if (got == -1) break;
    ProcessMessage(window, msg);
  }
  return static_cast<int>(msg.wParam);
}

}  // namespace zemu
