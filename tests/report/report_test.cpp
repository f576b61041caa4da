// The XML writer, the report document and the SUPPORT.INF reader on real
// files under Windows. Complete reports go to <build>\tests\report\out\,
// where report_xmllint checks that every one of them parses.
#include <direct.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "aggregate/zandaka.h"
#include "app/edition.h"
#include "fw/file.h"
#include "ledger/records.h"
#include "report/progress_dlg.h"
#include "report/report_writer.h"
#include "report/support_info.h"
#include "report/xml_core.h"
#include "report/xml_writer.h"
#include "res/resource.h"

namespace {

std::string WinPath(std::string s) {
    for (char& c : s)
        if (c == '/') c = '\\';
    return "Z:" + s;
}

// Reports that must be well-formed XML.
std::string OutDir() {
    const char* bin = std::getenv("BL_BINARY_DIR");
    std::string dir = WinPath(bin ? bin : "/tmp") + "\\tests\\report\\out\\";
    ::CreateDirectoryA(dir.substr(0, dir.size() - 1).c_str(), nullptr);
    return dir;
}

// A fresh folder of its own for each test: scratch files and SUPPORT.INF.
std::string MakeWorkDir(const char* name) {
    char tmp[MAX_PATH];
    ::GetTempPathA(MAX_PATH, tmp);
    std::string dir = std::string(tmp) + "bl_report_" + name + "\\";
    ::CreateDirectoryA(dir.c_str(), nullptr);
    ::DeleteFileA((dir + "SUPPORT.INF").c_str());
    return dir;
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

void WriteAll(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}

bool Exists(const std::string& path) { return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// Joins lines given as (TABs, text) with CR LF.
std::string Lines(const std::vector<std::pair<int, std::string>>& lines) {
    std::string s;
    for (const auto& l : lines) s += std::string((size_t)l.first, '\t') + l.second + "\r\n";
    return s;
}

std::string Hex(const std::string& s) {
    std::string out;
    char b[4];
    for (unsigned char c : s) {
        std::snprintf(b, sizeof b, "%02X ", c);
        out += b;
    }
    if (!out.empty()) out.pop_back();
    return out;
}

// ---------------------------------------------------------------- CXmlWriter

TEST(XmlWriter, WorkedExampleByteForByte) {
    std::string path = OutDir() + "xml_example.xml";
    CFile file;
    CXmlWriter xml;
    char line[256];
    ASSERT_EQ(xml.Open(&file, path.c_str()), 0);
    EXPECT_EQ(xml.m_strPath, path.c_str());
    EXPECT_EQ(xml.WriteText(xml::kDeclaration), 1);
    EXPECT_EQ(xml.WriteStartTag(line, sizeof line, "REPORT", 0), 1);
    EXPECT_EQ(xml.WriteStartTag(line, sizeof line, "KANJYOKAMOKU", 2, "Count", "   2"), 1);
    std::string startLine = line;
    EXPECT_EQ(xml.WriteElement(line, sizeof line, "KANJYOKAMOKU_NAME", "A&B <C>", 3), 1);
    EXPECT_EQ(xml.WriteElement(line, sizeof line, "KANJYOKAMOKU_ZANDAKA", "", 3), 1);
    EXPECT_EQ(xml.WriteEndTag(line, sizeof line, "KANJYOKAMOKU", 2), 1);
    std::string endLine = line;
    EXPECT_EQ(xml.WriteEndTag(line, sizeof line, "REPORT", 0), 1);
    EXPECT_EQ(xml.Close(), 0);
    EXPECT_EQ(xml.m_pFile, nullptr);
    EXPECT_EQ(xml.Close(), 0);

    EXPECT_EQ(Hex(startLine),
              "09 09 3C 4B 41 4E 4A 59 4F 4B 41 4D 4F 4B 55 20 43 6F 75 6E 74 3D 22 20 20 20 32 22 3E 0D 0A");
    EXPECT_EQ(Hex(endLine), "09 09 3C 2F 4B 41 4E 4A 59 4F 4B 41 4D 4F 4B 55 3E 0D 0A");
    EXPECT_EQ(ReadAll(path), Lines({{0, "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>"},
                                    {0, "<REPORT>"},
                                    {2, "<KANJYOKAMOKU Count=\"   2\">"},
                                    {3, "<KANJYOKAMOKU_NAME>A&amp;B &lt;C&gt;</KANJYOKAMOKU_NAME>"},
                                    {3, "<KANJYOKAMOKU_ZANDAKA></KANJYOKAMOKU_ZANDAKA>"},
                                    {2, "</KANJYOKAMOKU>"},
                                    {0, "</REPORT>"}}));
}

TEST(XmlWriter, AttributeFormsAndShiftJisValues) {
    std::string path = OutDir() + "xml_forms.xml";
    CFile file;
    CXmlWriter xml;
    char line[256];
    xml.Open(&file, path.c_str());
    xml.WriteText(xml::kDeclaration);
    EXPECT_EQ(xml.WriteStartTag(line, sizeof line, "R", 0, nullptr, "x", "b", "2"), 1);
    EXPECT_EQ(xml.WriteElement(line, sizeof line, "E", "表ソ", 4, "a", "<>&\"'", "b", "&amp;"), 1);
    EXPECT_EQ(xml.WriteElement(line, sizeof line, "F", "", 1, "a", nullptr, "b", "2"), 1);
    EXPECT_EQ(xml.WriteEndTag(line, sizeof line, "R", 0), 1);
    xml.Close();
    EXPECT_EQ(ReadAll(path), Lines({{0, "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>"},
                                    {0, "<R>"},
                                    {4, "<E a=\"&lt;&gt;&amp;&quot;&apos;\" b=\"&amp;amp;\">表ソ</E>"},
                                    {1, "<F></F>"},
                                    {0, "</R>"}}));
}

TEST(XmlWriter, FailedWriteClosesTheFileAndLaterWritesFail) {
    std::string dir = MakeWorkDir("xml_fail");
    std::string path = dir + "broken.xml";
    std::string other = dir + "readonly.txt";
    WriteAll(other, "x");
    CFile file;
    CXmlWriter xml;
    char line[256];
    ASSERT_EQ(xml.Open(&file, path.c_str()), 0);
    EXPECT_EQ(xml.WriteStartTag(line, sizeof line, "REPORT", 0), 1);

    // Put a handle that refuses writes under the writer's file.
    ::CloseHandle(file.m_hFile);
    file.m_hFile = ::CreateFileA(other.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file.m_hFile, INVALID_HANDLE_VALUE);

    EXPECT_EQ(xml.WriteText("abc"), 0);
    EXPECT_FALSE(file.IsOpen());
    EXPECT_EQ(xml.m_pFile, &file);  // still bound, so every later write fails too
    EXPECT_EQ(xml.WriteStartTag(line, sizeof line, "A", 1), 0);
    EXPECT_EQ(xml.WriteElement(line, sizeof line, "B", "x", 1), 0);
    EXPECT_EQ(xml.WriteEndTag(line, sizeof line, "REPORT", 0), 0);
    EXPECT_EQ(xml.Close(), 0);
    EXPECT_EQ(xml.m_pFile, nullptr);
    EXPECT_EQ(xml.Close(), 0);
    EXPECT_EQ(ReadAll(path), "<REPORT>\r\n");  // what was written stays
}

TEST(XmlWriter, OpenArgumentsAndUnopenableFiles) {
    std::string dir = MakeWorkDir("xml_open");
    CFile file;
    char line[256];
    {
        CXmlWriter xml;
        EXPECT_EQ(xml.Open(nullptr, (dir + "a.xml").c_str()), -1);
        EXPECT_EQ(xml.Open(&file, nullptr), -1);
        EXPECT_EQ(xml.m_pFile, nullptr);
        EXPECT_EQ(xml.WriteText("x"), 0);  // unbound
    }
    {
        // Missing folder: the open is attempted, the first write reports it.
        CXmlWriter xml;
        std::string path = dir + "missing\\a.xml";
        EXPECT_EQ(xml.Open(&file, path.c_str()), 0);
        EXPECT_EQ(xml.WriteText(xml::kDeclaration), 0);
        EXPECT_EQ(xml.WriteStartTag(line, sizeof line, "REPORT", 0), 0);
        EXPECT_FALSE(Exists(path));
    }
    {
        // Held open by someone else: exclusive access fails; the file is untouched.
        std::string path = dir + "busy.xml";
        WriteAll(path, "keep");
        HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        CXmlWriter xml;
        EXPECT_EQ(xml.Open(&file, path.c_str()), 0);
        EXPECT_EQ(xml.WriteText("x"), 0);
        ::CloseHandle(h);
        EXPECT_EQ(ReadAll(path), "keep");
    }
    {
        // An existing file is emptied, and the writer keeps others out while open.
        std::string path = dir + "old.xml";
        WriteAll(path, "a much longer earlier content");
        CXmlWriter xml;
        EXPECT_EQ(xml.Open(&file, path.c_str()), 0);
        EXPECT_EQ(xml.WriteText("new"), 1);
        HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                 OPEN_EXISTING, 0, nullptr);
        EXPECT_EQ(h, INVALID_HANDLE_VALUE);
        if (h != INVALID_HANDLE_VALUE) ::CloseHandle(h);
        xml.Close();
        EXPECT_EQ(ReadAll(path), "new");
    }
}

// ---------------------------------------------------------------- CSupportInfo

class SupportInfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        char cwd[MAX_PATH];
        ::GetCurrentDirectoryA(MAX_PATH, cwd);
        m_strOldDir = cwd;
        m_strDir = MakeWorkDir(::testing::UnitTest::GetInstance()->current_test_info()->name());
        ASSERT_TRUE(::SetCurrentDirectoryA(m_strDir.c_str()));
    }
    void TearDown() override { ::SetCurrentDirectoryA(m_strOldDir.c_str()); }
    void PutSupportFile(const std::string& bytes) { WriteAll(m_strDir + "SUPPORT.INF", bytes); }

