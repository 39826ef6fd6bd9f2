# SPDX-License-Identifier: GPL-3.0-or-later
# Every formula is evaluated one operation at a time, each rounded to double:
# no fused multiply-add, no reassociation.
add_compile_options(-ffp-contract=off -fno-fast-math)
add_compile_options(-Wall -Wextra -Wpedantic)

option(NORV_WERROR "Treat warnings as errors" OFF)
if(NORV_WERROR)
  add_compile_options(-Werror)
endif()

# A build for the sanitizers: every test once more, failing on any report.
option(NORV_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
# A build for coverage-guided fuzzing with libFuzzer (clang).
option(NORV_FUZZ "Build the fuzz target (clang)" OFF)
if(NORV_SANITIZE OR NORV_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()
if(NORV_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
