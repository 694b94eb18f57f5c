# SPDX-License-Identifier: GPL-3.0-or-later
# The catalogues of translations/ become .qm files embedded in a target under ":/i18n".
# Debian ships lupdate and lrelease in qt6-l10n-tools without Qt's LinguistTools CMake package
# (that comes with the designer's libraries), so the tools are run here directly.
set(BRINDLECAST_LANGUAGES de fr es it pt_BR pl)

get_target_property(_brindlecast_qmake Qt6::qmake IMPORTED_LOCATION)
if(_brindlecast_qmake)
    get_filename_component(_brindlecast_qt_bin "${_brindlecast_qmake}" DIRECTORY)
endif()
find_program(BRINDLECAST_LRELEASE NAMES lrelease lrelease-qt6 REQUIRED
             HINTS ${_brindlecast_qt_bin} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin)
find_program(BRINDLECAST_LUPDATE NAMES lupdate lupdate-qt6 REQUIRED
             HINTS ${_brindlecast_qt_bin} ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin)

function(brindlecast_embed_translations target)
    set(ts_files)
    set(qm_files)
    foreach(language IN LISTS BRINDLECAST_LANGUAGES)
        set(ts "${PROJECT_SOURCE_DIR}/translations/brindlecast_${language}.ts")
        set(qm "${CMAKE_CURRENT_BINARY_DIR}/i18n/brindlecast_${language}.qm")
        add_custom_command(OUTPUT "${qm}"
            COMMAND ${CMAKE_COMMAND} -E make_directory "${CMAKE_CURRENT_BINARY_DIR}/i18n"
            COMMAND ${BRINDLECAST_LRELEASE} -silent "${ts}" -qm "${qm}"
            DEPENDS "${ts}" VERBATIM)
        list(APPEND ts_files "${ts}")
        list(APPEND qm_files "${qm}")
    endforeach()
    qt_add_resources(${target} brindlecast_translations PREFIX "/i18n"
                     BASE "${CMAKE_CURRENT_BINARY_DIR}/i18n" FILES ${qm_files})

    # `cmake --build build --target update_translations` refreshes the .ts files from src/.
    add_custom_target(update_translations
        COMMAND ${CMAKE_COMMAND} -E env LUPDATE=${BRINDLECAST_LUPDATE}
                "${PROJECT_SOURCE_DIR}/scripts/update-translations.sh"
        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}" VERBATIM)
endfunction()
