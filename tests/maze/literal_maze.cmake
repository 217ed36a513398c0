# The reference construction, shared by the maze tests and the maze benchmarks. Test builds
# compile it optimised and without sanitizers: its floods would otherwise dominate the test
# time. Release builds leave it with the same flags as the game's code, for a fair baseline.
if(NOT TARGET orr_maze_literal)
    add_library(orr_maze_literal STATIC ${CMAKE_CURRENT_LIST_DIR}/literal_maze.cpp)
    target_compile_options(orr_maze_literal PRIVATE
        $<$<NOT:$<CONFIG:Release>>:-O2 -fno-sanitize=all>)
endif()
