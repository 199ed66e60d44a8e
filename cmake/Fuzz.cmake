# The libFuzzer build (make fuzz): the core and the fuzz targets compiled by clang with the
# fuzzer's coverage, AddressSanitizer and UndefinedBehaviorSanitizer. scripts/fuzz.sh runs them.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VELTRIM_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
endif()

add_compile_options(-Wall -Wextra -Werror -fsanitize=fuzzer-no-link,address,undefined
                    -fno-sanitize-recover=all -fno-omit-frame-pointer)

add_library(veltrim_core STATIC ${VELTRIM_CORE_SOURCES} ${VELTRIM_CORE_POSIX_SOURCES})
target_include_directories(veltrim_core PUBLIC ${CMAKE_SOURCE_DIR})

include(${CMAKE_SOURCE_DIR}/cmake/FuzzTargets.cmake)
foreach(name ${VELTRIM_FUZZ_TARGETS})
    add_executable(${name}_fuzz tests/fuzz/${name}_fuzz.cpp)
    target_link_libraries(${name}_fuzz PRIVATE veltrim_core)
    target_link_options(${name}_fuzz PRIVATE -fsanitize=fuzzer,address,undefined)
endforeach()
