# The i686 release build, with the win32 thread model: the posix model pulls
# in winpthreads, whose imports go past Windows XP.
set(QUORLO_MINGW_ARCH i686)
set(QUORLO_MINGW_THREADS win32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)
