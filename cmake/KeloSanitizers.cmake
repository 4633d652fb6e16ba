# Instrumented builds, off by default.
#
# KELO_SANITIZE builds everything, program, library and tests, with
# AddressSanitizer and UndefinedBehaviorSanitizer; undefined behaviour stops
# the process instead of scrolling past in a log nobody reads.
#
# KELO_FUZZ builds the libFuzzer targets under fuzz/ and registers short fuzz
# runs with CTest. It needs clang, and instruments every library the targets
# link with coverage as well, so that the fuzzer sees into the program's code.

option(KELO_SANITIZE "Build everything with AddressSanitizer and UBSan" OFF)
option(KELO_FUZZ "Build the libFuzzer targets (clang only)" OFF)

if(KELO_FUZZ AND NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR
        "KELO_FUZZ needs clang for libFuzzer: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

if(KELO_SANITIZE OR KELO_FUZZ)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(KELO_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()

# Leaks that Qt's own dependencies keep for the life of the process are not
# ours; the suppressions name those libraries only, so a leak in the
# program's code still fails its test.
set(KELO_SANITIZER_ENVIRONMENT
    "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0"
    "ASAN_OPTIONS=detect_leaks=1:strict_init_order=1:detect_stack_use_after_return=1"
    "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")

# kelo_sanitizer_environment(test): in an instrumented build, gives the test
# the sanitizer settings above; otherwise does nothing.
function(kelo_sanitizer_environment test)
    if(KELO_SANITIZE OR KELO_FUZZ)
        set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT ${KELO_SANITIZER_ENVIRONMENT})
    endif()
endfunction()
