# Cross-compiling the x86_64 test build with Debian's MinGW-w64. This build
# only runs under Wine, so it takes the posix thread model, which GoogleTest
# needs (std::mutex); the i686 release build keeps the win32 model.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUORLO_MINGW_TRIPLE x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${QUORLO_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUORLO_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${QUORLO_MINGW_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUORLO_MINGW_TRIPLE} ${CMAKE_CURRENT_LIST_DIR}/../build/deps/${QUORLO_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
