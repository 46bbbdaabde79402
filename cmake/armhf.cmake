# Cross build for armhf (32-bit ARMv7 with hard floating point: a Raspberry
# Pi 2, 3 or 4 on a 32-bit system) on a Debian amd64 host, with the armhf
# libraries of Debian's multiarch:
#   cmake -S . -B build-armhf --toolchain cmake/armhf.cmake
# The compiler's own defaults are Debian's baseline there (ARMv7-A, Thumb-2,
# VFPv3-D16, no NEON), which every such board has: no -mfpu here.
set(CMAKE_SYSTEM_PROCESSOR arm)
set(CROISE_TRIPLET arm-linux-gnueabihf)
set(CROISE_QEMU qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/croise.cmake)
