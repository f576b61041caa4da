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
    CBreakdownApp app;
    StDATAINFO zero;
    std::memset(&zero, 0, sizeof zero);
    for (const testbooks::SelectionCase& c : testbooks::SelectionCases()) {
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
