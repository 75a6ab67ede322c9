# Warnings and sanitizers for our own targets. Call quor_target_options(<target>) on every
# target we compile; third-party headers come in as system includes and are not affected.
function(quor_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
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
