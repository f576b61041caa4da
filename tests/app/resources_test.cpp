// The edition programs' resources, read back from the built files.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "tests/support/e2e.h"

namespace {

struct Module {
    explicit Module(const std::string& path) {
        h = ::LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    }
    ~Module() {
        if (h) ::FreeLibrary(h);
    }
    HMODULE h;
};

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colors, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)

}  // namespace

TEST(Resources, EveryEditionCarriesTheSameResources) {
    for (const char* edition : {"BreakdownLinkA", "BreakdownLinkB", "BreakdownLinkC"}) {
        SCOPED_TRACE(edition);
        std::string exe = e2e::BinDir() + edition + ".exe";
        Module m(exe);
        ASSERT_NE(m.h, nullptr);

        char text[64] = {};
        EXPECT_EQ(::LoadStringA(m.h, 1, text, sizeof text), 8);
        EXPECT_STREQ(text, "21.00.01");

        HRSRC group = ::FindResourceA(m.h, MAKEINTRESOURCEA(128), (LPCSTR)RT_GROUP_ICON);
        ASSERT_NE(group, nullptr);
        const BYTE* dir = (const BYTE*)::LockResource(::LoadResource(m.h, group));
        WORD count = *(const WORD*)(dir + 4);
        ASSERT_EQ(count, 4);
        const GroupIconEntry* entries = (const GroupIconEntry*)(dir + 6);
        const int sizes[] = {256, 48, 32, 16};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(entries[i].width == 0 ? 256 : entries[i].width, sizes[i]);
            EXPECT_EQ(entries[i].bitCount, 32);
        }

        for (int id : {130, 131})
            EXPECT_NE(::FindResourceA(m.h, MAKEINTRESOURCEA(id), (LPCSTR)RT_DIALOG), nullptr) << id;

        DWORD ignored = 0;
        DWORD size = ::GetFileVersionInfoSizeA(exe.c_str(), &ignored);
        ASSERT_GT(size, 0u);
        std::string info(size, '\0');
        ASSERT_TRUE(::GetFileVersionInfoA(exe.c_str(), 0, size, &info[0]));
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT len = 0;
        ASSERT_TRUE(::VerQueryValueA(&info[0], "\\", (void**)&fixed, &len));
        EXPECT_EQ(fixed->dwFileVersionMS, MAKELONG(0, 21));
        EXPECT_EQ(fixed->dwFileVersionLS, MAKELONG(1, 0));
        EXPECT_EQ(fixed->dwProductVersionMS, MAKELONG(0, 21));
        EXPECT_EQ(fixed->dwProductVersionLS, MAKELONG(1, 0));
        WORD* translation = nullptr;
        ASSERT_TRUE(::VerQueryValueA(&info[0], "\\VarFileInfo\\Translation", (void**)&translation, &len));
        EXPECT_EQ(translation[0], 0x0411);
        char* value = nullptr;
        ASSERT_TRUE(::VerQueryValueA(&info[0], "\\StringFileInfo\\041103a4\\FileVersion", (void**)&value, &len));
        EXPECT_STREQ(value, "21.00.01");
        ASSERT_TRUE(::VerQueryValueA(&info[0], "\\StringFileInfo\\041103a4\\OriginalFilename", (void**)&value, &len));
        EXPECT_EQ(std::string(value), std::string(edition) + ".exe");
    }
}
