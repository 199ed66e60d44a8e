# The Windows layer: the framework, the platform's side of the core's seams, and the windows.
set(VELTRIM_WIN_SOURCES
    app/DocumentsFolder.cpp
    app/LinksApp.cpp
    framework/Application.cpp
    framework/ComboBox.cpp
    framework/DataExchange.cpp
    framework/Dialog.cpp
    framework/MessageBox.cpp
    framework/Window.cpp
    mainwnd/LinksDlg.cpp
    mainwnd/LinksDlgData.cpp
    mainwnd/LinksDlgView.cpp
    store/Win32FileSystem.cpp
    store/Win32TextConv.cpp
)
