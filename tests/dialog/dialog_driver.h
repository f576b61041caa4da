// Drives the real conditions dialog in this process: the test thread runs
// DoModal, a driver thread sends it window messages and keys, and a hook
// answers the message boxes and the file dialog as they open.
#ifndef TESTS_DIALOG_DIALOG_DRIVER_H
#define TESTS_DIALOG_DIALOG_DRIVER_H

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "dialog/condition_dlg.h"

namespace drive {

// A box as it opened: caption, text (static 0xFFFF), 'W' warning (OK and
// exclamation icon), 'Q' question (Yes/No), 'I' information (OK and the
// information icon), '?' otherwise; whether the dialog owned it.
struct Box {
    std::string caption, text;
    char kind;
    bool ownedByDialog;
};

enum { SHIFT = 1, CTRL = 2, ALT = 4 };

class Driver {
public:
    HWND dlg = nullptr;
    HWND Item(int id) const { return ::GetDlgItem(dlg, id); }
    HWND Focus() const;
    std::string Text(int id) const;
    void SetText(int id, const std::string& text);
    // A key as the dialog's thread receives it, with these modifiers held.
    void Key(HWND target, WPARAM vk, int mods = 0);
    void Click(int id);
    // Waits up to 10 s; false on time-out.
    bool WaitFor(const std::function<bool()>& done) const;
    bool WaitFocus(int id) const;
    // Waits until n boxes have been seen in all.
    bool WaitBoxes(size_t n) const;
    size_t BoxCount() const;
    bool Ended() const { return !::IsWindowVisible(dlg); }
    // The whole text of an edit is selected (positions in bytes or, as Wine
    // gives them, in characters).
    bool AllSelected(int id) const;
    // Saves what the screen shows of the dialog as a 24-bit BMP file.
    bool SaveScreenshot(const std::string& path) const;
    // Lets posted input be handled when nothing visible should happen.
    void Pause() const { ::Sleep(300); }
};

// Answers for the coming questions (IDYES/IDNO), in order; OK boxes get OK,
// questions without an answer get No.
void AnswerQuestions(const std::vector<int>& answers);
// The file dialog's answer: empty cancels it; a path is typed as the file
// name and confirmed.
void AnswerFileDialog(const std::string& path);

// What the file dialog showed: caption, file name, and how often it opened.
struct FileDialogSeen {
    std::string caption, fileName;
    int count = 0;
};

struct Outcome {
    INT_PTR result = -1;
    std::vector<Box> boxes;
    FileDialogSeen fileDialog;
};

// Runs the dialog modally with the script on a second thread. A dialog
// still open after the script is cancelled (ending with 1003).
Outcome Run(CConditionDlg& dlg, const std::function<void(Driver&)>& script);

// Texts of the boxes, for compact expectations.
std::vector<std::string> Texts(const std::vector<Box>& boxes);

}  // namespace drive

#endif
