// Installation level rules: the definition file's path and the level codes.
#include "app/program_level.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(ProgramLevel, DefinitionPath) {
    EXPECT_EQ("C:\\prog\\OrvaneDef.ini", level::DefinitionPath("C:\\prog"));
    EXPECT_EQ("C:\\OrvaneDef.ini", level::DefinitionPath("C:\\"));
    EXPECT_EQ("OrvaneDef.ini", level::DefinitionPath(""));
    // 表 (0x95 0x5C) at the end: its second byte is no backslash.
    EXPECT_EQ("C:\\\x95\x5c\\OrvaneDef.ini", level::DefinitionPath("C:\\\x95\x5c"));
}

TEST(ProgramLevel, Codes) {
    struct { const char* value; int code; } cases[] = {
        {"", -1}, {"1", 1}, {"3", 0}, {"03", 0}, {" 3", 0}, {"3abc", 0},
        {"4", 2}, {"10", 2}, {"abc", 1}, {"-3", 1}, {"2", 1},
    };
    for (const auto& c : cases) EXPECT_EQ(c.code, level::CodeFromValue(c.value)) << c.value;
}

TEST(ProgramLevel, Messages) {
    EXPECT_EQ(nullptr, level::MessageForCode(0));
    EXPECT_EQ(nullptr, level::MessageForCode(3));
    // Each message names the package by the token, unreplaced.
    for (int code : {-1, 1, 2}) {
        ASSERT_NE(nullptr, level::MessageForCode(code));
        EXPECT_NE(nullptr, std::strstr(level::MessageForCode(code), "ES_APRPACKAGENAME"));
    }
    EXPECT_STREQ("動作環境が不正です。\nES_APRPACKAGENAMEが正しくインストールされているか確認してください。",
                 level::MessageForCode(-1));
    EXPECT_STREQ("ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
                 "ES_APRPACKAGENAMEの最新版を入手してインストールしてからご利用ください。",
                 level::MessageForCode(1));
    EXPECT_STREQ("ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
                 "連動コンポーネントの最新版を入手してインストールしてからご利用ください。",
                 level::MessageForCode(2));
}

}  // namespace
