# Holds the layering of src/: every include of a project header runs downward
# in this order of folders. Folders of one layer may include each other; a
# file directly in src/ (main and the start-up) stands in the top layer.
# Run as: cmake -DSOURCE_DIR=<src> -P check_include_layers.cmake
set(KELM_LAYERS
    "platform"
    "texts"
    "utils"
    "link"
    "sub"
    "toolkit"
    "commands"
    "alarms menus mml"
    "shell"
    "monitoring main")

# Includes allowed to reach up, as file:folder (none: keep it so).
set(KELM_LAYER_EXCEPTIONS "")

if(NOT SOURCE_DIR)
  message(FATAL_ERROR "SOURCE_DIR is not set")
endif()

set(rank 0)
foreach(layer ${KELM_LAYERS})
  string(REPLACE " " ";" folders "${layer}")
  foreach(folder ${folders})
    set(rank_${folder} ${rank})
  endforeach()
  math(EXPR rank "${rank} + 1")
endforeach()

set(violations "")
file(GLOB_RECURSE files RELATIVE ${SOURCE_DIR} ${SOURCE_DIR}/*.h ${SOURCE_DIR}/*.cpp)
foreach(file ${files})
  if(file MATCHES "/")
    string(REGEX REPLACE "/.*" "" own "${file}")
  else()
    set(own "main")
  endif()
  if(NOT DEFINED rank_${own})
    list(APPEND violations "${file}: folder ${own} is in no layer")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"")
  foreach(line ${includes})
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^\"]*)\".*" "\\1" path "${line}")
    if(path MATCHES "/")
      string(REGEX REPLACE "/.*" "" folder "${path}")
    else()
      set(folder "main")
    endif()
    if(NOT DEFINED rank_${folder})
      continue()  # not a folder of src/
    endif()
    if(rank_${folder} GREATER rank_${own})
      list(FIND KELM_LAYER_EXCEPTIONS "${file}:${folder}" known)
      if(known EQUAL -1)
        list(APPEND violations "${file} includes ${path}, a higher layer")
      endif()
    endif()
  endforeach()
endforeach()

if(violations)
  string(REPLACE ";" "\n  " text "${violations}")
  message(FATAL_ERROR "Includes against the layer order:\n  ${text}")
endif()
message(STATUS "Includes follow the layer order")
