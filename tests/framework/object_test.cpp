#include <gtest/gtest.h>
#include "vtable_slot.h"

#include <cstddef>
#include <cstring>

#include "afx.h"
#include "afxres.h"
#include "dlg_resource.h"
#include "msgbox_recorder.h"

namespace {

// Classes of this program deriving from the framework's classes, as another
// DLL's classes would.
class CObjShape : public CObject
{
    DECLARE_SERIAL(CObjShape)
public:
    virtual int Corners() const { return 0; }
};
IMPLEMENT_SERIAL(CObjShape, CObject, 3)

class CObjSquare : public CObjShape
{
    DECLARE_SERIAL(CObjSquare)
public:
    int Corners() const override { return 4; }
};
IMPLEMENT_SERIAL(CObjSquare, CObjShape, VERSIONABLE_SCHEMA | 1)

class CObjCreatable : public CObject
{
    DECLARE_DYNCREATE(CObjCreatable)
};
IMPLEMENT_DYNCREATE(CObjCreatable, CObject)

class CObjDynamic : public CException
{
    DECLARE_DYNAMIC(CObjDynamic)
};
IMPLEMENT_DYNAMIC(CObjDynamic, CException)


TEST(ObjectTest, VirtualSlotsOfCObject)
{
    EXPECT_EQ(0, SlotOf(&CObject::GetRuntimeClass));
    // Slots 1 and 2: the destructor (complete and deleting).
    EXPECT_EQ(3, SlotOf(&CObject::Serialize));
    EXPECT_EQ(4, SlotOf(&CObject::AssertValid));
    EXPECT_EQ(5, SlotOf(&CObject::Dump));
    EXPECT_EQ(6, SlotOf(&CObjShape::Corners));
    EXPECT_EQ(6, SlotOf(&CException::GetErrorMessage));
}

TEST(ObjectTest, RuntimeClassDescribesTheClass)
{
    struct Case
    {
        CRuntimeClass* pClass;
        const char* name;
        UINT schema;
        CRuntimeClass* pBase;
    };
    const Case cases[] = {
        {RUNTIME_CLASS(CObject), "CObject", AFX_NO_SCHEMA, nullptr},
        {RUNTIME_CLASS(CObjShape), "CObjShape", 3, RUNTIME_CLASS(CObject)},
        {RUNTIME_CLASS(CObjSquare), "CObjSquare", VERSIONABLE_SCHEMA | 1, RUNTIME_CLASS(CObjShape)},
        {RUNTIME_CLASS(CObjCreatable), "CObjCreatable", AFX_NO_SCHEMA, RUNTIME_CLASS(CObject)},
        {RUNTIME_CLASS(CObjDynamic), "CObjDynamic", AFX_NO_SCHEMA, RUNTIME_CLASS(CException)},
        {RUNTIME_CLASS(CMemFile), "CMemFile", AFX_NO_SCHEMA, RUNTIME_CLASS(CFile)},
        {RUNTIME_CLASS(CFileException), "CFileException", AFX_NO_SCHEMA, RUNTIME_CLASS(CException)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_STREQ(c.name, c.pClass->m_lpszClassName);
        EXPECT_EQ(c.schema, c.pClass->m_wSchema);
        EXPECT_EQ(c.pBase, c.pClass->GetBaseClass());
        EXPECT_EQ(c.pClass, CRuntimeClass::FromName(c.name));
    }
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CObjMissing"));
    // The framework's classes were compiled with the layout this module sees.
    EXPECT_EQ(static_cast<int>(sizeof(CMemFile)), RUNTIME_CLASS(CMemFile)->m_nObjectSize);
    EXPECT_EQ(static_cast<int>(sizeof(CFileException)), RUNTIME_CLASS(CFileException)->m_nObjectSize);
}

TEST(ObjectTest, KindOfFollowsBaseClassesAcrossModules)
{
    CObjSquare square;
    const CObject& ob = square;
    EXPECT_EQ(RUNTIME_CLASS(CObjSquare), ob.GetRuntimeClass());
    EXPECT_TRUE(ob.IsKindOf(RUNTIME_CLASS(CObjSquare)));
    EXPECT_TRUE(ob.IsKindOf(RUNTIME_CLASS(CObjShape)));
    EXPECT_TRUE(ob.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(ob.IsKindOf(RUNTIME_CLASS(CObjCreatable)));
    EXPECT_TRUE(ob.IsSerializable());

    CObjDynamic dynamic;
    EXPECT_TRUE(dynamic.IsKindOf(RUNTIME_CLASS(CException)));
    EXPECT_FALSE(dynamic.IsKindOf(RUNTIME_CLASS(CFileException)));
    EXPECT_FALSE(dynamic.IsSerializable());

    CMemFile file;
    EXPECT_TRUE(file.IsKindOf(RUNTIME_CLASS(CFile)));
    EXPECT_FALSE(file.IsKindOf(RUNTIME_CLASS(CException)));
}

TEST(ObjectTest, CreateObjectMakesObjectsOfTheClass)
{
    for (CRuntimeClass* pClass : {RUNTIME_CLASS(CObjSquare), RUNTIME_CLASS(CObjCreatable)}) {
        SCOPED_TRACE(pClass->m_lpszClassName);
        CObject* pOb = pClass->CreateObject();
        ASSERT_NE(nullptr, pOb);
        EXPECT_EQ(pClass, pOb->GetRuntimeClass());
        delete pOb;
    }
    CObject* pSquare = RUNTIME_CLASS(CObjSquare)->CreateObject();
    EXPECT_EQ(4, static_cast<CObjShape*>(pSquare)->Corners());
    delete pSquare;
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObjDynamic)->CreateObject());
    EXPECT_EQ(nullptr, RUNTIME_CLASS(CObject)->CreateObject());
}

TEST(ObjectTest, ClassesAreRegisteredWhileTheirRegistrationLives)
{
    CRuntimeClass local = {"CObjLocal", sizeof(CObject), 1, nullptr, nullptr, nullptr};
    {
        const AFX_CLASSINIT registration(&local);
        EXPECT_EQ(&local, CRuntimeClass::FromName("CObjLocal"));
        EXPECT_EQ(RUNTIME_CLASS(CObjShape), CRuntimeClass::FromName("CObjShape"));
    }
    EXPECT_EQ(nullptr, CRuntimeClass::FromName("CObjLocal"));
    EXPECT_EQ(RUNTIME_CLASS(CObjShape), CRuntimeClass::FromName("CObjShape"));
}

// ---- exceptions

TEST(ExceptionTest, ThrownInTheFrameworkCaughtHere)
{
    try {
        AfxThrowFileException(CFileException::accessDenied, ERROR_ACCESS_DENIED, "C:\\x.dat");
    } catch (CException* e) {
        ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
        CFileException* pFileError = static_cast<CFileException*>(e);
        EXPECT_EQ(CFileException::accessDenied, pFileError->m_cause);
        EXPECT_EQ(ERROR_ACCESS_DENIED, pFileError->m_lOsError);
        EXPECT_STREQ("C:\\x.dat", pFileError->m_strFileName);
        e->Delete();
        return;
    }
    ADD_FAILURE() << "not caught";
}

TEST(ExceptionTest, CatchMacrosPickTheHandlerByClass)
{
    int handled = 0;
    TRY
    {
        AfxThrowArchiveException(CArchiveException::badSchema, "doc");
    }
    CATCH(CFileException, e)
    {
        handled = 1;
        e->Delete();
    }
    AND_CATCH(CArchiveException, e)
    {
        handled = e->m_cause == CArchiveException::badSchema ? 2 : 3;
        e->Delete();
    }
    END_CATCH
    EXPECT_EQ(2, handled);

    // THROW_LAST passes the same exception on to the next handler.
    CException* pRethrown = nullptr;
    CException* pCaught = nullptr;
    TRY
    {
        TRY
        {
            AfxThrowFileException(CFileException::diskFull);
        }
        CATCH_ALL(e)
        {
            pRethrown = e;
            THROW_LAST();
        }
        END_CATCH_ALL
    }
    CATCH(CFileException, e)
    {
        pCaught = e;
        e->Delete();
    }
    END_CATCH
    EXPECT_NE(nullptr, pCaught);
    EXPECT_EQ(pRethrown, pCaught);
}

TEST(ExceptionTest, MemoryExceptionIsSharedAndNotFreed)
{
    CException* pFirst = nullptr;
    CException* pSecond = nullptr;
    for (CException** ppCaught : {&pFirst, &pSecond}) {
        try {
            AfxThrowMemoryException();
        } catch (CException* e) {
            EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CMemoryException)));
            *ppCaught = e;
            e->Delete();
        }
    }
    ASSERT_NE(nullptr, pFirst);
    EXPECT_EQ(pFirst, pSecond);
    EXPECT_FALSE(pFirst->m_bAutoDelete);
}

