# The reference construction, shared by the maze tests and the maze benchmarks. It is built
# optimised and without sanitizers: it is test code, and its floods would otherwise dominate
# the test time.
if(NOT TARGET orr_maze_literal)
    add_library(orr_maze_literal STATIC ${CMAKE_CURRENT_LIST_DIR}/literal_maze.cpp)
    target_compile_options(orr_maze_literal PRIVATE -O2 -fno-sanitize=all)
endif()
