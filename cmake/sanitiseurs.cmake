# The sanitizer build (outils/tester-sanitiseurs): every program, library
# and test built with AddressSanitizer and UndefinedBehaviorSanitizer, any
# undefined behaviour ending the run at once. Off in the ordinary build.
option(CHAOS_SANITISEURS "Build everything with the address and undefined-behaviour sanitizers" OFF)

if(CHAOS_SANITISEURS)
  set(CHAOS_DRAPEAUX_SAN -fsanitize=address,undefined -fno-omit-frame-pointer
                         -fno-sanitize-recover=undefined)
  # A double too large for the integer it is converted to is undefined too;
  # not every compiler checks it, so it is added only where one does.
  include(CheckCXXSourceCompiles)
  set(CMAKE_REQUIRED_FLAGS "-fsanitize=float-cast-overflow")
  set(CMAKE_REQUIRED_LINK_OPTIONS -fsanitize=float-cast-overflow)
  check_cxx_source_compiles("int main(int c, char **) { return int(c * 1e300); }"
                            CHAOS_FLOAT_CAST_OVERFLOW)
  unset(CMAKE_REQUIRED_FLAGS)
  unset(CMAKE_REQUIRED_LINK_OPTIONS)
  if(CHAOS_FLOAT_CAST_OVERFLOW)
    list(APPEND CHAOS_DRAPEAUX_SAN -fsanitize=float-cast-overflow)
  endif()
  add_compile_options(${CHAOS_DRAPEAUX_SAN})
  add_link_options(${CHAOS_DRAPEAUX_SAN})
endif()
