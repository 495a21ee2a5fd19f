# Cross build for 64-bit Windows with Debian's MinGW-w64 (posix threads).
# The programs are linked statically, so they need no DLLs beyond Windows'
# own. Test programs run under Wine.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(ZBK_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${ZBK_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ZBK_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${ZBK_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${ZBK_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")

# Test programs run under Wine.
find_program(ZBK_WINE NAMES wine wine64)
if(ZBK_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ZBK_WINE})
endif()
