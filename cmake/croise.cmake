# What the cross builds share, on a Debian amd64 host with the libraries of
# Debian's multiarch (outils/installer sets them up); each toolchain file
# (cmake/aarch64.cmake, cmake/armhf.cmake) names its CMAKE_SYSTEM_PROCESSOR,
# its GNU triplet CROISE_TRIPLET and its emulator CROISE_QEMU, then
# includes this one. Programs and tests run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_C_COMPILER ${CROISE_TRIPLET}-gcc)
set(CMAKE_CXX_COMPILER ${CROISE_TRIPLET}-g++)

# No sysroot: multiarch keeps the target's libraries beside the host's,
# under /usr/lib/TRIPLET, which the compiler and CMake search already.
# pkg-config has to read the target's .pc files only, never the host's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/${CROISE_TRIPLET}/pkgconfig:/usr/share/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# The dynamic loader and the libraries are looked up from the real root:
# with the cross-compiler's own prefix (/usr/TRIPLET) the toolkit loads a
# mix of libraries and its programs spin without a window.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CROISE_QEMU};-L;/)
