# 64-bit Windows (PE32+), for testing on hosts without 32-bit support. The
# 64-bit loader is called directly: Debian's wine wrapper would pick the
# 32-bit one whenever wine32 is installed.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(SPLASH_MINGW x86_64-w64-mingw32)
set(SPLASH_WINE_LOADER /usr/lib/wine/wine64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
