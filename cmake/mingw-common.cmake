# Shared part of the mingw-w64 toolchain files: cross-compiles for the
# target named by SPLASH_MINGW and runs test executables under Wine with
# SPLASH_WINE_LOADER through the wrapper script next to this file.
set(CMAKE_SYSTEM_NAME Windows)

# The posix-thread compilers: GoogleTest needs std::mutex.
set(CMAKE_C_COMPILER   ${SPLASH_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SPLASH_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER  ${SPLASH_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SPLASH_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${SPLASH_WINE_LOADER})
