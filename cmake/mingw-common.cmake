# What both Windows toolchains share; the per-target file sets TROVIX_MINGW_TRIPLE,
# TROVIX_WINE_ARCH (win32 or win64).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_C_COMPILER ${TROVIX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TROVIX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${TROVIX_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${TROVIX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

# Tools the build runs per target: widl and its mode, objdump.
set(TROVIX_WIDL ${TROVIX_MINGW_TRIPLE}-widl)
set(TROVIX_WIDL_MODE --${TROVIX_WINE_ARCH})
# widl finds stdole2.tlb for importlib() here. The 64-bit package's copy serves both kinds: the
# type library widl writes only refers to it by GUID and version, and is the same byte for byte
# as with the 32-bit copy, so the win32 build needs no 32-bit package.
set(TROVIX_WINE_TLB_DIR /usr/lib/x86_64-linux-gnu/wine/x86_64-windows)
set(TROVIX_OBJDUMP ${TROVIX_MINGW_TRIPLE}-objdump)

# Test programs run under wine of the target's kind, in prefixes inside the build folder.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${TROVIX_WINE_ARCH})
