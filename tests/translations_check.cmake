# Fails when a translatable text of the program has no English: lupdate reads
# the sources into a copy of translations/zorvik_en.ts, which adds every text
# missing from the .ts as unfinished; the copy must then hold no unfinished
# and no empty translation. The .ts itself is left as it is.
#
# Expects LUPDATE, LUPDATE_OPTIONS (a list), SOURCE_DIR (the program's sources),
# INCLUDE_DIR (where their includes start: lupdate needs the headers to name
# a class's context as tr() does), TS_FILE and WORK_DIR.

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
set(copy "${WORK_DIR}/zorvik_en.ts")
file(COPY_FILE "${TS_FILE}" "${copy}")

execute_process(
    COMMAND "${LUPDATE}" ${LUPDATE_OPTIONS} -silent -I "${INCLUDE_DIR}" -recursive -extensions cpp,h
            "${SOURCE_DIR}" -ts "${copy}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "lupdate failed (${result}):\n${output}")
endif()

file(READ "${copy}" ts)
string(REGEX MATCHALL "<source>" sources "${ts}")
list(LENGTH sources count)
# Every missing English, in a translation or one of its plural forms.
string(REGEX MATCHALL "type=\"unfinished\"|<translation></translation>|<numerusform></numerusform>"
       missing "${ts}")
if(missing)
    # The texts whose translation follows them directly, to name them.
    string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"unfinished\""
           named "${ts}")
    list(TRANSFORM named REPLACE "^<source>([^<]*)</source>.*" "  \\1")
    list(JOIN named "\n" names)
    list(LENGTH missing missingCount)
    message(FATAL_ERROR
        "${missingCount} of ${count} texts have no English in ${TS_FILE}; run `cmake --build "
        "build --target update_translations`, then translate them:\n${names}")
endif()
message(STATUS "${count} texts, each with its English")
