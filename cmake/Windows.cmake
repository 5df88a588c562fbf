# The program: quenda.exe, cmake/WindowsProgram.cmake cross-built with
# MinGW-w64 as a project of its own in windows/ of this build, over the
# libraries of tools/windows-libs.sh (built once into a cache folder). With
# the options on, the same project builds the GUI test program and the unit
# tests of the Windows-only code, which run under Wine, and
# tools/package-windows.sh packages quenda.exe into dist/.
include(ExternalProject)
quenda_require(QUENDA_MINGW_CXX x86_64-w64-mingw32-g++-posix g++-mingw-w64-x86-64-posix QUENDA_WINDOWS)
quenda_require(QUENDA_WINDRES x86_64-w64-mingw32-windres binutils-mingw-w64-x86-64 QUENDA_WINDOWS)
if(QUENDA_WINDOWS_TESTS)
  # GoogleTest for Windows is compiled from the sources Debian installs.
  find_path(QUENDA_GOOGLETEST_DIR googletest/src/gtest-all.cc PATH_SUFFIXES src/googletest
            PATHS ${CMAKE_SYSTEM_PREFIX_PATH} NO_DEFAULT_PATH)
  if(NOT QUENDA_GOOGLETEST_DIR)
    message(FATAL_ERROR "QUENDA_WINDOWS_TESTS needs GoogleTest's sources (Debian package googletest), "
                        "or QUENDA_GOOGLETEST_DIR set to them")
  endif()
endif()

set(QUENDA_WINDOWS_LIBS_DIR ${CMAKE_SOURCE_DIR}/build-windows-libs CACHE PATH
    "Cache of the Windows libraries built by tools/windows-libs.sh")
set(QUENDA_WINDOWS_DIR ${CMAKE_BINARY_DIR}/windows)
include(${CMAKE_SOURCE_DIR}/cmake/Resources.cmake)

# Returns at once when the cache is complete.
add_custom_target(quenda_windows_libs
  COMMAND ${CMAKE_SOURCE_DIR}/tools/windows-libs.sh ${QUENDA_WINDOWS_LIBS_DIR}
  COMMENT "Windows libraries (built once into ${QUENDA_WINDOWS_LIBS_DIR})"
  VERBATIM)

# The dev build keeps its symbols (RelWithDebInfo), the ci one has none
# (Release); tools/package-windows.sh strips the copy it ships.
ExternalProject_Add(quenda_windows
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${QUENDA_WINDOWS_DIR}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64.cmake
             -DCMAKE_BUILD_TYPE=${CMAKE_BUILD_TYPE}
             -DCMAKE_EXPORT_COMPILE_COMMANDS=ON
             -DQUENDA_WINDOWS_LIBS=${QUENDA_WINDOWS_LIBS_DIR}
             -DQUENDA_PICTURES_DIR=${QUENDA_PICTURES_DIR}
             -DQUENDA_GUI_TESTS=${QUENDA_GUI_TESTS}
             -DQUENDA_WINDOWS_TESTS=${QUENDA_WINDOWS_TESTS}
             -DQUENDA_GOOGLETEST_DIR=${QUENDA_GOOGLETEST_DIR}
             -DQUENDA_PRECOMPILED_HEADERS=${QUENDA_PRECOMPILED_HEADERS}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  STEP_TARGETS configure
  DEPENDS quenda_windows_libs quenda_resources)

# `quenda`: the program alone, what tools/run.sh builds before it starts it.
if(CMAKE_GENERATOR MATCHES "Makefiles")
  set(build_program $(MAKE) -C ${QUENDA_WINDOWS_DIR} quenda)   # shares make's job slots
else()
  set(build_program ${CMAKE_COMMAND} --build ${QUENDA_WINDOWS_DIR} --target quenda)
endif()
add_custom_target(quenda COMMAND ${build_program} COMMENT "Building quenda.exe" VERBATIM)
add_dependencies(quenda quenda_windows-configure)

set(QUENDA_WINDOWS_TESTS_DIR ${CMAKE_SOURCE_DIR}/tests/windows)
add_test(NAME windows.exe_imports_and_resources
  COMMAND ${QUENDA_WINDOWS_TESTS_DIR}/check-exe.sh ${QUENDA_WINDOWS_DIR}/quenda.exe)

if(NOT QUENDA_GUI_TESTS AND NOT QUENDA_WINDOWS_TESTS AND NOT QUENDA_PACKAGES)
  return()
endif()

