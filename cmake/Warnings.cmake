# Warning flags for the project's own targets (not for GoogleTest or libjpeg).
function(launcher_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wshadow)
  if(LAUNCHER_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# Address and undefined-behaviour sanitizers for native builds.
function(launcher_sanitize target)
  if(LAUNCHER_SANITIZE AND NOT WIN32)
    target_compile_options(${target} PUBLIC -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} PUBLIC -fsanitize=address,undefined)
  endif()
endfunction()

# A Windows program that needs no DLL beyond those of Windows itself.
# Release builds are optimised for size and stripped.
function(launcher_windows_exe target)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
  target_link_options(${target} PRIVATE $<$<CONFIG:Release,MinSizeRel>:-s>)
endfunction()
