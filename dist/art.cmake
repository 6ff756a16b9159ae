# The pictures of the program folder are drawn at build time by tools/moxart (a Qt Gui program), so
# they live in the repository as code: the splash pictures, the tiled background of the main window
# and the icons of the tool bar, the navigation tree, the tree pane's close button and the program.
# Each has a twice-as-large "@2x" drawing beside it for screens that scale by 200 %. The program icon
# is also drawn for the desktop's icon theme, at the usual sizes and as a scalable drawing.
if(MOX_CORE_ONLY)
    return()
endif()

add_subdirectory("${PROJECT_SOURCE_DIR}/tools/moxart" "${CMAKE_BINARY_DIR}/tools/moxart")

set(MOX_ICON_KEYS
    NewFile OpenFile SaveFile Print ReadRadio CommSet WriteRadio
    BtnCHCut BtnCHCopy BtnCHPaste BtnCHInsert BtnCHDelete BtnCHMoveUp BtnCHMoveDown About
    EditUndo EditRedo
    Tree1 Tree2 PaneClose App)

set(MOX_SPLASH_PICTURES)
foreach(name StartE StartC)
    list(APPEND MOX_SPLASH_PICTURES "${MOX_PROGRAM_FOLDER}/${name}.jpg" "${MOX_PROGRAM_FOLDER}/${name}@2x.jpg")
endforeach()
set(MOX_BACKGROUND_PICTURES)
foreach(name BK_1 BK_2)
    list(APPEND MOX_BACKGROUND_PICTURES "${MOX_PROGRAM_FOLDER}/PIC/${name}.jpg"
         "${MOX_PROGRAM_FOLDER}/PIC/${name}@2x.jpg")
endforeach()
set(MOX_ICON_PICTURES)
foreach(key IN LISTS MOX_ICON_KEYS)
    list(APPEND MOX_ICON_PICTURES "${MOX_PROGRAM_FOLDER}/PIC/icons/${key}.png"
         "${MOX_PROGRAM_FOLDER}/PIC/icons/${key}@2x.png")
endforeach()

# The program icon for the desktop: share/icons/hicolor/<size>/apps/<desktop id>.png and .svg.
set(MOX_DESKTOP_ICON_SIZES 16 24 32 48 64 128 256)
set(MOX_DESKTOP_ICON_FOLDER "${CMAKE_BINARY_DIR}/dist/icons")
set(MOX_DESKTOP_ICONS "${MOX_DESKTOP_ICON_FOLDER}/App.svg")
foreach(size IN LISTS MOX_DESKTOP_ICON_SIZES)
    list(APPEND MOX_DESKTOP_ICONS "${MOX_DESKTOP_ICON_FOLDER}/App-${size}.png")
endforeach()

set(MOX_PICTURES ${MOX_SPLASH_PICTURES} ${MOX_BACKGROUND_PICTURES} ${MOX_ICON_PICTURES} ${MOX_DESKTOP_ICONS})

add_custom_command(OUTPUT ${MOX_PICTURES}
                   COMMAND moxart ${MOX_PICTURES}
                   DEPENDS moxart
                   COMMENT "Drawing the splash pictures, the background pictures and the icons")
add_custom_target(mox_art ALL DEPENDS ${MOX_PICTURES})

install(FILES ${MOX_SPLASH_PICTURES} DESTINATION "${MOX_INSTALL_PROGRAM_FOLDER}")
install(FILES ${MOX_BACKGROUND_PICTURES} DESTINATION "${MOX_INSTALL_PROGRAM_FOLDER}/PIC")
install(FILES ${MOX_ICON_PICTURES} DESTINATION "${MOX_INSTALL_PROGRAM_FOLDER}/PIC/icons")
install(FILES "${MOX_DESKTOP_ICON_FOLDER}/App.svg" DESTINATION share/icons/hicolor/scalable/apps
        RENAME "${MOX_DESKTOP_ID}.svg")
foreach(size IN LISTS MOX_DESKTOP_ICON_SIZES)
    install(FILES "${MOX_DESKTOP_ICON_FOLDER}/App-${size}.png" DESTINATION "share/icons/hicolor/${size}x${size}/apps"
            RENAME "${MOX_DESKTOP_ID}.png")
endforeach()