# What runs under Wine runs in four lanes, a to d: a GUI case spends four
# fifths of its time waiting on Wine and X (two lanes kept a 2-core machine
# 80 % idle), so four cases at once overlap their waits. tools/test.sh gives
# ctest a slot per lane and the machine's cores besides. Each lane has a state folder gui-test/<lane> with an
# Xvfb display and a Wine prefix of its own, made by its fixture
# gui_display_<lane> (tests gui.display.start.<lane> and .stop.<lane>).
quenda_require(QUENDA_WINE wine wine "the tests under Wine")
quenda_require(QUENDA_XVFB Xvfb xvfb "the tests under Wine")
set(QUENDA_GUI_LANES a b c d)
# The order in which the GUI cases are dealt to the lanes (cmake/GuiTests.cmake).
# Lane a also runs the Dpi144 cases, whose first run makes a prefix of its
# own (over a minute on a busy machine), and the installer's test (half a
# minute): it takes one turn in seven, the others two.
set(QUENDA_GUI_TURNS b c d a b c d)
set(QUENDA_GUI_SCRIPTS ${CMAKE_SOURCE_DIR}/tests/gui)
set(QUENDA_GUI_TEST_PROGRAM ${QUENDA_WINDOWS_DIR}/quenda_guitest.exe)
if(QUENDA_GUI_TESTS)
  set(warm_up ${QUENDA_GUI_TEST_PROGRAM})
endif()
foreach(lane ${QUENDA_GUI_LANES})
  set(QUENDA_GUI_STATE_${lane} ${CMAKE_BINARY_DIR}/gui-test/${lane})
  set(state ${QUENDA_GUI_STATE_${lane}})
  add_test(NAME gui.display.start.${lane} COMMAND ${QUENDA_GUI_SCRIPTS}/gui-display.sh start ${state} ${warm_up})
  add_test(NAME gui.display.stop.${lane} COMMAND ${QUENDA_GUI_SCRIPTS}/gui-display.sh stop ${state})
  set_tests_properties(gui.display.start.${lane} PROPERTIES
    FIXTURES_SETUP gui_display_${lane} RESOURCE_LOCK gui_${lane} TIMEOUT 300)
  set_tests_properties(gui.display.stop.${lane} PROPERTIES
    FIXTURES_CLEANUP gui_display_${lane} RESOURCE_LOCK gui_${lane} TIMEOUT 60)
endforeach()

# Puts a test that runs a program under Wine on a lane: it needs the lane's
# display and holds the lane's lock, so a lane runs one such test at a time
# (windows and clipboards are per display, the rest per prefix). A test that
# opens the device's fixed port 9835 (the device emulator binds it, the
# program listens there when it transfers) says PORT and also holds the
# port9835 lock, which all lanes share.
#   quenda_gui_lane(<test> <lane> [PORT] [NO_LOCK])
function(quenda_gui_lane test lane)
  cmake_parse_arguments(PARSE_ARGV 2 arg "PORT;NO_LOCK" "" "")
  set(locks)
  if(NOT arg_NO_LOCK)
    list(APPEND locks gui_${lane})
  endif()
  if(arg_PORT)
    list(APPEND locks port9835)
  endif()
  set_tests_properties(${test} PROPERTIES FIXTURES_REQUIRED gui_display_${lane} RESOURCE_LOCK "${locks}")
endfunction()

if(QUENDA_GUI_TESTS)
  include(${CMAKE_SOURCE_DIR}/cmake/GuiTests.cmake)
endif()

if(QUENDA_WINDOWS_TESTS)
  add_test(NAME windows.unit_tests
    COMMAND ${QUENDA_GUI_SCRIPTS}/run-gui-test.sh ${QUENDA_GUI_STATE_a} ${QUENDA_WINDOWS_DIR}/quenda_windows_tests.exe
            --gtest_brief=1)
  # They open no window and no fixed port, so they take no lock.
  quenda_gui_lane(windows.unit_tests a NO_LOCK)
  set_tests_properties(windows.unit_tests PROPERTIES TIMEOUT 300)
endif()

if(QUENDA_PACKAGES)
  quenda_require(QUENDA_MAKENSIS makensis nsis QUENDA_PACKAGES)
  quenda_require(QUENDA_ZIP zip zip QUENDA_PACKAGES)
  quenda_require(QUENDA_XDOTOOL xdotool xdotool QUENDA_PACKAGES)
  add_custom_target(quenda_windows_packages ALL
    COMMAND ${CMAKE_SOURCE_DIR}/tools/package-windows.sh ${QUENDA_WINDOWS_DIR} ${QUENDA_WINDOWS_LIBS_DIR}
    DEPENDS quenda_windows
    COMMENT "Windows packages in dist/"
    VERBATIM)
  add_test(NAME windows.setup_installs_starts_and_uninstalls
    COMMAND ${QUENDA_WINDOWS_TESTS_DIR}/setup-test.sh ${QUENDA_GUI_STATE_a} ${CMAKE_SOURCE_DIR}/dist)
  # It finds the installed program's window by its title on the lane's display.
  quenda_gui_lane(windows.setup_installs_starts_and_uninstalls a)
  # Started early, it does not end the run on its lane alone.
  set_tests_properties(windows.setup_installs_starts_and_uninstalls PROPERTIES TIMEOUT 300 COST 1000)
endif()
