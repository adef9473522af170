# Warnings are errors on our own targets; the sanitizer option applies to all of them.
function(qf_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wundef -Wnon-virtual-dtor -Woverloaded-virtual -Wpedantic -Werror)
  if(QF_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
