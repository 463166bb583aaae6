// The window's constant alpha, set through the layered-window API.
#pragma once

#include <windows.h>

#include <optional>

namespace zemu {

// Makes the window layered (WS_EX_LAYERED becomes its whole extended style)
// with the given constant alpha; an omitted alpha, or one outside 0..255, is
// 255. Does nothing outside the NT family, or where the platform lacks
// SetLayeredWindowAttributes.
void ApplyOpacity(HWND window, std::optional<int> alpha = std::nullopt);

}  // namespace zemu
