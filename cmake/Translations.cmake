# The program's translations: translations/corvanel_LANG.ts, one per language, kept with Qt
# Linguist. lrelease compiles each into a .qm at build time and the program carries them as
# resources (:/i18n/corvanel_LANG.qm), so it reads no translation file of its own from disk.
# `cmake --build build --target translations` brings the .ts files up to date with the sources.
set(CORVANEL_LANGUAGES de fr es)
set(corvanel_ts_dir "${PROJECT_SOURCE_DIR}/translations")

# Qt 6's Linguist tools on Debian (qt6-l10n-tools) come without their CMake package, so they are
# run directly, the way qt_add_lrelease would.
find_program(CORVANEL_LRELEASE NAMES lrelease-qt6 lrelease HINTS "${Qt6_DIR}/../../../qt6/bin" REQUIRED)
find_program(CORVANEL_LUPDATE NAMES lupdate-qt6 lupdate HINTS "${Qt6_DIR}/../../../qt6/bin")

set(corvanel_qm_dir "${CMAKE_CURRENT_BINARY_DIR}/i18n")
set(corvanel_qm_files "")
set(corvanel_ts_files "")
foreach(language IN LISTS CORVANEL_LANGUAGES)
    set(ts "${corvanel_ts_dir}/corvanel_${language}.ts")
    set(qm "${corvanel_qm_dir}/corvanel_${language}.qm")
    add_custom_command(OUTPUT "${qm}"
        COMMAND "${CMAKE_COMMAND}" -E make_directory "${corvanel_qm_dir}"
        COMMAND "${CORVANEL_LRELEASE}" -silent "${ts}" -qm "${qm}"
        DEPENDS "${ts}"
        COMMENT "Compiling the ${language} translation"
        VERBATIM)
    list(APPEND corvanel_qm_files "${qm}")
    list(APPEND corvanel_ts_files "${ts}")
endforeach()
# An English session never reads them: they are bundled apart and registered only for another
# language. Compressed (to a third), so a translated start reads less.
corvanel_add_later_resources(corvanel_app corvanel_later_translations PREFIX "/i18n" BASE "${corvanel_qm_dir}"
    FILES ${corvanel_qm_files} OPTIONS --compress-algo zstd --compress 19 --threshold 0)

if(CORVANEL_LUPDATE)
    # No line numbers or file names in the .ts files: moving code about changes nothing in them.
    add_custom_target(translations
        COMMAND "${CORVANEL_LUPDATE}" -silent -locations none -no-obsolete "${PROJECT_SOURCE_DIR}/src"
                -ts ${corvanel_ts_files}
        WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
        VERBATIM)
endif()
