# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, made by `cpack -G DEB` in a build configured for it (scripts/package.sh
# does both). Its dependencies are computed from the libraries the programs link.
set(CPACK_PACKAGE_NAME pixmora)
set(CPACK_PACKAGE_VENDOR "Pixmora developers")
set(CPACK_PACKAGE_CONTACT "Pixmora developers <developers@pixmora.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor for Windows icon files")
set(CPACK_PACKAGE_INSTALL_DIRECTORY pixmora)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_SET_DESTDIR OFF)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
  OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${PROJECT_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The sounds play through Qt's multimedia back end, which loads its GStreamer plugins at run
# time; shlibdeps cannot see those.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# CPack puts the summary on the first line and indents these lines as the control file wants.
set(CPACK_PACKAGE_DESCRIPTION "Pixmora paints Windows icon files (.ico). An icon holds three square images
of 16, 32 and 48 pixels that are painted on an enlarged canvas with brushes,
lines, shapes, flood fill, selection and text, with one level of undo per
image. Icons are saved as 8-bit images with a colour table and a transparency
mask; 8- and 4-bit icons are read.

The package also holds pixmora-cli, which shows, exports and creates icon
files from the command line with the same code as the editor.")

include(CPack)
