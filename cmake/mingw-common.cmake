# Cross toolchain: Debian's mingw-w64 with the posix thread model.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${SUITE_ARCH})
set(CMAKE_C_COMPILER ${SUITE_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${SUITE_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${SUITE_TRIPLE}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${SUITE_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# The compiler cache, shared by every tree of the suite on the machine (work
# trees, CI clones): paths below the tree's top are hashed relative to it,
# the build folder is not hashed, and the precompiled headers are cached.
# Set here, so that any build of the tree uses them, whatever ccache's own
# configuration says.
find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  get_filename_component(SUITE_TOP ${CMAKE_CURRENT_LIST_DIR} DIRECTORY)
  set(SUITE_CCACHE env CCACHE_BASEDIR=${SUITE_TOP} CCACHE_NOHASHDIR=1
    CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime ${CCACHE_PROGRAM})
  set(CMAKE_C_COMPILER_LAUNCHER ${SUITE_CCACHE})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${SUITE_CCACHE})
endif()
