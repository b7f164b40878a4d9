# Warnings, sanitizers and the fuzz build's instrumentation, applied to every target of the tree.
add_compile_options(-Wall -Wextra -Werror)

if(VK_SANITIZE)
  set(VK_SANITIZER_FLAGS -fsanitize=address,undefined,float-cast-overflow -fno-sanitize-recover=all
      -fno-omit-frame-pointer)
  add_compile_options(${VK_SANITIZER_FLAGS})
  add_link_options(${VK_SANITIZER_FLAGS})
endif()

if(VK_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "VK_FUZZ needs clang (libFuzzer)")
  endif()
  set(VK_FUZZ_FLAGS -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  add_compile_options(${VK_FUZZ_FLAGS})
  add_link_options(-fsanitize=address,undefined)
endif()

# The engine's own messages are Shift-JIS bytes: the plug-ins' literals are encoded as CP932 by the
# compiler. clang only encodes UTF-8, so the fuzz build leaves the literals as they are.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  set(VK_CP932_LITERALS ON)
else()
  set(VK_CP932_LITERALS OFF)
endif()
