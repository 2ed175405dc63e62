// A visible top-level window for control tests to create their controls in.
#pragma once

#include <gtest/gtest.h>

#include "afxwin.h"

template <class TParent>
class ParentWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(m_parent.CreateEx(0, nullptr, "parent", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400, 300,
            nullptr, nullptr));
    }

    void TearDown() override
    {
        m_parent.DestroyWindow();
        CWnd::DeleteTempMap();
    }

    TParent m_parent;
};
