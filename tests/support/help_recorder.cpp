#include "help_recorder.h"
#include <gtest/gtest.h>
#include "afxseam.h"

namespace {
HelpRecorder* g_currentHelpRecorder = nullptr;
}

HelpRecorder::HelpRecorder(BOOL bStarts) : m_bStarts(bStarts)
{
    g_currentHelpRecorder = this;
    AfxSetHelpHook(&HelpRecorder::Hook);
}

HelpRecorder::~HelpRecorder()
{
    g_currentHelpRecorder = nullptr;
    AfxSetHelpHook(&HelpRecorder::Unexpected);
}

void HelpRecorder::InstallDefault()
{
    AfxSetHelpHook(&HelpRecorder::Unexpected);
}

BOOL HelpRecorder::Hook(HWND owner, LPCSTR file, UINT command, ULONG_PTR data)
{
    g_currentHelpRecorder->m_requests.push_back({owner, file != nullptr ? file : "(null)", command, data});
    return g_currentHelpRecorder->m_bStarts;
}

BOOL HelpRecorder::Unexpected(HWND, LPCSTR file, UINT, ULONG_PTR)
{
    ADD_FAILURE() << "unexpected help request: " << (file != nullptr ? file : "(null)");
    return FALSE;
}
