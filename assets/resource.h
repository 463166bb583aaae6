// Names of the resources that app.rc compiles into the exe.
#pragma once

#define ZEMU_ICON_NAME "DEFAULT_ICON"
#define ZEMU_PICTURE_NAME "PICTURE_1"

#ifdef __cplusplus
namespace zemu {
inline constexpr char kIconName[] = ZEMU_ICON_NAME;
inline constexpr char kPictureName[] = ZEMU_PICTURE_NAME;
}  // namespace zemu
#endif
