# Cross-build for 32-bit Windows (the release build) with the mingw-w64
# posix-thread compilers. Where the machine runs 32-bit code, the end-to-end
# tests run it under Wine's 32-bit loader as well.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(TOOL_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
