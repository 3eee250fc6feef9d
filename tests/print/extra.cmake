# The print tests run the built vetrinalia-pdf from the program folder.
if(TARGET vetrinalia-pdf)
  add_dependencies(tst_print_core vetrinalia-pdf)
  add_dependencies(tst_print vetrinalia-pdf)
endif()
