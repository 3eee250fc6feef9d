# Sources of src/ui: the widgets, window kinds and seams every screen builds on.
list(APPEND VETRINALIA_UI_SOURCES
    src/ui/Dialogs.cpp src/ui/Dialogs.h
    src/ui/ErrorReport.cpp src/ui/ErrorReport.h
    src/ui/FieldStyle.cpp src/ui/FieldStyle.h
    src/ui/Program.h
    src/ui/ProgressRun.cpp src/ui/ProgressRun.h
    src/ui/ScreenRegistry.h
    src/ui/ScreenWindows.cpp src/ui/ScreenWindows.h
    src/ui/Widgets.cpp src/ui/Widgets.h)
