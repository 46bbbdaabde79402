# Debian's hardening: what dpkg-buildflags gives with hardening=+all on
# Debian 12, on amd64, arm64 and armhf alike, plus the stack clash
# protection and, on x86, the control-flow protection of later Debian
# releases. An overflow of a stack buffer or a stack grown past its guard
# page ends the program instead of running on, and the loader resolves every
# symbol at start and then makes its tables read-only. None of it changes a
# floating-point operation, so the arithmetic keeps its bits.
include(CheckPIESupported)
check_pie_supported()
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
add_compile_options(-fstack-clash-protection -Wformat -Werror=format-security -Wdate-time)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i.86)$")
  add_compile_options(-fcf-protection)
endif()
# Left out of the sanitizer build, whose own checks cover the same faults:
# glibc's checked string functions would hide those calls from them, and
# GCC 12's stack canary in a frame realigned for 64-byte vectors reads a
# wild address once ASan moves the frame to its fake stack (ramelle's
# AVX-512 sweep). The checked functions need the optimiser, too.
if(NOT CHAOS_SANITISEURS)
  add_compile_options(-fstack-protector-strong)
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()
add_link_options(LINKER:-z,relro LINKER:-z,now)

# No folder of the machine that built them in the binaries (debug data,
# file names in macros), so that the same commit gives the same bytes
# wherever it is built. GCC tries the last map first: a build folder inside
# the sources is named by its own map.
add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                    -ffile-prefix-map=${PROJECT_BINARY_DIR}=build)
