# Sources of src/exchange
list(APPEND VETRINALIA_CORE_SOURCES
    src/exchange/Exchange.h
    src/exchange/Sheet.cpp src/exchange/Sheet.h
    src/exchange/PriceListImport.cpp src/exchange/PriceListImport.h
    src/exchange/FlyerExport.cpp src/exchange/FlyerExport.h)
