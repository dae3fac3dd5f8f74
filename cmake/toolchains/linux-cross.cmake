# The shared part of the cross toolchain files: a Linux target named by
# CORPUS_TARGET_TRIPLE (set by the file that includes this one), built by
# Debian's cross g++ for it (<triple>-g++) unless CMAKE_CXX_COMPILER names
# another compiler. clang++ works as well, with the same libraries:
#   cmake -S . -B build-aarch64-clang -G Ninja -DCORPUS_TESTS=OFF \
#     --toolchain cmake/toolchains/aarch64.cmake -DCMAKE_CXX_COMPILER=clang++
# (CMake passes --target=<triple> to clang; g++ ignores it). The libraries
# and headers are those that Debian's cross packages put in /usr/<triple>.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR ${CORPUS_TARGET_PROCESSOR})
if(NOT CMAKE_CXX_COMPILER)
  set(CMAKE_CXX_COMPILER ${CORPUS_TARGET_TRIPLE}-g++)
endif()
set(CMAKE_CXX_COMPILER_TARGET ${CORPUS_TARGET_TRIPLE})
set(CMAKE_FIND_ROOT_PATH /usr/${CORPUS_TARGET_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# How to run the target's programs on this machine: qemu-user with the
# target's libraries (the harness adds -0 to keep the invocation name).
set(CMAKE_CROSSCOMPILING_EMULATOR qemu-${CORPUS_QEMU} -L /usr/${CORPUS_TARGET_TRIPLE})
