# 64-bit Windows: the same sources, tested under wine64 on machines that cannot run 32-bit code.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(TROVIX_MINGW_TRIPLE x86_64-w64-mingw32)
set(TROVIX_WINE_ARCH win64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
