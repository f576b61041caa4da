// Helpers for tests that start the real programs: temporary installations,
// running a program with its output captured, and answering the message
// boxes of another process the way a person would.
#ifndef TESTS_SUPPORT_E2E_H
#define TESTS_SUPPORT_E2E_H

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace e2e {

// A fresh, empty folder for one test case (under the build folder); ends
// with a backslash.
std::string FreshDir(const std::string& name);
std::string BinDir();                        // the build's bin\ folder
std::string SourceDir();                     // the source tree, as a Windows path
bool WriteBytes(const std::string& path, const std::string& bytes);
std::string ReadBytes(const std::string& path);
bool Exists(const std::string& path);
bool Copy(const std::string& from, const std::string& to);
// Copies an edition program from bin\ into dir and returns its path there
// (empty when it could not be copied).
std::string InstallEdition(const std::string& dir, const std::string& edition);

struct Box {
    HWND hwnd;
    std::string caption;
    std::string text;
    UINT buttons;  // MB_OK or MB_YESNO, from the buttons present
};

// Called every 50 ms while the program runs, with its process id; answer
// boxes from here.
typedef std::function<void(DWORD pid)> Tick;

struct Result {
    DWORD exitCode = 0;
    bool timedOut = false;
    std::string out;  // standard output
};

Result Run(const std::string& commandLine, int timeoutSeconds, const Tick& tick = Tick());

// Visible top-level message boxes (dialogs of class #32770 holding a
// static 0xFFFF) of a process; pid 0: of every process but this one (tests
// that use the display run alone on it).
std::vector<Box> Boxes(DWORD pid);
// Presses a button of a box (IDOK, IDYES, IDNO...).
void Press(const Box& box, int id);

// Answers every box of the process with the given button and records it.
struct BoxAnswerer {
    int button = IDOK;       // IDOK answers a question with Yes
    bool anyProcess = false; // the boxes of a grandchild (started by the simulator)
    std::vector<Box> seen;
    void operator()(DWORD pid);
};

// "key=value" lines as the host simulator prints them.
std::map<std::string, std::string> KeyValues(const std::string& text);

// Sets or clears (value null) an environment variable for started programs.
void SetEnv(const char* name, const char* value);

}  // namespace e2e

#endif
