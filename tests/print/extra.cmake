# The print tests run the built vetrinalia-pdf from the program folder.
if(TARGET tst_print AND TARGET vetrinalia-pdf)
  add_dependencies(tst_print vetrinalia-pdf)
endif()
