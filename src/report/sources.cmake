# Sources of src/report
list(APPEND VETRINALIA_CORE_SOURCES
    src/report/Report.cpp src/report/Report.h)
list(APPEND VETRINALIA_UI_SOURCES
    src/report/PreviewWindow.cpp src/report/PreviewWindow.h
    src/report/Printing.cpp src/report/Printing.h)
