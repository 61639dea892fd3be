# Includes run one way: a folder of src/ includes its own headers and those of
# the layers below it, never one above. Run as cmake -DSRC=<src dir> -P.
set(layers platform scene model effects game levels app)
# The upward includes the design keeps ("file:included" patterns):
set(kept
  # the game manager holds the six levels by value and reads their tables
  "^game/GameManager\\.h:levels/Level[1-6]\\.h$"
  "^game/GameManager\\.cpp:levels/LevelLayouts\\.h$"
  # a model node may draw a particle system instead of a model; it holds
  # both kinds by value
  "^model/ModelNode\\.h:effects/Particle(Sheet|Spray)\\.h$")

get_filename_component(SRC ${SRC} ABSOLUTE)
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*.h ${SRC}/*.cpp)
set(wrong)
foreach(file IN LISTS files)
  string(REGEX MATCH "^[^/]+" from ${file})
  list(FIND layers ${from} from_rank)
  file(STRINGS ${SRC}/${file} includes REGEX "^#include \"[^\"/]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^#include \"(([^\"/]+)/[^\"]+)\".*" "\\1;\\2" target "${line}")
    list(GET target 0 included)
    list(GET target 1 to)
    list(FIND layers ${to} to_rank)
    if(from_rank LESS 0 OR to_rank LESS 0 OR to_rank GREATER from_rank)
      set(pair "${file}:${included}")
      set(listed FALSE)
      foreach(pattern IN LISTS kept)
        if(pair MATCHES "${pattern}")
          set(listed TRUE)
        endif()
      endforeach()
      if(NOT listed)
        list(APPEND wrong "${pair}")
      endif()
    endif()
  endforeach()
endforeach()
if(wrong)
  list(JOIN wrong "\n  " wrong)
  message(FATAL_ERROR "Includes against the layers (${layers}):\n  ${wrong}")
endif()
