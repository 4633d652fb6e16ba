# The program's translations: translations/kelo_<language>.ts, compiled by
# lrelease and embedded among the program's resources under :/i18n, where
# platform::Translators finds them (kelo_add_core_library adds them).
#
# The build fails when a translation falls behind the program's texts
# (KeloReleaseTranslation.cmake): a text of src/ without a finished
# translation, or a translation of a text that is gone.
#
#   cmake --build build --target kelo_update_translations
#
# brings every .ts up to date with the texts of src/ for translating. Line
# numbers are left out of the .ts files, so that moving code changes none.
#
# Qt's qt_add_translations lives in qt6-tools-dev on Debian 12, which brings
# Qt Designer and Qt Help with it; the tools themselves are in
# qt6-l10n-tools, and these few rules do the same with them.

find_program(KELO_LUPDATE lupdate HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} REQUIRED)
find_program(KELO_LRELEASE lrelease HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} REQUIRED)

set(KELO_TRANSLATED_SOURCES ${PROJECT_SOURCE_DIR}/src)
set(KELO_LUPDATE_OPTIONS -locations none)
file(GLOB KELO_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/kelo_*.ts)
file(GLOB_RECURSE kelo_texts CONFIGURE_DEPENDS
    ${KELO_TRANSLATED_SOURCES}/*.cpp ${KELO_TRANSLATED_SOURCES}/*.h)

# The compiled translations, one .qm for each .ts, in KELO_QM_FOLDER.
set(KELO_QM_FOLDER ${CMAKE_CURRENT_BINARY_DIR}/translations)
set(KELO_QM_FILES)
foreach(ts IN LISTS KELO_TS_FILES)
    get_filename_component(language_file ${ts} NAME_WE)
    set(qm ${KELO_QM_FOLDER}/${language_file}.qm)
    add_custom_command(OUTPUT ${qm}
        COMMAND ${CMAKE_COMMAND}
                -DLUPDATE=${KELO_LUPDATE} -DLRELEASE=${KELO_LRELEASE}
                "-DLUPDATE_OPTIONS=${KELO_LUPDATE_OPTIONS}"
                -DSOURCES=${KELO_TRANSLATED_SOURCES} -DTS=${ts} -DQM=${qm}
                -P ${CMAKE_CURRENT_LIST_DIR}/KeloReleaseTranslation.cmake
        DEPENDS ${ts} ${kelo_texts} ${CMAKE_CURRENT_LIST_DIR}/KeloReleaseTranslation.cmake
        COMMENT "Checking and compiling ${language_file}.ts"
        VERBATIM)
    list(APPEND KELO_QM_FILES ${qm})
endforeach()
add_custom_target(kelo_translations DEPENDS ${KELO_QM_FILES})

add_custom_target(kelo_update_translations
    COMMAND ${KELO_LUPDATE} ${KELO_LUPDATE_OPTIONS} -no-obsolete ${KELO_TRANSLATED_SOURCES}
            -ts ${KELO_TS_FILES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    COMMENT "Updating the .ts files of translations/ from the texts of src/"
    VERBATIM)
