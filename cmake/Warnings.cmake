# Our own code builds warning-free; third-party code (GoogleTest) does not get these flags.
function(stockdraw_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()
