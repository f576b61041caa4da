// Data-set list, the user's selection and the consumption-tax settings over
// memory books.
// Fields of the packed records are compared by value (+x): a reference to
// one may be misaligned.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "ledger/books.h"
#include "ledger/managers.h"
#include "tests/ledger/books_fixture.h"

namespace {

ClSetData* SetData() { return static_cast<ClSetData*>(ClDataMgr::Inst()->GetSetObject(ClDataMgr::SET_DATA, 1)); }

using testbooks::InstallSets;

TEST(DataSets, SelectedInfoCases) {
    StDATAINFO zero;
    std::memset(&zero, 0, sizeof zero);
    for (const testbooks::SelectionCase& c : testbooks::SelectionCases()) {
        SCOPED_TRACE(c.what);
        InstallSets(c.numbers, c.selected);
        StDATAINFO* info = SetData()->GetSelectedInfo();
        ASSERT_NE(nullptr, info);
        if (c.id[0] == '\0') {
            EXPECT_EQ(0, std::memcmp(info, &zero, sizeof zero));
        } else {
            EXPECT_STREQ(c.id, info->szDataID);
            EXPECT_EQ(c.selected, +info->lDataNo);
            EXPECT_EQ(20230401, +info->lPeriodStart);
        }
    }
}

TEST(DataSets, CursorWalksEveryDataSetWithItsFields) {
    InstallSets({1, 2, 3, 4, 5}, 3);
    ClSetData* data = SetData();
    long cursor = 0;
    ASSERT_EQ(0, data->GetDatCursor(&cursor));
    ASSERT_EQ(0, data->ReadyDat(cursor, 0));
    StDATAINFO info;
    std::vector<std::string> ids;
    while (data->WalkDat(&info, cursor) == 0) {
        ids.push_back(info.szDataID);
        EXPECT_EQ(20240331, +info.lPeriodEnd);
        EXPECT_EQ("Company " + std::to_string(ids.size() - 1), std::string(info.szCompanyName));
    }
    EXPECT_EQ((std::vector<std::string>{"S0", "S1", "S2", "S3", "S4"}), ids);
    EXPECT_EQ(99, +info.nDataType);  // the last one delivered
    EXPECT_NE(0, data->WalkDat(&info, cursor));  // stays at the end
    EXPECT_EQ(0, data->ReadyDat(cursor, 0));     // ready again: from the start
    ASSERT_EQ(0, data->WalkDat(&info, cursor));
    EXPECT_STREQ("S0", info.szDataID);
    EXPECT_EQ(0, data->ReleaseDatCursor(cursor));
    EXPECT_NE(0, data->WalkDat(&info, cursor));  // released
    EXPECT_NE(0, data->ReleaseDatCursor(cursor));
}

TEST(DataSets, WithoutBooksNothingIsDelivered) {
    ledger::SetCurrentSource(nullptr, "");
    ClSetData* data = SetData();
    long cursor = 0;
    EXPECT_NE(0, data->GetDatCursor(&cursor));
    data->ReadyDat(cursor, 0);
    StDATAINFO info;
    EXPECT_NE(0, data->WalkDat(&info, cursor));
    data->ReleaseDatCursor(cursor);
    long no1 = 0, no2 = 0;
    EXPECT_NE(0, ClDataMgr::Inst()->GetSysUserObject()->GetSelectedNo("alice", &no1, &no2));
}

TEST(DataSets, UserAndSelection) {
    InstallSets({1, 2}, 2);
    ClSysUser* user = ClDataMgr::Inst()->GetSysUserObject();
    char id[65];
    std::memset(id, 'x', sizeof id);
    user->GetCurUserID(id);
    EXPECT_STREQ("alice", id);
    long no1 = 0, no2 = 0;
    EXPECT_EQ(0, user->GetSelectedNo(id, &no1, &no2));
    EXPECT_EQ(42, no1);
    EXPECT_EQ(2, no2);
    no1 = no2 = 0;
    EXPECT_NE(0, user->GetSelectedNo("bob", &no1, &no2));
    EXPECT_EQ(0, no2);
}

TEST(DataSets, TaxSettingsOfTheCurrentDataSet) {
    testbooks::Install(testbooks::Make());
    ClSetShohizei* tax = static_cast<ClSetShohizei*>(ClDataMgr::Inst()->GetSetObject(ClDataMgr::SET_SHOHIZEI, 1));
    StSHOHIZEIINFO info;
    tax->SetCurDataID("D007");
    ASSERT_EQ(0, tax->Get(&info));
    EXPECT_EQ(1, +info.cKomiNyuryoku);
    tax->SetCurDataID("NOPE");
    EXPECT_NE(0, tax->Get(&info));
    tax->SetCurDataID("");  // none named: the user's selection
    ASSERT_EQ(0, tax->Get(&info));
    EXPECT_EQ(1, +info.cKomiNyuryoku);
    EXPECT_NE(nullptr, ClDataMgr::Inst()->GetSetObject(99, 1));
}

}  // namespace
