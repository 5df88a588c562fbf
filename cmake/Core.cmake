# The portable core for Linux: its shared sources and the POSIX sockets.
find_library(TINYXML2_LIBRARY tinyxml2)
find_library(FREEIMAGE_LIBRARY freeimage)
if(NOT TINYXML2_LIBRARY OR NOT FREEIMAGE_LIBRARY)
  message(FATAL_ERROR "The core needs tinyxml2 and FreeImage (Debian packages libtinyxml2-dev, libfreeimage-dev)")
endif()
find_package(Threads REQUIRED)
# The check inflates pictures' data itself (Debian package zlib1g-dev).
find_package(ZLIB REQUIRED)

function(quenda_core_library name)
  add_library(${name} STATIC ${QUENDA_CORE_SOURCES} ${QUENDA_POSIX_SOURCES})
  target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${TINYXML2_LIBRARY} ${FREEIMAGE_LIBRARY} ZLIB::ZLIB Threads::Threads)
  quenda_precompile(${name} ${QUENDA_STANDARD_HEADERS})
endfunction()

quenda_core_library(quenda_core)
