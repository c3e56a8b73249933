# SPDX-License-Identifier: MIT
# `cpack -G ZIP` in the Windows edition's build directory makes quillet-<version>-windows.zip:
# the program, a short text in Japanese and the licence, to unpack anywhere and run.
install(TARGETS quillet_win32 RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/ui/win32/README.txt DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION . RENAME LICENSE.txt)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_FILE_NAME quillet-${PROJECT_VERSION}-windows)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
include(CPack)
