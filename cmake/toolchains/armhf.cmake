# Cross build for armhf Linux (arm-linux-gnueabihf): Debian's g++-arm-linux-gnueabihf, or any
# compiler for that target given as CMAKE_CXX_COMPILER.
set(CORPUS_TARGET_TRIPLE arm-linux-gnueabihf)
set(CORPUS_TARGET_PROCESSOR arm)
set(CORPUS_QEMU arm)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
