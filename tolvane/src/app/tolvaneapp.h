// CTolvaneApp: the form screen's application object. It reads the start
// arguments (a layout id from the launcher, a layout id with an import
// from other software, or a file), runs the single-document template and,
// when the last form screen ends, brings a minimised launcher back.
#pragma once
#include <afxwin.h>

class CTolvaneApp : public CWinApp
{
    DECLARE_DYNAMIC(CTolvaneApp)
public:
    // What ParseStartArgs found.
    enum
    {
        START_STOP = 0,          // end the program
        START_FRAMEWORK = 1,     // the framework's command line
        START_PATH_BLANKS = 2    // the whole command line is one file path
    };

    CTolvaneApp();

    BOOL InitInstance() override;
    int ExitInstance() override;

    // "/L:<id>": start on that layout (its sample, when there is one, goes
    // into the first document); "/E:<id>": start on that layout and import
    // from other software, the text between "/:S" and "@:E" being the
    // conversion text; otherwise a file. Shows the reason before START_STOP.
    int ParseStartArgs(CString strArgs);
    // Dispatches every waiting message, then runs the idle handler; FALSE
    // when a quit message was met (it is posted again).
    BOOL PumpPending();

    // The sample data file of a layout: "\DATA\SAMPLES\S<id>.qmt" under the
    // install root (without the extension in an unknown install mode).
    static CString SamplePath(int nLayoutID);
    // Install modes 0 and 1 are the ones the form screen knows.
    static BOOL IsKnownInstallMode(int nMode) { return nMode == 0 || nMode == 1; }

    int m_bExternalImport;
    int m_bSampleExists;
    int m_nLayoutID;
    CString m_strConvText;
    HANDLE m_hMutex;
    int m_bMutexCreated;

protected:
    afx_msg void OnAppAbout();
    DECLARE_MESSAGE_MAP()

private:
    // The layout id after a marker; FALSE (reported) when it is not above 0.
    BOOL TakeLayoutID(LPCSTR pszAfterMarker);
    void TakeConversionText(const CString& strArgs);
    // The template, the shell command and the main window.
    BOOL StartDocuments(int nStart);
    void SetHelpPath();
    // When no other form screen runs: a minimised launcher is restored.
    static void RestoreLauncher();
};

// The application object, or null outside the form screen.
CTolvaneApp* TolvaneApp();
