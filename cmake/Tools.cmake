# Portable programs of tools/: each tools/<name>.cpp is one program.
file(GLOB QUENDA_TOOL_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/*.cpp)
foreach(source ${QUENDA_TOOL_SOURCES})
  get_filename_component(name ${source} NAME_WE)
  add_executable(${name} ${source})
  target_link_libraries(${name} PRIVATE quenda_core)
endforeach()
