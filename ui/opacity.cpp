#include "ui/opacity.h"

#include "ui/main_window.h"

namespace zemu {
namespace {

// The platform family, or 0 when the version cannot be read.
DWORD PlatformId() {
  OSVERSIONINFOEXA extended{};
  extended.dwOSVersionInfoSize = sizeof extended;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&extended))) return extended.dwPlatformId;
  OSVERSIONINFOA basic{};
  basic.dwOSVersionInfoSize = sizeof basic;
  if (GetVersionExA(&basic)) return basic.dwPlatformId;
#pragma GCC diagnostic pop
  return 0;
}

using SetLayeredWindowAttributesFn = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

}  // namespace

void ApplyOpacity(HWND window, std::optional<int> alpha) {
  const int value = (!alpha || *alpha < 0 || *alpha > 255) ? 255 : *alpha;
  // Windows 95, 98 and ME have no layered windows: the window stays opaque there.
  if (PlatformId() != VER_PLATFORM_WIN32_NT) return;
  // Looked up by name at every call, since NT 4 lacks it.
  HMODULE user32 = GetModuleHandleA("USER32.DLL");
  const auto setAttributes = user32 ? reinterpret_cast<SetLayeredWindowAttributesFn>(
                                          reinterpret_cast<void*>(GetProcAddress(user32, "SetLayeredWindowAttributes")))
                                    : nullptr;
  if (setAttributes == nullptr) return;
  // The whole extended style is replaced; topmost is kept by the platform, which
  // changes it only through SetWindowPos.
  SetWindowLongA(window, GWL_EXSTYLE, WS_EX_LAYERED);
  setAttributes(window, 0, static_cast<BYTE>(value), LWA_ALPHA);
}

void MainWindow::OnOpacityChanged() { ApplyOpacity(hwnd(), slider_->Position()); }

}  // namespace zemu
