# Sources of src/app
list(APPEND VETRINALIA_CORE_SOURCES
    src/app/ProgramFolder.cpp src/app/ProgramFolder.h
    src/app/Text.cpp src/app/Text.h)
list(APPEND VETRINALIA_UI_SOURCES
    src/app/Dialogs.cpp src/app/Dialogs.h
    src/app/ErrorReport.cpp src/app/ErrorReport.h
    src/app/Startup.cpp src/app/Startup.h
    src/app/Widgets.cpp src/app/Widgets.h
    src/app/FieldStyle.cpp src/app/FieldStyle.h
    src/app/ScreenWindows.cpp src/app/ScreenWindows.h
    src/app/Screens.cpp src/app/Screens.h
    src/app/Avvio.cpp src/app/Avvio.h)
