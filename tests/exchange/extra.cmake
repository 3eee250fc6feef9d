# The command-line tests run the built vetrinalia-pdf from the program folder.
if(TARGET vetrinalia-pdf)
  add_dependencies(tst_exchange_core vetrinalia-pdf)
endif()
