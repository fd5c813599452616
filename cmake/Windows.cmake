# SPDX-License-Identifier: GPL-3.0-or-later
# The suite for 64-bit Windows, cross-compiled on Debian with MinGW-w64 against a static Qt
# (scripts/windows-qt): each program one self-contained .exe, the C++ run-time and the threads
# linked in, tested under Wine (cmake/wine-emulator.sh) in a Wine prefix of the build's own.

# Qt for Windows, built once from Debian's source and kept in the user's cache; SUITE_WINDOWS_QT
# names another.
set(SUITE_WINDOWS_QT "" CACHE PATH "Qt for Windows (default: the one scripts/windows-qt builds)")
if(NOT SUITE_WINDOWS_QT)
    message(STATUS "Qt for Windows: scripts/windows-qt (builds it the first time, some 40 minutes)")
    execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/windows-qt OUTPUT_VARIABLE SUITE_WINDOWS_QT
                    OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    set(SUITE_WINDOWS_QT ${SUITE_WINDOWS_QT} CACHE PATH "Qt for Windows" FORCE)
endif()
list(PREPEND CMAKE_FIND_ROOT_PATH ${SUITE_WINDOWS_QT})
list(PREPEND CMAKE_PREFIX_PATH ${SUITE_WINDOWS_QT})
# moc, rcc and uic are the host's, of the same version.
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake)

add_link_options(-static)
# The host's rcc compresses with zstd, which this Qt cannot read back.
set(CMAKE_AUTORCC_OPTIONS --no-zstd)
# A program: no console window; its icon (an .ico, or an .svg drawn into one here) and its version
# block as resources; installed beside the others in the installation folder.
find_program(SUITE_CONVERT convert REQUIRED)
function(windows_program target icon comment)
    get_filename_component(extension ${icon} LAST_EXT)
    if(extension STREQUAL ".svg")
        set(drawn ${CMAKE_CURRENT_BINARY_DIR}/${target}.ico)
        add_custom_command(OUTPUT ${drawn} DEPENDS ${icon}
            COMMAND ${SUITE_CONVERT} -background none -density 384 ${icon}
                    -define icon:auto-resize=256,48,32,16 ${drawn} VERBATIM)
        set(icon ${drawn})
    endif()
    set(PROGRAM_TARGET ${target})
    set(PROGRAM_ICON ${icon})
    set(PROGRAM_COMMENT ${comment})
    configure_file(${PROJECT_SOURCE_DIR}/cmake/program.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc @ONLY)
    set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}.rc PROPERTIES OBJECT_DEPENDS ${icon})
    target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
    install(TARGETS ${target} RUNTIME DESTINATION .)
endfunction()

# A window test under Wine: Qt's offscreen platform, which a static Qt links only when asked, with
# the Liberation fonts the layouts are measured with (it finds no others on Windows); Qt Test writes
# to the debugger unless told to write to the standard error.
function(windows_window_test target)
    qt_import_plugins(${target} INCLUDE Qt6::QOffscreenIntegrationPlugin)
endfunction()
set(SUITE_WINDOWS_TEST_ENVIRONMENT
    "QT_QPA_FONTDIR=Z:/usr/share/fonts/truetype/liberation2;QT_FORCE_STDERR_LOGGING=1")

# Beside the programs: the licence and the user guide, with names Windows opens.
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES ${PROJECT_SOURCE_DIR}/docs/user-guide.md DESTINATION . RENAME "User guide.txt")

# The installer (cpack -G NSIS) and the portable zip (cpack -G ZIP).
macro(windows_packages)
    set(CPACK_GENERATOR NSIS ZIP)
    # Everything goes straight into the installation folder, not into a /usr of its own.
    unset(CPACK_PACKAGING_INSTALL_PREFIX)
    set(CPACK_PACKAGE_FILE_NAME "dragstrip-workshop-${PROJECT_VERSION}-win64")
    set(CPACK_PACKAGE_VENDOR "The drag-strip workshop developers")
    set(CPACK_PACKAGE_INSTALL_DIRECTORY "Drag-strip workshop")
    set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_NSIS_PACKAGE_NAME "Drag-strip workshop")
    set(CPACK_NSIS_DISPLAY_NAME "Drag-strip workshop")
    set(CPACK_NSIS_URL_INFO_ABOUT "https://dragstripworkshop.org/")
    set(CPACK_NSIS_HELP_LINK "https://dragstripworkshop.org/bugs/")
    # A 64-bit installer, which installs into the 64-bit Program Files and registry.
    set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
    set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
    set(CPACK_NSIS_MODIFY_PATH OFF)
    set(CPACK_NSIS_EXECUTABLES_DIRECTORY ".")
    set(CPACK_NSIS_INSTALLED_ICON_NAME "Vellarin.exe")
    # One Start-menu entry per program, named as the program.
    set(CPACK_PACKAGE_EXECUTABLES Vellarin Vellarin Carrowen Carrowen Sumbrelt Sumbrelt pressure pressure
        Quillon Quillon)
    # A 64-bit installer: a 32-bit one would be redirected to the 32-bit folders and registry.
    set(CPACK_NSIS_DEFINES "Target amd64-unicode")
    # The five programs share most of their bytes, which one solid stream with a dictionary larger
    # than a program finds.
    set(CPACK_NSIS_COMPRESSOR "/SOLID lzma\n  SetCompressorDictSize 64")
endmacro()
