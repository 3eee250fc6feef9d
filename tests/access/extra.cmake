# The password store tests run the password-file tool as it is built, and look at the
# password file it lays out in the build's program folder.
if(TARGET tst_access_core AND TARGET vetrinalia-password)
  add_dependencies(tst_access_core vetrinalia-password vetrinalia_password_file)
  target_compile_definitions(tst_access_core PRIVATE
      VETRINALIA_PASSWORD_TOOL="$<TARGET_FILE:vetrinalia-password>")
endif()
