# Cross build for s390x Linux (s390x-linux-gnu): Debian's g++-s390x-linux-gnu, or any
# compiler for that target given as CMAKE_CXX_COMPILER.
set(CORPUS_TARGET_TRIPLE s390x-linux-gnu)
set(CORPUS_TARGET_PROCESSOR s390x)
set(CORPUS_QEMU s390x)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
