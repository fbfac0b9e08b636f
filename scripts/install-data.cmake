# Copies data/ into the application directory, leaving out build files,
# placeholders and the sources of the sample books (the build turns those into
# the books of books/), and makes sure the folders of the directory tree exist.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(f IN LISTS files)
  if(f MATCHES "(^|/)CMakeLists\\.txt$" OR f MATCHES "(^|/)\\.keep$" OR f MATCHES "^books/")
    continue()
  endif()
  get_filename_component(dir ${DST}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${SRC}/${f} ${DST}/${f} ONLY_IF_DIFFERENT)
endforeach()
foreach(d books covers backup t_users)
  file(MAKE_DIRECTORY ${DST}/${d})
endforeach()
