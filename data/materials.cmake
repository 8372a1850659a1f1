# Sample teaching materials: each TSV source under materials/ becomes a .ktg file in the program
# folder's materials/ sub-folder, made by ktgtool. The old file is removed first, since an import
# into an existing material would keep words that left the source.
set(zelpa_material_titles
  "basic-words=基本単語"
  "greetings=あいさつと決まり文句"
  "numbers-and-time=数と時間"
)
set(zelpa_material_outputs)
foreach(entry IN LISTS zelpa_material_titles)
  string(REPLACE "=" ";" pair "${entry}")
  list(GET pair 0 name)
  list(GET pair 1 title)
  set(source ${CMAKE_CURRENT_SOURCE_DIR}/materials/${name}.tsv)
  set(output ${ZELPA_BIN_DIR}/materials/${name}.ktg)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${ZELPA_BIN_DIR}/materials
    COMMAND ${CMAKE_COMMAND} -E rm -f ${output}
    COMMAND $<TARGET_FILE:ktgtool> import ${source} -o ${output} --title ${title}
    DEPENDS ktgtool ${source}
    COMMENT "Building sample material ${name}.ktg"
    VERBATIM)
  list(APPEND zelpa_material_outputs ${output})
endforeach()
add_custom_target(sample_materials ALL DEPENDS ${zelpa_material_outputs})
