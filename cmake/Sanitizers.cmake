# Instrumented builds, each in a folder of its own (`make test-asan`, `make fuzz`).
option(QUILLET_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUILLET_FUZZ "Instrument for libFuzzer and build the fuzz programs (clang)" OFF)

if(QUILLET_SANITIZE)
    # Undefined behaviour stops the run like a memory error, so that a test cannot pass
    # over it.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

if(QUILLET_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "QUILLET_FUZZ needs clang, for libFuzzer")
    endif()
    add_compile_options(-fsanitize=fuzzer-no-link)
endif()
