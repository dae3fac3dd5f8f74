# Cross build for i686 Linux (i686-linux-gnu): Debian's g++-i686-linux-gnu, or any
# compiler for that target given as CMAKE_CXX_COMPILER.
set(CORPUS_TARGET_TRIPLE i686-linux-gnu)
set(CORPUS_TARGET_PROCESSOR i686)
set(CORPUS_QEMU i386)
include(${CMAKE_CURRENT_LIST_DIR}/linux-cross.cmake)
