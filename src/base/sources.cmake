# Sources of src/base: text helpers and the program folder; includes nothing else of the program.
list(APPEND VETRINALIA_CORE_SOURCES
    src/base/ProgramFolder.cpp src/base/ProgramFolder.h
    src/base/Text.cpp src/base/Text.h)
