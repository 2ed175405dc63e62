# cmake -DFROM=<folder> -DTO=<folder> -DIDS=<id,id,...> -P copyforms.cmake
# Copies the layout files ON<id>.FMT when FROM holds all of them; else
# skips with a message.
string(REPLACE "," ";" ids "${IDS}")
foreach(id ${ids})
  if(NOT EXISTS "${FROM}/ON${id}.FMT")
    message(STATUS "Sample forms: ${FROM}/ON${id}.FMT is missing (build x64 first); not copied")
    return()
  endif()
endforeach()
file(MAKE_DIRECTORY "${TO}")
foreach(id ${ids})
  file(COPY_FILE "${FROM}/ON${id}.FMT" "${TO}/ON${id}.FMT" ONLY_IF_DIFFERENT)
endforeach()
