# The programs that solve puzzles allocate through mimalloc (libmimalloc-dev) where it is found.
# CaDiCaL allocates and frees a great deal while it simplifies a formula, and with the C library's
# allocator that is about an eighth of its time. Linking the shared library is all it takes for
# it to serve every malloc and free of the program. The sanitizer presets turn it off, since the
# sanitizers bring an allocator of their own; Windows keeps the system's.
option(QUORVANE_MIMALLOC "Link the programs that solve puzzles with mimalloc, where it is found" ON)
add_library(quorvane_allocator INTERFACE)
if(QUORVANE_MIMALLOC AND NOT WIN32)
    find_package(mimalloc 2.0 CONFIG QUIET)
    if(mimalloc_FOUND)
        target_link_libraries(quorvane_allocator INTERFACE mimalloc)
    endif()
endif()
