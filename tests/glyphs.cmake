# The committed glyph sheets and jamo pictures, read from the source tree.
if(ZELPA_GUI)
  zelpa_add_test(test_glyphdata SOURCES test_glyphdata.cpp LIBS Qt6::Gui)
  target_compile_definitions(test_glyphdata PRIVATE ZELPA_DATA_DIR="${CMAKE_SOURCE_DIR}/data")
endif()
