// The life of the process around the main window: start-up, the message loop,
// the exit code, and the error box of a failed start.
#pragma once

#include <windows.h>

#include <string>

#include "ui/layout.h"

namespace zemu {

class MainWindow;

using MessageBoxFn = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);

inline constexpr char kErrorCaption[] = "错误";
inline constexpr char kLayoutUnreadable[] = "载入窗口模板数据段出错!";
inline constexpr char kWindowNotCreated[] = "载入启动窗口失败";
inline constexpr int kStartupFailedExitCode = -1;

// The error box's text for a start-up failure message.
std::string StartupErrorText(const char* message);

// Reads the layout, builds and shows the window and runs the message loop.
// Returns the exit code: the quit message's, or -1 after a start-up failure
// reported through `messageBox`.
int RunProgram(HINSTANCE instance, const LayoutData& layout, MessageBoxFn messageBox);

// Offers the message to the window first, then translates and dispatches it.
void ProcessMessage(MainWindow& window, const MSG& msg);

}  // namespace zemu
