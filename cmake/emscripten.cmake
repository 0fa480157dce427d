# WebAssembly with Debian's emscripten. Its system libraries come prebuilt in its own cache, which
# stays as it is. Its JavaScript step needs node's module acorn, which Debian keeps in
# /usr/share/nodejs where a node from another repository does not look.
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
# C++ exceptions carry every error of the reader and the tool: WebAssembly's own exceptions, since
# emscripten's older kind sends every call that may throw through JavaScript (several times slower).
set(CMAKE_CXX_FLAGS_INIT "-fwasm-exceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fwasm-exceptions")
