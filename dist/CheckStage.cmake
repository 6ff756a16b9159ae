# Fails when the staged tree lacks a delivered file.
set(required
    "Version.ini"
    "language/mysetup.ini"
    "V200/moxcps"
    "V200/moxcps-cli"
    "V200/language/english.ini"
    "V200/language/chinese.ini"
    "V200/Init/RB516_0.dat"
    "V200/Init/RB516G_0.dat")
# The pictures drawn by tools/moxart (art.cmake), each with its double-size drawing.
foreach(size "" "@2x")
    list(APPEND required "V200/StartE${size}.jpg" "V200/StartC${size}.jpg" "V200/PIC/BK_1${size}.jpg"
         "V200/PIC/BK_2${size}.jpg")
    foreach(key NewFile OpenFile SaveFile Print ReadRadio CommSet WriteRadio BtnCHCut BtnCHCopy BtnCHPaste
                BtnCHInsert BtnCHDelete BtnCHMoveUp BtnCHMoveDown About Tree1 Tree2 PaneClose App
                EditUndo EditRedo)
        list(APPEND required "V200/PIC/icons/${key}${size}.png")
    endforeach()
endforeach()
foreach(f IN LISTS required)
    if(NOT EXISTS "${STAGE}/${f}")
        message(FATAL_ERROR "The staged tree lacks ${f}")
    endif()
endforeach()
message(STATUS "The staged tree holds every delivered file")
