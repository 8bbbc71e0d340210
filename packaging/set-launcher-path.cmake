# Run by `cmake --install` after the .desktop files are in place: points
# their Exec= lines at the installed launcher by its full path. Expects
# PLANDECK_BINDIR and PLANDECK_DESKTOP_FILES (paths relative to the prefix,
# or absolute), set just before this script is included.

set(launcher "${PLANDECK_BINDIR}/plandeck-launcher")
if(NOT IS_ABSOLUTE "${launcher}")
    set(launcher "${CMAKE_INSTALL_PREFIX}/${launcher}")
endif()

# A path with characters the desktop entry format reserves is quoted. Inside
# the quotes \ " ` $ take a backslash; then, as in any string value, every
# backslash is doubled. A % is doubled so that it is no field code.
string(REPLACE "%" "%%" launcher "${launcher}")
if(launcher MATCHES "[^-A-Za-z0-9_./+%]")
    string(REPLACE "\\" "\\\\" launcher "${launcher}")
    string(REPLACE "\"" "\\\"" launcher "${launcher}")
    string(REPLACE "`" "\\`" launcher "${launcher}")
    string(REPLACE "$" "\\$" launcher "${launcher}")
    string(REPLACE "\\" "\\\\" launcher "${launcher}")
    set(launcher "\"${launcher}\"")
endif()

foreach(entry IN LISTS PLANDECK_DESKTOP_FILES)
    if(NOT IS_ABSOLUTE "${entry}")
        set(entry "${CMAKE_INSTALL_PREFIX}/${entry}")
    endif()
    set(file "$ENV{DESTDIR}${entry}")
    file(READ "${file}" text)
    string(REPLACE "\nExec=plandeck-launcher" "\nExec=${launcher}" text "${text}")
    file(WRITE "${file}" "${text}")
    message(STATUS "Launcher path set in: ${file}")
endforeach()
