# Our own code builds warning-free; third-party code (GoogleTest) does not get these flags.
function(stockdraw_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 reports -Wrestrict inside <string> for plain std::string appends at -O2 (a known
    # false positive of that release); keep it visible but not fatal.
    target_compile_options(${target} PRIVATE -Wno-error=restrict)
  endif()
endfunction()
