// The form screen counts copies itself: the print loop runs over the page
// range repeated once per copy, and each running page number maps back to
// a page of the document, collated (1,2,3,1,2,3) or not (1,1,2,2,3,3).
#pragma once

struct PrintRange
{
    int nFrom;      // first page, 1-based
    int nTo;        // last page; below nFrom counts as one page
    int nCopies;    // 0 counts as 1
    bool bCollate;

    int Pages() const { return nTo < nFrom ? 1 : nTo - nFrom + 1; }
    int Copies() const { return nCopies < 1 ? 1 : nCopies; }
    // The last running page number of the job; 0 when the job's page
    // numbers would not fit the print loop's 16-bit fields.
    int ExpandedEnd() const;
    // The document page (1-based) that the running page nRunning prints.
    int DocumentPage(int nRunning) const;
};

const int kMaxPrintPage = 0xFFFF;
