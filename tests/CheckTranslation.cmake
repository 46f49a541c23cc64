# Fails when a text of the sources has no English translation: lupdate merges
# the sources into a copy of the checked-in file, which then must hold no
# unfinished, empty or vanished message.
# Arguments: LUPDATE, TS, WORK, ARGS (the lupdate arguments, |-separated).
string(REPLACE "|" ";" ARGS "${ARGS}")
file(MAKE_DIRECTORY "${WORK}")
set(copy "${WORK}/quadrix_en.ts")
file(COPY_FILE "${TS}" "${copy}")
execute_process(COMMAND "${LUPDATE}" ${ARGS} -ts "${copy}" RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
if(failed)
  message(FATAL_ERROR "lupdate failed: ${failed}")
endif()
file(READ "${copy}" merged)
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*<translation type=\"(unfinished|vanished|obsolete)\"[^<]*" bad "${merged}")
string(REGEX MATCHALL "<source>[^<]*</source>[^<]*<translation></translation>" empty "${merged}")
list(APPEND bad ${empty})
if(bad)
  string(REPLACE ";" "\n" bad "${bad}")
  message(FATAL_ERROR "Messages without their English translation (run the quadrix_lupdate target, then translate):\n${bad}")
endif()
