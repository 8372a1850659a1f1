# Vocabulary data: history, material, lesson codes, TSV form, code page 932 and ktgtool.
zelpa_add_test(test_rireki SOURCES test_rireki.cpp LIBS zelpa_units)
zelpa_add_test(test_tango SOURCES test_tango.cpp LIBS zelpa_units)
zelpa_add_test(test_safe_file SOURCES test_safe_file.cpp LIBS zelpa_system)
zelpa_add_test(test_lesson SOURCES test_lesson.cpp LIBS zelpa_units)
zelpa_add_test(test_text_lines SOURCES test_text_lines.cpp LIBS zelpa_units)
zelpa_add_test(test_utf8 SOURCES test_utf8.cpp LIBS zelpa_units)
zelpa_add_test(test_words_tsv SOURCES test_words_tsv.cpp LIBS zelpa_units)
zelpa_add_test(test_cp932 SOURCES test_cp932.cpp LIBS zelpa_system)
zelpa_add_test(test_ktgtool SOURCES test_ktgtool.cpp LIBS zelpa_units)
target_compile_definitions(test_ktgtool PRIVATE KTGTOOL_PATH="$<TARGET_FILE:ktgtool>"
  SAMPLE_SOURCES_DIR="${CMAKE_SOURCE_DIR}/data/materials"
  SAMPLE_MATERIALS_DIR="${ZELPA_BIN_DIR}/materials")
add_dependencies(test_ktgtool ktgtool)
if(TARGET sample_materials)
  add_dependencies(test_ktgtool sample_materials)
endif()
