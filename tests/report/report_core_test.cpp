// XML line rules, value texts and SUPPORT.INF parsing, without Windows.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "report/report_core.h"
#include "report/support_core.h"
#include "report/xml_core.h"

namespace {

std::string StartTag(const char* name, int depth, const char* a1 = nullptr, const char* v1 = nullptr,
                     const char* a2 = nullptr, const char* v2 = nullptr, size_t size = 256) {
    char line[1024];
    size_t n = xml::ComposeStartTag(line, size, name, depth, a1, v1, a2, v2);
    EXPECT_EQ(n, std::strlen(line));
    return line;
}

std::string Element(const char* name, const char* text, int depth, size_t size = 256,
                    const char* a1 = nullptr, const char* v1 = nullptr) {
    char line[1024];
    size_t n = xml::ComposeElement(line, size, name, text, depth, a1, v1, nullptr, nullptr);
    EXPECT_EQ(n, std::strlen(line));
    EXPECT_LT(n, size);
    return line;
}

TEST(XmlEscape, Table) {
    struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"<>&\"'", "&lt;&gt;&amp;&quot;&apos;"},
        {"&amp;", "&amp;amp;"},
        {"A&B <C>", "A&amp;B &lt;C&gt;"},
        {"表|ソ\\", "表|ソ\\"},  // trail bytes 0x5C and 0x7C stay, as does a real backslash
        {"\t\r\n\x01", "\t\r\n\x01"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_STREQ(xml::Escape(c.in), c.out) << c.in;
    EXPECT_EQ(std::strlen("表"), 2u);
}

TEST(XmlEscape, LongValueIsCutWholeCharactersAndEntities) {
    // 254 letters then '&': the entity does not fit in 255 bytes and is left out.
    std::string in(254, 'a');
    in += "&b";
    EXPECT_EQ(std::string(xml::Escape(in.c_str())), std::string(254, 'a'));
    // 127 double-byte characters fill 254 bytes; the 128th would pass 255.
    std::string kanji;
    for (int i = 0; i < 130; ++i) kanji += "表";
    const char* out = xml::Escape(kanji.c_str());
    EXPECT_EQ(std::strlen(out), 254u);
    EXPECT_EQ(std::string(out), kanji.substr(0, 254));
}

TEST(XmlLine, WorkedExampleLines) {
    EXPECT_EQ(StartTag("REPORT", 0), "<REPORT>\r\n");
    EXPECT_EQ(StartTag("KANJYOKAMOKU", 2, "Count", "   2"), "\t\t<KANJYOKAMOKU Count=\"   2\">\r\n");
    EXPECT_EQ(Element("KANJYOKAMOKU_NAME", "A&B <C>", 3),
              "\t\t\t<KANJYOKAMOKU_NAME>A&amp;B &lt;C&gt;</KANJYOKAMOKU_NAME>\r\n");
    EXPECT_EQ(Element("KANJYOKAMOKU_ZANDAKA", "", 3), "\t\t\t<KANJYOKAMOKU_ZANDAKA></KANJYOKAMOKU_ZANDAKA>\r\n");
    char line[256];
    EXPECT_EQ(xml::ComposeEndTag(line, sizeof line, "KANJYOKAMOKU", 2), 19u);
    EXPECT_STREQ(line, "\t\t</KANJYOKAMOKU>\r\n");
    EXPECT_STREQ(xml::kDeclaration, "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?>\r\n");
    EXPECT_EQ(std::strlen(xml::kDeclaration), 44u);
}

TEST(XmlLine, DepthAndAttributes) {
    EXPECT_EQ(StartTag("A", -3), "<A>\r\n");
    EXPECT_EQ(StartTag("A", 4), "\t\t\t\t<A>\r\n");
    EXPECT_EQ(StartTag("A", 0, "x", "1", "y", "<2>"), "<A x=\"1\" y=\"&lt;2&gt;\">\r\n");
    // The second pair counts only after a complete first one.
    EXPECT_EQ(StartTag("A", 0, nullptr, "1", "y", "2"), "<A>\r\n");
    EXPECT_EQ(StartTag("A", 0, "x", nullptr, "y", "2"), "<A>\r\n");
    EXPECT_EQ(StartTag("A", 0, "x", "1", "y", nullptr), "<A x=\"1\">\r\n");
    EXPECT_EQ(Element("E", "v", 1, 256, "x", "'"), "\t<E x=\"&apos;\">v</E>\r\n");
}

TEST(XmlLine, ValueCutToFitLineAndMarkupRefused) {
    // Two TABs, <PROGRAMNAME>, </PROGRAMNAME>, CR LF and the NUL leave 224
    // bytes of a 256-byte line for the value.
    std::string longName;
    for (int i = 0; i < 120; ++i) longName += "帳";
    std::string line = Element("PROGRAMNAME", longName.c_str(), 2);
    EXPECT_EQ(line, "\t\t<PROGRAMNAME>" + longName.substr(0, 224) + "</PROGRAMNAME>\r\n");
    EXPECT_EQ(line.size(), 255u);
    // 223 bytes of room: the 112th double-byte character is dropped whole.
    line = Element("PROGRAMNAME", longName.c_str(), 2, 255);
    EXPECT_EQ(line, "\t\t<PROGRAMNAME>" + longName.substr(0, 222) + "</PROGRAMNAME>\r\n");

    char buf[16];
    EXPECT_EQ(xml::ComposeElement(buf, sizeof buf, "LONGELEMENTNAME", "x", 0, nullptr, nullptr, nullptr, nullptr), 0u);
    EXPECT_STREQ(buf, "");
    EXPECT_EQ(xml::ComposeEndTag(buf, sizeof buf, "LONGELEMENTNAME", 0), 0u);
    // "<ABCDE>" CR LF is 9 bytes and needs a 10th for the NUL.
    EXPECT_EQ(xml::ComposeStartTag(buf, 9, "ABCDE", 0, nullptr, nullptr, nullptr, nullptr), 0u);
    EXPECT_EQ(xml::ComposeStartTag(buf, 10, "ABCDE", 0, nullptr, nullptr, nullptr, nullptr), 9u);
}

TEST(ReportValues, BalanceText) {
    struct {
        long long ll;
        const char* text;
    } cases[] = {
        {0, ""},
        {9999, ""},                          // 0.9999
        {-5000, ""},                         // -0.5
        {12345675000LL, "1234567"},          // 1,234,567.5
        {-125000000LL, "-12500"},
        {9999999999999999LL, "999999999999"},        // 999,999,999,999.9999
        {10000000000000000LL, ""},                   // 1,000,000,000,000
        {-999999999990000LL, "-99999999999"},        // -99,999,999,999
        {-999999999999999LL, "-99999999999"},        // -99,999,999,999.9999
        {-1000000000000000LL, ""},                   // -100,000,000,000
        {INT64_MIN, ""},
        {INT64_MAX, ""},
    };
    char out[report::kNumberSize];
    for (const auto& c : cases) {
        report::FormatBalance(c.ll, out);
        EXPECT_STREQ(out, c.text) << c.ll;
    }
}

TEST(ReportValues, Count) {
    char out[report::kNumberSize];
    const struct {
        int n;
        const char* text;
    } cases[] = {{1, "   1"}, {123, " 123"}, {9999, "9999"}, {10000, "10000"}};
    for (const auto& c : cases) {
        report::FormatCount(c.n, out);
        EXPECT_STREQ(out, c.text);
    }
}

TEST(ReportValues, CompanyNameCut) {
    char out[64];
    struct {
        const char* in;
        const char* out;
    } cases[] = {
        {"ＡＢＣ商会", "ＡＢＣ商会"},
        // 17 double-byte characters keep their first 16.
        {"一二三四五六七八九十壱弐参肆伍陸漆", "一二三四五六七八九十壱弐参肆伍陸"},
        // 31 bytes then a double-byte character: it does not fit whole.
        {"aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa表", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"},
        {"", ""},
    };
    for (const auto& c : cases) {
        report::CutCompanyName(c.in, out);
        EXPECT_STREQ(out, c.out);
    }
}

// SUPPORT.INF: markers as compiled from the source text must equal the table's escapes.
TEST(SupportInf, MarkerBytes) {
    const char* texts[] = {"[=製品名=]", "[=製品ﾊﾞｰｼﾞｮﾝ=]", nullptr, "[=提供ﾒﾃﾞｨｱ=]", "[=会社名=]",
                           "[=部署=]", "[=登録者名=]", "[=郵便番号=]", "[=住所１=]", "[=住所２=]",
                           "[=TEL=]", "[=FAX=]", "[=本体機種=]", "[=ﾌﾟﾘﾝﾀ=]", "[=ﾓﾃﾞﾑ=]",
                           "[=搭載ﾒﾓﾘ=]", "[=購入日=]", "[=年間保守契約=]", "[=お問い合わせ内容=]",
                           "[=症状が再現する手順や条件=]", "[=再現性=]"};
    const size_t lengths[] = {10, 15, 14, 13, 10, 8, 12, 12, 10, 10, 7, 7, 12, 9, 8, 11, 10, 16, 20, 28, 10};
    for (size_t i = 0; i < supportinf::kMarkerCount; ++i) {
        EXPECT_EQ(supportinf::kMarkers[i].nLen, lengths[i]) << i;
        if (texts[i] == nullptr) continue;
        EXPECT_EQ(std::strlen(texts[i]), lengths[i]) << i;
        EXPECT_STREQ(supportinf::kMarkers[i].pszText, texts[i]) << i;
    }
}

struct SupportCase {
    const char* label;
    std::string file;  // bytes of the file; placed at offset
    size_t offset;
    const char* name;  // expected, null: not found
    const char* version;
};

void RunSupportCase(const SupportCase& c) {
    static char data[supportinf::kBufferSize];
    std::memset(data, 0xFF, supportinf::kDataSize);
    data[supportinf::kDataSize] = '\0';
    size_t n = c.file.size();
    if (c.offset + n > supportinf::kDataSize) n = supportinf::kDataSize - c.offset;
    std::memcpy(data + c.offset, c.file.data(), n);
    // Bytes before the placed file: plain text that holds no marker.
    std::memset(data, ' ', c.offset);
    supportinf::Prepare(data, supportinf::kDataSize);
    const char* name = supportinf::FindValue(data, supportinf::kDataSize, supportinf::kMarkers[supportinf::kProductName]);
    const char* ver = supportinf::FindValue(data, supportinf::kDataSize, supportinf::kMarkers[supportinf::kProductVersion]);
    if (c.name) {
        ASSERT_NE(name, nullptr) << c.label;
        EXPECT_STREQ(name, c.name) << c.label;
    } else {
        EXPECT_EQ(name, nullptr) << c.label;
    }
    if (c.version) {
        ASSERT_NE(ver, nullptr) << c.label;
        EXPECT_STREQ(ver, c.version) << c.label;
    } else {
        EXPECT_EQ(ver, nullptr) << c.label;
    }
}

TEST(SupportInf, Table) {
    const std::string longValue(40000, 'v');
    const std::string cutValue(990, 'v');  // what of it lies below byte 30000
    const SupportCase cases[] = {
        {"example", "[=製品名=]帳簿システム\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]21.00.05\r\n[=会社名=]ABC商会\r\n", 0,
         "帳簿システム", "21.00.05"},
        {"missing version", "[=製品名=]帳簿システム\r\n[=会社名=]ABC商会\r\n", 0, "帳簿システム", nullptr},
        {"twice", "[=製品名=]一\r\n[=製品名=]二\r\n", 0, "一", nullptr},
        {"marker mid-line", "x[=製品ﾊﾞｰｼﾞｮﾝ=]1.0\r\n", 0, nullptr, "1.0"},
        {"last line without CR LF", "[=製品名=]A\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]9.9", 0, "A", "9.9"},
        {"trailing EOF byte", "[=製品ﾊﾞｰｼﾞｮﾝ=]9.9\x1A", 0, nullptr, "9.9"},
        {"LF-only lines run on", "[=製品名=]A\nB\rC\r\n[=製品ﾊﾞｰｼﾞｮﾝ=]2\n", 0, "A\nB\rC", "2\n"},
        {"blank kept, empty value", "[=製品名=] 帳簿 \r\n[=製品ﾊﾞｰｼﾞｮﾝ=]\r\n", 0, " 帳簿 ", ""},
        {"full-width katakana marker", "[=製品バージョン=]1.0\r\n", 0, nullptr, nullptr},
        {"marker ends at byte 30000", "[=製品名=]", 30000 - 10, "", nullptr},
        {"marker would end past 30000", "[=製品名=]X", 30000 - 9, nullptr, nullptr},
        {"value runs to the end", "[=製品名=]" + longValue, 29000, cutValue.c_str(), nullptr},
    };
    for (const auto& c : cases) RunSupportCase(c);
}

TEST(SupportInf, UnreadBufferHoldsNoMarker) {
    static char data[supportinf::kBufferSize];
    std::memset(data, 0xFF, supportinf::kDataSize);
    data[supportinf::kDataSize] = '\0';
    EXPECT_EQ(supportinf::FindValue(data, supportinf::kDataSize, supportinf::kMarkers[0]), nullptr);
    EXPECT_EQ(supportinf::FindValue(data, supportinf::kDataSize, supportinf::kMarkers[2]), nullptr);
}

}  // namespace
