# Sources of src/access
list(APPEND VETRINALIA_UI_SOURCES
    src/access/Password.cpp src/access/Password.h
    src/access/CambiaPassword.cpp src/access/CambiaPassword.h)
