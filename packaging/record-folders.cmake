# Run by `cmake --install` before any file is copied. Adds to the list in
# PLANDECK_FOLDERS_LIST each of PLANDECK_FOLDERS (relative to the prefix, or
# absolute) that does not exist yet, with the missing folders above it: the
# folders this install creates, which `make uninstall` removes again. A
# staged install (DESTDIR, as for the .deb) creates nothing here.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
endif()

set(created)
if(EXISTS "${PLANDECK_FOLDERS_LIST}")
    file(STRINGS "${PLANDECK_FOLDERS_LIST}" created)
endif()
foreach(folder IN LISTS PLANDECK_FOLDERS)
    cmake_path(ABSOLUTE_PATH folder BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" NORMALIZE)
    while(NOT IS_DIRECTORY "${folder}")
        list(APPEND created "${folder}")
        cmake_path(GET folder PARENT_PATH folder)
    endwhile()
endforeach()
list(REMOVE_DUPLICATES created)
list(JOIN created "\n" text)
if(text)
    file(WRITE "${PLANDECK_FOLDERS_LIST}" "${text}\n")
endif()