TEST(ExceptionTest, OsErrorsMapToCauses)
{
    const struct
    {
        LONG lOsError;
        int cause;
    } cases[] = {
        {NO_ERROR, CFileException::none},
        {ERROR_FILE_NOT_FOUND, CFileException::fileNotFound},
        {ERROR_PATH_NOT_FOUND, CFileException::badPath},
        {ERROR_TOO_MANY_OPEN_FILES, CFileException::tooManyOpenFiles},
        {ERROR_ACCESS_DENIED, CFileException::accessDenied},
        {ERROR_INVALID_HANDLE, CFileException::invalidFile},
        {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
        {ERROR_CANNOT_MAKE, CFileException::directoryFull},
        {ERROR_NEGATIVE_SEEK, CFileException::badSeek},
        {ERROR_CRC, CFileException::hardIO},
        {ERROR_SHARING_VIOLATION, CFileException::sharingViolation},
        {ERROR_LOCK_VIOLATION, CFileException::lockViolation},
        {ERROR_DISK_FULL, CFileException::diskFull},
        {ERROR_HANDLE_EOF, CFileException::endOfFile},
        {ERROR_NOT_ENOUGH_MEMORY, CFileException::generic},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.lOsError);
        EXPECT_EQ(c.cause, CFileException::OsErrorToException(c.lOsError));
    }
}

