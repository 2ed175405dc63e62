// The form screen in tests: each test gets a fresh install root under the
// build tree (CMirtEnv pointed at it) holding the sample data that the
// install tree has (index, crop-mark map, layouts and samples), and a fresh
// application object with the form screen's template.
#pragma once
#include <string>

#include <gtest/gtest.h>

#include "frame/mainfrm.h"
#include "app/tolvaneapp.h"
#include "document/tolvanedoc.h"
#include "view/tolvaneview.h"

class CMirtFileIO;
class CObList;
class MemoryCanvas;

// The bytes of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const std::string& bytes);
// The body of a form data file holding the pages (CNMirtDoc, taken over).
std::string StoreBody(CMirtFileIO& file);
// The pages of the document's container; -1 without a container.
int PageCount(CTolvaneDoc* pDoc);
// A file object of nPages pages of the delivery note, titled by number.
CMirtFileIO* NewSampleFile(int nPages);
// Whether the picture has more than one colour on a grid of points; the
// null display driver keeps no pixels of the windows.
bool HasPixels(const MemoryCanvas& canvas);

class TolvaneTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // The install root (no trailing backslash) and a path below it.
    const std::string& Root() const { return m_root; }
    std::string Path(const char* pszTail) const { return m_root + pszTail; }

    // Writes the sample index, crop-mark map, the layouts and their samples.
    void WriteSampleData();
    void WriteIndex(CObList& groups);
    // The template, as the program makes it, and File New through it.
    void AddTemplate();
    void NewDocument();
    // File New, then the document holds nPages pages of the delivery note.
    void NewDocumentWithPages(int nPages);
    // The sample form nLayoutID as a launcher start shows it.
    void StartOn(int nLayoutID);
    // A command to the main frame, then the messages it posted.
    void Command(UINT nID);
    // File New, then Open of a file written with nPages pages and the
    // trailer.
    bool OpenWrittenFile(const std::string& path, int nPages, const char* pszTrailer);

    CMainFrame* Frame() const { return static_cast<CMainFrame*>(m_app.m_pMainWnd); }
    CTolvaneView* View() const { return static_cast<CTolvaneView*>(Frame()->GetActiveView()); }
    CTolvaneDoc* Doc() const { return View()->GetDocument(); }

    CTolvaneApp m_app;

private:
    std::string m_root;
};
