# Shared by the MinGW-w64 toolchain files; ZEMU_MINGW_TRIPLE is set by them.
set(CMAKE_SYSTEM_NAME Windows)
# The posix thread model gives std::thread; -static keeps its DLL out of the exe.
set(CMAKE_C_COMPILER ${ZEMU_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZEMU_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ZEMU_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ZEMU_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Tests run through Wine inside the display and prefix that scripts/in-display prepares.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/wine-exec)
