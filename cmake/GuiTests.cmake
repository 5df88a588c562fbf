# GUI tests: quenda_guitest.exe (built by cmake/WindowsProgram.cmake) links
# every Win32 object but app/Main.cpp with the core, the program's resources
# and its own test resources, and runs one case per process under Wine.
# Every GUI_TEST(Suite, Case) line of the GUI test sources becomes the ctest
# test gui.Suite.Case. They share one Xvfb display and one Wine prefix (made
# by the gui_display fixture), so they run one at a time. The transfer cases
# play the device with tools/device_emulator, a Linux program; the clipboard
# cases start the test program again as a second process. The cases of suite
# Dpi144 run in a prefix of their own set to 144 DPI (tests/gui/run-at-dpi.sh).
foreach(source ${QUENDA_GUI_TEST_SOURCES})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(STRINGS ${source} lines REGEX "^GUI_TEST\\(")
  foreach(line ${lines})
    string(REGEX REPLACE "^GUI_TEST\\( *([A-Za-z0-9_]+) *, *([A-Za-z0-9_]+) *\\).*" "\\1.\\2" name "${line}")
    set(runner ${QUENDA_GUI_SCRIPTS}/run-gui-test.sh)
    set(timeout 120)
    if(name MATCHES "^Dpi144\\.")
      set(runner ${QUENDA_GUI_SCRIPTS}/run-at-dpi.sh 144)
      set(timeout 300)  # the prefix is made on the first run
    endif()
    add_test(NAME gui.${name} COMMAND ${runner} ${QUENDA_GUI_STATE} ${QUENDA_GUI_TEST_PROGRAM} ${name})
    set_tests_properties(gui.${name} PROPERTIES
      FIXTURES_REQUIRED gui_display RESOURCE_LOCK "${QUENDA_PROGRAM_LOCKS}" TIMEOUT ${timeout}
      ENVIRONMENT "QUENDA_DEVICE_EMULATOR=$<TARGET_FILE:device_emulator>;QUENDA_GUI_TEST_PROGRAM=${QUENDA_GUI_TEST_PROGRAM}")
  endforeach()
endforeach()
