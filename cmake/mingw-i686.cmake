# The shipped program: 32-bit Windows (PE32). Debian's wine wrapper starts
# it with the 32-bit loader, which needs a host that runs 32-bit Linux code.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(SPLASH_MINGW i686-w64-mingw32)
set(SPLASH_WINE_LOADER wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
