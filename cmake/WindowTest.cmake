# A Qt Test window test: links exactly the libraries the program links, runs on the offscreen
# platform, and is found by ctest under its own name. ENVIRONMENT adds variables, such as a locale.
function(add_window_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${ARG_ENVIRONMENT}"
        LABELS window
        # Qt Test passes a run whose functions skipped; ctest is to say skipped instead.
        SKIP_REGULAR_EXPRESSION "\nSKIP   : ")
endfunction()
