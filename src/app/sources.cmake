# Sources of src/app, the composition root: the screen registry, start-up, the real
# dialogs. main.cpp is the program's own.
list(APPEND VETRINALIA_APP_SOURCES
    src/app/Program.cpp
    src/app/QtDialogs.cpp src/app/QtDialogs.h
    src/app/Screens.cpp src/app/Screens.h)
