# SPDX-License-Identifier: GPL-3.0-or-later
# A test on a real X server (Xvfb, 1024 x 768 at 96 DPI), started by e2e/desktop-test.sh through
# xvfb-run from its own display number: a server just shut down can still hold its number for a
# moment. Each run keeps its evidence in build/<preset>/desktop-evidence/NAME/<time>-<pid>. NEEDS names the programs the test runs besides xvfb-run; when one
# is missing the test is still registered and reports itself skipped, saying which, so a machine
# without them never passes silently. OWN_DISPLAY: the command starts its own display server.
#   add_desktop_test(NAME e2e_Carrowen COMMAND e2e/e2e.sh Carrowen ... NEEDS xdotool import)
set_property(GLOBAL PROPERTY SUITE_NEXT_DISPLAY 200)

function(add_desktop_test)
    cmake_parse_arguments(ARG "OWN_DISPLAY" "NAME" "COMMAND;NEEDS" ${ARGN})
    get_property(display GLOBAL PROPERTY SUITE_NEXT_DISPLAY)
    math(EXPR next "${display} + 1")
    set_property(GLOBAL PROPERTY SUITE_NEXT_DISPLAY ${next})

    set(missing "")
    set(tools ${ARG_NEEDS})
    if(NOT ARG_OWN_DISPLAY)
        list(PREPEND tools xvfb-run import)
    endif()
    if(WIN32)
        list(APPEND tools wine wineserver flock)
    endif()
    foreach(tool ${tools})
        string(MAKE_C_IDENTIFIER "SUITE_TOOL_${tool}" variable)
        find_program(${variable} ${tool} PATHS /usr/libexec /usr/lib/polkit-1)
        if(NOT ${variable})
            list(APPEND missing ${tool})
        endif()
    endforeach()
    if(missing)
        string(REPLACE ";" ", " missing "${missing}")
        add_test(NAME ${ARG_NAME} COMMAND sh -c "echo 'SKIPPED: needs ${missing}, which scripts/packages.txt lists'; exit 77")
        set_tests_properties(${ARG_NAME} PROPERTIES SKIP_RETURN_CODE 77 LABELS desktop)
        return()
    endif()
    if(ARG_OWN_DISPLAY)
        set(display own)
    endif()
    add_test(NAME ${ARG_NAME}
             COMMAND ${PROJECT_SOURCE_DIR}/e2e/desktop-test.sh ${PROJECT_BINARY_DIR}/desktop-evidence ${ARG_NAME}
                     ${display} -- ${ARG_COMMAND})
    set_tests_properties(${ARG_NAME} PROPERTIES
        ENVIRONMENT QT_QPA_PLATFORM=xcb SKIP_RETURN_CODE 77 TIMEOUT 120 LABELS desktop)
    if(WIN32)
        # Under Wine, in a prefix of the desktop tests' own, one test at a time: Wine's services
        # belong to the display they were started on.
        set_tests_properties(${ARG_NAME} PROPERTIES
            ENVIRONMENT "SUITE_WINE=${PROJECT_SOURCE_DIR}/cmake/wine-emulator.sh ${PROJECT_BINARY_DIR}/wine-desktop x11"
            RESOURCE_LOCK wine-desktop)
    endif()
endfunction()
