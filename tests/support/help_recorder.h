// The help viewer in tests: never started. Outside a recorder's scope a
// request fails the running test; inside, it is recorded and the recorder's
// answer (whether the viewer started) returned.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct RecordedHelp {
    HWND owner;
    std::string file;
    UINT command;
    ULONG_PTR data;
};

class HelpRecorder {
public:
    explicit HelpRecorder(BOOL bStarts = TRUE);
    ~HelpRecorder();
    HelpRecorder(const HelpRecorder&) = delete;
    HelpRecorder& operator=(const HelpRecorder&) = delete;

    const std::vector<RecordedHelp>& requests() const { return m_requests; }

    static void InstallDefault();

private:
    static BOOL Hook(HWND owner, LPCSTR file, UINT command, ULONG_PTR data);
    static BOOL Unexpected(HWND owner, LPCSTR file, UINT command, ULONG_PTR data);

    BOOL m_bStarts;
    std::vector<RecordedHelp> m_requests;
};
