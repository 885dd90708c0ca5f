# Installs the game into a fresh prefix, makes it read-only and starts the installed program as a
# new player would, offscreen: it must find its data from where it lies, show the welcome message
# and keep what it writes in the player's data folder.  Root may write to read-only files, so for
# root the last check alone tells that the game keeps out of its installed folders.
set(prefix ${WORK}/prefix)
set(program ${prefix}/bin/kestrix)
set(home ${WORK}/home)
set(kept ${home}/data/Kestrix)

# A read-only tree from the last run must be made writable before it can go.
if(EXISTS ${WORK})
  file(CHMOD_RECURSE ${WORK} FILE_PERMISSIONS OWNER_READ OWNER_WRITE
       DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  file(REMOVE_RECURSE ${WORK})
endif()
# The build's manifest lists what the player installed, for uninstalling; this run keeps it.
set(manifest ${BUILD}/install_manifest.txt)
file(MAKE_DIRECTORY ${WORK})
if(EXISTS ${manifest})
  file(RENAME ${manifest} ${WORK}/install_manifest.txt)
endif()
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${prefix}
                OUTPUT_QUIET RESULT_VARIABLE result)
file(REMOVE ${manifest})
if(EXISTS ${WORK}/install_manifest.txt)
  file(RENAME ${WORK}/install_manifest.txt ${manifest})
endif()
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

file(GLOB_RECURSE assets LIST_DIRECTORIES false RELATIVE ${SOURCE}/assets ${SOURCE}/assets/*)
list(FILTER assets EXCLUDE REGEX "^icons/")
file(GLOB_RECURSE help LIST_DIRECTORIES false RELATIVE ${SOURCE} ${SOURCE}/help/*)
set(expected bin/kestrix share/applications/org.kestrix.Kestrix.desktop share/man/man6/kestrix.6.gz
             share/metainfo/org.kestrix.Kestrix.metainfo.xml share/doc/kestrix/copyright share/doc/kestrix/changelog.gz)
foreach(name IN LISTS assets help)
  list(APPEND expected share/kestrix/${name})
endforeach()
foreach(size 16 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/kestrix.png)
endforeach()
foreach(name IN LISTS expected)
  if(NOT EXISTS ${prefix}/${name})
    list(APPEND missing ${name})
  endif()
endforeach()
if(missing)
  message(FATAL_ERROR "Not installed: ${missing}")
endif()

file(CHMOD_RECURSE ${prefix} FILE_PERMISSIONS OWNER_READ GROUP_READ WORLD_READ
     DIRECTORY_PERMISSIONS OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(CHMOD ${program} PERMISSIONS OWNER_READ OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(GLOB_RECURSE installed LIST_DIRECTORIES true ${prefix}/*)

# Options: arguments, exit code, and what stdout and stderr must hold.
set(options "--version|0|^Kestrix ${VERSION}\n$|^$" "--help|0|--screenshot <file>|^$"
            "--no-such-option|2|^$|Usage: ")
foreach(case IN LISTS options)
  string(REPLACE "|" ";" case "${case}")
  list(GET case 0 argument)
  list(GET case 1 code)
  list(GET case 2 out_pattern)
  list(GET case 3 err_pattern)
  execute_process(COMMAND ${program} ${argument} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL code OR NOT out MATCHES "${out_pattern}" OR NOT err MATCHES "${err_pattern}")
    message(FATAL_ERROR "kestrix ${argument} exited ${result}, wrote\n${out}\nand\n${err}")
  endif()
endforeach()

execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen HOME=${home} XDG_DATA_HOME=${home}/data
                        ${program} --screenshot ${WORK}/screen.png
                RESULT_VARIABLE result ERROR_VARIABLE err TIMEOUT 60)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The installed game exited ${result}:\n${err}")
endif()
execute_process(COMMAND ${SHOWS_PICTURE} ${WORK}/screen.png ${prefix}/share/kestrix/popup.jpg
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "The welcome message is not on the screen: see ${WORK}/screen.png")
endif()

if(NOT EXISTS ${kept}/skinfolder.ehf)
  message(FATAL_ERROR "The skin setting is not in the player's data folder ${kept}")
endif()
file(STRINGS ${kept}/skinfolder.ehf skin REGEX "^SkinFolder=" ENCODING UTF-8)
string(REGEX REPLACE "^SkinFolder=|\r$" "" skin "${skin}")
if(NOT skin STREQUAL "${prefix}/share/kestrix")
  message(FATAL_ERROR "The skin setting names ${skin}, not ${prefix}/share/kestrix")
endif()
file(GLOB_RECURSE after LIST_DIRECTORIES true ${prefix}/*)
if(NOT after STREQUAL installed)
  list(REMOVE_ITEM after ${installed})
  message(FATAL_ERROR "The game wrote into its installed folders: ${after}")
endif()
