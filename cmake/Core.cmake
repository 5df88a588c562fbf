# The portable core: every .cpp of model/, ui/ and transfer/ outside win32/.
file(GLOB QUENDA_CORE_SOURCES CONFIGURE_DEPENDS
  ${CMAKE_SOURCE_DIR}/model/*.cpp
  ${CMAKE_SOURCE_DIR}/ui/*.cpp
  ${CMAKE_SOURCE_DIR}/transfer/*.cpp)
# Windows-only variants (Winsock) never build here.
list(FILTER QUENDA_CORE_SOURCES EXCLUDE REGEX "Winsock[^/]*\\.cpp$")

find_library(TINYXML2_LIBRARY tinyxml2 REQUIRED)
find_library(FREEIMAGE_LIBRARY freeimage REQUIRED)
find_package(Threads REQUIRED)

function(quenda_core_library name)
  add_library(${name} STATIC ${QUENDA_CORE_SOURCES})
  set_target_properties(${name} PROPERTIES POSITION_INDEPENDENT_CODE ON)
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${TINYXML2_LIBRARY} ${FREEIMAGE_LIBRARY} Threads::Threads)
endfunction()

quenda_core_library(quenda_core)