    std::string m_strOldDir;
    std::string m_strDir;
};

TEST_F(SupportInfoTest, SampleFileGivesNameAndVersion) {
    const char* src = std::getenv("BL_SOURCE_DIR");
    PutSupportFile(ReadAll(WinPath(src ? src : "") + "\\tests\\report\\data\\SUPPORT.INF"));
    CSupportInfo info;
    EXPECT_STREQ(info.GetProductName(), "帳簿システム");
    EXPECT_STREQ(info.GetProductVersion(), "21.00.05");
}

TEST_F(SupportInfoTest, FileIsReadOnceAndBufferFilled) {
    PutSupportFile("[=製品名=]A\r\n");
    CSupportInfo info;
    EXPECT_EQ(info.m_hData, nullptr);
    EXPECT_STREQ(info.GetProductName(), "A");
    ASSERT_NE(info.m_pData, nullptr);
    EXPECT_EQ((unsigned char)info.m_pData[29999], 0xFF);
    // A file changed after the first request is not read again.
    PutSupportFile("[=製品名=]A\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]1\r\n");
    EXPECT_STREQ(info.GetProductVersion(), "");
}

TEST_F(SupportInfoTest, MissingFileGivesEmptyTexts) {
    CSupportInfo info;
    EXPECT_EQ(info.Load(), 0);
    EXPECT_NE(info.m_hData, nullptr);
    EXPECT_EQ(info.Load(), 1);  // the buffer exists now; nothing is read again
    EXPECT_STREQ(info.GetProductName(), "");
    EXPECT_STREQ(info.GetProductVersion(), "");
}

