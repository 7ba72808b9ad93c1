# Delay-loaded system DLLs for the 64-bit build: the program calls into shell32 and ole32 only for
# a grab, a browse or a link, so it loads them on the first such call instead of at every start.
# Each DLL gets an import library made from the toolchain's own (every export it lists), whose calls
# load the DLL when first made.
#   stockdraw_delay_load_library(shell32 VAR)  sets VAR to the library to link instead of shell32
function(stockdraw_delay_load_library dll out_var)
  find_library(STOCKDRAW_IMPORT_${dll} NAMES lib${dll}.a REQUIRED)
  set(def ${CMAKE_BINARY_DIR}/delayload/${dll}.def)
  set(library ${CMAKE_BINARY_DIR}/delayload/lib${dll}_delay.a)
  if(NOT EXISTS ${library} OR ${STOCKDRAW_IMPORT_${dll}} IS_NEWER_THAN ${library}
     OR ${CMAKE_CURRENT_FUNCTION_LIST_FILE} IS_NEWER_THAN ${library})
    execute_process(COMMAND ${CMAKE_NM} ${STOCKDRAW_IMPORT_${dll}} OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
    # 64-bit only: the 32-bit thunks do not work (see CMakeLists.txt).
    string(REGEX MATCHALL " I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
    list(TRANSFORM imports REPLACE " I __imp_" "")
    list(REMOVE_DUPLICATES imports)
    list(JOIN imports "\n" exports)
    file(WRITE ${def} "LIBRARY ${dll}.dll\nEXPORTS\n${exports}\n")
    execute_process(COMMAND ${CMAKE_DLLTOOL} -d ${def} -y ${library} COMMAND_ERROR_IS_FATAL ANY)
  endif()
  set(${out_var} ${library} PARENT_SCOPE)
endfunction()
