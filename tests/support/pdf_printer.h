// Real printing in tests: a job on the CUPS "PDF" printer through Wine's
// spooler, the PDF that cups-pdf writes, and its first page as grey pixels.
#pragma once
#include <windows.h>
#include <memory>
#include <string>
#include <vector>

// The lock of the "PDF" printer, for a job a test makes through other code
// (a program's print loop) and for every PdfPrintJob. It is an exclusive
// lock on a file under /tmp, which Wine holds as a Unix lock: it also keeps
// out the test programs of the other build, which run beside in a Wine
// prefix (and wineserver) of their own.
class PdfPrinterLock {
public:
    PdfPrinterLock();
    ~PdfPrinterLock();
    PdfPrinterLock(const PdfPrinterLock&) = delete;
    PdfPrinterLock& operator=(const PdfPrinterLock&) = delete;

private:
    HANDLE m_file;
};

// A title of its own for a job: the name, the build and the process, and a
// count, so that no two jobs of one run, in either build, share a PDF name.
std::string PrintJobTitle(const char* pszName);

class PdfPrintJob {
public:
    // Starts a document whose title begins with `title` and its first page.
    // Jobs of all test programs run one at a time (Wine's spooler refuses a
    // second document while one is being written): the job holds the
    // printer's lock (PdfPrinterLock) from here until finish() or
    // destruction; the context stays valid until destruction.
    explicit PdfPrintJob(const std::string& title);
    ~PdfPrintJob();
    PdfPrintJob(const PdfPrintJob&) = delete;
    PdfPrintJob& operator=(const PdfPrintJob&) = delete;

    HDC dc() const { return m_dc; }
    bool started() const { return m_started; }
    // Ends the page and the document and waits for the PDF; returns its
    // Windows path, or an empty string when none appeared in time.
    std::string finish();

private:
    std::string WaitForPdf();

    std::unique_ptr<PdfPrinterLock> m_lock;
    HDC m_dc;
    std::string m_title;
    bool m_started;
};

// Waits for the PDF of a finished job whose title begins with `title`;
// its Windows path, or an empty string when none appeared in time.
std::string WaitForPrintedPdf(const std::string& title);

struct GrayImage {
    int width = 0;
    int height = 0;
    std::vector<unsigned char> pixels;  // rows top-down, 0 black .. 255 white
    int at(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
    // Mean grey level of the rectangle.
    double mean(int left, int top, int right, int bottom) const;
};

// Renders a page of a PDF at `dpi` with pdftoppm. Empty image on failure.
GrayImage RasterizePdf(const std::string& pdfPath, int dpi, int page = 1);

// The Unix path of a Windows path (Wine's own mapping).
std::string UnixPathOf(const std::string& windowsPath);

// Starts the Unix program at its Unix path with a whole command line (the
// program's name first) and does not wait: Wine does not wait for a Unix
// child. False when it could not start.
bool RunUnix(const std::string& program, const std::string& commandLine);
