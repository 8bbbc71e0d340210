# Run by `cmake --install` after the menu entry is in place: points its
# Exec= line at the installed plandeck by its full path. Expects
# PLANDECK_PROGRAM and PLANDECK_DESKTOP_FILE (paths relative to the prefix,
# or absolute), set just before this script is included.

set(program "${PLANDECK_PROGRAM}")
if(NOT IS_ABSOLUTE "${program}")
    set(program "${CMAKE_INSTALL_PREFIX}/${program}")
endif()

# A path with characters the desktop entry format reserves is quoted. Inside
# the quotes \ " ` $ take a backslash; then, as in any string value, every
# backslash is doubled. A % is doubled so that it is no field code.
# (`plandeck --autostart on` quotes the same way in startup/autostart.cpp.)
string(REPLACE "%" "%%" program "${program}")
if(program MATCHES "[^-A-Za-z0-9_./+%]")
    string(REPLACE "\\" "\\\\" program "${program}")
    string(REPLACE "\"" "\\\"" program "${program}")
    string(REPLACE "`" "\\`" program "${program}")
    string(REPLACE "$" "\\$" program "${program}")
    string(REPLACE "\\" "\\\\" program "${program}")
    set(program "\"${program}\"")
endif()

set(entry "${PLANDECK_DESKTOP_FILE}")
if(NOT IS_ABSOLUTE "${entry}")
    set(entry "${CMAKE_INSTALL_PREFIX}/${entry}")
endif()
set(file "$ENV{DESTDIR}${entry}")
file(READ "${file}" text)
string(REPLACE "\nExec=plandeck\n" "\nExec=${program}\n" text "${text}")
file(WRITE "${file}" "${text}")
message(STATUS "Program path set in: ${file}")
