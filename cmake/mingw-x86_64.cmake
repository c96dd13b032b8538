# The x86_64 test build. It only runs under Wine, so it takes the posix
# thread model, which GoogleTest needs (std::mutex).
set(QUORLO_MINGW_ARCH x86_64)
set(QUORLO_MINGW_THREADS posix)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
