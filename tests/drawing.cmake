orvane_add_test(tst_drawing SOURCES tst_drawing.cpp LIBS orvane_maze)
