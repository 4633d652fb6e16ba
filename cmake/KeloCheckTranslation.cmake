# Fails when one translation has fallen behind the program's texts. Run by
# the build as
#   cmake -DLUPDATE=... -DLRELEASE=... -DLUPDATE_OPTIONS=... -DSOURCES=<src>
#         -DTS=<file.ts> -DFOLDER=<scratch folder> -P KeloCheckTranslation.cmake
# and, for a catalogue of Qt's own texts, without LUPDATE and SOURCES: its
# texts are not the code's, so only an unfinished one fails it.
#
# lupdate first brings a copy of the .ts up to date with the texts of the
# code: a text that is new or changed there comes out unfinished, a text that
# is gone comes out vanished. A text is in order only when its translation is
# finished and its source is still in the code. Qt 6.4's lrelease has no
# option to fail on unfinished texts, so its own summary of the copy is read
# as well. The .qm the program carries is compiled from the .ts itself, by
# qt_add_translations (KeloTranslations.cmake); the copy's is thrown away.

get_filename_component(ts_name ${TS} NAME)
get_filename_component(language_file ${TS} NAME_WE)
set(checked ${FOLDER}/${ts_name})
file(MAKE_DIRECTORY ${FOLDER})
file(COPY_FILE ${TS} ${checked})

if(SOURCES)
    execute_process(
        COMMAND ${LUPDATE} -silent ${LUPDATE_OPTIONS} ${SOURCES} -ts ${checked}
        RESULT_VARIABLE status
        OUTPUT_VARIABLE lupdate_output
        ERROR_VARIABLE lupdate_output)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "lupdate failed on ${ts_name}:\n${lupdate_output}")
    endif()
    if(lupdate_output)
        message(STATUS "lupdate on ${ts_name}:\n${lupdate_output}")
    endif()
endif()

file(READ ${checked} rest)
set(problems "")
set(problem_count 0)
string(FIND "${rest}" "</message>" end)
while(end GREATER -1)
    string(SUBSTRING "${rest}" 0 ${end} message)
    math(EXPR end "${end} + 10")
    string(SUBSTRING "${rest}" ${end} -1 rest)
    if(message MATCHES "<translation type=\"(unfinished|vanished|obsolete)\"")
        set(state ${CMAKE_MATCH_1})
    elseif(message MATCHES "<translation></translation>|<translation/>")
        set(state empty)
    else()
        string(FIND "${rest}" "</message>" end)
        continue()
    endif()
    string(REGEX MATCH "<source>([^<]*)</source>" source "${message}")
    set(source "${CMAKE_MATCH_1}")
    foreach(entity IN ITEMS "&lt;/<" "&gt;/>" "&quot;/\"" "&apos;/'" "&amp;/&")
        string(REGEX MATCH "^([^/]*)/(.*)$" entity "${entity}")
        string(REPLACE "${CMAKE_MATCH_1}" "${CMAKE_MATCH_2}" source "${source}")
    endforeach()
    string(APPEND problems "\n  ${state}: ${source}")
    math(EXPR problem_count "${problem_count} + 1")
    string(FIND "${rest}" "</message>" end)
endwhile()

execute_process(
    COMMAND ${LRELEASE} ${checked} -qm ${FOLDER}/${language_file}.qm
    RESULT_VARIABLE status
    OUTPUT_VARIABLE lrelease_output
    ERROR_VARIABLE lrelease_output)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "lrelease failed on ${ts_name}:\n${lrelease_output}")
endif()
# "Generated 57 translation(s) (57 finished and 0 unfinished)", and
# "Ignored 2 untranslated source text(s)" when there are any.
if(NOT lrelease_output MATCHES "\\(([0-9]+) finished and 0 unfinished\\)" OR
   lrelease_output MATCHES "untranslated")
    string(APPEND problems "\n  lrelease: ${lrelease_output}")
    math(EXPR problem_count "${problem_count} + 1")
endif()

if(problem_count GREATER 0 AND NOT SOURCES)
    message(FATAL_ERROR
        "translations/qt/${ts_name} has unfinished texts "
        "(${problem_count} problem(s)):${problems}\n"
        "Translate them, then build again (README.md, Languages).")
elseif(problem_count GREATER 0)
    message(FATAL_ERROR
        "translations/${ts_name} has fallen behind the program's texts "
        "(${problem_count} problem(s)):${problems}\n"
        "Bring it up to date with 'cmake --build <build folder> --target "
        "update_translations' (which also drops what is vanished), "
        "translate what is unfinished, then build again (README.md, Languages).")
endif()
