# Readers of outside bytes in the vocabulary data: material files, history blocks, lesson codes
# and the TSV form of words.
zelpa_add_fuzzer(fuzz_material SOURCES fuzz_material.cpp LIBS zelpa_units)
zelpa_add_fuzzer(fuzz_history SOURCES fuzz_history.cpp LIBS zelpa_units)
zelpa_add_fuzzer(fuzz_lesson SOURCES fuzz_lesson.cpp LIBS zelpa_units)
zelpa_add_fuzzer(fuzz_words_tsv SOURCES fuzz_words_tsv.cpp LIBS zelpa_units)
