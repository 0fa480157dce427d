# 32-bit Windows: the product the host loads.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TROVIX_MINGW_TRIPLE i686-w64-mingw32)
set(TROVIX_WINE_ARCH win32)
set(TROVIX_WINE_PE_DIR /usr/lib/i386-linux-gnu/wine/i386-windows)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
