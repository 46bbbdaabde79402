# Cross build for arm64 (aarch64) on a Debian amd64 host, with the arm64
# libraries of Debian's multiarch (outils/installer sets them up):
#   cmake -S . -B build-aarch64 --toolchain cmake/aarch64.cmake
# Programs and tests run under qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CMAKE_C_COMPILER aarch64-linux-gnu-gcc)
set(CMAKE_CXX_COMPILER aarch64-linux-gnu-g++)

# No sysroot: multiarch keeps the arm64 libraries beside the host's, under
# /usr/lib/aarch64-linux-gnu, which the compiler and CMake search already.
# pkg-config has to read the arm64 .pc files only, never the host's.
set(ENV{PKG_CONFIG_LIBDIR} /usr/lib/aarch64-linux-gnu/pkgconfig:/usr/share/pkgconfig)
set(ENV{PKG_CONFIG_PATH} "")

# The dynamic loader and the libraries are looked up from the real root:
# with the cross-compiler's own prefix (/usr/aarch64-linux-gnu) the toolkit
# loads a mix of libraries and its programs spin without a window.
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-aarch64;-L;/)
