# Fails when the staged tree lacks a delivered file.
set(required
    "Version.ini"
    "language/mysetup.ini"
    "V200/moxcps"
    "V200/moxcps-cli"
    "V200/language/english.ini"
    "V200/language/chinese.ini")
foreach(f IN LISTS required)
    if(NOT EXISTS "${STAGE}/${f}")
        message(FATAL_ERROR "The staged tree lacks ${f}")
    endif()
endforeach()
message(STATUS "The staged tree holds every delivered file")
