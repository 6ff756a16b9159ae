# cmake --install lays the program out by the Linux conventions under any prefix:
#   bin/                                 moxcps, moxcps-cli, moxsim
#   share/moxcps/                        the root folder: Version.ini, language/mysetup.ini (shipped)
#   share/moxcps/V200/                   the delivered files: language/, Init/, PIC/, splash pictures
#   lib/moxcps/V200/moxcps               the link another installed version starts this one by
#   share/applications/, share/icons/hicolor/, share/metainfo/, share/mime/packages/
#                                        menu entry, icons, AppStream data, the data-file type
#   share/man/man1/, share/bash-completion/completions/
# The user's settings never go into this tree (see src/app/ProgramPaths.h).

install(TARGETS moxcps moxcps-cli moxsim RUNTIME DESTINATION bin)

install(FILES ${MOX_LANGUAGE_FILES} DESTINATION "${MOX_INSTALL_PROGRAM_FOLDER}/language")
install(FILES "${MOX_DIST}/root/Version.ini" DESTINATION "${MOX_INSTALL_ROOT}")
install(FILES "${MOX_DIST}/root/mysetup.ini" DESTINATION "${MOX_INSTALL_ROOT}/language")

# Another installed version switches to this one by starting lib/moxcps/V200/moxcps.
set(version_link "${CMAKE_CURRENT_BINARY_DIR}/versions/moxcps")
file(MAKE_DIRECTORY "${CMAKE_CURRENT_BINARY_DIR}/versions")
file(CREATE_LINK "../../../bin/moxcps" "${version_link}" SYMBOLIC)
install(FILES "${version_link}" DESTINATION lib/moxcps/V200)

set(desktop "${MOX_DIST}/desktop")
install(FILES "${desktop}/${MOX_DESKTOP_ID}.desktop" DESTINATION share/applications)
install(FILES "${desktop}/${MOX_DESKTOP_ID}.metainfo.xml" DESTINATION share/metainfo)
install(FILES "${desktop}/${MOX_DESKTOP_ID}.mime.xml" DESTINATION share/mime/packages
        RENAME "${MOX_DESKTOP_ID}.xml")

install(FILES "${MOX_DIST}/completion/moxcps-cli" "${MOX_DIST}/completion/moxsim"
        DESTINATION share/bash-completion/completions)

# Manual pages are installed compressed, as Debian expects them.
set(manuals)
foreach(page moxcps moxcps-cli moxsim)
    set(staged "${CMAKE_CURRENT_BINARY_DIR}/man/${page}.1")
    add_custom_command(OUTPUT "${staged}.gz"
                       COMMAND ${CMAKE_COMMAND} -E copy "${MOX_DIST}/man/${page}.1" "${staged}"
                       COMMAND gzip -9nf "${staged}"
                       DEPENDS "${MOX_DIST}/man/${page}.1")
    list(APPEND manuals "${staged}.gz")
endforeach()
add_custom_target(mox_manuals ALL DEPENDS ${manuals})
install(FILES ${manuals} DESTINATION share/man/man1)
