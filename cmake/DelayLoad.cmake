# Delay-loaded system DLLs: the program calls into shell32 and ole32 only for a grab, a browse or
# a link, so it loads them on the first such call instead of at every start. Each DLL gets an
# import library made from the toolchain's own (every export it lists), whose calls load the DLL
# when first made.
#   stockdraw_delay_load_library(shell32 VAR)  sets VAR to the library to link instead of shell32
function(stockdraw_delay_load_library dll out_var)
  find_library(STOCKDRAW_IMPORT_${dll} NAMES lib${dll}.a REQUIRED)
  set(def ${CMAKE_BINARY_DIR}/delayload/${dll}.def)
  set(library ${CMAKE_BINARY_DIR}/delayload/lib${dll}_delay.a)
  if(NOT EXISTS ${library} OR ${STOCKDRAW_IMPORT_${dll}} IS_NEWER_THAN ${library}
     OR ${CMAKE_CURRENT_FUNCTION_LIST_FILE} IS_NEWER_THAN ${library})
    execute_process(COMMAND ${CMAKE_NM} ${STOCKDRAW_IMPORT_${dll}} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    # 32-bit import symbols carry one more leading underscore and the stdcall size (@16): dlltool
    # keeps the size for linking and, with -k, imports the plain name.
    if(CMAKE_SIZEOF_VOID_P EQUAL 4)
      set(prefix "__imp__")
      set(kill_at -k)
    else()
      set(prefix "__imp_")
      set(kill_at)
    endif()
    string(REGEX MATCHALL " I ${prefix}[A-Za-z0-9_@?$]+" imports "${symbols}")
    list(TRANSFORM imports REPLACE " I ${prefix}" "")
    list(REMOVE_DUPLICATES imports)
    list(JOIN imports "\n" exports)
    file(WRITE ${def} "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
    execute_process(COMMAND ${CMAKE_DLLTOOL} ${kill_at} -d ${def} -y ${library} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(${out_var} ${library} PARENT_SCOPE)
endfunction()
