# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the folders' dependencies against the links each library declares:
# the links have no cycle; every include names a header of its own folder or
# of a folder its library links, directly or through others; the logic
# includes no Qt. Run as: cmake -DSOURCE_DIR=<dir> -DLOGIC=<folders> -P <this>.
cmake_minimum_required(VERSION 3.25)
set(problems "")

# Direct links of each logic folder, from its norv_logic_library() call; the
# user interface sits above all of the logic.
foreach(folder IN LISTS LOGIC)
  file(READ ${SOURCE_DIR}/${folder}/CMakeLists.txt text)
  set(links "")
  if(text MATCHES "norv_logic_library\\(${folder}[^)]*LINKS([^)]*)SOURCES")
    string(REGEX MATCHALL "norv_[a-z_]+" links "${CMAKE_MATCH_1}")
  endif()
  list(TRANSFORM links REPLACE "^norv_" "")
  set(links_${folder} ${links})
endforeach()
set(links_ui ${LOGIC})

# Everything a folder reaches through its links, and no path back to itself.
foreach(folder IN LISTS LOGIC ITEMS ui)
  set(reach_${folder} "")
  set(queue ${links_${folder}})
  while(queue)
    list(POP_FRONT queue next)
    if(next STREQUAL folder)
      list(APPEND problems "the links lead from ${folder} back to itself")
      break()
    elseif(NOT next IN_LIST reach_${folder})
      list(APPEND reach_${folder} ${next})
      list(APPEND queue ${links_${next}})
    endif()
  endwhile()
endforeach()

foreach(folder IN LISTS LOGIC ITEMS ui)
  file(GLOB files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/${folder}/*.h ${SOURCE_DIR}/${folder}/*.cpp
       ${SOURCE_DIR}/${folder}/*.in)
  foreach(file IN LISTS files)
    file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      if(line MATCHES "include[ \t]*\"([^\"]+)\"")
        set(header ${CMAKE_MATCH_1})
        if(header MATCHES "\\.\\.")
          list(APPEND problems "${file}: ${header} climbs out of its folder")
        elseif(header MATCHES "^([^/]+)/")
          if(NOT CMAKE_MATCH_1 STREQUAL folder AND NOT CMAKE_MATCH_1 IN_LIST reach_${folder})
            list(APPEND problems "${file}: ${header}, but ${folder} does not link ${CMAKE_MATCH_1}")
          endif()
        elseif(NOT EXISTS ${SOURCE_DIR}/${folder}/${header} AND NOT EXISTS ${SOURCE_DIR}/${folder}/${header}.in)
          list(APPEND problems "${file}: ${header} is not in ${folder}")
        endif()
      elseif(line MATCHES "include[ \t]*<(Q[^>]*)>" AND NOT folder STREQUAL "ui")
        list(APPEND problems "${file}: <${CMAKE_MATCH_1}> in the logic, which uses the standard library only")
      endif()
    endforeach()
  endforeach()
endforeach()

if(problems)
  list(JOIN problems "\n  " report)
  message(FATAL_ERROR "Dependencies against their direction:\n  ${report}")
endif()
