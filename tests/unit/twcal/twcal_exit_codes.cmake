# Runs the built twcal on bad input and on a short Moon.dat: each must end with exit code 2
# and say why on stderr; the one-line commands must print their answer.
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
