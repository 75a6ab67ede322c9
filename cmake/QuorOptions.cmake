# Warnings and sanitizers for our own targets. Call quor_target_options(<target>) on every
# target we compile; third-party headers come in as system includes and are not affected.
function(quor_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
  # GCC 12 at -O2/-O3 reports a false -Wrestrict overlap inside libstdc++'s std::string
  # concatenation (GCC bug 105329); keep it a warning rather than a build failure.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-error=restrict)
  endif()
endfunction()

if(QUOR_SANITIZE STREQUAL "address")
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
elseif(QUOR_SANITIZE STREQUAL "thread")
  add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
  add_link_options(-fsanitize=thread)
elseif(NOT QUOR_SANITIZE STREQUAL "")
  message(FATAL_ERROR "QUOR_SANITIZE must be empty, address or thread")
endif()
