# Runs the built twcal on bad input and on a short Moon.dat: each must end with exit code 2
# and say why on stderr; the one-line commands must print their answer. The day,
# recommendation and rhythm commands also run on the bundled data; searches that find
# nothing end with exit code 1 and print nothing.
# cmake -DTWCAL=<path> -DWORK=<scratch dir> -P twcal_exit_codes.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/short ${WORK}/empty)
# 48 bytes: three records, far short of the first window.
file(WRITE ${WORK}/short/Moon.dat "0123456789abcdef0123456789abcdef0123456789abcdef")

set(failures 0)
function(expect code out_regex err_regex)
  execute_process(COMMAND ${TWCAL} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL code OR NOT out MATCHES "${out_regex}" OR NOT err MATCHES "${err_regex}")
    message(SEND_ERROR "twcal ${ARGN}: exit ${rc} (want ${code})\nstdout: ${out}\nstderr: ${err}")
  endif()
endfunction()

expect(2 "^$" "message 3017: .*short/Moon.dat" day 2000-01-01 --data ${WORK}/short)
expect(2 "^$" "message 3016: .*empty/Moon.dat" day 2000-01-01 --data ${WORK}/empty)
expect(2 "^$" "not found" day 2000-01-01 --data ${WORK}/missing)
expect(2 "^$" "unknown date" day 2001-02-29 --data ${WORK}/short)
expect(2 "^$" "outside the moon data" day 1949-12-31 --data ${WORK}/short)
expect(2 "^$" "unknown date" day 2049-12-31x --data ${WORK}/short)
expect(2 "^$" "usage" day)
expect(2 "^$" "outside" date 164359)
expect(2 "^$" "outside" easter 19x0)
expect(0 "^1601-01-01\n$" "^$" date 365)
expect(0 "^127834\n$" "^$" daynumber 1950-01-01)
expect(0 "^2000-04-23\n$" "^$" easter 2000)

# --- recommendations on the bundled data --------------------------------------------
get_filename_component(DATA ${CMAKE_CURRENT_LIST_DIR}/../../../data ABSOLUTE)
file(MAKE_DIRECTORY ${WORK}/moononly)
file(COPY ${DATA}/Moon.dat DESTINATION ${WORK}/moononly)

expect(0 "\nselection +0\nrecommendations\n  Pflanzen/Tiere +[^\n]+\n" "^$" day 2024-01-01 --data ${DATA})
expect(0 "\"selection\": 6,\n  \"recommendations\": \\[" "^$" day 2024-01-01 --data ${DATA} --json --selection 6)
expect(0 "\nselection +1\nrecommendations +-\n$" "^$" day 2024-01-01 --data ${DATA} --selection 1)
expect(2 "^$" "selection '200' outside" day 2024-01-01 --data ${DATA} --selection 200)
expect(2 "^$" "selection 7 is not in use" day 2024-01-01 --data ${DATA} --selection 7)
expect(2 "^$" "no recommendations file .*moononly/Reco.dat" day 2024-01-01 --data ${WORK}/moononly)
expect(2 "^$" "no recommendations file" export-reco --data ${WORK}/empty)
if(EXISTS ${WORK}/moononly/Reco.dat OR EXISTS ${WORK}/empty/Reco.dat)
  message(SEND_ERROR "twcal created a recommendations file in a directory it only reads")
endif()

# With every recommendation some day within the next week holds one.
expect(0 "^2024-01-0[2-8]\n$" "^$" find 2024-01-01 --data ${DATA})
expect(0 "^2023-12-(2[5-9]|3[01])\n$" "^$" find 2024-01-01 --data ${DATA} --back)
expect(1 "^$" "^$" find 2024-01-01 --data ${DATA} --selection 1)
expect(1 "^$" "^$" find 2049-12-31 --data ${DATA})
expect(1 "^$" "^$" find 1950-01-01 --data ${DATA} --back)
expect(2 "^$" "outside the moon data" find 1949-12-31 --data ${DATA})
expect(2 "^$" "does not apply" find 2024-01-01 --data ${DATA} --higher)
expect(2 "^$" "message 3017: .*short/Moon.dat" find 2000-01-01 --data ${WORK}/short)

