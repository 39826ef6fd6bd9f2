# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack. A .deb must name its maintainer with a mail address, and Norv
# has none to give: the package names the person who builds it, taken from
# DEBFULLNAME and DEBEMAIL as Debian's own packaging tools take it.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(name "$ENV{DEBFULLNAME}")
  set(mail "$ENV{DEBEMAIL}")
  if(mail MATCHES "^(.+) <(.+)>$")   # DEBEMAIL may hold both
    set(name "${CMAKE_MATCH_1}")
    set(mail "${CMAKE_MATCH_2}")
  endif()
  if(name STREQUAL "" OR mail STREQUAL "")
    message(FATAL_ERROR "The package names who built it: set DEBFULLNAME to your name "
                        "and DEBEMAIL to your mail address, then run cpack again.")
  endif()
  set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${name} <${mail}>")
endif()
