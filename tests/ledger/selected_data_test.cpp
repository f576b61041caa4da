// The application object's lookup of the selected data set, over memory
// books.
// Fields of the packed records are compared by value (+x): a reference to
// one may be misaligned.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/breakdown_app.h"
#include "ledger/books.h"
#include "tests/ledger/books_fixture.h"

namespace {

using testbooks::InstallSets;

TEST(SelectedData, FirstDataSetWithTheSelectedNumber) {
    struct Case {
        const char* what;
        std::vector<int32_t> numbers;
        int32_t selected;
        const char* id;  // "" : not found, record all zeros
    } cases[] = {
        {"third of five", {1, 2, 3, 4, 5}, 3, "S2"},
        {"none matching", {1, 2, 3, 4, 5}, 9, ""},
        {"number 0", {1, 0, 3}, 0, "S1"},
        {"duplicates", {1, 3, 3}, 3, "S1"},
        {"empty list", {}, 0, ""},
    };
    CBreakdownApp app;
    StDATAINFO zero;
    std::memset(&zero, 0, sizeof zero);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        InstallSets(c.numbers, c.selected);
        StDATAINFO info;
        std::memset(&info, 0x55, sizeof info);
        int found = app.GetSelectedDataInfo(&info);
        EXPECT_EQ(c.id[0] != '\0', found);
        if (found) {
            EXPECT_STREQ(c.id, info.szDataID);
            EXPECT_EQ(c.selected, +info.lDataNo);
        } else {
            EXPECT_EQ(0, std::memcmp(&info, &zero, sizeof zero));
        }
    }
}

TEST(SelectedData, KeepsTheDataSetListObject) {
    InstallSets({1, 2}, 2);
    CBreakdownApp app;
    ClSetData own;  // walks the same books; only its identity matters here
    app.m_pSetData = &own;
    StDATAINFO info;
    EXPECT_EQ(1, app.GetSelectedDataInfo(&info));
    EXPECT_EQ(&own, app.m_pSetData);
    app.m_pSetData = nullptr;
    EXPECT_EQ(1, app.GetSelectedDataInfo(&info));
    EXPECT_NE(nullptr, app.m_pSetData);
}

}  // namespace
