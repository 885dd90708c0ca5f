# Reads CHANGELOG.md: "## VERSION (DATE)" headings, each over "- " items whose
# further lines are indented.  Sets, in the caller's scope:
#   CHANGELOG_VERSIONS  the versions, newest first
#   CHANGELOG_DATE_<v>  the date of each
#   CHANGELOG_ITEMS_<v> its items, one list element each, lines joined by blanks;
#                       a ";" in an item stands as CHANGELOG_SEMICOLON
set(CHANGELOG_SEMICOLON "%SEMICOLON%")
function(read_changelog file)
  file(READ ${file} text)
  string(REPLACE ";" "${CHANGELOG_SEMICOLON}" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(versions "")
  set(version "")
  foreach(line IN LISTS lines)
    if(line MATCHES "^## ([0-9]+\\.[0-9]+\\.[0-9]+) \\(([0-9]+-[0-9]+-[0-9]+)\\)$")
      set(version ${CMAKE_MATCH_1})
      list(APPEND versions ${version})
      set(CHANGELOG_DATE_${version} ${CMAKE_MATCH_2} PARENT_SCOPE)
      set(items_${version} "")
    elseif(version AND line MATCHES "^- (.*)$")
      list(APPEND items_${version} "${CMAKE_MATCH_1}")
    elseif(version AND line MATCHES "^  +(.*)$")
      list(POP_BACK items_${version} item)
      list(APPEND items_${version} "${item} ${CMAKE_MATCH_1}")
    endif()
  endforeach()
  foreach(version IN LISTS versions)
    set(CHANGELOG_ITEMS_${version} "${items_${version}}" PARENT_SCOPE)
  endforeach()
  set(CHANGELOG_VERSIONS ${versions} PARENT_SCOPE)
endfunction()
