# One interface target carries the language standard and the warnings;
# every target of the project links it.
add_library(zorvik_options INTERFACE)
target_compile_features(zorvik_options INTERFACE cxx_std_20)
target_compile_options(zorvik_options INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual -Wformat=2
    -Wcast-qual $<$<COMPILE_LANGUAGE:CXX>:-Wold-style-cast>)
target_compile_definitions(zorvik_options INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
# Every sanitizer report stops the program, so that a report fails its test.
# -O1 -g1 keep every check and the reports' line numbers at about half the
# compile time of -O2 -g (they come after the build type's flags, so they win).
if(ZORVIK_SANITIZE)
    target_compile_options(zorvik_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer
        -O1 -g1)
    target_link_options(zorvik_options INTERFACE -fsanitize=address,undefined)
endif()
# The fuzz build instruments all code for libFuzzer's coverage; only the fuzz
# targets link libFuzzer's own main (fuzz/CMakeLists.txt).
if(ZORVIK_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "ZORVIK_FUZZ needs clang: CC=clang CXX=clang++ (scripts/fuzz does it)")
    endif()
    target_compile_options(zorvik_options INTERFACE
        -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all
        -fno-omit-frame-pointer)
    target_link_options(zorvik_options INTERFACE -fsanitize=address,undefined)
endif()
set(CMAKE_CXX_EXTENSIONS OFF)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

# LLVM's linker, when installed, links the test programs several times faster
# than the default one.
include(CheckLinkerFlag)
check_linker_flag(CXX -fuse-ld=lld ZORVIK_HAS_LLD)
if(ZORVIK_HAS_LLD)
    add_link_options(-fuse-ld=lld)
endif()

# With a compiler cache (scripts/deps.sh sets it up), the debug information
# names the build folder relatively, so that a cached object of another clone
# fits this one too.
if(CMAKE_CXX_COMPILER_LAUNCHER)
    add_compile_options(-fdebug-prefix-map=${CMAKE_BINARY_DIR}=.)
endif()

# Precompiled headers: the toolkit's and the test framework's headers are
# nearly all that a unit parses. The fuzz build goes without them, so that a
# missing #include still fails somewhere.
if(ZORVIK_FUZZ)
    set(ZORVIK_PRECOMPILED_HEADERS_DEFAULT OFF)
else()
    set(ZORVIK_PRECOMPILED_HEADERS_DEFAULT ON)
endif()
option(ZORVIK_PRECOMPILED_HEADERS "Precompile the heavy headers of each program"
    ${ZORVIK_PRECOMPILED_HEADERS_DEFAULT})

# zorvik_precompile_headers(target header...): the headers precompiled for target.
function(zorvik_precompile_headers target)
    if(ZORVIK_PRECOMPILED_HEADERS)
        target_precompile_headers(${target} PRIVATE ${ARGN})
    endif()
endfunction()
