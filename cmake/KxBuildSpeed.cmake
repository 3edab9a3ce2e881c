# What keeps a two-core build short: a compiler cache, a faster linker where one is installed,
# and unity builds. Each is used only where it is found; the build is the same without them, only
# slower.

# ccache: a build folder made again, or a change undone, compiles nothing twice. The paths below
# the source folder are made relative and the working folder is left out of the hash, so that a
# second clone (CI's, say) reuses what a first one compiled where a file is compiled on its own
# (the sanitizer build); a unity batch names its sources by their absolute paths and is compiled
# again in another clone. The cache is shared by the plain, sanitizer and fuzz folders, which
# compile with other flags: room for all of them.
find_program(KX_CCACHE ccache)
option(KX_USE_CCACHE "Compile through ccache when it is installed" ON)
if(KX_CCACHE AND KX_USE_CCACHE AND NOT CMAKE_CXX_COMPILER_LAUNCHER)
    set(CMAKE_CXX_COMPILER_LAUNCHER
        ${CMAKE_COMMAND} -E env CCACHE_BASEDIR=${PROJECT_SOURCE_DIR} CCACHE_NOHASHDIR=true
        CCACHE_SLOPPINESS=include_file_mtime,include_file_ctime CCACHE_MAXSIZE=20G ${KX_CCACHE})
endif()

# A faster linker: mold, else lld, when the compiler can use it.
include(CheckCXXSourceCompiles)
option(KX_FAST_LINKER "Link with mold or lld when one is installed" ON)
if(KX_FAST_LINKER AND NOT DEFINED KX_LINKER_FLAG)
    set(KX_LINKER_FLAG "")
    foreach(linker mold lld)
        set(CMAKE_REQUIRED_LINK_OPTIONS -fuse-ld=${linker})
        check_cxx_source_compiles("int main() { return 0; }" KX_LINKS_WITH_${linker})
        unset(CMAKE_REQUIRED_LINK_OPTIONS)
        if(KX_LINKS_WITH_${linker})
            set(KX_LINKER_FLAG -fuse-ld=${linker})
            break()
        endif()
    endforeach()
    set(KX_LINKER_FLAG "${KX_LINKER_FLAG}" CACHE STRING "The linker chosen (-fuse-ld=...)")
endif()
if(KX_FAST_LINKER AND KX_LINKER_FLAG)
    add_link_options(${KX_LINKER_FLAG})
endif()

# Unity builds: a target's sources compiled a few to one translation unit, so that Qt's headers
# are read once for the batch. A missing include that a batch hides is caught by the test
# KxSource.EveryFileCompilesOnItsOwn (a build without unity of the core's sources).
option(KX_UNITY_BUILD "Compile each target's sources in batches" ON)
if(KX_UNITY_BUILD)
    set(CMAKE_UNITY_BUILD ON)
    set(CMAKE_UNITY_BUILD_BATCH_SIZE 8)
endif()
