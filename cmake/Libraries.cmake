# SPDX-License-Identifier: GPL-3.0-or-later
# One static library per folder. Users include a folder's headers as
# "<folder>/name.h" through an include root that holds that folder alone, so
# a library sees the headers of its own folder and of the libraries it links,
# and no others: an include against the direction of the links fails to build.

# norv_include_root(<target> <folder>): <target>'s users see <folder>'s headers.
function(norv_include_root target folder)
  set(root ${PROJECT_BINARY_DIR}/include_roots/${folder})
  file(MAKE_DIRECTORY ${root})
  file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  target_include_directories(${target} PUBLIC ${root})
endfunction()

# norv_logic_library(<folder> SOURCES <file>... [LINKS <library>...]): the
# library norv_<folder>, standard C++ only, linking the libraries whose
# headers it may include. tests/architecture reads the LINKS given here.
function(norv_logic_library folder)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SOURCES;LINKS")
  add_library(norv_${folder} STATIC ${arg_SOURCES})
  norv_include_root(norv_${folder} ${folder})
  target_link_libraries(norv_${folder} PUBLIC ${arg_LINKS})
endfunction()
