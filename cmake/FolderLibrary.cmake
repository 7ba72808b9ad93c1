# One library per source folder: NAME holds its portable files and builds everywhere, NAME_win its
# Win32 files (Windows builds only) and links NAME. A library sees only its own folder and the
# folders of the libraries it links, so an include that climbs or crosses a floor does not compile.
#
#   stockdraw_folder_library(NAME [PORTABLE files...] [WIN files...]
#                            [LINKS libs...] [WIN_LINKS libs...])
#
# LINKS are the portable libraries below it (linked by both parts), WIN_LINKS the Win32 parts and
# system libraries the Win32 part needs besides.
function(stockdraw_folder_library name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "PORTABLE;WIN;LINKS;WIN_LINKS")
  # The folder is reached through a directory of its own that holds only a link to it.
  set(root ${CMAKE_BINARY_DIR}/folders/${name})
  if(NOT IS_SYMLINK ${root}/${name})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR} ${root}/${name} SYMBOLIC)
  endif()

  add_library(${name} STATIC ${arg_PORTABLE})
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${arg_LINKS})
  stockdraw_warnings(${name})
  set_property(GLOBAL APPEND PROPERTY STOCKDRAW_PORTABLE_LIBRARIES ${name})
  target_link_libraries(core INTERFACE ${name})

  if(WIN32 AND arg_WIN)
    add_library(${name}_win STATIC ${arg_WIN})
    target_link_libraries(${name}_win PUBLIC ${name} ${arg_WIN_LINKS})
    stockdraw_warnings(${name}_win)
    target_link_libraries(winlib INTERFACE ${name}_win)
  endif()
endfunction()
