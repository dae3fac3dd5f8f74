# Cross build for riscv64 Linux (riscv64-linux-gnu): Debian's g++-riscv64-linux-gnu, or any
# compiler for that target given as CMAKE_CXX_COMPILER.
set(CORPUS_TARGET_TRIPLE riscv64-linux-gnu)
set(CORPUS_TARGET_PROCESSOR riscv64)
set(CORPUS_QEMU riscv64)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
