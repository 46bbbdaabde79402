# Toolchain file of the cross builds, on a Debian amd64 host with the
# libraries of Debian's multiarch (outils/installer sets them up), for the
# Debian architecture CROISE (arm64, armhf, i386, ppc64el; s390x and armel
# with CHAOS_FENETRES off):
#   cmake -S . -B build-ARCH --toolchain cmake/croise.cmake -DCROISE=ARCH
# The compilers' own defaults are Debian's baselines there (armhf's
# ARMv7-A, VFPv3-D16 and no NEON, i386's i686), which every such machine
# has: no -march nor -mfpu here. Programs and tests run under qemu-user.
set(CMAKE_TRY_COMPILE_PLATFORM_VARIABLES CROISE)
set(CMAKE_SYSTEM_NAME Linux)
# What dpkg-architecture tells of CROISE: DEB_HOST_<variable>.
function(architecture variable resultat)
  execute_process(COMMAND dpkg-architecture -a${CROISE} -qDEB_HOST_${variable} OUTPUT_VARIABLE valeur
                  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET COMMAND_ERROR_IS_FATAL ANY)
  set(${resultat} ${valeur} PARENT_SCOPE)
endfunction()
# The GNU triplet, the compilers' prefix, its processor, and the multiarch
# folder (for i386: i686-linux-gnu, i686 and i386-linux-gnu).
architecture(GNU_TYPE triplet)
architecture(GNU_CPU processeur)
architecture(MULTIARCH multiarch)
set(CMAKE_SYSTEM_PROCESSOR ${processeur})
set(CMAKE_C_COMPILER ${triplet}-gcc)
set(CMAKE_CXX_COMPILER ${triplet}-g++)

# No sysroot: multiarch keeps the target's libraries beside the host's,
# under /usr/lib/MULTIARCH, which the compiler and CMake search already.
# pkg-config has to read the target's .pc files only, never the host's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${multiarch}/pkgconfig:/usr/share/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# The dynamic loader and the libraries are looked up from the real root:
# with the cross-compiler's own prefix (/usr/TRIPLET) the toolkit loads a
# mix of libraries and its programs spin without a window. That prefix
# serves only where multiarch has no C library of the architecture: the
# arithmetic alone. qemu names the processors as GNU does, but for 32-bit
# ARM, little-endian POWER and i386. i386's programs run under qemu too:
# a 64-bit kernel may well lack the 32-bit system calls (this machine's
# does).
set(prefixe /)
if(NOT EXISTS /usr/lib/${multiarch}/libc.so.6)
  set(prefixe /usr/${triplet})
endif()
set(qemu ${processeur})
if(processeur MATCHES "^arm")
  set(qemu arm)
elseif(processeur STREQUAL powerpc64le)
  set(qemu ppc64le)
elseif(processeur STREQUAL i686)
  set(qemu i386)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${qemu};-L;${prefixe})
