# Read by cpack when it runs (CPACK_PROJECT_CONFIG_FILE).
# CPack finds the programs dpkg-shlibdeps is to read by what `file` says of every file, and
# `file` spells a name like クルリト1 in octal escapes unless told to print it raw.
find_program(suite_file_program file)
if(suite_file_program)
  set(FILE_EXECUTABLE ${suite_file_program} --raw)
endif()
