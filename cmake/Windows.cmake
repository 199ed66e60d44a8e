# The Windows build: VeltrimLinks.exe (32-bit, ANSI, statically linked) and the tests that run it
# under Wine. The program's code except the entry point lives in a library so that the tests drive the
# real windows.
enable_language(RC)
add_compile_options(-Wall -Wextra -Werror)
add_compile_definitions(WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0501 WINVER=0x0501 _WIN32_IE=0x0600)
add_link_options(-static -static-libgcc -static-libstdc++)

include(cmake/WindowsSources.cmake)

add_library(veltrim_core STATIC ${VELTRIM_CORE_SOURCES})
target_include_directories(veltrim_core PUBLIC ${CMAKE_SOURCE_DIR})

add_library(veltrim_win STATIC ${VELTRIM_WIN_SOURCES})
target_include_directories(veltrim_win PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(veltrim_win PUBLIC veltrim_core comctl32 comdlg32 shell32 ole32 oleaut32 uuid
                      advapi32 gdi32 user32 kernel32)

set(VELTRIM_RC ${CMAKE_SOURCE_DIR}/res/VeltrimLinks.rc)
add_executable(VeltrimLinks WIN32 program/WinMain.cpp program/LinksApp.cpp program/CommandLineRun.cpp ${VELTRIM_RC})
target_link_libraries(VeltrimLinks PRIVATE veltrim_win)

# GoogleTest from Debian's source package, built by this toolchain.
set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
target_compile_options(gtest PRIVATE -Wno-error)

file(GLOB VELTRIM_GUI_TESTS CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/*.cpp)
add_executable(gui_tests ${VELTRIM_GUI_TESTS} ${VELTRIM_RC})
target_link_libraries(gui_tests PRIVATE veltrim_win gtest)

# The measurements under Wine (make bench): start-up, and bulk editing in the main window.
add_executable(wine_startup bench/wine_startup.cpp tests/gui/GuiTestSupport.cpp
               tests/gui/ProgramUnderTest.cpp)
target_link_libraries(wine_startup PRIVATE veltrim_win)
add_executable(wine_edit bench/wine_edit.cpp tests/gui/GuiTestSupport.cpp ${VELTRIM_RC})
target_link_libraries(wine_edit PRIVATE veltrim_win)
add_executable(wine_tools bench/wine_tools.cpp tests/gui/GuiTestSupport.cpp ${VELTRIM_RC})
target_link_libraries(wine_tools PRIVATE veltrim_win)
