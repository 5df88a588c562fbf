# GUI tests: quenda_guitest.exe (built by cmake/WindowsProgram.cmake) links
# every Win32 object but app/Main.cpp with the core, the program's resources
# and its own test resources, and runs one case per process under Wine.
# Every GUI_TEST(Suite, Case) line of the GUI test sources becomes the ctest
# test gui.Suite.Case, dealt to the lanes of cmake/Windows.cmake in turn, so
# that ctest runs one case at a time per display and prefix.
# The cases of a source that names the device port, the emulated device
# (GuiDevice: the transfer cases play the device with tools/device_emulator,
# a Linux program) or the program's transfer worker also hold the port's
# lock. The clipboard cases start the test program again as a second
# process, on the same lane. The cases of suite Dpi144 run in a prefix of
# their own set to 144 DPI (tests/gui/run-at-dpi.sh), made in the lane's
# state folder on its first run: they all stay on lane a.
set(port_users "9835|kDevicePort|GuiDevice|DeviceTransfer|SubirProyecto")
set(turn 0)
foreach(source ${QUENDA_GUI_TEST_SOURCES})
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(STRINGS ${source} lines REGEX "^GUI_TEST\\(")
  file(STRINGS ${source} port_lines REGEX "${port_users}")
  set(port)
  if(port_lines)
    set(port PORT)
  endif()
  foreach(line ${lines})
    string(REGEX REPLACE "^GUI_TEST\\( *([A-Za-z0-9_]+) *, *([A-Za-z0-9_]+) *\\).*" "\\1.\\2" name "${line}")
    set(runner ${QUENDA_GUI_SCRIPTS}/run-gui-test.sh)
    set(timeout 120)
    set(early ${port})
    if(name MATCHES "^Dpi144\\.")
      set(runner ${QUENDA_GUI_SCRIPTS}/run-at-dpi.sh 144)
      set(timeout 300)  # the prefix is made on the first run
      set(lane a)
      set(early ON)
    else()
      list(LENGTH QUENDA_GUI_TURNS turns)
      math(EXPR index "${turn} % ${turns}")
      list(GET QUENDA_GUI_TURNS ${index} lane)
      math(EXPR turn "${turn} + 1")
    endif()
    add_test(NAME gui.${name} COMMAND ${runner} ${QUENDA_GUI_STATE_${lane}} ${QUENDA_GUI_TEST_PROGRAM} ${name})
    quenda_gui_lane(gui.${name} ${lane} ${port})
    set_tests_properties(gui.${name} PROPERTIES TIMEOUT ${timeout}
      ENVIRONMENT "QUENDA_DEVICE_EMULATOR=$<TARGET_FILE:device_emulator>;QUENDA_GUI_TEST_PROGRAM=${QUENDA_GUI_TEST_PROGRAM}")
    # ctest starts the costliest first. The port's cases run one after
    # another whatever their lane and the Dpi144 cases are bound to lane a:
    # started first, they overlap the other lane's cases instead of ending
    # the run on one lane.
    if(early)
      set_tests_properties(gui.${name} PROPERTIES COST 1000)
    endif()
  endforeach()
endforeach()
