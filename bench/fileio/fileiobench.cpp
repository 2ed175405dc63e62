// A form data file of many pages, made from the sample forms with every
// field filled, stored and loaded through CMirtFileIO next to a plain CFile
// write and read of the same bytes. The load runs in a child process (this
// program again), so that its memory counters show the load alone.
//   fileio_bench <install root> <work folder> <pages>
//   fileio_bench --load <install root> <file>
// The child prints "<pages> <seconds> <working set before> <peak working set>".
// The same load is also taken in this process after the store (and after
// the loads before it), where the heap holds the freed blocks of large
// documents.
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "benchclock.h"
#include "benchform.h"
#include "figureline.h"
#include "mirtenv.h"
#include "mirtfileio.h"
#include "nmirtdoc.h"
#include "npropobj.h"
#include "propdata.h"
#include "strel95data.h"

namespace {

const double kMB = 1024.0 * 1024.0;
const UINT kChunk = 64 * 1024;
const int kRounds = 3;

// Fills every field that carries data with its name and the page number.
void FillPage(CNMirtDoc* pDoc, int nPage)
{
    CString strNumber;
    strNumber.Format(" %05d", nPage);
    for (POSITION pos = pDoc->RefList()->GetHeadPosition(); pos != nullptr;) {
        const CPropData* pFace = static_cast<const CPropData*>(pDoc->RefList()->GetNext(pos));
        POSITION posField;
        for (CNPropObj* p = pFace->GetFirstPropObj(posField); p != nullptr; p = pFace->GetNextPropObj(posField)) {
            if (p->CarriesData())
                pDoc->SetStrDataByOrder(p->m_nOrder, pFace->m_nMen, p->m_strName + strNumber, TRUE);
        }
    }
}

// nPages pages, the sample forms in turn.
CStrel95Data* MakePages(int nPages)
{
    CBenchForm forms[BENCH_FORM_COUNT];
    for (int i = 0; i < BENCH_FORM_COUNT; i++)
        BenchCheck(forms[i].SetFormat(BENCH_FIRST_FORM + i) == 1, "a sample form does not load");
    CStrel95Data* pData = new CStrel95Data;
    for (int nPage = 0; nPage < nPages; nPage++) {
        CBenchForm& form = forms[nPage % BENCH_FORM_COUNT];
        CNMirtDoc* pDoc = new CNMirtDoc;
        pDoc->SetFormat(form.Layout());
        pDoc->SetList(form.Faces());
        FillPage(pDoc, nPage);
        pData->AddTail(pDoc);
    }
    return pData;
}

// Seconds to store the pages into the file.
double Store(CStrel95Data* pData, const CString& strPath)
{
    CMirtFileIO io;
    io.AddList(pData);
    CBenchClock clock;
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    CArchive ar(&file, CArchive::store);
    io.Serialize(ar);
    ar.Close();
    file.Close();
    return clock.Seconds();
}

// Seconds to read the file whole, in chunks, into bytes.
double PlainRead(const CString& strPath, std::vector<BYTE>& bytes)
{
    CBenchClock clock;
    CFile file(strPath, CFile::modeRead);
    bytes.resize(static_cast<size_t>(file.GetLength()));
    for (size_t nAt = 0; nAt < bytes.size();) {
        const UINT nRead = file.Read(bytes.data() + nAt, static_cast<UINT>(std::min<size_t>(kChunk, bytes.size() - nAt)));
        BenchCheck(nRead > 0, "the file ends early");
        nAt += nRead;
    }
    file.Close();
    return clock.Seconds();
}

// Seconds to write the bytes into a new file, in chunks.
double PlainWrite(const CString& strPath, const std::vector<BYTE>& bytes)
{
    CBenchClock clock;
    CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
    for (size_t nAt = 0; nAt < bytes.size(); nAt += kChunk)
        file.Write(bytes.data() + nAt, static_cast<UINT>(std::min<size_t>(kChunk, bytes.size() - nAt)));
    file.Close();
    return clock.Seconds();
}

PROCESS_MEMORY_COUNTERS MemoryCounters()
{
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    BenchCheck(::GetProcessMemoryInfo(::GetCurrentProcess(), &counters, sizeof counters) != 0,
               "no memory counters");
    return counters;
}

// Seconds to load the file into io.
double Load(CMirtFileIO& io, const CString& strPath)
{
    CBenchClock clock;
    CFile file(strPath, CFile::modeRead);
    CArchive ar(&file, CArchive::load);
    io.Serialize(ar);
    ar.Close();
    file.Close();
    return clock.Seconds();
}

// The pages loaded; checks that the last page came back filled.
int LoadedPages(CMirtFileIO& io)
{
    CStrel95Data* pData = io.GetStrelData();
    BenchCheck(pData != nullptr && !pData->GetMirtDocList()->IsEmpty(), "the file holds no pages");
    CNMirtDoc* pLast = static_cast<CNMirtDoc*>(pData->GetMirtDocList()->GetTail());
    BenchCheck(pLast->GetPropObjByOrder(1) != nullptr && !pLast->GetPropObjByOrder(1)->m_strData.IsEmpty(),
               "a loaded page lost its data");
    return static_cast<int>(pData->GetMirtDocList()->GetCount());
}

// The child: loads the file and prints its figures.
int LoadChild(const CString& strPath)
{
    const PROCESS_MEMORY_COUNTERS before = MemoryCounters();
    CMirtFileIO io;
    const double seconds = Load(io, strPath);
    const PROCESS_MEMORY_COUNTERS after = MemoryCounters();
    std::printf("%d %.6f %.0f %.0f\n", LoadedPages(io), seconds, static_cast<double>(before.WorkingSetSize),
                static_cast<double>(after.PeakWorkingSetSize));
    return 0;
}

// Seconds to load the file in this process, which has stored, closed and
// loaded large documents before, as the form screen opens files.
double LoadHere(const CString& strPath, int nPages)
{
    CMirtFileIO io;
    const double seconds = Load(io, strPath);
    BenchCheck(LoadedPages(io) == nPages, "the load gave another page count");
    return seconds;
}

// Runs this program on the file with --load; its output line.
std::string RunLoadChild(const CString& strRoot, const CString& strPath)
{
    char szSelf[MAX_PATH];
    ::GetModuleFileNameA(nullptr, szSelf, sizeof szSelf);
    std::string command = std::string("\"") + szSelf + "\" --load \"" + static_cast<LPCSTR>(strRoot) + "\" \"" +
                          static_cast<LPCSTR>(strPath) + "\"";

    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    HANDLE hRead = nullptr;
    HANDLE hWrite = nullptr;
    BenchCheck(::CreatePipe(&hRead, &hWrite, &inherit, 0) != 0, "no pipe");
    ::SetHandleInformation(hRead, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = hWrite;
    startup.hStdError = ::GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION process = {};
    const BOOL bStarted =
        ::CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process);
    ::CloseHandle(hWrite);
    BenchCheck(bStarted != 0, "the load process does not start");

    std::string output;
    char buffer[256];
    DWORD dwRead = 0;
    while (::ReadFile(hRead, buffer, sizeof buffer, &dwRead, nullptr) && dwRead > 0)
        output.append(buffer, dwRead);
    ::CloseHandle(hRead);
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD dwExit = 1;
    ::GetExitCodeProcess(process.hProcess, &dwExit);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    BenchCheck(dwExit == 0, "the load failed");
    return output;
}

int Bench(const CString& strRoot, const CString& strWork, int nPages)
{
    const CString strFile = strWork + "\\bench.dat";
    const CString strCopy = strWork + "\\plain.dat";
    const double storeSeconds = Store(MakePages(nPages), strFile);
    // Reads and loads are taken kRounds times each, alternating, and the
    // fastest of each kind is kept: a busy machine slows single runs.
    std::vector<BYTE> bytes;
    double readSeconds = 0;
    double loadSeconds = 0;
    double loadHereSeconds = 0;
    double baseBytes = 0;
    double peakBytes = 0;
    for (int nRound = 0; nRound < kRounds; nRound++) {
        bytes = std::vector<BYTE>();
        const double seconds = PlainRead(strFile, bytes);
        if (nRound == 0 || seconds < readSeconds)
            readSeconds = seconds;

        int nLoaded = 0;
        double childSeconds = 0, childBase = 0, childPeak = 0;
        const std::string child = RunLoadChild(strRoot, strFile);
        BenchCheck(std::sscanf(child.c_str(), "%d %lf %lf %lf", &nLoaded, &childSeconds, &childBase, &childPeak) == 4,
                   "the load printed no figures");
        BenchCheck(nLoaded == nPages, "the load gave another page count");
        const double hereSeconds = LoadHere(strFile, nPages);
        if (nRound == 0 || hereSeconds < loadHereSeconds)
            loadHereSeconds = hereSeconds;
        if (nRound == 0 || childSeconds < loadSeconds) {
            loadSeconds = childSeconds;
            baseBytes = childBase;
            peakBytes = childPeak;
        }
    }
    const double writeSeconds = PlainWrite(strCopy, bytes);
    ::DeleteFileA(strFile);
    ::DeleteFileA(strCopy);

    const double mb = static_cast<double>(bytes.size()) / kMB;
    CFigureLine line("fileio");
    line.Add("pages", nPages, 0);
    line.Add("file_MB", mb, 1);
    line.Add("store_MBps", mb / storeSeconds, 1);
    line.Add("store_pages_per_s", nPages / storeSeconds, 0);
    line.Add("write_MBps", mb / writeSeconds, 1);
    line.Add("load_MBps", mb / loadSeconds, 1);
    line.Add("load_pages_per_s", nPages / loadSeconds, 0);
    line.Add("load_after_store_MBps", mb / loadHereSeconds, 1);
    line.Add("read_MBps", mb / readSeconds, 1);
    line.Add("load_peak_ws_MB", peakBytes / kMB, 1);
    line.Add("load_ws_growth_MB", (peakBytes - baseBytes) / kMB, 1);
    line.Print();
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const bool bChild = argc == 4 && std::string(argv[1]) == "--load";
    BenchCheck(bChild || argc == 4, "usage: fileio_bench <install root> <work folder> <pages>");
    CMirtEnv::SetRootOverride(argv[bChild ? 2 : 1]);
    try {
        return bChild ? LoadChild(argv[3]) : Bench(argv[1], argv[2], std::atoi(argv[3]));
    } catch (CException* e) {
        e->Delete();
        BenchCheck(false, "a framework exception");
    }
    return 1;
}
