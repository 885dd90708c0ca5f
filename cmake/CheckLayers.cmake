# The engine's folders form a stack, from the ground up; a folder includes only
# the folders on its own floor and below.  Included by the build for the list
# of folders; run with -DROOT=<source folder> -P, it fails when a file of the
# engine includes a folder above its own, or one outside the engine.
set(KESTRIX_ENGINE_FLOORS
  "core platform" # the game's state, windows and shared procedures; the window system's interface
  servers         # the files of a connected server
  records         # what the game remembers of itself: the messages, the ledger and the ending
  storage         # what the game keeps: entry files, saved games, the top ten, settings, skins
  economy         # the pager, finances, the shop and the daily events
  terminal        # the terminal, connecting, its commands and payments
  shell)          # the main window's commands, the day cycle, the menu and the credits

if(NOT CMAKE_SCRIPT_MODE_FILE)
  return()
endif()
cmake_policy(SET CMP0057 NEW)
set(allowed "")
set(upward "")
foreach(floor IN LISTS KESTRIX_ENGINE_FLOORS)
  separate_arguments(folders UNIX_COMMAND "${floor}")
  list(APPEND allowed ${folders})
  foreach(folder IN LISTS folders)
    file(GLOB files ${ROOT}/${folder}/*.h ${ROOT}/${folder}/*.cpp)
    foreach(file IN LISTS files)
      file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
      foreach(include IN LISTS includes)
        string(REGEX MATCH "\"([^\"/]+)/" ignored "${include}")
        if(NOT CMAKE_MATCH_1 IN_LIST allowed)
          file(RELATIVE_PATH name ${ROOT} ${file})
          list(APPEND upward "${name}: ${include}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()
if(upward)
  list(JOIN upward "\n  " upward)
  message(FATAL_ERROR "These engine files include a folder above their own (the stack is in "
                      "cmake/CheckLayers.cmake):\n  ${upward}")
endif()
