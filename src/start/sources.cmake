# Sources of src/start: the start screen.
list(APPEND VETRINALIA_UI_SOURCES
    src/start/Avvio.cpp src/start/Avvio.h)
