orvane_add_test(tst_chipsheet SOURCES tst_chipsheet.cpp LIBS orvane_resources Qt6::Gui)
target_compile_definitions(tst_chipsheet PRIVATE
    ORVANE_RESOURCES="${CMAKE_SOURCE_DIR}/resources")
