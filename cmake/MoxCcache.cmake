# Compiles through ccache when it is installed, set up so that a fresh checkout in another folder (a CI
# clone, a second worktree) hits the cache filled by the first one. The settings travel with every
# compile through the environment, so they do not depend on the machine's ccache.conf and also hold
# for a plain `cmake --build`:
# - base_dir = the checkout: paths inside it are hashed relative to the build folder;
# - hash_dir off: the compiler's working folder is not hashed (debug info then names the folder of
#   whichever checkout filled the cache, which only matters to a debugger);
# - the precompiled headers are cached too: pch_defines and time_macros are what ccache asks for
#   them, and the include_file_* entries keep direct mode on for a header made moments before (the
#   precompiled header itself).
find_program(MOX_CCACHE ccache)
if(MOX_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER
        env "CCACHE_BASEDIR=${PROJECT_SOURCE_DIR}" CCACHE_NOHASHDIR=1
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime "${MOX_CCACHE}")
endif()
