# The pictures of the program folder are drawn at build time by tools/moxart (a Qt Gui program), so
# they live in the repository as code: the splash pictures, the tiled background of the main window
# and the icons of the tool bar, the navigation tree, the tree pane's close button and the program.
if(MOX_CORE_ONLY)
    return()
endif()

add_subdirectory("${PROJECT_SOURCE_DIR}/tools/moxart" "${CMAKE_BINARY_DIR}/tools/moxart")

set(MOX_ICON_KEYS
    NewFile OpenFile SaveFile Print ReadRadio CommSet WriteRadio
    BtnCHCut BtnCHCopy BtnCHPaste BtnCHInsert BtnCHDelete BtnCHMoveUp BtnCHMoveDown About
    Tree1 Tree2 PaneClose App)

set(MOX_SPLASH_PICTURES "${MOX_PROGRAM_FOLDER}/StartE.jpg" "${MOX_PROGRAM_FOLDER}/StartC.jpg")
set(MOX_BACKGROUND_PICTURES "${MOX_PROGRAM_FOLDER}/PIC/BK_1.jpg" "${MOX_PROGRAM_FOLDER}/PIC/BK_2.jpg")
set(MOX_ICON_PICTURES)
foreach(key IN LISTS MOX_ICON_KEYS)
    list(APPEND MOX_ICON_PICTURES "${MOX_PROGRAM_FOLDER}/PIC/icons/${key}.png")
endforeach()
set(MOX_PICTURES ${MOX_SPLASH_PICTURES} ${MOX_BACKGROUND_PICTURES} ${MOX_ICON_PICTURES})

add_custom_command(OUTPUT ${MOX_PICTURES}
                   COMMAND moxart ${MOX_PICTURES}
                   DEPENDS moxart
                   COMMENT "Drawing the splash pictures, the background pictures and the icons")
add_custom_target(mox_art ALL DEPENDS ${MOX_PICTURES})

install(FILES ${MOX_SPLASH_PICTURES} DESTINATION V200)
install(FILES ${MOX_BACKGROUND_PICTURES} DESTINATION V200/PIC)
install(FILES ${MOX_ICON_PICTURES} DESTINATION V200/PIC/icons)
