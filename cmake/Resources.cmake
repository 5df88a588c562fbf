# The program's pictures: tools/makeresources draws the toolbar strip, the
# icon and the cursors from the art text of resources/art/ into the build
# tree, where the Windows build's resource compiler finds them for
# resources/quenda.rc. Defines the target quenda_resources and
# QUENDA_PICTURES_DIR.

set(QUENDA_ART_DIR ${CMAKE_SOURCE_DIR}/resources/art)
set(QUENDA_PICTURES_DIR ${CMAKE_BINARY_DIR}/resources)

set(QUENDA_ART_FILES
  ${QUENDA_ART_DIR}/toolbar.txt
  ${QUENDA_ART_DIR}/icon.txt
  ${QUENDA_ART_DIR}/cursors.txt)

# One file per picture of the art; the cursor names are the picture names of
# cursors.txt, and quenda.rc names the same files.
set(QUENDA_PICTURES toolbar.bmp toolbar24.bmp toolbar32.bmp quenda.ico
  alinearsup.cur alinearinf.cur alinearizq.cur alinearder.cur
  igualaralto.cur igualarancho.cur igualartamanno.cur)
list(TRANSFORM QUENDA_PICTURES PREPEND ${QUENDA_PICTURES_DIR}/)

add_custom_command(
  OUTPUT ${QUENDA_PICTURES}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${QUENDA_PICTURES_DIR}
  COMMAND makeresources ${QUENDA_ART_DIR} ${QUENDA_PICTURES_DIR}
  DEPENDS makeresources ${QUENDA_ART_FILES}
  COMMENT "Drawing the toolbar, icon and cursors"
  VERBATIM)

add_custom_target(quenda_resources DEPENDS ${QUENDA_PICTURES})
