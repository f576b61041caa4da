// Rows of the loader's files: CSV splitting and exact amounts.
#include "ledger/standin/books_files.h"

#include <gtest/gtest.h>

namespace {

TEST(BooksFiles, AmountsAreExactTenThousandths) {
    struct Case {
        const char* text;
        bool ok;
        int64_t value;
    } cases[] = {
        {"0", true, 0},
        {"1234", true, 12340000},
        {"-0.5", true, -5000},
        {"+12.3456", true, 123456},
        {" 7.01 ", true, 70100},
        {"0.0001", true, 1},
        {"99999999999999.9999", true, 999999999999999999},
        {"100000000000000", false, 0},  // 10^14 units
        {"1.23456", false, 0},          // a fifth decimal is not rounded away
        {"1.", false, 0},
        {".5", false, 0},
        {"1,000", false, 0},
        {"1e3", false, 0},
        {"", false, 0},
        {"-", false, 0},
        {"0x10", false, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        int64_t v = -1;
        EXPECT_EQ(c.ok, ledger::ParseAmount(c.text, &v));
        if (c.ok) {
            EXPECT_EQ(c.value, v);
        }
    }
}

TEST(BooksFiles, CsvLinesSplitWithQuotes) {
    struct Case {
        const char* line;
        bool ok;
        std::vector<std::string> fields;
    } cases[] = {
        {"a,b,c", true, {"a", "b", "c"}},
        {"a,,", true, {"a", "", ""}},
        {"\"x, y\",\"say \"\"hi\"\"\"", true, {"x, y", "say \"hi\""}},
        {"\"open", false, {}},
        {"\"a\"b,c", false, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        std::vector<std::string> f;
        EXPECT_EQ(c.ok, ledger::SplitCsvLine(c.line, &f));
        if (c.ok) {
            EXPECT_EQ(c.fields, f);
        }
    }
}

TEST(BooksFiles, RowErrorsNameTheField) {
    struct Case {
        std::vector<std::string> fields;
        const char* field;  // null: accepted
    } journal[] = {
        {{"20230401", "", "1110000", "4110000", "1", "1.1"}, nullptr},
        {{"20230401", "13", "1110000", "4110000", "1", "1"}, nullptr},
        {{"20230229", "", "1110000", "4110000", "1", "1"}, "date"},  // no 29 February in 2023
        {{"20230401", "0", "1110000", "4110000", "1", "1"}, "period"},
        {{"20230401", "15", "1110000", "4110000", "1", "1"}, "period"},
        {{"20230401", "", "x", "4110000", "1", "1"}, "debit_code"},
        {{"20230401", "", "1110000", "4110000", "1", "1.00000"}, "amount_komi"},
    };
    for (const Case& c : journal) {
        SCOPED_TRACE(c.fields[0] + " " + c.fields[1]);
        ledger::JournalRow row;
        ledger::RowError err;
        EXPECT_EQ(c.field == nullptr, ledger::ParseJournalRow(c.fields, &row, &err));
        if (c.field) {
            EXPECT_EQ(c.field, err.field);
        }
    }
    ledger::AccountRow acc;
    ledger::RowError err;
    ASSERT_TRUE(ledger::ParseAccountRow({"1310001", "x", "0", "1", "5", "0", "1", "0x18000000"}, &acc, &err));
    EXPECT_EQ(0x18000000u, acc.attrBits);
    EXPECT_EQ(1, acc.omit2);
    EXPECT_FALSE(ledger::ParseAccountRow({"1310001", "x", "0", "1", "5", "0", "1", "0x1FFFFFFFF"}, &acc, &err));
    EXPECT_EQ("attr_bits", err.field);
    EXPECT_FALSE(ledger::ParseAccountRow({"999", "x", "0", "1", "5", "0", "0", "0"}, &acc, &err));
    EXPECT_EQ("code", err.field);
}

}  // namespace
