zelpa_add_bench(bench_exchange SOURCES bench_exchange.cpp LIBS zelpa_units)
# Reads the pair table that the build generates into the program folder.
add_dependencies(bench_exchange euc2uni_table)
target_compile_definitions(bench_exchange PRIVATE ZELPA_GENERATED_TABLE="${ZELPA_BIN_DIR}/euc2uni.dll")
