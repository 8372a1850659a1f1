zelpa_add_test(test_uni2euc SOURCES test_uni2euc.cpp LIBS zelpa_units)
zelpa_add_test(test_cmsaver SOURCES test_cmsaver.cpp LIBS zelpa_units)
zelpa_add_test(test_textforms SOURCES test_textforms.cpp LIBS zelpa_units)
# Both read the pair table that the build generates into the program folder.
foreach(test test_uni2euc test_textforms)
  add_dependencies(${test} euc2uni_table)
endforeach()
