# Every text of the code is in labbench_en.ts and translated there: lupdate
# runs over the code into a copy of the file, which must come out unchanged.
#   cmake -DGENERATOR=... -DIN_FILE=... -DLUPDATE=... -DTS=... -DWORK=... -P check_complete.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(OUT_FILE ${WORK}/project.json)
include(${GENERATOR})
configure_file(${TS} ${WORK}/labbench_en.ts COPYONLY)
execute_process(
  COMMAND ${LUPDATE} -project ${OUT_FILE} -locations none -no-obsolete -ts ${WORK}/labbench_en.ts
  RESULT_VARIABLE failed OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(failed)
  message(FATAL_ERROR "lupdate failed: ${output}")
endif()
file(READ ${WORK}/labbench_en.ts updated)
string(REGEX MATCHALL "<source>[^<]*</source>\n[ ]*<translation type=\"unfinished\"" untranslated "${updated}")
if(untranslated)
  string(REGEX REPLACE "<source>([^<]*)</source>[^;]*" "\\1\n" texts "${untranslated}")
  message(FATAL_ERROR "texts without an English translation (build the target update_translations and "
                      "translate them in translations/labbench_en.ts):\n${texts}")
endif()
file(READ ${TS} original)
if(NOT updated STREQUAL original)
  message(FATAL_ERROR "translations/labbench_en.ts holds texts the code no longer shows: "
                      "build the target update_translations")
endif()
message(STATUS "all ${TS} texts are translated")
