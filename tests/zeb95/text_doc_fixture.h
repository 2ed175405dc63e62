// Text documents made on a whiteboard of a test parent.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include "objects/obj_record.h"
#include "text/doc/doc_record.h"
#include "whiteboard/wb_record.h"
#include "zeb_fixtures.h"

class TextDocs : public LibraryStarted
{
protected:
    void SetUp() override
    {
        m_hWb = CreatePlainWhiteBoard(m_parent.Hwnd());
        ASSERT_NE(nullptr, m_hWb);
    }
    void TearDown() override
    {
        ::DestroyWindow(m_hWb);
        Pump();
    }
    static ZebDocRecord& Doc(HWND hDoc)
    {
        ZebDocRecord* pDoc = ZebDocRecord::From(hDoc);
        EXPECT_NE(nullptr, pDoc);
        return *pDoc;
    }
    ZebWbRecord& Wb() { return *ZebWbRecord::From(GetObjRecord(m_hWb)); }

    TestParent m_parent;
    HWND m_hWb = nullptr;
};
