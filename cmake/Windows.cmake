# The Windows program: cmake/WindowsProgram.cmake cross-built with MinGW-w64
# as a project of its own in windows/ of this build, over the libraries of
# tools/windows-libs.sh (built once into a cache folder), then packaged by
# tools/package-windows.sh into dist/. Its tests run it under Wine: the
# executable's imports and resources, the unit tests of the Windows-only
# code, the whole GUI suite (gui.pe.*) and the installer.
include(ExternalProject)
find_program(QUENDA_MINGW_CXX x86_64-w64-mingw32-g++-posix)
find_program(QUENDA_MAKENSIS makensis)
if(NOT QUENDA_MINGW_CXX OR NOT QUENDA_MAKENSIS)
  message(STATUS "MinGW-w64 or NSIS missing: no Windows program (tools/install-deps.sh installs them)")
  return()
endif()

set(QUENDA_WINDOWS_LIBS_DIR ${CMAKE_SOURCE_DIR}/build-windows-libs CACHE PATH
    "Cache of the Windows libraries built by tools/windows-libs.sh")
set(QUENDA_WINDOWS_DIR ${CMAKE_BINARY_DIR}/windows)

# Returns at once when the cache is complete.
add_custom_target(quenda_windows_libs
  COMMAND ${CMAKE_SOURCE_DIR}/tools/windows-libs.sh ${QUENDA_WINDOWS_LIBS_DIR}
  COMMENT "Windows libraries (built once into ${QUENDA_WINDOWS_LIBS_DIR})"
  VERBATIM)

ExternalProject_Add(quenda_windows
  SOURCE_DIR ${CMAKE_SOURCE_DIR}
  BINARY_DIR ${QUENDA_WINDOWS_DIR}
  CMAKE_ARGS -DCMAKE_TOOLCHAIN_FILE=${CMAKE_SOURCE_DIR}/cmake/mingw-w64.cmake
             -DCMAKE_BUILD_TYPE=Release
             -DQUENDA_WINDOWS_LIBS=${QUENDA_WINDOWS_LIBS_DIR}
             -DQUENDA_PICTURES_DIR=${QUENDA_PICTURES_DIR}
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  DEPENDS quenda_windows_libs quenda_resources)

add_custom_target(quenda_windows_packages ALL
  COMMAND ${CMAKE_SOURCE_DIR}/tools/package-windows.sh ${QUENDA_WINDOWS_DIR} ${QUENDA_WINDOWS_LIBS_DIR}
  DEPENDS quenda_windows
  COMMENT "Windows packages in dist/"
  VERBATIM)

set(QUENDA_WINDOWS_TESTS ${CMAKE_SOURCE_DIR}/tests/windows)
add_test(NAME windows.exe_imports_and_resources
  COMMAND ${QUENDA_WINDOWS_TESTS}/check-exe.sh ${QUENDA_WINDOWS_DIR}/quenda.exe)
add_test(NAME windows.unit_tests
  COMMAND ${QUENDA_GUI_SCRIPTS}/run-gui-test.sh ${QUENDA_GUI_STATE} ${QUENDA_WINDOWS_DIR}/quenda_windows_tests.exe
          --gtest_brief=1)
set_tests_properties(windows.unit_tests PROPERTIES FIXTURES_REQUIRED gui_display TIMEOUT 300)
add_test(NAME windows.setup_installs_starts_and_uninstalls
  COMMAND ${QUENDA_WINDOWS_TESTS}/setup-test.sh ${QUENDA_GUI_STATE} ${CMAKE_SOURCE_DIR}/dist)
set_tests_properties(windows.setup_installs_starts_and_uninstalls PROPERTIES
  FIXTURES_REQUIRED gui_display RESOURCE_LOCK "${QUENDA_PROGRAM_LOCKS}" TIMEOUT 300)

quenda_gui_tests(pe ${QUENDA_WINDOWS_DIR}/quenda_guitest.exe)
