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
if(ZORVIK_SANITIZE)
    target_compile_options(zorvik_options INTERFACE
        -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
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