// ---------------------------------------------------------------- CReportWriter

// Records the captions the report gives the progress window.
struct ProgressLog {
    static std::vector<std::string> captions;
    static HWND dialog;

    static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam) {
        const CWPSTRUCT* m = (const CWPSTRUCT*)lParam;
        if (code == HC_ACTION) {
            if (m->hwnd == dialog && m->message == WM_SETTEXT) captions.push_back((const char*)m->lParam);
        }
        return ::CallNextHookEx(nullptr, code, wParam, lParam);
    }
};
std::vector<std::string> ProgressLog::captions;
HWND ProgressLog::dialog;

// Reports without a progress window: the writer then only writes, which
// keeps these tests quick; ReportProgressTest adds the window.
class ReportTest : public SupportInfoTest {
protected:
    void SetUp() override {
        SupportInfoTest::SetUp();
        m_writer.m_pList = &m_list;
        m_writer.SetProgressBase(500);
        std::memset(&m_data, 0, sizeof m_data);
        std::strcpy(m_data.szCompanyName, "ABC商会");
        m_data.lPeriodStart = 20230401;
        m_data.lPeriodEnd = 20240331;
    }

    void Add(int32_t code, const char* name, bool hasHojyo, int64_t llZandaka) {
        m_records.emplace_back();
        StZANDAKAINFO& r = m_records.back();
        std::memset(&r, 0, sizeof r);
        r.lCode = code;
        std::strcpy(r.szName, name);
        r.cHasHojyo = hasHojyo ? 1 : 0;
        r.llZandaka = llZandaka;
        m_list.push_back(&r);
    }

