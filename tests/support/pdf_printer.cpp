#include "pdf_printer.h"
#include <cstdio>
#include <fstream>
#include <sstream>

namespace {

std::string PdfFolder()
{
    char dir[MAX_PATH];
    DWORD n = ::GetEnvironmentVariableA("SUITE_PDF_DIR", dir, sizeof dir);
    if (n == 0 || n >= sizeof dir)
        return std::string();
    std::string folder = std::string("Z:") + dir;
    for (char& c : folder)
        if (c == '/')
            c = '\\';
    return folder;
}

// The newest PDF whose name begins with `prefix`.
std::string FindPdf(const std::string& folder, const std::string& prefix)
{
    WIN32_FIND_DATAA fd;
    HANDLE h = ::FindFirstFileA((folder + "\\" + prefix + "*.pdf").c_str(), &fd);
    if (h == INVALID_HANDLE_VALUE)
        return std::string();
    std::string best;
    FILETIME bestTime = {};
    do {
        if (best.empty() || ::CompareFileTime(&fd.ftLastWriteTime, &bestTime) > 0) {
            best = folder + "\\" + fd.cFileName;
            bestTime = fd.ftLastWriteTime;
        }
    } while (::FindNextFileA(h, &fd));
    ::FindClose(h);
    return best;
}

// Reads a whole file; false when it does not exist.
bool ReadWholeFile(const std::string& path, std::string& text)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream all;
    all << in.rdbuf();
    text = all.str();
    return true;
}

// The CUPS queue of the "PDF" printer as lpq lists it with job names.
// Empty when it could not be read.
std::string QueueListing()
{
    char temp[MAX_PATH];
    ::GetTempPathA(sizeof temp, temp);
    std::ostringstream name;
    name << temp << "lpq-" << ::GetCurrentProcessId() << ".txt";
    const std::string listing = name.str();
    const std::string unixListing = UnixPathOf(listing);
    if (unixListing.empty())
        return std::string();
    ::DeleteFileA(listing.c_str());
    // Written aside and renamed, so that a file present is a whole listing.
    const std::string command = "sh -c \"lpq -P PDF -l > '" + unixListing + ".part' 2>&1; mv '" + unixListing +
                                ".part' '" + unixListing + "'\"";
    std::string text;
    if (RunUnix("/bin/sh", command)) {
        for (int i = 0; i < 100 && !ReadWholeFile(listing, text); ++i)
            ::Sleep(50);
    }
    ::DeleteFileA(listing.c_str());
    return text;
}

// The job is complete when CUPS no longer lists it: cups-pdf has written
// the whole file by then.
bool JobCompleted(const std::string& title)
{
    const std::string listing = QueueListing();
    return !listing.empty() && listing.find(title) == std::string::npos;
}

bool ReadPgm(const std::string& path, GrayImage& image)
{
    std::ifstream in(path, std::ios::binary);
    std::string magic;
    int maxval = 0;
    in >> magic >> image.width >> image.height >> maxval;
    in.get();
    if (!in || magic != "P5" || maxval != 255 || image.width <= 0 || image.height <= 0)
        return false;
    image.pixels.resize(static_cast<size_t>(image.width) * image.height);
    in.read(reinterpret_cast<char*>(image.pixels.data()), static_cast<std::streamsize>(image.pixels.size()));
    return static_cast<bool>(in);
}

}  // namespace

