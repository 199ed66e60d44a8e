// CMessageBoxAnswers: apart from GuiTestSupport.cpp, which the Wine benchmarks link without
// GoogleTest.
#include <gtest/gtest.h>

#include "tests/gui/GuiTestSupport.h"

CMessageBoxAnswers::CMessageBoxAnswers() {
    SetMessageBoxHandler(
        [this](HWND, const std::string& text, const std::string& caption, UINT type) {
            m_shown.push_back({text, caption, type, ::GetCurrentThreadId()});
            if (m_answers.empty()) {
                ADD_FAILURE() << "unexpected message box: " << text;
                return IDOK;
            }
            const int answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        });
}
