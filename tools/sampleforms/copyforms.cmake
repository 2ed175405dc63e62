# cmake -DFROM=<folder> -DTO=<folder> -DFILES=<path,path,...> -P copyforms.cmake
# Copies the files (paths below the folders) when FROM holds all of them;
# else skips with a message.
string(REPLACE "," ";" files "${FILES}")
foreach(file ${files})
  if(NOT EXISTS "${FROM}/${file}")
    message(STATUS "Sample forms: ${FROM}/${file} is missing (build x64 first); not copied")
    return()
  endif()
endforeach()
foreach(file ${files})
  get_filename_component(folder "${TO}/${file}" DIRECTORY)
  file(MAKE_DIRECTORY "${folder}")
  file(COPY_FILE "${FROM}/${file}" "${TO}/${file}" ONLY_IF_DIFFERENT)
endforeach()