bool RunUnix(const std::string& program, const std::string& commandLine)
{
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    std::string cmd = commandLine;
    std::string image = "Z:" + program;
    for (char& c : image)
        if (c == '/')
            c = '\\';
    if (!::CreateProcessA(image.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        return false;
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return true;
}

PdfPrinterLock::PdfPrinterLock()
    : m_file(::CreateFileA("Z:\\tmp\\suite-test-pdf-printer.lock", GENERIC_READ | GENERIC_WRITE,
          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_ALWAYS, 0, nullptr))
{
    if (m_file == INVALID_HANDLE_VALUE)
        return;
    // A lock held by another wineserver cannot wake a waiter here: poll.
    OVERLAPPED at = {};
    for (int i = 0; i < 2400; ++i) {
        if (::LockFileEx(m_file, LOCKFILE_EXCLUSIVE_LOCK | LOCKFILE_FAIL_IMMEDIATELY, 0, 1, 0, &at))
            return;
        ::Sleep(50);
    }
}

PdfPrinterLock::~PdfPrinterLock()
{
    if (m_file != INVALID_HANDLE_VALUE)
        ::CloseHandle(m_file);  // closing the handle releases its lock
}

std::string PrintJobTitle(const char* pszName)
{
    static int nJob = 0;
    std::ostringstream title;
    title << pszName << "-" << (sizeof(void*) == 8 ? "x64" : "x86") << "-" << ::GetCurrentProcessId() << "-"
          << ++nJob;
    return title.str();
}

std::string WaitForPrintedPdf(const std::string& title)
{
    const std::string folder = PdfFolder();
    for (int i = 0; i < 300; ++i) {
        std::string pdf = FindPdf(folder, title);
        if (!pdf.empty() && JobCompleted(title))
            return pdf;
        ::Sleep(100);
    }
    return std::string();
}

PdfPrintJob::PdfPrintJob(const std::string& title)
    : m_lock(new PdfPrinterLock), m_dc(nullptr), m_title(PrintJobTitle(title.c_str())), m_started(false)
{
    m_dc = ::CreateDCA("WINSPOOL", "PDF", nullptr, nullptr);
    if (m_dc == nullptr)
        return;
    DOCINFOA doc = {};
    doc.cbSize = sizeof doc;
    doc.lpszDocName = m_title.c_str();
    m_started = ::StartDocA(m_dc, &doc) > 0 && ::StartPage(m_dc) > 0;
}

PdfPrintJob::~PdfPrintJob()
{
    if (m_dc != nullptr)
        ::DeleteDC(m_dc);
}

std::string PdfPrintJob::finish()
{
    std::string pdf = WaitForPdf();
    m_lock.reset();
    return pdf;
}

std::string PdfPrintJob::WaitForPdf()
{
    if (!m_started)
        return std::string();
    m_started = false;
    if (::EndPage(m_dc) <= 0 || ::EndDoc(m_dc) <= 0)
        return std::string();
    return WaitForPrintedPdf(m_title);
}

double GrayImage::mean(int left, int top, int right, int bottom) const
{
    double sum = 0;
    int n = 0;
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x, ++n)
            sum += at(x, y);
    return n ? sum / n : -1;
}

std::string UnixPathOf(const std::string& windowsPath)
{
    typedef char* (CDECL * ToUnix)(LPCWSTR);
    auto toUnix = reinterpret_cast<ToUnix>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (toUnix == nullptr)
        return std::string();
    wchar_t wide[MAX_PATH];
    if (!::MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide, MAX_PATH))
        return std::string();
    char* unix = toUnix(wide);
    if (unix == nullptr)
        return std::string();
    std::string result(unix);
    ::HeapFree(::GetProcessHeap(), 0, unix);
    return result;
}

GrayImage RasterizePdf(const std::string& pdfPath, int dpi, int page)
{
    GrayImage image;
    char temp[MAX_PATH];
    ::GetTempPathA(sizeof temp, temp);
    std::ostringstream base;
    base << temp << "raster-" << ::GetCurrentProcessId();
    const std::string outBase = UnixPathOf(base.str());
    const std::string pdf = UnixPathOf(pdfPath);
    if (outBase.empty() || pdf.empty())
        return image;
    std::ostringstream cmd;
    cmd << "pdftoppm -gray -singlefile -f " << page << " -l " << page << " -r " << dpi << " \"" << pdf << "\" \"" << outBase << "\"";
    const std::string pgm = base.str() + ".pgm";
    ::DeleteFileA(pgm.c_str());
    if (RunUnix("/usr/bin/pdftoppm", cmd.str())) {
        // Wine does not wait for a Unix child: poll until the image is whole.
        for (int i = 0; i < 300 && !ReadPgm(pgm, image); ++i)
            ::Sleep(100);
    }
    ::DeleteFileA(pgm.c_str());
    return image;
}
