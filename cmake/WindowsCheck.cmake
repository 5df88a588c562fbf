# A compile check for Windows itself: MinGW-w64 compiles, syntax only, the
# Win32 layer and the portable core sources a Windows build would compile
# (tools/windows-compile-check.sh lists the ones left out and why).
find_program(MINGW_CXX x86_64-w64-mingw32-g++-posix)
if(NOT MINGW_CXX)
  message(STATUS "x86_64-w64-mingw32-g++-posix not found: no Windows compile check "
                 "(Debian package g++-mingw-w64-x86-64-posix)")
  return()
endif()

add_test(NAME windows.compile_check
  COMMAND ${CMAKE_SOURCE_DIR}/tools/windows-compile-check.sh ${MINGW_CXX} ${CMAKE_SOURCE_DIR})
set_tests_properties(windows.compile_check PROPERTIES TIMEOUT 180)
