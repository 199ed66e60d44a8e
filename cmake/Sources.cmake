# The portable core: standard C++ only, compiled natively and into the Windows program.
set(VELTRIM_CORE_SOURCES
    app/ColumnScaler.cpp
    controls/NumberFormatter.cpp
    store/ByteStream.cpp
    store/CategoryList.cpp
    store/Clock.cpp
    store/CompareNatural.cpp
    store/DataFile.cpp
    store/DateTime.cpp
    store/LinkList.cpp
    store/TextConv.cpp
)

# The file system of the native build (tests and benchmarks).
set(VELTRIM_CORE_POSIX_SOURCES
    store/PosixFileSystem.cpp
)
