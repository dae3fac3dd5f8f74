# Cross build for aarch64 Linux (aarch64-linux-gnu): Debian's g++-aarch64-linux-gnu, or any
# compiler for that target given as CMAKE_CXX_COMPILER.
set(CORPUS_TARGET_TRIPLE aarch64-linux-gnu)
set(CORPUS_TARGET_PROCESSOR aarch64)
set(CORPUS_QEMU aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
