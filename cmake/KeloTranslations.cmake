# The program's translations: translations/kelo_<language>.ts, compiled by
# Qt's qt_add_translations and embedded among the program's resources under
# :/i18n, with Qt's own texts for languages Qt has no translation of, or
# mended (translations/qt/qtbase_<language>.ts), where platform::Translators finds
# them (kelo_add_translations,
# which src/CMakeLists.txt calls for kelo_core).
#
# The build fails when a translation falls behind the program's texts
# (KeloCheckTranslation.cmake): a text of src/ without a finished
# translation, or a translation of a text that is gone.
#
#   cmake --build build --target update_translations
#
# (Qt's target; kelo_update_translations is the same) brings every .ts up to
# date with the texts of src/ for translating. Line numbers are left out of
# the .ts files, so that moving code changes none.
#
# English, the language the texts are written in, has a .ts of its own too
# (translations/kelo_en.ts) holding only the texts with a count, so that
# English says "1 point" and "5 points" from one text. lupdate keeps it to
# those (-pluralonly); it is compiled and checked like the others, and
# platform::Translators installs it beneath every language.

find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)

set(KELO_TRANSLATED_SOURCES ${PROJECT_SOURCE_DIR}/src)
set(KELO_LUPDATE_OPTIONS -locations none)
file(GLOB KELO_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/kelo_*.ts)
set(KELO_PLURALS_TS ${PROJECT_SOURCE_DIR}/translations/kelo_en.ts)
list(REMOVE_ITEM KELO_TS_FILES ${KELO_PLURALS_TS})
# Qt's own texts in a language Qt ships none for, or those the program mends
# in Qt's own (translations/qt/qtbase_<language>.ts): the message box buttons
# and the save and print dialogs. Their sources are Qt's, not the program's,
# so lupdate never touches
# them; they are compiled as they are, and checked to be finished.
file(GLOB KELO_QT_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/qt/qtbase_*.ts)
# Every file with texts, the printing module's and main()'s among them, which
# no core library builds.
file(GLOB_RECURSE KELO_TRANSLATED_FILES CONFIGURE_DEPENDS
    ${KELO_TRANSLATED_SOURCES}/*.cpp ${KELO_TRANSLATED_SOURCES}/*.h)

# The check, once for each .ts, whatever the number of libraries carrying it.
set(kelo_checked_folder ${CMAKE_CURRENT_BINARY_DIR}/translations-checked)
set(kelo_checked_stamps)
foreach(ts IN LISTS KELO_TS_FILES KELO_PLURALS_TS KELO_QT_TS_FILES)
    get_filename_component(language_file ${ts} NAME_WE)
    set(stamp ${kelo_checked_folder}/${language_file}.checked)
    # The program's texts against the code; Qt's only for being finished.
    set(against_code)
    set(code_files)
    set(checked_for "against the program's texts")
    set(lupdate_options ${KELO_LUPDATE_OPTIONS})
    if(ts STREQUAL KELO_PLURALS_TS)
        list(APPEND lupdate_options -pluralonly)
        set(checked_for "against the program's texts with a count")
    endif()
    if(NOT ts IN_LIST KELO_QT_TS_FILES)
        set(against_code -DLUPDATE=$<TARGET_FILE:Qt6::lupdate> -DSOURCES=${KELO_TRANSLATED_SOURCES})
        set(code_files ${KELO_TRANSLATED_FILES})
    else()
        set(checked_for "for unfinished texts")
    endif()
    add_custom_command(OUTPUT ${stamp}
        COMMAND ${CMAKE_COMMAND} ${against_code}
                "-DLUPDATE_OPTIONS=${lupdate_options}"
                -DLRELEASE=$<TARGET_FILE:Qt6::lrelease>
                -DTS=${ts} -DFOLDER=${kelo_checked_folder}
                -P ${CMAKE_CURRENT_LIST_DIR}/KeloCheckTranslation.cmake
        COMMAND ${CMAKE_COMMAND} -E touch ${stamp}
        DEPENDS ${ts} ${code_files} ${CMAKE_CURRENT_LIST_DIR}/KeloCheckTranslation.cmake
        COMMENT "Checking ${language_file}.ts ${checked_for}"
        VERBATIM)
    list(APPEND kelo_checked_stamps ${stamp})
endforeach()
add_custom_target(kelo_check_translations DEPENDS ${kelo_checked_stamps})

# kelo_add_translations(TARGET) compiles every translation into TARGET's
# resources as :/i18n/kelo_<language>.qm. TARGET waits for the check, so that
# building it alone fails on a translation that has fallen behind.
function(kelo_add_translations target)
    # Each library compiles a .qm of its own: one file that two targets build
    # could be written by both at once.
    set(qm_folder ${CMAKE_CURRENT_BINARY_DIR}/translations/${target})
    set_source_files_properties(${KELO_TS_FILES} PROPERTIES OUTPUT_LOCATION ${qm_folder})
    foreach(ts IN LISTS KELO_TS_FILES)
        get_filename_component(language_file ${ts} NAME_WE)
        # Named without the folder inside the resources.
        set_source_files_properties(${qm_folder}/${language_file}.qm PROPERTIES
            QT_RESOURCE_ALIAS ${language_file}.qm)
    endforeach()
    # Every library reads the same texts, so one brings the .ts files up to
    # date: update_translations runs the first library's lupdate only, as two
    # at once would both write the same files.
    if(TARGET update_translations)
        set(QT_GLOBAL_LUPDATE_TARGET ${target}_update_translations)
    endif()
    qt_add_translations(${target}
        TS_FILES ${KELO_TS_FILES}
        SOURCES ${KELO_TRANSLATED_FILES}
        RESOURCE_PREFIX /i18n
        LUPDATE_OPTIONS ${KELO_LUPDATE_OPTIONS} -no-obsolete
        LRELEASE_OPTIONS -silent)
    # English's texts with a count, and Qt's texts, beside them, as
    # :/i18n/kelo_en.qm and :/i18n/qtbase_<language>.qm.
    set(qt_qm_files)
    foreach(ts IN LISTS KELO_PLURALS_TS KELO_QT_TS_FILES)
        get_filename_component(language_file ${ts} NAME_WE)
        set(qm ${qm_folder}/${language_file}.qm)
        add_custom_command(OUTPUT ${qm}
            COMMAND Qt6::lrelease -silent ${ts} -qm ${qm}
            DEPENDS ${ts} Qt6::lrelease
            VERBATIM)
        list(APPEND qt_qm_files ${qm})
    endforeach()
    if(qt_qm_files)
        qt_add_resources(${target} ${target}_qt_translations
            PREFIX /i18n
            BASE ${qm_folder}
            FILES ${qt_qm_files})
    endif()
    add_dependencies(${target} kelo_check_translations)
    # update_translations brings English's texts with a count up to date too.
    if(TARGET update_translations AND NOT TARGET kelo_update_plurals)
        add_custom_target(kelo_update_plurals
            COMMAND Qt6::lupdate -silent ${KELO_LUPDATE_OPTIONS} -pluralonly -no-obsolete
                    ${KELO_TRANSLATED_SOURCES} -ts ${KELO_PLURALS_TS}
            VERBATIM)
        add_dependencies(update_translations kelo_update_plurals)
    endif()
endfunction()

# The name the project used before it took Qt's.
add_custom_target(kelo_update_translations)
add_dependencies(kelo_update_translations update_translations)