    // Writes the report into the checked output folder and returns its lines
    // without line ends (every line must end in CR LF).
    std::vector<std::string> WriteLines(const char* fileName, short nFunctionID = 1) {
        std::string path = OutDir() + fileName;
        EXPECT_EQ(m_writer.Write(path.c_str(), nFunctionID, &m_data), 1);
        std::string all = ReadAll(path);
        std::vector<std::string> lines;
        for (size_t pos = 0; pos < all.size();) {
            size_t end = all.find("\r\n", pos);
            EXPECT_NE(end, std::string::npos) << "unterminated line";
            if (end == std::string::npos) break;
            lines.push_back(all.substr(pos, end - pos));
            pos = end + 2;
        }
        return lines;
    }

    // The DATA section of a report's lines, from <DATA> to </DATA>.
    static std::vector<std::string> DataLines(const std::vector<std::string>& lines) {
        std::vector<std::string> out;
        bool in = false;
        for (const auto& l : lines) {
            if (l == "\t<DATA>") in = true;
            if (in) out.push_back(l);
            if (l == "\t</DATA>") break;
        }
        return out;
    }

    CReportWriter m_writer;
    std::list<StZANDAKAINFO> m_records;
    ZandakaList m_list;
    StDATAINFO m_data;
};

class ReportProgressTest : public ReportTest {
protected:
    void SetUp() override {
        ReportTest::SetUp();
        ASSERT_TRUE(m_dlg.Create(IDD_PROGRESS, nullptr));
        m_dlg.ShowWindow(SW_SHOW);
        m_dlg.Reset();
        ProgressLog::dialog = m_dlg.m_hWnd;
        ProgressLog::captions.clear();
        m_hook = ::SetWindowsHookExA(WH_CALLWNDPROC, ProgressLog::Hook, nullptr, ::GetCurrentThreadId());
        ASSERT_NE(m_hook, nullptr);
        m_writer.m_pProgress = &m_dlg;
    }
    void TearDown() override {
        ::UnhookWindowsHookEx(m_hook);
        m_dlg.Finish();
        ReportTest::TearDown();
    }

    CProgressDlg m_dlg;
    HHOOK m_hook = nullptr;
};

