# The composer per key on a two-set key stream, beside libhangul's input context on the same
# stream when pkg-config finds libhangul (a benchmark-only dependency).
zelpa_add_bench(bench_keybord SOURCES bench_keybord.cpp LIBS zelpa_units)
find_package(PkgConfig)
if(PKG_CONFIG_FOUND)
  pkg_check_modules(HANGUL IMPORTED_TARGET libhangul)
endif()
if(HANGUL_FOUND)
  target_link_libraries(bench_keybord PRIVATE PkgConfig::HANGUL)
  target_compile_definitions(bench_keybord PRIVATE ZELPA_WITH_LIBHANGUL)
endif()
