# Native (Linux) extras: the command-line companion, tools and benchmarks.
file(GLOB TWCAL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/twcal/*.cpp)
if(TWCAL_SOURCES)
  add_executable(twcal ${TWCAL_SOURCES})
  target_link_libraries(twcal PRIVATE twcore)
  add_test(NAME twcal_exit_codes
           COMMAND ${CMAKE_COMMAND} -DTWCAL=$<TARGET_FILE:twcal> -DWORK=${CMAKE_BINARY_DIR}/twcal_exit
                   -P ${CMAKE_SOURCE_DIR}/tests/unit/twcal/twcal_exit_codes.cmake)
  # Debian's python3-icalendar is seen only by the system Python.
  add_test(NAME twcal_export
           COMMAND /usr/bin/python3 ${CMAKE_SOURCE_DIR}/tests/unit/twcal/export_check.py
                   $<TARGET_FILE:twcal> ${CMAKE_SOURCE_DIR}/data ${CMAKE_BINARY_DIR})
endif()

foreach(tooldir mkmoondat recoc mkperson)
  if(EXISTS ${CMAKE_SOURCE_DIR}/tools/${tooldir}/CMakeLists.txt)
    add_subdirectory(${CMAKE_SOURCE_DIR}/tools/${tooldir} ${CMAKE_BINARY_DIR}/tools/${tooldir})
  endif()
endforeach()

find_package(benchmark QUIET)
file(GLOB TW_BENCH_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/bench/*_bench.cpp)
if(benchmark_FOUND AND TW_BENCH_SOURCES)
  add_executable(twbench ${TW_BENCH_SOURCES})
  target_link_libraries(twbench PRIVATE twcore benchmark::benchmark benchmark::benchmark_main)
  target_compile_definitions(twbench PRIVATE TW_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
endif()
