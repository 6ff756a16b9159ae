# Links with lld when the compiler can use it: every test program carries the debug info of the core and
# of Qt's templates, and lld links them several times faster than the default linker.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld MOX_HAVE_LLD)
if(MOX_HAVE_LLD)
    add_link_options(-fuse-ld=lld)
endif()
