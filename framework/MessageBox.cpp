#include "framework/MessageBox.h"

#include "framework/Application.h"

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

}  // namespace

int AppMessageBox(HWND owner, const std::string& text, UINT type, const char* caption) {
    const std::string title = caption ? std::string(caption) : CApplication::GetAppName();
    if (Handler()) return Handler()(owner, text, title, type);
    return ::MessageBoxA(owner, text.c_str(), title.c_str(), type);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler) {
    MessageBoxHandler previous = std::move(Handler());
    Handler() = std::move(handler);
    return previous;
}
