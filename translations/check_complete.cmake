cmake_minimum_required(VERSION 3.22)
# cmake -DLUPDATE=... -DSOURCES_FILE=sources.lst -DWORK=dir "-DTS_FILES=a.ts;b.ts"
#       "-DOPTIONS=..." -P check_complete.cmake
#
# Runs lupdate on copies of the .ts files. Fails when a text has no
# translation (in the files or new in the code), or when the files are not
# what lupdate would write from the code (a text the code no longer has).
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(copies "")
foreach(ts ${TS_FILES})
  get_filename_component(name "${ts}" NAME)
  configure_file("${ts}" "${WORK}/${name}" COPYONLY)
  list(APPEND copies "${WORK}/${name}")
endforeach()
execute_process(COMMAND "${LUPDATE}" -silent ${OPTIONS} "@${SOURCES_FILE}" -ts ${copies}
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "lupdate failed: ${err}")
endif()
set(failed FALSE)
foreach(ts ${TS_FILES})
  get_filename_component(name "${ts}" NAME)
  file(READ "${WORK}/${name}" updated)
  # Without the ';' of "&amp;", which would split the matches as a list.
  string(REPLACE ";" "" plain "${updated}")
  string(REGEX MATCHALL "<source>[^<]*</source>[ \n]*<translation type=\"unfinished\"" open "${plain}")
  list(LENGTH open count)
  if(count GREATER 0)
    string(REGEX REPLACE "</source>[ \n]*<translation type=\"unfinished\";?" "\n" open "${open}")
    string(REPLACE "<source>" "  " open "${open}")
    message(SEND_ERROR "${name}: ${count} text(s) without a translation:\n${open}")
    set(failed TRUE)
  endif()
  file(READ "${ts}" kept)
  if(NOT failed AND NOT kept STREQUAL updated)
    message(SEND_ERROR "${name} is not up to date with the code: build the target update_translations")
    set(failed TRUE)
  endif()
endforeach()
if(NOT failed)
  message(STATUS "Translations complete: ${TS_FILES}")
endif()
