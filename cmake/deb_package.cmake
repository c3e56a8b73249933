# SPDX-License-Identifier: MIT
# `cmake --build BUILD_DIR --target deb` writes quillet_<version>_<architecture>.deb for Debian 12
# into the build folder, from what desktop_install.cmake installs and ui/linux/debian/control.
add_custom_target(deb
  COMMAND ${QUILLET_WITH_SOURCE_DATE}
          ${CMAKE_CURRENT_LIST_DIR}/write_deb.sh ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR}
          ${PROJECT_BINARY_DIR} ${PROJECT_VERSION}
  VERBATIM)
add_dependencies(deb quillet quillet_docs)
