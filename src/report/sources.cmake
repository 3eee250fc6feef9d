# Sources of src/report
list(APPEND VETRINALIA_UI_SOURCES
    src/report/Report.h
    src/report/PreviewWindow.cpp src/report/PreviewWindow.h)
