# The native build: core unit tests under AddressSanitizer and UndefinedBehaviorSanitizer,
# benchmarks (built without sanitizers when VELTRIM_SANITIZE is OFF), and the Windows build with
# its Wine tests as an external project, so that one CTest run covers everything.
option(VELTRIM_SANITIZE "Build the native core and tests with sanitizers" ON)
option(VELTRIM_WINDOWS "Also build the Windows program and run its tests under Wine" ON)
option(VELTRIM_BENCH "Build the benchmarks" OFF)
option(VELTRIM_TSAN "Build the native core and tests with ThreadSanitizer instead" OFF)

add_compile_options(-Wall -Wextra -Werror)
if(VELTRIM_TSAN)
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
elseif(VELTRIM_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

add_library(veltrim_core STATIC ${VELTRIM_CORE_SOURCES} ${VELTRIM_CORE_POSIX_SOURCES})
target_include_directories(veltrim_core PUBLIC ${CMAKE_SOURCE_DIR})

enable_testing()
find_package(GTest REQUIRED)

file(GLOB VELTRIM_CORE_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/core/*_test.cpp)
add_executable(core_tests ${VELTRIM_CORE_TESTS})
target_link_libraries(core_tests PRIVATE veltrim_core GTest::gtest GTest::gtest_main)
target_compile_definitions(core_tests PRIVATE VELTRIM_TEST_DATA="${CMAKE_SOURCE_DIR}/tests/data")
include(GoogleTest)
# A core test takes a few seconds at most; one that runs for a minute has hung or gone quadratic.
gtest_discover_tests(core_tests DISCOVERY_TIMEOUT 60 PROPERTIES LABELS core TIMEOUT 60)

# Every seed and every kept reproducer of the fuzz targets, replayed under the sanitizers, so that
# a crash once fixed stays fixed.
include(${CMAKE_SOURCE_DIR}/cmake/FuzzTargets.cmake)
foreach(name ${VELTRIM_FUZZ_TARGETS})
    add_executable(${name}_replay tests/fuzz/${name}_fuzz.cpp tests/fuzz/ReplayMain.cpp)
    target_link_libraries(${name}_replay PRIVATE veltrim_core)
    add_test(NAME fuzz_${name}
             COMMAND ${name}_replay ${CMAKE_SOURCE_DIR}/tests/fuzz/corpus/${name})
    set_tests_properties(fuzz_${name} PROPERTIES LABELS core TIMEOUT 120)
endforeach()

# A small sample collection, for pictures of the program and for trying it out.
add_executable(make_sample tests/tools/make_sample.cpp)
target_link_libraries(make_sample PRIVATE veltrim_core)

if(VELTRIM_BENCH)
    find_package(benchmark REQUIRED)
    file(GLOB VELTRIM_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_bench.cpp)
    add_executable(core_bench ${VELTRIM_BENCH_SOURCES})
    target_link_libraries(core_bench PRIVATE veltrim_core benchmark::benchmark benchmark::benchmark_main)
endif()

if(VELTRIM_WINDOWS)
    include(ExternalProject)
    set(VELTRIM_WIN_DIR ${CMAKE_BINARY_DIR}/win)
    ExternalProject_Add(windows_build
        SOURCE_DIR ${CMAKE_SOURCE_DIR}
        BINARY_DIR ${VELTRIM_WIN_DIR}
        CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-i686.cmake
                   -DCMAKE_BUILD_TYPE=Release
        BUILD_ALWAYS 1
        INSTALL_COMMAND ""
    )
    include(${CMAKE_SOURCE_DIR}/cmake/WineTests.cmake)
endif()
