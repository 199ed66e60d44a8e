# The fuzz targets: tests/fuzz/<name>_fuzz.cpp, each with its seed corpus (and the reproducers of
# the crashes it found) in tests/fuzz/corpus/<name>. The export round trip needs the exporter.
set(VELTRIM_FUZZ_TARGETS datafile bookmark matcher)
if(EXISTS ${CMAKE_SOURCE_DIR}/import/BookmarkExport.h)
    list(APPEND VELTRIM_FUZZ_TARGETS export)
endif()
