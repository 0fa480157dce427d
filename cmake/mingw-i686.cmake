# 32-bit Windows: the product the host loads.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TROVIX_MINGW_TRIPLE i686-w64-mingw32)
set(TROVIX_WINE_ARCH win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