TEST_F(ReportProgressTest, WorkedExampleWholeFileAndProgress) {
    PutSupportFile("[=製品名=]帳簿システム\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.05\r\n[=会社名=]ABC商会\r\n");
    Add(1110000, "現金", false, 12345675000LL);
    Add(1310000, "普通預金", true, 50000000000LL);
    Add(1310001, "北町銀行", false, 30000000000LL);
    Add(1310002, "南町信金", false, 20000000000LL);
    Add(1310000, "普通預金", false, 50000000000LL);
    Add(1350000, "定期預金", false, 0);
    Add(2150000, "仮受金", false, -125000000LL);

    std::string path = OutDir() + "report_example.xml";
    ASSERT_EQ(m_writer.Write(path.c_str(), 1, &m_data), 1);
    const std::string expected = Lines({
        {0, "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>"},
        {0, "<REPORT>"},
        {1, "<SYSTEM>"},
        {2, "<GYOUMUPREFIX>KX13</GYOUMUPREFIX>"},
        {2, "<VERSION>1</VERSION>"},
        {2, "<FUNCTIONID>1</FUNCTIONID>"},
        {2, "<CONNECTEDPROGRAMVER>21.00.01</CONNECTEDPROGRAMVER>"},
        {2, "<PROGRAMNAME>帳簿システム</PROGRAMNAME>"},
        {2, "<PROGRAMVER>21.00.05</PROGRAMVER>"},
        {1, "</SYSTEM>"},
        {1, "<BASIC>"},
        {2, "<KOMONSAKINAME>ＡＢＣ商会</KOMONSAKINAME>"},
        {2, "<JIGYOUNENDOFROM>20230401</JIGYOUNENDOFROM>"},
        {2, "<JIGYOUNENDOTO>20240331</JIGYOUNENDOTO>"},
        {1, "</BASIC>"},
        {1, "<DATA>"},
        {2, "<KANJYOKAMOKU Count=\"   1\">"},
        {3, "<KANJYOKAMOKU_CODE>111</KANJYOKAMOKU_CODE>"},
        {3, "<KANJYOKAMOKU_NAME>現金</KANJYOKAMOKU_NAME>"},
        {3, "<KANJYOKAMOKU_ZANDAKA>1234567</KANJYOKAMOKU_ZANDAKA>"},
        {2, "</KANJYOKAMOKU>"},
        {2, "<KANJYOKAMOKU Count=\"   2\">"},
        {3, "<KANJYOKAMOKU_CODE>131</KANJYOKAMOKU_CODE>"},
        {3, "<KANJYOKAMOKU_NAME>普通預金</KANJYOKAMOKU_NAME>"},
        {3, "<KANJYOKAMOKU_ZANDAKA>5000000</KANJYOKAMOKU_ZANDAKA>"},
        {3, "<HOJYOKAMOKU Count=\"   1\">"},
        {4, "<HOJYOKAMOKU_CODE>1</HOJYOKAMOKU_CODE>"},
        {4, "<HOJYOKAMOKU_NAME>北町銀行</HOJYOKAMOKU_NAME>"},
        {4, "<HOJYOKAMOKU_ZANDAKA>3000000</HOJYOKAMOKU_ZANDAKA>"},
        {3, "</HOJYOKAMOKU>"},
        {3, "<HOJYOKAMOKU Count=\"   2\">"},
        {4, "<HOJYOKAMOKU_CODE>2</HOJYOKAMOKU_CODE>"},
        {4, "<HOJYOKAMOKU_NAME>南町信金</HOJYOKAMOKU_NAME>"},
        {4, "<HOJYOKAMOKU_ZANDAKA>2000000</HOJYOKAMOKU_ZANDAKA>"},
        {3, "</HOJYOKAMOKU>"},
        {2, "</KANJYOKAMOKU>"},
        {2, "<KANJYOKAMOKU Count=\"   3\">"},
        {3, "<KANJYOKAMOKU_CODE>135</KANJYOKAMOKU_CODE>"},
        {3, "<KANJYOKAMOKU_NAME>定期預金</KANJYOKAMOKU_NAME>"},
        {3, "<KANJYOKAMOKU_ZANDAKA></KANJYOKAMOKU_ZANDAKA>"},
        {2, "</KANJYOKAMOKU>"},
        {2, "<KANJYOKAMOKU Count=\"   4\">"},
        {3, "<KANJYOKAMOKU_CODE>215</KANJYOKAMOKU_CODE>"},
        {3, "<KANJYOKAMOKU_NAME>仮受金</KANJYOKAMOKU_NAME>"},
        {3, "<KANJYOKAMOKU_ZANDAKA>-12500</KANJYOKAMOKU_ZANDAKA>"},
        {2, "</KANJYOKAMOKU>"},
        {1, "</DATA>"},
        {0, "</REPORT>"},
    });
    EXPECT_EQ(ReadAll(path), expected);

    // 500 to 600, 600 to 700 and 700 to 1000: 503 steps. Sweeps: those
    // steps, plus one after REPORT and after each section, six in SYSTEM,
    // three in BASIC and one per balance record.
    EXPECT_EQ(m_dlg.m_nSteps, 503);
    EXPECT_EQ(m_dlg.m_nSweeps, 503 + 4 + 6 + 3 + 7);
    EXPECT_EQ(m_dlg.m_ctlOverallBar.GetPos(), 503);
    // Captions at every tenth value: 500 to 600, 610 to 700, 710 to 1000.
    ASSERT_EQ(ProgressLog::captions.size(), 11u + 10u + 30u);
    EXPECT_EQ(ProgressLog::captions.front(), "集計中 50％");
    EXPECT_EQ(ProgressLog::captions.back(), "集計中 100％");
}

