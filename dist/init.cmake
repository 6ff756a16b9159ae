# The default data files New starts from (Init/<model code>_<band code>.dat), written by moxinit with
# the program's own data-file writer so they are real data files.
add_subdirectory("${PROJECT_SOURCE_DIR}/tools/moxinit" "${CMAKE_BINARY_DIR}/tools/moxinit")

set(MOX_INIT_FOLDER "${MOX_PROGRAM_FOLDER}/Init")
set(MOX_INIT_FILES "${MOX_INIT_FOLDER}/RB516_0.dat" "${MOX_INIT_FOLDER}/RB516G_0.dat")
add_custom_command(OUTPUT ${MOX_INIT_FILES}
                   BYPRODUCTS "${MOX_INIT_FOLDER}/RB516_0.NVD" "${MOX_INIT_FOLDER}/RB516G_0.NVD"
                   COMMAND moxinit "${MOX_INIT_FOLDER}"
                   DEPENDS moxinit
                   COMMENT "Writing the default data files of Init")
add_custom_target(mox_init_files ALL DEPENDS ${MOX_INIT_FILES})

install(FILES ${MOX_INIT_FILES} "${MOX_INIT_FOLDER}/RB516_0.NVD" "${MOX_INIT_FOLDER}/RB516G_0.NVD"
        DESTINATION "${MOX_INSTALL_PROGRAM_FOLDER}/Init")
