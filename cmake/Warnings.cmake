# Warnings in our own code; third-party headers come in as system headers. Our own builds
# (the Makefile's and CI's) turn them into errors with LUMARET_WERROR; a packager's or a
# user's build with another compiler version is never refused for a warning.
option(LUMARET_WERROR "Treat compiler warnings as errors" OFF)

function(lumaret_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(LUMARET_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
