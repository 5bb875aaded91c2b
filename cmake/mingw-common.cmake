# Shared part of the mingw-w64 toolchain files: cross-compiles for the
# target named by SPLASH_MINGW and runs test executables under Wine with
# SPLASH_WINE_LOADER through the wrapper script next to this file.
set(CMAKE_SYSTEM_NAME Windows)

# Two thread models of the same compilers. posix for the test programs:
# GoogleTest needs std::mutex. win32 for the shipped executables: the posix
# runtime pulls in libwinpthread, whose imports Windows 2000 and XP lack.
if(NOT SPLASH_THREAD_MODEL)
    set(SPLASH_THREAD_MODEL posix)
endif()
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES SPLASH_THREAD_MODEL)
set(CMAKE_C_COMPILER   ${SPLASH_MINGW}-gcc-${SPLASH_THREAD_MODEL})
set(CMAKE_CXX_COMPILER ${SPLASH_MINGW}-g++-${SPLASH_THREAD_MODEL})
set(CMAKE_RC_COMPILER  ${SPLASH_MINGW}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${SPLASH_MINGW})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)

set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/wine-run ${SPLASH_WINE_LOADER})
