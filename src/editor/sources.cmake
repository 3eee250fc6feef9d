# Sources of src/editor
list(APPEND VETRINALIA_CORE_SOURCES
    src/editor/FlyerPages.cpp src/editor/FlyerPages.h
    src/editor/FieldText.cpp src/editor/FieldText.h
    src/editor/Price.cpp src/editor/Price.h)
list(APPEND VETRINALIA_UI_SOURCES
    src/editor/ListinoPrezzi.cpp src/editor/ListinoPrezzi.h
    src/editor/PhotoBox.cpp src/editor/PhotoBox.h
    src/editor/PriceEdit.cpp src/editor/PriceEdit.h)
