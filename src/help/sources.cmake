# Sources of src/help
list(APPEND VETRINALIA_CORE_SOURCES
    src/help/HelpTopics.cpp src/help/HelpTopics.h
    src/help/Maker.h)
list(APPEND VETRINALIA_UI_SOURCES
    src/help/HelpWindows.cpp src/help/HelpWindows.h
    src/help/OpenURL.cpp src/help/OpenURL.h
    src/help/LinkText.cpp src/help/LinkText.h
    src/help/Guida.cpp src/help/Guida.h
    src/help/Info.cpp src/help/Info.h
    src/help/Splash.cpp src/help/Splash.h)
