# Sources of src/print
list(APPEND VETRINALIA_CORE_SOURCES
    src/print/PageContent.cpp src/print/PageContent.h
    src/print/PageTemplate.cpp src/print/PageTemplate.h)
list(APPEND VETRINALIA_UI_SOURCES
    src/print/PrintCommands.cpp src/print/PrintCommands.h
    src/print/ProductDialog.cpp src/print/ProductDialog.h
    src/print/AnteprimaProdotto.cpp src/print/AnteprimaProdotto.h
    src/print/StampaProdotto.cpp src/print/StampaProdotto.h)
