# Cross-build for 32-bit Windows (the release build) with the mingw-w64
# posix-thread compilers. 32-bit programs cannot run on this machine, so this
# build is compiled and linked only.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOL_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
