# Warnings and sanitizers for every target of ours.
add_library(mox_options INTERFACE)
target_compile_options(mox_options INTERFACE -Wall -Wextra)
# Line tables only: enough for the sanitizers' and a debugger's stack traces, and a third less work
# for the compiler and the linker than full debug info (a Debug build still has everything).
target_compile_options(mox_options INTERFACE $<$<CONFIG:RelWithDebInfo>:-g1>)
# GCC 12 loses the system-header status of the standard library inside a precompiled header, and then
# reports its known false positives about std::string's inlined copies as if they were ours. The
# sanitizer build (clang) still checks every access at run time.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    target_compile_options(mox_options INTERFACE -Wno-array-bounds -Wno-stringop-overflow
                                                 -Wno-stringop-overread -Wno-restrict)
endif()
# clang stamps a precompiled header with the times of its inputs and refuses it once they differ, which a
# header restored by ccache into a fresh build folder always does.
if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    target_compile_options(mox_options INTERFACE "SHELL:-Xclang -fno-pch-timestamp")
endif()
if(MOX_WERROR)
    target_compile_options(mox_options INTERFACE -Werror)
endif()
if(MOX_SANITIZE)
    target_compile_options(mox_options INTERFACE -fsanitize=address,undefined -fno-omit-frame-pointer
                                                 -fno-sanitize-recover=all)
    target_link_options(mox_options INTERFACE -fsanitize=address,undefined)
    # GCC's flow analysis under the sanitizers reports uninitialised members inside libstdc++ (std::regex,
    # std::function) that the normal build does not; those reports are not about our code.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(mox_options INTERFACE -Wno-maybe-uninitialized)
    endif()
endif()
# The fuzzer learns which inputs reach new code from coverage counters compiled into the code it runs.
# Every target of the build gets them (one set of flags keeps the precompiled headers shared); the
# programs that do not link libFuzzer ignore them.
if(MOX_FUZZ)
    target_compile_options(mox_options INTERFACE -fsanitize=fuzzer-no-link)
endif()

# Sources of one folder and its subfolders, without the windows of its ui/ folders.
function(mox_core_sources out)
    set(result)
    foreach(dir IN LISTS ARGN)
        file(GLOB_RECURSE found CONFIGURE_DEPENDS "${dir}/*.cpp")
        list(FILTER found EXCLUDE REGEX "/ui/")
        list(APPEND result ${found})
    endforeach()
    set(${out} ${result} PARENT_SCOPE)
endfunction()
