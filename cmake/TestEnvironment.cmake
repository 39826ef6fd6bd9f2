# SPDX-License-Identifier: GPL-3.0-or-later
# A test that starts Qt, a script or a tool runs through norv_add_test: it
# gets a private home, temporary and runtime folder that is removed after it
# (tests/isolated.sh), so it leaves nothing on the machine and reads nothing
# of the user's; it sets what it needs and clears what the caller's session
# could slip in: another platform, style, scale, input method, locale or
# sanitizer setting would test another program than the one a user gets, or
# hide a fault. (The logic tests read no environment and write nothing.)
include_guard(GLOBAL)

set(NORV_TEST_CLEARED_ENVIRONMENT
  QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_QPA_GENERIC_PLUGINS
  QT_PLUGIN_PATH QT_QPA_PLATFORM_PLUGIN_PATH QT_QPA_FONTDIR
  QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING
  QT_SCALE_FACTOR_ROUNDING_POLICY QT_FONT_DPI QT_USE_PHYSICAL_DPI
  QT_IM_MODULE XMODIFIERS QT_ACCESSIBILITY QT_LINUX_ACCESSIBILITY_ALWAYS_ON
  DISPLAY WAYLAND_DISPLAY XAUTHORITY DBUS_SESSION_BUS_ADDRESS
  LANG LANGUAGE LC_ALL LC_NUMERIC LC_CTYPE LC_MESSAGES
  GTEST_FILTER GTEST_ALSO_RUN_DISABLED_TESTS
  ASAN_OPTIONS UBSAN_OPTIONS LSAN_OPTIONS)

# norv_add_test(NAME <name> COMMAND <command> <arg>... [ENVIRONMENT <name>=<value>...])
# Like add_test, with the command run isolated, every variable above cleared,
# then LC_ALL=C.UTF-8 and the given variables set. Give a target's file as
# $<TARGET_FILE:target>.
function(norv_add_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "COMMAND;ENVIRONMENT")
  add_test(NAME ${arg_NAME} COMMAND ${PROJECT_SOURCE_DIR}/tests/isolated.sh ${arg_COMMAND})
  set(changes "")
  foreach(name IN LISTS NORV_TEST_CLEARED_ENVIRONMENT)
    list(APPEND changes "${name}=unset:")
  endforeach()
  set(wanted "LC_ALL=C.UTF-8")
  if(NORV_SANITIZE)
    # Leaks of the desktop's libraries, not Norv's (see the file).
    list(APPEND wanted "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0")
  endif()
  foreach(pair IN LISTS wanted arg_ENVIRONMENT)
    string(FIND "${pair}" "=" at)
    string(SUBSTRING "${pair}" 0 ${at} name)
    math(EXPR at "${at} + 1")
    string(SUBSTRING "${pair}" ${at} -1 value)
    list(APPEND changes "${name}=set:${value}")
  endforeach()
  set_tests_properties(${arg_NAME} PROPERTIES ENVIRONMENT_MODIFICATION "${changes}")
endfunction()
