# Shared part of the two mingw-w64 toolchains (posix thread model).
set(CMAKE_C_COMPILER   ${ORBALIN_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORBALIN_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER  ${ORBALIN_MINGW_PREFIX}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${ORBALIN_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Every Windows binary links statically, so that no runtime DLL must be found
# at load time (in-process COM servers in particular).
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
