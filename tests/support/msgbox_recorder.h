// Message boxes in tests: never shown. Outside a recorder's scope a message
// box fails the running test; inside, its text and caption are recorded and
// the recorder's answer returned.
#pragma once
#include <windows.h>
#include <string>
#include <vector>

struct RecordedMessageBox {
    std::string text;
    std::string caption;
    UINT type;
};

class MessageBoxRecorder {
public:
    explicit MessageBoxRecorder(int answer = IDOK);
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const std::vector<RecordedMessageBox>& shown() const { return m_shown; }
    void setAnswer(int answer) { m_answer = answer; }

    static void InstallDefault();

private:
    static int Hook(HWND owner, LPCSTR text, LPCSTR caption, UINT type);
    static int Unexpected(HWND owner, LPCSTR text, LPCSTR caption, UINT type);

    int m_answer;
    std::vector<RecordedMessageBox> m_shown;
    MessageBoxRecorder* m_outer;
};
