# Installing the game as Debian packages games (`cmake --install`, `make deb`):
#   /usr/games/vorlandocraft, the asset folders in /usr/share/games/vorlandocraft, the desktop entry,
#   the hicolor icons, the AppStream metainfo, the manual page vorlandocraft(6) and the package's docs.
# The program finds its content relative to itself, so any prefix or staging root works.
set(VORLANDO_ID io.github.vorlandocraft.Vorlandocraft)
set(pacote_dir ${CMAKE_CURRENT_LIST_DIR})
set(pacote_gen ${CMAKE_BINARY_DIR}/pacote)
set(VERSAO ${PROJECT_VERSION})
configure_file(${pacote_dir}/vorlandocraft.metainfo.xml ${pacote_gen}/${VORLANDO_ID}.metainfo.xml @ONLY)
configure_file(${pacote_dir}/vorlandocraft.6 ${pacote_gen}/vorlandocraft.6 @ONLY)
configure_file(${pacote_dir}/changelog ${pacote_gen}/changelog @ONLY)
configure_file(${pacote_dir}/vorlandocraft.desktop ${pacote_gen}/${VORLANDO_ID}.desktop COPYONLY)
# Debian wants the manual page and the changelog compressed, without a time stamp
find_program(GZIP gzip REQUIRED)
add_custom_command(
  OUTPUT ${pacote_gen}/vorlandocraft.6.gz ${pacote_gen}/changelog.gz
  COMMAND ${GZIP} -9nkf ${pacote_gen}/vorlandocraft.6 ${pacote_gen}/changelog
  DEPENDS ${pacote_gen}/vorlandocraft.6 ${pacote_gen}/changelog
  VERBATIM)
add_custom_target(pacote_docs ALL DEPENDS ${pacote_gen}/vorlandocraft.6.gz ${pacote_gen}/changelog.gz)

install(TARGETS vorlandocraft RUNTIME DESTINATION games)
foreach(d Unidades Efeitos Objetos Cenario Final Abertura Sons Musicas)
  install(DIRECTORY ${VORLANDO_GAME_DIR}/${d} DESTINATION share/games/vorlandocraft
          FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
endforeach()
install(FILES ${pacote_gen}/${VORLANDO_ID}.desktop DESTINATION share/applications)
install(FILES ${pacote_gen}/${VORLANDO_ID}.metainfo.xml DESTINATION share/metainfo)
install(DIRECTORY ${VORLANDO_GEN_DIR}/icones/hicolor DESTINATION share/icons)
install(FILES ${pacote_gen}/vorlandocraft.6.gz DESTINATION share/man/man6)
install(FILES ${pacote_dir}/copyright ${pacote_gen}/changelog.gz DESTINATION share/doc/vorlandocraft)

# The package: `cpack -G DEB` from the build folder (make deb)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vorlandocraft)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Vorlandocraft developers <vorlandocraft@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "real-time strategy game with role-playing elements")
set(CPACK_PACKAGE_DESCRIPTION "A single-player real-time strategy game in Brazilian Portuguese.
Lead the hero Seu Vorlando and his band through twelve missions: build guard
towers, farms and shops with a worker, train units, cast techniques and
spells, pick up items and destroy the portals that monsters pour out of.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-texgyre")
# gzip: xz makes the package a little smaller but takes minutes over the raw pictures
set(CPACK_DEBIAN_COMPRESSION_TYPE gzip)
include(CPack)

# The AppStream screenshots, made by the headless runner (`cmake --build build --target capturas`,
# part of `make deb`): build/capturas/missao01.png and menu.png, the pictures the metainfo names.
add_custom_target(capturas
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/capturas
  COMMAND ${CMAKE_COMMAND} -E chdir ${VORLANDO_GAME_DIR} $<TARGET_FILE:vorlandocraft> --headless --seed 1
          --mission 1 --ticks 2 --shot 2=${CMAKE_BINARY_DIR}/capturas/missao01.png
  COMMAND ${CMAKE_COMMAND} -E chdir ${VORLANDO_GAME_DIR} $<TARGET_FILE:vorlandocraft> --headless --seed 1
          --input ${pacote_dir}/capturas.txt --ticks 290 --shot 290=${CMAKE_BINARY_DIR}/capturas/menu.png
  DEPENDS vorlandocraft content
  COMMENT "Capturas de tela para o AppStream"
  VERBATIM)
