#include "msgbox_recorder.h"
#include <gtest/gtest.h>
#include "afxseam.h"

namespace {
MessageBoxRecorder* g_current = nullptr;
}

MessageBoxRecorder::MessageBoxRecorder(int answer) : m_answer(answer), m_outer(g_current)
{
    g_current = this;
    AfxSetMessageBoxHook(&MessageBoxRecorder::Hook);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    g_current = m_outer;
    if (g_current == nullptr)
        AfxSetMessageBoxHook(&MessageBoxRecorder::Unexpected);
}

void MessageBoxRecorder::InstallDefault()
{
    AfxSetMessageBoxHook(&MessageBoxRecorder::Unexpected);
}

int MessageBoxRecorder::Hook(HWND, LPCSTR text, LPCSTR caption, UINT type)
{
    if (g_current == nullptr)
        return Unexpected(nullptr, text, caption, type);
    g_current->m_shown.push_back({text ? text : "", caption ? caption : "", type});
    return g_current->m_answer;
}

int MessageBoxRecorder::Unexpected(HWND, LPCSTR text, LPCSTR, UINT)
{
    ADD_FAILURE() << "unexpected message box: " << (text ? text : "");
    return IDCANCEL;
}