TEST_F(ReportTest, DefaultsFunctionIdAndEmptyList) {
    // No SUPPORT.INF in the current folder.
    std::vector<std::string> lines = WriteLines("report_defaults.xml", (short)40000);
    ASSERT_EQ(lines.size(), 18u);
    EXPECT_EQ(lines[5], "\t\t<FUNCTIONID>-25536</FUNCTIONID>");
    EXPECT_EQ(lines[7], std::string("\t\t<PROGRAMNAME>") + kEditionTitle + "</PROGRAMNAME>");
    EXPECT_EQ(lines[8], "\t\t<PROGRAMVER>21.00.0X</PROGRAMVER>");
    EXPECT_EQ(lines[15], "\t<DATA>");
    EXPECT_EQ(lines[16], "\t</DATA>");
}

TEST_F(ReportTest, AccountRunsAndCounters) {
    // A run closed by its account record, then a run the list ends in.
    Add(1000000, "A", true, 10000);
    Add(1000001, "A1", false, 10000);
    Add(1000000, "A", false, 10000);
    Add(2000000, "B", false, -10000);
    Add(3000000, "C", true, 0);
    Add(3000007, "C7", false, 9999);
    Add(3000008, "C8", false, -20000);
    std::vector<std::string> data = DataLines(WriteLines("report_runs.xml"));
    EXPECT_EQ(data, (std::vector<std::string>{
                        "\t<DATA>",
                        "\t\t<KANJYOKAMOKU Count=\"   1\">",
                        "\t\t\t<KANJYOKAMOKU_CODE>100</KANJYOKAMOKU_CODE>",
                        "\t\t\t<KANJYOKAMOKU_NAME>A</KANJYOKAMOKU_NAME>",
                        "\t\t\t<KANJYOKAMOKU_ZANDAKA>1</KANJYOKAMOKU_ZANDAKA>",
                        "\t\t\t<HOJYOKAMOKU Count=\"   1\">",
                        "\t\t\t\t<HOJYOKAMOKU_CODE>1</HOJYOKAMOKU_CODE>",
                        "\t\t\t\t<HOJYOKAMOKU_NAME>A1</HOJYOKAMOKU_NAME>",
                        "\t\t\t\t<HOJYOKAMOKU_ZANDAKA>1</HOJYOKAMOKU_ZANDAKA>",
                        "\t\t\t</HOJYOKAMOKU>",
                        "\t\t</KANJYOKAMOKU>",
                        "\t\t<KANJYOKAMOKU Count=\"   2\">",
                        "\t\t\t<KANJYOKAMOKU_CODE>200</KANJYOKAMOKU_CODE>",
                        "\t\t\t<KANJYOKAMOKU_NAME>B</KANJYOKAMOKU_NAME>",
                        "\t\t\t<KANJYOKAMOKU_ZANDAKA>-1</KANJYOKAMOKU_ZANDAKA>",
                        "\t\t</KANJYOKAMOKU>",
                        "\t\t<KANJYOKAMOKU Count=\"   3\">",
                        "\t\t\t<KANJYOKAMOKU_CODE>300</KANJYOKAMOKU_CODE>",
                        "\t\t\t<KANJYOKAMOKU_NAME>C</KANJYOKAMOKU_NAME>",
                        "\t\t\t<KANJYOKAMOKU_ZANDAKA></KANJYOKAMOKU_ZANDAKA>",
                        "\t\t\t<HOJYOKAMOKU Count=\"   1\">",
                        "\t\t\t\t<HOJYOKAMOKU_CODE>7</HOJYOKAMOKU_CODE>",
                        "\t\t\t\t<HOJYOKAMOKU_NAME>C7</HOJYOKAMOKU_NAME>",
                        "\t\t\t\t<HOJYOKAMOKU_ZANDAKA></HOJYOKAMOKU_ZANDAKA>",
                        "\t\t\t</HOJYOKAMOKU>",
                        "\t\t\t<HOJYOKAMOKU Count=\"   2\">",
                        "\t\t\t\t<HOJYOKAMOKU_CODE>8</HOJYOKAMOKU_CODE>",
                        "\t\t\t\t<HOJYOKAMOKU_NAME>C8</HOJYOKAMOKU_NAME>",
                        "\t\t\t\t<HOJYOKAMOKU_ZANDAKA>-2</HOJYOKAMOKU_ZANDAKA>",
                        "\t\t\t</HOJYOKAMOKU>",
                        "\t\t</KANJYOKAMOKU>",
                        "\t</DATA>",
                    }));
}

