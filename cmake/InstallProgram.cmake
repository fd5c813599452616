# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a program with its desktop entry, AppStream metainfo and icons under its reverse-DNS id,
# and its manual page, docs/man/TARGET.1, compressed as Debian installs them.
#   install_program(TARGET Carrowen NAME ... GENERIC ... COMMENT ... DESCRIPTION ... SCREENSHOT caption
#                   KEYWORDS "rod ratio;piston speed;"
#                   ICONS scalable=data/app-icon.svg 32x32=data/app-icon-32.png
#                   WINDOWS_ICON data/app-icon.svg)
# On Windows only the program is installed, with WINDOWS_ICON (an .ico, or an .svg drawn into one)
# as the icon of its .exe.
include(GNUInstallDirs)
set(SUITE_ID_PREFIX "org.dragstripworkshop")

function(install_program)
    cmake_parse_arguments(PROGRAM "" "TARGET;NAME;GENERIC;COMMENT;DESCRIPTION;SCREENSHOT;CATEGORIES;KEYWORDS;WINDOWS_ICON"
                          "ICONS" ${ARGN})
    if(WIN32)
        windows_program(${PROGRAM_TARGET} ${CMAKE_CURRENT_SOURCE_DIR}/${PROGRAM_WINDOWS_ICON} ${PROGRAM_COMMENT})
        return()
    endif()
    if(NOT PROGRAM_CATEGORIES)
        set(PROGRAM_CATEGORIES "Utility;Calculator;")
    endif()
    set(PROGRAM_ID "${SUITE_ID_PREFIX}.${PROGRAM_TARGET}")
    configure_file(${PROJECT_SOURCE_DIR}/cmake/program.desktop.in ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAM_ID}.desktop @ONLY)
    configure_file(${PROJECT_SOURCE_DIR}/cmake/program.metainfo.xml.in
                   ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAM_ID}.metainfo.xml @ONLY)
    install(TARGETS ${PROGRAM_TARGET} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAM_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAM_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
    set(page ${PROJECT_SOURCE_DIR}/docs/man/${PROGRAM_TARGET}.1)
    add_custom_command(OUTPUT ${PROGRAM_TARGET}.1.gz DEPENDS ${page}
                       COMMAND sh -c "gzip -9nc '${page}' > '${PROGRAM_TARGET}.1.gz'" VERBATIM)
    add_custom_target(${PROGRAM_TARGET}_manual ALL DEPENDS ${PROGRAM_TARGET}.1.gz)
    install(FILES ${CMAKE_CURRENT_BINARY_DIR}/${PROGRAM_TARGET}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    foreach(icon ${PROGRAM_ICONS})
        string(REPLACE "=" ";" parts ${icon})
        list(GET parts 0 size)
        list(GET parts 1 file)
        get_filename_component(extension ${file} LAST_EXT)
        install(FILES ${file} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}/apps
                RENAME ${PROGRAM_ID}${extension})
    endforeach()
endfunction()
