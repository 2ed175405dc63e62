#include "msgbox_recorder.h"
#include <gtest/gtest.h>
#include "afxseam.h"

namespace {
MessageBoxRecorder* g_currentMsgBoxRecorder = nullptr;
}

MessageBoxRecorder::MessageBoxRecorder(int answer) : m_answer(answer), m_outer(g_currentMsgBoxRecorder)
{
    g_currentMsgBoxRecorder = this;
    AfxSetMessageBoxHook(&MessageBoxRecorder::Hook);
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    g_currentMsgBoxRecorder = m_outer;
    if (g_currentMsgBoxRecorder == nullptr)
        AfxSetMessageBoxHook(&MessageBoxRecorder::Unexpected);
}

void MessageBoxRecorder::InstallDefault()
{
    AfxSetMessageBoxHook(&MessageBoxRecorder::Unexpected);
}

int MessageBoxRecorder::Hook(HWND, LPCSTR text, LPCSTR caption, UINT type)
{
    if (g_currentMsgBoxRecorder == nullptr)
        return Unexpected(nullptr, text, caption, type);
    g_currentMsgBoxRecorder->m_shown.push_back({text ? text : "", caption ? caption : "", type});
    return g_currentMsgBoxRecorder->m_answer;
}

int MessageBoxRecorder::Unexpected(HWND, LPCSTR text, LPCSTR, UINT)
{
    ADD_FAILURE() << "unexpected message box: " << (text ? text : "");
    return IDCANCEL;
}
