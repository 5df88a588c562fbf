# The Win32 layer, compiled and linked by wineg++ through a rule launcher.
# Files: app/*.cpp, ui/win32/*.cpp, transfer/win32/*.cpp. app/Main.cpp holds
# the entry routine and goes into the program only; the GUI test program links
# everything else with its own entry routine.
find_program(WINEGXX wineg++ REQUIRED)
find_program(WRC wrc REQUIRED)

function(quenda_winelib target)
  set_target_properties(${target} PROPERTIES
    RULE_LAUNCH_COMPILE ${CMAKE_SOURCE_DIR}/tools/winelib-cxx
    RULE_LAUNCH_LINK ${CMAKE_SOURCE_DIR}/tools/winelib-cxx)
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR})
  # windows.h's min and max macros break <vector> and std::min.
  target_compile_definitions(${target} PRIVATE NOMINMAX)
endfunction()

file(GLOB QUENDA_WIN32_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/app/*.cpp
  ${CMAKE_SOURCE_DIR}/ui/win32/*.cpp
  ${CMAKE_SOURCE_DIR}/transfer/win32/*.cpp)
list(FILTER QUENDA_WIN32_SOURCES EXCLUDE REGEX "/app/Main\\.cpp$")

include(${CMAKE_SOURCE_DIR}/cmake/Resources.cmake)   # defines quenda_resources, QUENDA_RES

add_library(quenda_win32 OBJECT ${QUENDA_WIN32_SOURCES})
quenda_winelib(quenda_win32)

set(QUENDA_WIN32_LIBS -lcomctl32 -lcomdlg32 -lshell32 -lole32 -lgdi32 -luser32)

add_executable(quenda ${CMAKE_SOURCE_DIR}/app/Main.cpp $<TARGET_OBJECTS:quenda_win32>)
quenda_winelib(quenda)
set_target_properties(quenda PROPERTIES SUFFIX ".exe")
add_dependencies(quenda quenda_resources)
target_link_options(quenda PRIVATE -mwindows ${QUENDA_RES})
# Relink when the resources change: the .res is an option, not a source.
set_property(TARGET quenda APPEND PROPERTY LINK_DEPENDS ${QUENDA_RES})
target_link_libraries(quenda PRIVATE quenda_core ${QUENDA_WIN32_LIBS})

include(${CMAKE_SOURCE_DIR}/cmake/GuiTests.cmake)
