# Windows tree (mingw-w64): the program, the resource library and the end-to-end driver.
enable_language(RC)
set(TW_WIN_LIBS comctl32 comdlg32 gdi32 user32 shell32 winmm advapi32)

file(GLOB TW_APP_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/app/*.cpp)
foreach(dir ${TW_CORE_DIRS})
  file(GLOB _win CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${dir}/*_win.cpp)
  list(APPEND TW_APP_SOURCES ${_win})
endforeach()
add_executable(tidewell WIN32 ${TW_APP_SOURCES} ${CMAKE_SOURCE_DIR}/resources/tidewell.rc)
target_include_directories(tidewell PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(tidewell PRIVATE twcore ${TW_WIN_LIBS})
target_link_options(tidewell PRIVATE -static -static-libgcc -static-libstdc++)
target_compile_definitions(tidewell PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_IE=0x0500 WINVER=0x0500 _WIN32_WINNT=0x0500)
# The version resource and the installer take the project's version.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/generated/tw_version.h CONTENT
"#define TW_VERSION_MAJOR @PROJECT_VERSION_MAJOR@
#define TW_VERSION_MINOR @PROJECT_VERSION_MINOR@
#define TW_VERSION_PATCH @PROJECT_VERSION_PATCH@
#define TW_VERSION_TEXT \"@PROJECT_VERSION@\"
")
target_include_directories(tidewell PRIVATE ${CMAKE_BINARY_DIR}/generated)
set_property(SOURCE ${CMAKE_SOURCE_DIR}/resources/tidewell.rc APPEND PROPERTY OBJECT_DEPENDS
             ${CMAKE_SOURCE_DIR}/resources/tidewell.manifest)

# The calendar view's tests draw the painter into memory devices.
target_link_libraries(unit_calendar_view PRIVATE gdi32 user32)

# Resource-only library: strings and menus, no code but an entry point that says yes.
add_library(Tw-L SHARED ${CMAKE_SOURCE_DIR}/resources/lang/de/Tw-L.rc ${CMAKE_SOURCE_DIR}/resources/lang/de/twl_entry.c)
set_target_properties(Tw-L PROPERTIES PREFIX "" OUTPUT_NAME "Tw-L")
target_include_directories(Tw-L PRIVATE ${CMAKE_SOURCE_DIR}/resources)
if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
  set(TWL_ENTRY _TwlEntry@12)
else()
  set(TWL_ENTRY TwlEntry)
endif()
target_link_options(Tw-L PRIVATE -nostdlib -Wl,--entry,${TWL_ENTRY} -s)
target_link_libraries(Tw-L PRIVATE kernel32)

# End-to-end driver: starts the program, drives it by window messages, reads back texts.
file(GLOB TW_E2E_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/e2e/*.cpp)
add_executable(tw_e2e ${TW_E2E_SOURCES})
target_include_directories(tw_e2e PRIVATE ${CMAKE_SOURCE_DIR}/src ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(tw_e2e PRIVATE twcore ${TW_WIN_LIBS} psapi ole32 uuid)
target_link_options(tw_e2e PRIVATE -static -static-libgcc -static-libstdc++)
target_compile_definitions(tw_e2e PRIVATE WIN32_LEAN_AND_MEAN NOMINMAX)

# Each end-to-end case is one TW_E2E_CASE("name", fn) in tests/e2e/*.cpp; each runs as its
# own ctest on a fresh copy of data/.
set(TW_E2E_CASES)
foreach(src ${TW_E2E_SOURCES})
  file(STRINGS ${src} _lines REGEX "^TW_E2E_CASE\\(\"[^\"]+\"")
  foreach(line ${_lines})
    string(REGEX REPLACE "^TW_E2E_CASE\\(\"([^\"]+)\".*" "\\1" _name "${line}")
    list(APPEND TW_E2E_CASES ${_name})
  endforeach()
endforeach()
foreach(case ${TW_E2E_CASES})
  add_test(NAME e2e_${case}
           COMMAND tw_e2e ${case} $<TARGET_FILE:tidewell> ${CMAKE_SOURCE_DIR}/data)
  set_tests_properties(e2e_${case} PROPERTIES TIMEOUT 120 RUN_SERIAL TRUE)
endforeach()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${TW_E2E_SOURCES})

# ---- res (resource library and artwork): Wine checks of Tw-L.dll, artwork and font ----
add_executable(twl_check ${CMAKE_SOURCE_DIR}/tests/wine_res/twl_check.cpp)
target_include_directories(twl_check PRIVATE ${CMAKE_SOURCE_DIR}/resources)
target_link_options(twl_check PRIVATE -static -static-libgcc -static-libstdc++)
add_dependencies(twl_check Tw-L)
add_test(NAME wine_res_twl COMMAND twl_check $<TARGET_FILE:Tw-L>)
add_executable(art_check ${CMAKE_SOURCE_DIR}/tests/wine_res/art_check.cpp
                         ${CMAKE_SOURCE_DIR}/tests/wine_res/art_check.rc)
target_include_directories(art_check PRIVATE ${CMAKE_SOURCE_DIR}/resources)
target_link_libraries(art_check PRIVATE gdi32 user32)
target_link_options(art_check PRIVATE -static -static-libgcc -static-libstdc++)
# Under Wine the Unix root is drive Z:.
add_test(NAME wine_res_art COMMAND art_check Z:${CMAKE_SOURCE_DIR}/data)
# ---- end res ----

# ---- chart painter: draws into memory bitmaps under Wine ----
add_executable(chart_paint_test ${CMAKE_SOURCE_DIR}/tests/wine_res/chart_paint_test.cpp
                                ${CMAKE_SOURCE_DIR}/src/views/chart_view_win.cpp)
target_include_directories(chart_paint_test PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(chart_paint_test PRIVATE twcore GTest::gtest_main gdi32 user32)
target_link_options(chart_paint_test PRIVATE -static -static-libgcc -static-libstdc++)
add_test(NAME wine_chart_paint COMMAND chart_paint_test)
# Not a test: prints what a maximised chart's repaint costs (run it under Wine).
add_executable(chart_paint_bench ${CMAKE_SOURCE_DIR}/bench/chart_paint_bench_win.cpp
                                 ${CMAKE_SOURCE_DIR}/src/views/chart_view_win.cpp)
target_include_directories(chart_paint_bench PRIVATE ${CMAKE_SOURCE_DIR}/src)
target_link_libraries(chart_paint_bench PRIVATE twcore gdi32 user32)
target_link_options(chart_paint_bench PRIVATE -static -static-libgcc -static-libstdc++)

# ---- installer: Tidewell.msi with wixl (Debian msitools); the x86_64 one is tested under Wine ----
find_program(TW_WIXL wixl)
if(TW_WIXL)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "i686")
    set(TW_MSI_ARCH x86)
  else()
    set(TW_MSI_ARCH x64)
  endif()
  file(GLOB_RECURSE TW_MSI_DATA CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/data/*)
  add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/Tidewell.msi
    COMMAND ${CMAKE_SOURCE_DIR}/installer/build-msi ${TW_MSI_ARCH} $<TARGET_FILE_DIR:tidewell>
            ${CMAKE_BINARY_DIR}/Tidewell.msi ${PROJECT_VERSION}
    DEPENDS tidewell Tw-L ${CMAKE_SOURCE_DIR}/installer/tidewell.wxs ${CMAKE_SOURCE_DIR}/installer/build-msi
            ${TW_MSI_DATA}
    VERBATIM)
  add_custom_target(msi ALL DEPENDS ${CMAKE_BINARY_DIR}/Tidewell.msi)
  if(TW_MSI_ARCH STREQUAL "x64")
    # Installs, runs, upgrades and removes the package in a prefix of its own.
    add_test(NAME install_msi
             COMMAND ${CMAKE_SOURCE_DIR}/tests/wine/install-test ${CMAKE_BINARY_DIR}
                     ${CMAKE_BINARY_DIR}/Tidewell.msi ${PROJECT_VERSION})
    set_tests_properties(install_msi PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
  endif()
endif()

include(${CMAKE_SOURCE_DIR}/tests/print/print_tests.cmake)
