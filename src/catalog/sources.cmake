# Sources of src/catalog
list(APPEND VETRINALIA_CORE_SOURCES
    src/catalog/FlyerCatalog.cpp src/catalog/FlyerCatalog.h)
list(APPEND VETRINALIA_UI_SOURCES
    src/catalog/ApriCatalogo.cpp src/catalog/ApriCatalogo.h
    src/catalog/ApriCatalogoExchange.cpp
    src/catalog/CreaCatalogo.cpp src/catalog/CreaCatalogo.h)
