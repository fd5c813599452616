# SPDX-License-Identifier: GPL-3.0-or-later
# The three targets of every program: <part>::core, its computations (standard library only, no moc),
# <part>::ui, its windows (Qt), and the executable built from ui/main.cpp; then its tests.
#   add_program_parts(carrowen EXECUTABLE Carrowen CORE_SOURCES ... CORE_LIBRARIES numtext::numtext
#                     UI_SOURCES ... UI_LIBRARIES forms::forms)
function(add_program_parts part)
    cmake_parse_arguments(ARG "" "EXECUTABLE" "CORE_SOURCES;CORE_LIBRARIES;UI_SOURCES;UI_LIBRARIES" ${ARGN})
    add_library(${part}_core STATIC ${ARG_CORE_SOURCES})
    add_library(${part}::core ALIAS ${part}_core)
    set_target_properties(${part}_core PROPERTIES AUTOMOC OFF)
    target_include_directories(${part}_core PUBLIC core/include)
    target_compile_features(${part}_core PUBLIC cxx_std_20)
    target_link_libraries(${part}_core PUBLIC ${ARG_CORE_LIBRARIES})

    add_library(${part}_ui STATIC ${ARG_UI_SOURCES})
    add_library(${part}::ui ALIAS ${part}_ui)
    target_include_directories(${part}_ui PUBLIC ui)
    target_link_libraries(${part}_ui PUBLIC ${part}::core ${ARG_UI_LIBRARIES} Qt6::Widgets)

    add_executable(${ARG_EXECUTABLE} ui/main.cpp)
    target_link_libraries(${ARG_EXECUTABLE} PRIVATE ${part}::ui)

    if(BUILD_TESTING)
        add_subdirectory(tests)
    endif()
endfunction()
