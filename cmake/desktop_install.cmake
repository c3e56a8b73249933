# SPDX-License-Identifier: MIT
# Installs Quillet the way Linux desktops expect: the program, its launcher in the menu, the icon
# in every size a menu or dock asks for, and the software centre's description.
include(GNUInstallDirs)

install(TARGETS quillet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ui/linux/${QUILLET_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# AppStream 1.0 (Debian 13) names the developer in <developer>, which AppStream 0.16 (Debian 12)
# does not know, and warns of 0.16's <developer_name>: the description takes the form of the
# AppStream of the release it is built on, the newer one where none is installed.
find_program(APPSTREAMCLI appstreamcli)
set(appstream_version 1.0)
if(APPSTREAMCLI)
  execute_process(COMMAND ${APPSTREAMCLI} --version OUTPUT_VARIABLE appstream_version)
  string(REGEX MATCH "[0-9]+\\.[0-9]+" appstream_version "${appstream_version}")
endif()
if(appstream_version VERSION_LESS 1.0)
  set(QUILLET_METAINFO_DEVELOPER [=[
  <developer_name>The Quillet developers</developer_name>
  <developer_name xml:lang="ja">Quillet 開発チーム</developer_name>]=])
else()
  set(QUILLET_METAINFO_DEVELOPER [=[
  <developer id="org.quillet">
    <name>The Quillet developers</name>
    <name xml:lang="ja">Quillet 開発チーム</name>
  </developer>]=])
endif()
configure_file(ui/linux/${QUILLET_APP_ID}.metainfo.xml.in
  ${QUILLET_GENERATED_DIR}/${QUILLET_APP_ID}.metainfo.xml @ONLY)
install(FILES ${QUILLET_GENERATED_DIR}/${QUILLET_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(icon_theme_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ui/resources/quillet.svg
  DESTINATION ${icon_theme_dir}/scalable/apps RENAME ${QUILLET_APP_ID}.svg)
foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES ui/resources/quillet-${size}.png
    DESTINATION ${icon_theme_dir}/${size}x${size}/apps RENAME ${QUILLET_APP_ID}.png)
endforeach()

# The manual pages and Debian's changelog, compressed as Debian keeps them: gzip -n leaves out the
# name and time, so that the same sources always give the same files.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/quillet)
add_custom_target(quillet_docs ALL)
function(install_compressed source destination)
  set(output ${CMAKE_CURRENT_BINARY_DIR}/compressed/${source})
  add_custom_command(OUTPUT ${output}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/${source} ${output}
    COMMAND gzip -9nf ${output}
    DEPENDS ${PROJECT_SOURCE_DIR}/${source})
  target_sources(quillet_docs PRIVATE ${output}.gz)
  install(FILES ${output}.gz DESTINATION ${destination})
endfunction()
install_compressed(ui/linux/man/quillet.1 ${CMAKE_INSTALL_MANDIR}/man1)
install_compressed(ui/linux/man/ja/quillet.1 ${CMAKE_INSTALL_MANDIR}/ja/man1)
install_compressed(ui/linux/debian/changelog ${doc_dir})
install(FILES ui/linux/debian/copyright DESTINATION ${doc_dir})
