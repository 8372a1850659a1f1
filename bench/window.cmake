if(ZELPA_GUI)
  # The edit cycle of the keyboard window, beside FreeType and QPainter drawing the same line.
  find_package(Freetype)
  zelpa_add_bench(bench_render SOURCES bench_render.cpp LIBS zelpa_forms)
  target_compile_definitions(bench_render PRIVATE
    ZELPA_GLYPH_FONT="/usr/share/fonts/truetype/baekmuk/gulim.ttf")
  if(FREETYPE_FOUND)
    target_link_libraries(bench_render PRIVATE Freetype::Freetype)
    target_compile_definitions(bench_render PRIVATE ZELPA_HAVE_FREETYPE=1)
  endif()
endif()
