# SPDX-License-Identifier: MIT
# `cpack -G DEB` in a build directory makes quillet_<version>_<architecture>.deb for Debian 12
# from what desktop_install.cmake installs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quillet)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Quillet developers <dev@quillet.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "random passwords and deposit interest, in Japanese")
set(CPACK_PACKAGE_DESCRIPTION [[
Quillet draws strong random passwords from the 62 letters and digits or from
the 16 hexadecimal digits: one of 30 characters and two whose lengths you
choose from 1 to 50. The same window works out the interest on a fixed-term
deposit before and after tax. The interface is in Japanese.]])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://quillet.org/)
# The libraries come from dpkg-shlibdeps. Nothing links the font: the window names its face, and
# without a Japanese one its captions would show as empty boxes.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-ipafont-gothic)
# Without Qt's Wayland plugin, a Wayland session (Debian 12's default) runs the window through
# XWayland.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-wayland)

include(CPack)
