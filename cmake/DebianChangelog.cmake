# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the staged files before it packs them: Debian's changelog,
# signed by the package's maintainer and compressed as Debian wants it (no
# name or time stamp in the gzip header).
set(doc ${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/doc/norv)
set(NORV_PACKAGER "${CPACK_DEBIAN_PACKAGE_MAINTAINER}")
configure_file(${CPACK_NORV_CHANGELOG} ${doc}/changelog @ONLY)
execute_process(COMMAND gzip -9nf ${doc}/changelog COMMAND_ERROR_IS_FATAL ANY)
