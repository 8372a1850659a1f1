zelpa_add_test(test_keybord SOURCES test_keybord.cpp LIBS zelpa_units)
