# The Windows program, cross-built with MinGW-w64 (cmake/mingw-w64.cmake):
# quenda.exe and, when asked, the GUI test program and the unit tests of the
# Windows-only code (Win32 file access, Winsock sockets), all linked fully
# static over the libraries tools/windows-libs.sh builds. The main build
# configures this as a project of its own (cmake/Windows.cmake) and hands
# over the library cache, the pictures its makeresources drew and the options.
set(QUENDA_WINDOWS_LIBS "" CACHE PATH "Library folder made by tools/windows-libs.sh")
set(QUENDA_PICTURES_DIR "" CACHE PATH "Pictures drawn by makeresources in the main build")
option(QUENDA_GUI_TESTS "Build the GUI test program" OFF)
option(QUENDA_WINDOWS_TESTS "Build the unit tests of the Windows-only code" OFF)
set(QUENDA_GOOGLETEST_DIR "" CACHE PATH "GoogleTest's sources, for the Windows unit tests")
if(NOT EXISTS "${QUENDA_WINDOWS_LIBS}/revisions.txt" OR NOT EXISTS "${QUENDA_PICTURES_DIR}/quenda.ico")
  message(FATAL_ERROR "QUENDA_WINDOWS_LIBS and QUENDA_PICTURES_DIR must name a complete library cache "
                      "and the drawn pictures: build through the main project (QUENDA_WINDOWS=ON)")
endif()

# Include folders on the command line, not in response files, so that
# compile_commands.json shows them to editors' code models.
set(CMAKE_CXX_USE_RESPONSE_FILE_FOR_INCLUDES OFF)
# Statically linked FreeImage; windows.h without min and max macros.
add_compile_definitions(FREEIMAGE_LIB NOMINMAX)
include_directories(${CMAKE_SOURCE_DIR} ${QUENDA_WINDOWS_LIBS}/include)
set(QUENDA_IMAGE_LIBS ${QUENDA_WINDOWS_LIBS}/lib/libfreeimage.a ${QUENDA_WINDOWS_LIBS}/lib/libpng16.a
                      ${QUENDA_WINDOWS_LIBS}/lib/libtinyxml2.a ${QUENDA_WINDOWS_LIBS}/lib/libz.a)
set(QUENDA_SYSTEM_LIBS comctl32 comdlg32 shell32 ole32 oleaut32 gdi32 user32 ws2_32)
# Nothing but Windows' own DLLs at run time (the C and C++ runtimes and
# winpthreads go into the executable).
set(QUENDA_STATIC_LINK -static -static-libgcc -static-libstdc++)

add_library(quenda_core STATIC ${QUENDA_CORE_SOURCES} ${QUENDA_WINDOWS_SOURCES})
target_link_libraries(quenda_core PUBLIC ${QUENDA_IMAGE_LIBS} ${QUENDA_SYSTEM_LIBS})
quenda_precompile(quenda_core ${QUENDA_STANDARD_HEADERS})
add_library(quenda_win32 OBJECT ${QUENDA_WIN32_SOURCES})
set(QUENDA_WIN32_HEADERS <windows.h> <commctrl.h> ${QUENDA_STANDARD_HEADERS})
quenda_precompile(quenda_win32 ${QUENDA_WIN32_HEADERS})

find_program(QUENDA_WINDRES x86_64-w64-mingw32-windres REQUIRED)
function(quenda_windres output script)
  add_custom_command(OUTPUT ${output}
    COMMAND ${QUENDA_WINDRES} -I${QUENDA_PICTURES_DIR} -I${CMAKE_SOURCE_DIR}/resources -I${CMAKE_SOURCE_DIR}
            -O coff -o ${output} ${script}
    DEPENDS ${script} ${ARGN}
    VERBATIM)
endfunction()
quenda_windres(${CMAKE_BINARY_DIR}/quenda_rc.o ${CMAKE_SOURCE_DIR}/resources/quenda.rc
  ${CMAKE_SOURCE_DIR}/base/resource.h ${CMAKE_SOURCE_DIR}/resources/version.h
  ${CMAKE_SOURCE_DIR}/resources/quenda.manifest ${QUENDA_PICTURES_DIR}/quenda.ico)

add_executable(quenda WIN32 ${QUENDA_PROGRAM_SOURCES} $<TARGET_OBJECTS:quenda_win32> ${CMAKE_BINARY_DIR}/quenda_rc.o)
target_link_libraries(quenda PRIVATE quenda_core)
target_link_options(quenda PRIVATE ${QUENDA_STATIC_LINK})

if(QUENDA_GUI_TESTS)
  # Console subsystem, so its output reaches ctest.
  quenda_windres(${CMAKE_BINARY_DIR}/guitest_rc.o ${CMAKE_SOURCE_DIR}/tests/gui/GuiTest.rc
    ${CMAKE_SOURCE_DIR}/tests/gui/GuiTestResources.h)
  add_executable(quenda_guitest ${QUENDA_GUI_TEST_SOURCES} $<TARGET_OBJECTS:quenda_win32>
                                ${CMAKE_BINARY_DIR}/quenda_rc.o ${CMAKE_BINARY_DIR}/guitest_rc.o)
  target_link_libraries(quenda_guitest PRIVATE quenda_core)
  quenda_precompile(quenda_guitest ${QUENDA_WIN32_HEADERS})
  target_link_options(quenda_guitest PRIVATE ${QUENDA_STATIC_LINK})
endif()

if(QUENDA_WINDOWS_TESTS)
  set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(${QUENDA_GOOGLETEST_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
  # Only a few cases run on it: compiled unoptimised, it builds in half the time.
  target_compile_options(gtest PRIVATE -O0)
  target_compile_options(gtest_main PRIVATE -O0)
  add_executable(quenda_windows_tests ${QUENDA_WINDOWS_TEST_SOURCES} ${CMAKE_SOURCE_DIR}/model/win32/Win32FileAccess.cpp)
  target_link_libraries(quenda_windows_tests PRIVATE quenda_core gtest gtest_main)
  # winsock2.h goes before windows.h, which would otherwise bring the older winsock.h.
  quenda_precompile(quenda_windows_tests <winsock2.h> <windows.h> <gtest/gtest.h> ${QUENDA_STANDARD_HEADERS})
  target_link_options(quenda_windows_tests PRIVATE ${QUENDA_STATIC_LINK})
endif()
