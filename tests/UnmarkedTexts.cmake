# No words reach the player unmarked: every string of src/ with two words in
# it is marked with N_() for the catalogue, or is one of the texts below.
# Run as cmake -DSRC=<src dir> -P.
cmake_policy(SET CMP0057 NEW)
set(allowed
  # The game's own lines, printed as they have always been.
  "\"Unable to open options file!\\n\"" "\"Unable to open file\"" "\"=== WARNING: Anim-File for \""
  "\" at Keyframe \"" "\" not found! ===\"" "\"Failed To Open The AVI Stream\"" "\"Failed To Open The AVI Frame\""
  # The saved game's own comment line, and mistakes in a level's table, which
  # the tests meet long before any player could.
  "\"\\n# Where the player left Korvel, one fact a line.\\n\"" "\"is an obstacle without a box\""
  "\"is animated without moves\"" "\"is named twice\"" "\" has no object \\\"\""
  "\"\\\" of the kind its script asks for\""
)

get_filename_component(SRC ${SRC} ABSOLUTE)
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(unmarked)
foreach(file IN LISTS files)
  file(READ ${SRC}/${file} text)
  string(REGEX REPLACE "//[^\n]*" "" text "${text}")
  string(REGEX REPLACE "N_\\(([ \t\r\n]*\"([^\"\\\\]|\\\\.)*\")+" "N_(" text "${text}")
  string(REGEX MATCHALL "\"([^\"\\\\\n]|\\\\.)*\"" literals "${text}")
  foreach(literal IN LISTS literals)
    if(literal MATCHES "[a-z][a-z]+ [a-z][a-z]+" AND NOT literal IN_LIST allowed)
      list(APPEND unmarked "${file}: ${literal}")
    endif()
  endforeach()
endforeach()
if(unmarked)
  list(JOIN unmarked "\n  " unmarked)
  message(FATAL_ERROR "Texts not marked for translation:\n  ${unmarked}")
endif()
