# Sources of src/base: text helpers, the program folder, work shared over the cores; includes nothing else of the program.
list(APPEND VETRINALIA_CORE_SOURCES
    src/base/Parallel.h
    src/base/ProgramFolder.cpp src/base/ProgramFolder.h
    src/base/Text.cpp src/base/Text.h)
