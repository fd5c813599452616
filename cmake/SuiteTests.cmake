# SPDX-License-Identifier: GPL-3.0-or-later
# add_core_test: a core's GoogleTest program (no Qt), each test found by ctest under its own name.
# add_window_test: a Qt Test window test on the offscreen platform, linking what the program links
# and the window tests' helpers; COMMAND runs one built before again. ENVIRONMENT adds variables.
function(add_core_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} GTest::gtest_main)
    # The first program run under Wine may have to make the build's Wine prefix first.
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 120)
endfunction()

function(add_window_test name)
    cmake_parse_arguments(ARG "" "COMMAND" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
    if(NOT ARG_COMMAND)
        add_executable(${name} ${ARG_SOURCES})
        target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} suite::testing)
        set(ARG_COMMAND ${name})
    endif()
    if(WIN32)
        windows_window_test(${ARG_COMMAND})
        list(APPEND ARG_ENVIRONMENT ${SUITE_WINDOWS_TEST_ENVIRONMENT})
    endif()
    add_test(NAME ${name} COMMAND ${ARG_COMMAND})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENVIRONMENT}"
        LABELS window
        # Qt Test passes a run whose functions skipped; ctest is to say skipped instead.
        SKIP_REGULAR_EXPRESSION "\nSKIP   : ")
endfunction()
