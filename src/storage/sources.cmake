# Sources of src/storage
list(APPEND VETRINALIA_CORE_SOURCES
    src/storage/FlyerArchive.cpp src/storage/FlyerArchive.h
    src/storage/PhotoStore.cpp src/storage/PhotoStore.h
    src/storage/WholeWrites.h)