// The DATA section in short: "[n:code" opens an account with its Count and
// code, "(n:code" a sub-account, ")" and "]" close them.
std::string DataShape(const std::vector<std::string>& lines) {
    std::string shape;
    for (const auto& l : lines) {
        std::string t = l.substr(l.find_first_not_of('\t'));
        auto between = [&](const char* open, const char* close) {
            size_t a = t.find(open) + std::strlen(open);
            return t.substr(a, t.find(close, a) - a);
        };
        if (t.rfind("<KANJYOKAMOKU Count=", 0) == 0) shape += "[" + std::to_string(std::stoi(between("\"", "\"")));
        if (t.rfind("<HOJYOKAMOKU Count=", 0) == 0) shape += "(" + std::to_string(std::stoi(between("\"", "\"")));
        if (t.rfind("<KANJYOKAMOKU_CODE>", 0) == 0 || t.rfind("<HOJYOKAMOKU_CODE>", 0) == 0)
            shape += ":" + between(">", "<");
        if (t == "</HOJYOKAMOKU>") shape += ")";
        if (t == "</KANJYOKAMOKU>") shape += "]";
    }
    return shape;
}

// Lists the aggregation's filters can leave: the document stays well-formed
// and every account that is written keeps its number.
TEST_F(ReportTest, BrokenRunsStayWellFormed) {
    struct Rec {
        int32_t code;
        bool flag;
    };
    struct {
        const char* label;
        std::vector<Rec> list;
        const char* shape;
    } cases[] = {
        {"complete run", {{1000000, true}, {1000001, false}, {1000002, false}, {1000000, false}, {2000000, false}},
         "[1:100(1:1)(2:2)][2:200]"},
        {"sub-accounts left out", {{1000000, true}, {1000000, false}, {2000000, false}}, "[1:100][2:200]"},
        {"ending record left out", {{1000000, true}, {1000001, false}, {2000000, false}}, "[1:100(1:1)][2:200]"},
        {"both left out", {{1000000, true}, {2000000, false}}, "[1:100][2:200]"},
        {"flagged account last", {{2000000, false}, {1000000, true}}, "[1:200][2:100]"},
        {"sub-account last", {{1000000, true}, {1000001, false}}, "[1:100(1:1)]"},
        {"sub-account without its account", {{1000001, false}, {2000000, false}, {2000003, false}}, "[1:200]"},
        {"another account's sub-accounts",
         {{1000000, true}, {1000001, false}, {3000001, false}, {3000000, false}, {2000000, false}},
         "[1:100(1:1)][2:300][3:200]"},
    };
    int n = 0;
    for (const auto& c : cases) {
        m_list.clear();
        m_records.clear();
        for (const auto& r : c.list) Add(r.code, "X", r.flag, 10000);
        std::string name = "report_shape" + std::to_string(++n) + ".xml";
        EXPECT_EQ(DataShape(DataLines(WriteLines(name.c_str()))), c.shape) << c.label;
    }
}

