# GUI tests: quenda_guitest.exe (built by cmake/WindowsProgram.cmake) links
# every Win32 object but app/Main.cpp with the core, the program's resources
# and its own test resources, and runs one case per process under Wine.
# Every GUI_TEST(Suite, Case) line of the GUI test sources becomes the ctest
# test gui.Suite.Case. They share one Xvfb display and one Wine prefix (made
# by the gui_display fixture), so they run one at a time. The transfer cases
# play the device with tools/device_emulator, a Linux program; the clipboard
# cases start the test program again as a second process.
foreach(source ${QUENDA_GUI_TEST_SOURCES})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(STRINGS ${source} lines REGEX "^GUI_TEST\\(")
  foreach(line ${lines})
    string(REGEX REPLACE "^GUI_TEST\\( *([A-Za-z0-9_]+) *, *([A-Za-z0-9_]+) *\\).*" "\\1.\\2" name "${line}")
    add_test(NAME gui.${name}
      COMMAND ${QUENDA_GUI_SCRIPTS}/run-gui-test.sh ${QUENDA_GUI_STATE} ${QUENDA_GUI_TEST_PROGRAM} ${name})
    set_tests_properties(gui.${name} PROPERTIES
      FIXTURES_REQUIRED gui_display RESOURCE_LOCK "${QUENDA_PROGRAM_LOCKS}" TIMEOUT 120
      ENVIRONMENT "QUENDA_DEVICE_EMULATOR=$<TARGET_FILE:device_emulator>;QUENDA_GUI_TEST_PROGRAM=${QUENDA_GUI_TEST_PROGRAM}")
  endforeach()
endforeach()
