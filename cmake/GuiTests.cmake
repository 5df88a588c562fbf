# GUI tests: quenda_guitest.exe links every Win32 object but app/Main.cpp with
# the core, the program's resources and its own test resources, and runs one
# case per process. Every GUI_TEST(Suite, Case) line of tests/gui/*.cpp
# becomes the ctest test gui.Suite.Case. They share one Xvfb display and one
# Wine prefix (made by the gui.display fixture), so they run one at a time.

file(GLOB QUENDA_GUI_TEST_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/*.cpp)

set(QUENDA_GUI_TEST_RES ${CMAKE_BINARY_DIR}/quenda_guitest.res)
add_custom_command(OUTPUT ${QUENDA_GUI_TEST_RES}
  COMMAND ${WRC} -I${CMAKE_SOURCE_DIR} -o ${QUENDA_GUI_TEST_RES} ${CMAKE_SOURCE_DIR}/tests/gui/GuiTest.rc
  DEPENDS ${CMAKE_SOURCE_DIR}/tests/gui/GuiTest.rc ${CMAKE_SOURCE_DIR}/tests/gui/GuiTestResources.h
  COMMENT "Compiling the GUI test resources")
add_custom_target(quenda_guitest_resources DEPENDS ${QUENDA_GUI_TEST_RES})

add_executable(quenda_guitest ${QUENDA_GUI_TEST_SOURCES} $<TARGET_OBJECTS:quenda_win32>)
quenda_winelib(quenda_guitest)
set_target_properties(quenda_guitest PROPERTIES SUFFIX ".exe")
add_dependencies(quenda_guitest quenda_resources quenda_guitest_resources)
# A console program: main() gets argv and its output reaches ctest.
target_link_options(quenda_guitest PRIVATE -mconsole ${QUENDA_RES} ${QUENDA_GUI_TEST_RES})
set_property(TARGET quenda_guitest APPEND PROPERTY LINK_DEPENDS ${QUENDA_RES} ${QUENDA_GUI_TEST_RES})
target_link_libraries(quenda_guitest PRIVATE quenda_core ${QUENDA_WIN32_LIBS})

# Every test that runs the program holds both locks: the shared display, and
# the device port 9835, which any case may open (the program listens there
# when it transfers, and the device emulator binds it), so no case, whatever
# its name, can race another test for the port.
set(QUENDA_PROGRAM_LOCKS gui port9835)

set(QUENDA_GUI_STATE ${CMAKE_BINARY_DIR}/gui-test)
set(QUENDA_GUI_SCRIPTS ${CMAKE_SOURCE_DIR}/tests/gui)

add_test(NAME gui.display.start
  COMMAND ${QUENDA_GUI_SCRIPTS}/gui-display.sh start ${QUENDA_GUI_STATE} $<TARGET_FILE:quenda_guitest>)
add_test(NAME gui.display.stop COMMAND ${QUENDA_GUI_SCRIPTS}/gui-display.sh stop ${QUENDA_GUI_STATE})
set_tests_properties(gui.display.start PROPERTIES FIXTURES_SETUP gui_display RESOURCE_LOCK gui TIMEOUT 300)
set_tests_properties(gui.display.stop PROPERTIES FIXTURES_CLEANUP gui_display RESOURCE_LOCK gui TIMEOUT 60)

# gui.<build>.<Suite>.<Case> for every case, run by `program` (the winelib
# one here, the Windows one in cmake/Windows.cmake). The transfer cases play
# the device with tools/device_emulator, a Linux program, for both builds;
# the clipboard cases start `program` again as a second process. The cases
# of suite Dpi144 run the Windows program alone, in a prefix of their own
# set to 144 DPI (tests/gui/run-at-dpi.sh).
function(quenda_gui_tests build program)
  foreach(source ${QUENDA_GUI_TEST_SOURCES})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
    file(STRINGS ${source} lines REGEX "^GUI_TEST\\(")
    foreach(line ${lines})
      string(REGEX REPLACE "^GUI_TEST\\( *([A-Za-z0-9_]+) *, *([A-Za-z0-9_]+) *\\).*" "\\1.\\2" name "${line}")
      set(test gui.${build}.${name})
      set(runner ${QUENDA_GUI_SCRIPTS}/run-gui-test.sh)
      set(timeout 120)
      if(name MATCHES "^Dpi144\\.")
        if(NOT build STREQUAL "pe")
          continue()
        endif()
        set(runner ${QUENDA_GUI_SCRIPTS}/run-at-dpi.sh 144)
        set(timeout 300)  # the prefix is made on the first run
      endif()
      add_test(NAME ${test} COMMAND ${runner} ${QUENDA_GUI_STATE} ${program} ${name})
      set_tests_properties(${test} PROPERTIES
        FIXTURES_REQUIRED gui_display RESOURCE_LOCK "${QUENDA_PROGRAM_LOCKS}" TIMEOUT ${timeout}
        ENVIRONMENT "QUENDA_DEVICE_EMULATOR=$<TARGET_FILE:device_emulator>;QUENDA_GUI_TEST_PROGRAM=${program}")
    endforeach()
  endforeach()
endfunction()

quenda_gui_tests(winelib $<TARGET_FILE:quenda_guitest>)
