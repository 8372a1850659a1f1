# Vocabulary data: material load and save, look-up, lesson codes, shuffle.
zelpa_add_bench(bench_learning SOURCES bench_learning.cpp LIBS zelpa_units)