# A smaller selection: the day found forward holds a recommendation of it, and searching
# back from there leads to the start day or before, so no day in between was skipped.
set(start 2024-03-05)
execute_process(COMMAND ${TWCAL} find ${start} --data ${DATA} --selection 6 OUTPUT_VARIABLE next
                OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT next MATCHES "^20[0-9][0-9]-[01][0-9]-[0-3][0-9]$")
  message(SEND_ERROR "find ${start} --selection 6: exit ${rc}, '${next}'")
else()
  expect(0 "\nrecommendations\n  [^\n]+\n" "^$" day ${next} --data ${DATA} --selection 6)
  execute_process(COMMAND ${TWCAL} find ${next} --back --data ${DATA} --selection 6 OUTPUT_VARIABLE before
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${TWCAL} daynumber ${start} OUTPUT_VARIABLE nstart OUTPUT_STRIP_TRAILING_WHITESPACE)
  execute_process(COMMAND ${TWCAL} daynumber ${before} OUTPUT_VARIABLE nbefore OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT nbefore OR nbefore GREATER nstart)
    message(SEND_ERROR "find skipped ${before} between ${start} and ${next}")
  endif()
endif()

expect(0 "^Pflanzen/Tiere\n   [^\n]+\n((   |      )[^\n]+\n)*Gesundheit\n((   |      )[^\n]+\n)*Allgemein\n((   |      )[^\n]+\n)*$"
       "^$" export-reco --data ${DATA})

# --- biorhythm ------------------------------------------------------------------------
expect(0 "^K: -63,1%\nS: -22,3%\nG: -28,2%\nØ: -37,8%\n$" "^$" bio 1970-05-17 2024-01-01)
expect(0 "^K: -37,0%\nS: -12,2%\nG: -15,3%\nI: 99,7%\nM: -3,9%\nL: 20,5%\nW: -21,5%\nØ: 4,3%\n$" "^$"
       bio 1970-05-17 2024-01-01 --higher --saw)
expect(0 "^K: 0,0%\nS: 0,0%\nG: 0,0%\nØ: 0,0%\n$" "^$" bio 1970-05-17 1970-05-17)
expect(2 "^$" "lies before the birthday" bio 1970-05-17 1970-05-16)
expect(2 "^$" "unknown birthday" bio 1970-5-17 2024-01-01)
expect(2 "^$" "usage" bio 1970-05-17)

expect(0 "^K: 91 %\nS: 93 %\nG: 94 %\nI: ---\nM: ---\nL: ---\nW: ---\nØ: 92 %\n$" "^$" compat 1970-05-17 1970-05-18)
expect(0 "^K: 39 %\nS: 50 %\nG: 9 %\nI: 21 %\nM: 7 %\nL: 88 %\nW: 92 %\nØ: 43 %\n$" "^$"
       compat 1980-02-03 1970-05-17 --higher)
expect(2 "^$" "does not apply" compat 1970-05-17 1970-05-18 --saw)

# Rhythm 1 crosses zero at phases 0 and 12; on 2024-01-01 it is at phase 14.
expect(0 "^2024-01-10\n$" "^$" search 1970-05-17 2024-01-01 --cond "1,0,0,0,0,0,0")
expect(0 "^2023-12-30\n$" "^$" search 1970-05-17 2024-01-01 --cond "1,0,0,0,0,0,0" --back)
# Without the higher curves no rhythm 4..7 can cross rhythm 1.
expect(1 "^$" "^$" search 1970-05-17 2024-01-01 --cond "0x400,0,0,0,0,0,0")
expect(1 "^$" "^$" search 1970-05-17 1970-05-17 --cond "1,0,0,0,0,0,0" --back)
expect(2 "^$" "no criterion for rhythms 1..3" search 1970-05-17 2024-01-01 --cond "0,0,0,1,0,0,0")
expect(2 "^$" "seven criterion words" search 1970-05-17 2024-01-01 --cond "1,0,0")
expect(2 "^$" "both sides" search 1970-05-17 2024-01-01 --cond "3,0,0,0,0,0,0")
expect(2 "^$" "needs --cond" search 1970-05-17 2024-01-01)
