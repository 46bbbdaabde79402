# i386: Debian's baseline there is the i686, whose floating point is the
# x87's, each operation done in 80 bits and rounded again when stored:
# not the IEEE double arithmetic that both pictures are defined by. So
# every unit is built for SSE2's doubles, but for the start-up code
# (commun/demarrage.cpp and each main.cpp), built for the baseline itself,
# which checks the processor before anything else runs and tells a user
# whose processor lacks SSE2 instead of drawing (demarrage.h). Calls into
# the C library return their doubles in x87 registers: exact loads and
# stores of a double, which change no bit.
include(CheckCXXSourceCompiles)
check_cxx_source_compiles("#ifndef __i386__\n#error not i386\n#endif\nint main() {}" CHAOS_I386)
# What the start-up units are built with (their COMPILE_OPTIONS).
set(DEMARRAGE_OPTIONS "")
if(CHAOS_I386)
  add_compile_options(-msse2 -mfpmath=sse)
  set(DEMARRAGE_OPTIONS -mno-sse -mfpmath=387)
endif()

