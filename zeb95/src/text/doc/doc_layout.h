// The layout of a document: the reflow that lays out the visible lines at
// once and leaves the rest to a layout thread, and the ways the window's
// thread stops, waits for and takes the result of that thread.
//
// The thread only lays out lines (it appends to the line table and reads
// the text) and posts MsgLayoutDone with its pass number; the extent, the
// overflow notice and the scroll bars are brought up to date on the
// window's thread. Every change of the text, its attributes, the fonts,
// the bitmaps, the marks or a layout setting first stops the thread
// (ZebLayoutPause) and ends with a reflow or a relayout; every reader of
// the whole line table first waits (DocWaitLayout).
#pragma once
#include <windows.h>

#include "text/layout/layout_run.h"

struct ZebDocRecord;
struct ZebTextSpot;

// Ends the running pass, if any: raises its abort flag and waits for its
// thread. The lines it laid out stay; a following DocReflow goes on from
// there.
void DocStopLayout(ZebDocRecord& doc);
// Stops the document's pass for a change, and at the end of its scope takes
// the layout up again from the lines kept when it stopped a pass short and
// nothing has laid the document out since; so no path that stops the
// layout leaves the line table partial with no pass running.
class ZebLayoutPause
{
public:
    explicit ZebLayoutPause(HWND hwnd);
    ~ZebLayoutPause();
    ZebLayoutPause(ZebLayoutPause&& other) noexcept;
    ZebLayoutPause(const ZebLayoutPause&) = delete;
    ZebLayoutPause& operator=(const ZebLayoutPause&) = delete;
    ZebLayoutPause& operator=(ZebLayoutPause&&) = delete;

private:
    HWND m_hwnd;
    bool m_bResume;
};

// Waits, letting the pass run on, until the lines laid out hold line nLine
// (DocWaitLine) or the text place (DocWaitSpot), or no pass runs.
void DocWaitLine(HWND hwnd, int nLine);
void DocWaitSpot(HWND hwnd, const ZebTextSpot& spot);
// Waits until no pass runs and returns the layout result (the end kind of
// the last line laid out, 3 when the table covers the whole text, 0 after
// a failure or an abort). With nLine 0 or more the pass is aborted as soon
// as more than nLine lines exist. -1 without record.
int DocWaitLayout(HWND hwnd, int nLine);
// Lays out from the line count on: the lines down to the visible area's
// end and at least three more at once, the rest on the layout thread.
// When that part reaches the end of the text, the caret is brought back
// onto its line (when that line was laid out again), and the extent and
// (when it changed) the scroll bars follow at once. The result of that part (0 on
// failure or without record).
int DocReflow(HWND hwnd);
// Stops the pass, keeps lines 0 .. nLine - 1 and reflows from line nLine
// (edits take nLine from RelayoutStartLine).
int DocReflowFrom(HWND hwnd, int nLine);
// A change of the text inside one block, the block list left as it was:
// at the offset, nRemoved bytes gave way to nAdded (a change of attributes
// only removes and adds the same bytes).
struct ZebTextEdit
{
    int nBlock;
    int nOffset;
    int nRemoved;
    int nAdded;
};
// As DocReflowFrom after such a change, but the lines are laid out anew
// only until one ends where an old line (shifted by the change) starts:
// from there the old lines stay, however many lines the change made or
// took before them. Without a change given (null), as DocReflowFrom.
int DocReflowEdit(HWND hwnd, int nLine, const ZebTextEdit* pEdit);
// After the block at the text place was split there (its bytes from that
// offset on moved into a new block after it), the lines follow their bytes
// into the renumbered blocks. With the layout stopped.
void DocSplitLines(ZebDocRecord& doc, const ZebTextSpot& at);
// Lays the whole document out again after a change of its settings, fonts
// or bitmaps. The caret and the anchor keep their places in the text (the
// caret takes the typing attributes there); repaints when asked.
void DocRelayout(HWND hwnd, bool bRepaint = true);
// MsgLayoutDone: joins pass nRun when it is the running one and takes its
// completion (extent, overflow notice, scroll bars). 1 when it did; 0 for
// a stale pass, an aborted or failed one, or without record. The caret is
// brought back onto its line first.
int DocLayoutDone(HWND hwnd, UINT nRun);
// The measure of units in the document's tables and marks, its fonts read
// through the given source (the table in use, ZebTableFonts).
ZebUnitMeasure DocUnitMeasure(HWND hwnd, const ZebDocRecord& doc, const ZebFontSource& fonts);
// The line count once the whole text is laid out, without a final empty
// line at the end of the text; -1 without record.
int DocGetLineCount(HWND hwnd);
