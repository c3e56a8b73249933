# Installs Quillet the way Linux desktops expect: the program, its launcher in the menu, the icon
# in every size a menu or dock asks for, and the software centre's description.
include(GNUInstallDirs)

set(QUILLET_APP_ID org.quillet.Quillet)

install(TARGETS quillet RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ui/linux/${QUILLET_APP_ID}.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ui/linux/${QUILLET_APP_ID}.metainfo.xml
  DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

set(icon_theme_dir ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ui/resources/quillet.svg
  DESTINATION ${icon_theme_dir}/scalable/apps RENAME ${QUILLET_APP_ID}.svg)
foreach(size IN ITEMS 16 32 48 64 128 256)
  install(FILES ui/resources/quillet-${size}.png
    DESTINATION ${icon_theme_dir}/${size}x${size}/apps RENAME ${QUILLET_APP_ID}.png)
endforeach()
