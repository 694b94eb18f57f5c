# SPDX-License-Identifier: GPL-3.0-or-later
# The usual hardening of optimised builds: checked buffer functions, stack protector, full RELRO
# (the relocations are resolved at start and made read-only). Position-independent executables
# are switched on beside this, for every build type. Debug builds go without these, since
# _FORTIFY_SOURCE needs the optimiser; sanitizer builds too, since the sanitizers check the same
# calls themselves.

# Level 3 checks sizes the compiler only knows at run time; GCC 12 and Clang 9 know how.
set(brindlecast_fortify 2)
if((CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 12)
   OR (CMAKE_CXX_COMPILER_ID STREQUAL "Clang" AND CMAKE_CXX_COMPILER_VERSION VERSION_GREATER_EQUAL 9))
    set(brindlecast_fortify 3)
endif()

set(optimised "$<CONFIG:Release,RelWithDebInfo,MinSizeRel>")
# Undefined first: a level already set by the environment's flags would otherwise be redefined.
add_compile_options("$<${optimised}:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=${brindlecast_fortify}>"
                    "$<${optimised}:-fstack-protector-strong>")
add_link_options("$<${optimised}:LINKER:-z,relro,-z,now>")
