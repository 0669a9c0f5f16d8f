# cpack -G DEB: varnholm_<version>_amd64.deb with the dependencies that
# dpkg-shlibdeps (dpkg-dev) finds for the two programs.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnholm)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Varnholm developers")
set(CPACK_PACKAGE_CONTACT "${VH_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VH_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${VH_HOMEPAGE}")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The file manager's association and the icons are registered by the
# triggers of these packages; xdg-open shows the manual.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, hicolor-icon-theme, xdg-utils")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "terrain editor for Quake-engine level designers
Varnholm generates heightfield terrains with fractal, fault-line, particle,
circle, slope and height-image generators, lets you sculpt them with six
brush tools in an OpenGL 3D view, and exports them as Quake .MAP files in
which every triangle is a solid brush, with optional hint brushes and a
sealing sky box, or as grey-scale height images.

The package holds the editor (varnholm), its headless front end for scripts
(varnholm-cli), the default sky box and ground texture, the manual, a
desktop launcher and the .vhm file type.")
include(CPack)