TEST_F(ReportTest, CompanyNameIsFullWidthAndCut) {
    struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"ABCDEFGHIJKLMNOPQRST", "ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰ"},
        {"一二三四五六七八九十壱弐参肆伍陸漆", "一二三四五六七八九十壱弐参肆伍陸"},
        {"ｱｲｳ商会 1", "アイウ商会　１"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_STREQ(CReportWriter::FormatCompanyName(c.in), c.out) << c.in;

    // Voiced half-width katakana: however the sound mark is combined, the
    // result holds only double-byte characters.
    const char* voiced = CReportWriter::FormatCompanyName("ｶﾞｷﾞｸﾞ");
    ASSERT_NE(voiced[0], '\0');
    for (size_t i = 0; voiced[i] != '\0'; i += 2) EXPECT_TRUE(::IsDBCSLeadByteEx(932, (BYTE)voiced[i])) << i;

    std::strcpy(m_data.szCompanyName, "ABCDEFGHIJKLMNOPQRST");
    std::vector<std::string> lines = WriteLines("report_company.xml");
    ASSERT_GT(lines.size(), 11u);
    EXPECT_EQ(lines[11], "\t\t<KOMONSAKINAME>ＡＢＣＤＥＦＧＨＩＪＫＬＭＮＯＰ</KOMONSAKINAME>");
}

TEST_F(ReportTest, OverlongProductValuesAreCutToTheLine) {
    std::string name;
    for (int i = 0; i < 150; ++i) name += "帳";
    std::string ver(300, '9');
    PutSupportFile("[=製品名=]" + name + "\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]" + ver + "\r\n");
    std::vector<std::string> lines = WriteLines("report_overlong.xml");
    ASSERT_GT(lines.size(), 8u);
    EXPECT_EQ(lines[7], "\t\t<PROGRAMNAME>" + name.substr(0, 224) + "</PROGRAMNAME>");
    EXPECT_EQ(lines[8], "\t\t<PROGRAMVER>" + ver.substr(0, 226) + "</PROGRAMVER>");
}

TEST_F(ReportTest, UnwritableOutputFails) {
    Add(1110000, "現金", false, 10000);
    std::string missing = m_strDir + "no such folder\\out.xml";
    EXPECT_EQ(m_writer.Write(missing.c_str(), 1, &m_data), 0);
    EXPECT_FALSE(Exists(missing));

    std::string busy = m_strDir + "busy.xml";
    WriteAll(busy, "keep");
    HANDLE h = ::CreateFileA(busy.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    EXPECT_EQ(m_writer.Write(busy.c_str(), 1, &m_data), 0);
    ::CloseHandle(h);
    EXPECT_EQ(ReadAll(busy), "keep");
}

}  // namespace
