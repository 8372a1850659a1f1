zelpa_add_test(test_glyphrenderer SOURCES test_glyphrenderer.cpp LIBS zelpa_units)
if(ZELPA_GUI)
  zelpa_add_test(test_fkeybord GUI SOURCES test_fkeybord.cpp LIBS zelpa_forms)
  add_test(NAME jamkey_types_hangul_under_x
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/jamkey_typing.sh $<TARGET_FILE:jamkey>)
endif()
if(ZELPA_GUI)
  zelpa_add_test(test_exchange_window GUI SOURCES test_exchange_window.cpp LIBS zelpa_forms)
endif()
if(ZELPA_GUI)
  add_test(NAME jamkey_clipboard_with_xclip
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/jamkey_clipboard.sh $<TARGET_FILE:jamkey>)
endif()
if(ZELPA_GUI)
  add_test(NAME jamkey_windows_under_x
           COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/e2e/jamkey_windows.sh $<TARGET_FILE:jamkey>)
endif()
