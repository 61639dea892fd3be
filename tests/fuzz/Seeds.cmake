# Copies the files in FROM matching PATTERN of at most LIMIT bytes into TO.
file(GLOB files ${FROM}/${PATTERN})
file(MAKE_DIRECTORY ${TO})
foreach(file IN LISTS files)
  file(SIZE ${file} size)
  if(size LESS_EQUAL LIMIT)
    file(COPY ${file} DESTINATION ${TO})
  endif()
endforeach()
