# Printing to the CUPS-PDF queue: each case runs under Wine and its PDF is checked.
set(TW_TWCAL ${CMAKE_SOURCE_DIR}/build/native/twcal)
foreach(case print-calendar-month print-calendar-monthpage print-chart-60 print-cancel)
  add_test(NAME print_${case}
           COMMAND ${CMAKE_SOURCE_DIR}/tests/print/check-print-pdf ${case} $<TARGET_FILE:tw_e2e>
                   $<TARGET_FILE:tidewell> ${CMAKE_SOURCE_DIR}/data ${TW_TWCAL})
  set_tests_properties(print_${case} PROPERTIES TIMEOUT 180 RUN_SERIAL TRUE)
endforeach()