TEST(ExceptionTest, MessagesNameTheFileAndFitTheBuffer)
{
    CFileException fileError(CFileException::fileNotFound, ERROR_FILE_NOT_FOUND, "表.dat");
    char message[256];
    UINT help = 0;
    ASSERT_TRUE(fileError.GetErrorMessage(message, sizeof message, &help));
    EXPECT_STREQ("表.dat が見つかりません。", message);
    EXPECT_EQ(static_cast<UINT>(CFileException::fileNotFound), help);

    // Cut short before a double-byte character that does not fit.
    char small[8];
    ASSERT_TRUE(fileError.GetErrorMessage(small, sizeof small));
    EXPECT_STREQ("表.dat ", small);
    ASSERT_TRUE(fileError.GetErrorMessage(small, 2));
    EXPECT_STREQ("", small);

    CException plain;
    EXPECT_FALSE(plain.GetErrorMessage(message, sizeof message));
    EXPECT_STREQ("", message);
}

TEST(ExceptionTest, ReportErrorShowsTheMessageCaptionedWithTheProgram)
{
    MessageBoxRecorder recorder(IDCANCEL);
    CArchiveException error(CArchiveException::endOfFile, "page.dat");
    EXPECT_EQ(IDCANCEL, error.ReportError(MB_OKCANCEL | MB_ICONSTOP));
    ASSERT_EQ(1u, recorder.shown().size());
    EXPECT_EQ("page.dat は途中で終わっています。", recorder.shown()[0].text);
    EXPECT_EQ("framework_tests", recorder.shown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_OKCANCEL | MB_ICONSTOP), recorder.shown()[0].type);
}

// ---- globals

TEST(GlobalsTest, ResourceHandleStartsAsTheProgramAndCanBeSet)
{
    const HINSTANCE hProgram = ::GetModuleHandleA(nullptr);
    EXPECT_EQ(hProgram, AfxGetInstanceHandle());
    ASSERT_EQ(hProgram, AfxGetResourceHandle());
    const HINSTANCE hOther = ::GetModuleHandleA("Framework.dll");
    ASSERT_NE(nullptr, hOther);
    AfxSetResourceHandle(hOther);
    EXPECT_EQ(hOther, AfxGetResourceHandle());
    AfxSetResourceHandle(hProgram);
}

TEST(GlobalsTest, MessageBoxGoesThroughTheSeam)
{
    MessageBoxRecorder recorder(IDYES);
    EXPECT_EQ(IDYES, AfxMessageBox("保存しますか？", MB_YESNO));
    ASSERT_EQ(1u, recorder.shown().size());
    EXPECT_EQ("保存しますか？", recorder.shown()[0].text);
    EXPECT_EQ("framework_tests", recorder.shown()[0].caption);
    EXPECT_EQ(static_cast<UINT>(MB_YESNO), recorder.shown()[0].type);
}

TEST(GlobalsTest, PromptIdsShowTheProgramsStringElseTheFrameworks)
{
    const struct {
        UINT nID;
        const char* pszText;
    } cases[] = {
        {IDS_DLG_SHEET, "印刷の設定"},
        {AFX_IDP_COMMAND_FAILURE, "コマンドを実行できませんでした。"},
        {AFX_IDP_FAILED_TO_LAUNCH_HELP, "ヘルプを起動できませんでした。"},
        {IDS_DLG_SHEET + 500, ""},   // nobody's string
    };
    for (const auto& c : cases) {
        MessageBoxRecorder recorder;
        EXPECT_EQ(IDOK, AfxMessageBox(c.nID));
        ASSERT_EQ(1u, recorder.shown().size());
        EXPECT_EQ(c.pszText, recorder.shown()[0].text) << c.nID;
    }
}

}  // namespace
