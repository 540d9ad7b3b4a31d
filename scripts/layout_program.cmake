# Lays the trainer's data files beside the built program. A record file that
# already holds results is never overwritten.
file(GLOB files "${SRC}/*")
foreach(f IN LISTS files)
    get_filename_component(name "${f}" NAME)
    if(name STREQUAL "exadat" AND EXISTS "${DST}/exadat")
        continue()
    endif()
    file(COPY "${f}" DESTINATION "${DST}")
endforeach()
