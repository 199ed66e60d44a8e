# The portable core: standard C++ only, compiled natively and into the Windows program.
set(VELTRIM_CORE_SOURCES
    app/ColumnScaler.cpp
    app/MemoryProfile.cpp
    app/Placement.cpp
    app/PoolJob.cpp
    app/SaveJob.cpp
    app/SettingsStore.cpp
    app/ThreadJob.cpp
    app/ThreadJobPool.cpp
    controls/NumberFormatter.cpp
    mainwnd/LaunchJob.cpp
    mainwnd/LaunchTarget.cpp
    search/ExactMatcher.cpp
    search/LinkSearch.cpp
    search/TypoMatcher.cpp
    search/Wildcards.cpp
    store/ByteStream.cpp
    store/CategoryList.cpp
    store/Clock.cpp
    store/CompareNatural.cpp
    store/DataFile.cpp
    store/DateTime.cpp
    store/EditorSave.cpp
    store/LinkList.cpp
    store/NewCategory.cpp
    store/SavePressPolicy.cpp
    store/TextConv.cpp
    store/TextTrim.cpp
    tools/DeleteAction.cpp
    tools/ModifyAction.cpp
    tools/UndoManager.cpp
)

# The file system of the native build (tests and benchmarks).
set(VELTRIM_CORE_POSIX_SOURCES
    store/PosixFileSystem.cpp
)
