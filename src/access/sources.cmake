# Sources of src/access
list(APPEND VETRINALIA_CORE_SOURCES
    src/access/Crypt.cpp src/access/Crypt.h
    src/access/IniFile.cpp src/access/IniFile.h
    src/access/PasswordStore.cpp src/access/PasswordStore.h)
list(APPEND VETRINALIA_UI_SOURCES
    src/access/Password.cpp src/access/Password.h
    src/access/CambiaPassword.cpp src/access/CambiaPassword.h
    src/access/ScreenParts.cpp src/access/ScreenParts.h)
