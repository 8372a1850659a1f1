zelpa_add_fuzzer(fuzz_parserefs SOURCES fuzz_parserefs.cpp LIBS zelpa_units)
zelpa_add_fuzzer(fuzz_eucpaste SOURCES fuzz_eucpaste.cpp LIBS zelpa_units)
zelpa_add_fuzzer(fuzz_loadtable SOURCES fuzz_loadtable.cpp LIBS zelpa_units)
zelpa_add_fuzzer(fuzz_settings SOURCES fuzz_settings.cpp LIBS zelpa_units)
