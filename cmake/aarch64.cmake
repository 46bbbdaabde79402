# Cross build for arm64 (aarch64) on a Debian amd64 host, with the arm64
# libraries of Debian's multiarch:
#   cmake -S . -B build-aarch64 --toolchain cmake/aarch64.cmake
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(CROISE_TRIPLET aarch64-linux-gnu)
set(CROISE_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/croise.cmake)
