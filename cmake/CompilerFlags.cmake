# SPDX-License-Identifier: GPL-3.0-or-later
# Every formula is evaluated one operation at a time, each rounded to double:
# no fused multiply-add, no reassociation.
add_compile_options(-ffp-contract=off -fno-fast-math)
add_compile_options(-Wall -Wextra -Wpedantic)

option(NORV_WERROR "Treat warnings as errors" OFF)
if(NORV_WERROR)
  add_compile_options(-Werror)
endif()
