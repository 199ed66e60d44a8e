# The tests of the Windows program, run under Wine. They share one private prefix (its registry
# and Documents folder), so they run one at a time.
set(VELTRIM_GUI_SUITES Tools Options Selection MainWindow Leaving Editing WindowState Jobs Searching
    EndToEnd Registry SortedControls
    Dialog)
list(APPEND VELTRIM_GUI_SUITES Statistics TipOfTheDay About Import Export)
foreach(suite ${VELTRIM_GUI_SUITES})
    add_test(NAME gui.${suite}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-test.sh ${CMAKE_BINARY_DIR}
                     ${VELTRIM_WIN_DIR}/gui_tests.exe --gtest_filter=${suite}.*)
    set_tests_properties(gui.${suite} PROPERTIES LABELS gui RESOURCE_LOCK wineprefix TIMEOUT 300)
endforeach()
