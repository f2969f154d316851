# Warning flags shared by every Kestrelle target: the tree stays free of warnings on GCC, Clang and MSVC.
function(kestrelle_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /permissive- /utf-8)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion)
    # GCC before 14 also warns for members left out of a designated initializer, the way the window
    # layouts are written (those members have default initialisers).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
      target_compile_options(${target} PRIVATE -Wno-missing-field-initializers)
    endif()
  endif()
endfunction()

# Sanitizers for the native test build; applied to the portable core and everything linking it.
function(kestrelle_sanitize target)
  if(KESTRELLE_SANITIZE AND NOT MSVC AND NOT WIN32)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()
