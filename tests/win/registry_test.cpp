// The registry write and integer read against the real registry of the test
// prefix, under a key of the tests' own: keys created on the way, exact
// types and bytes, replaced types, fallbacks, a key that may only be read,
// and no handle left open.
#include <gtest/gtest.h>

#include <windows.h>

#include "store_test_support.h"
#include "stores/registry.h"

namespace {

using namespace store_test;
using namespace stores;

const std::string kBase = kTestKey;

struct RegistryTest : ::testing::Test {
    void SetUp() override {
        DeleteTestKey();
        ASSERT_FALSE(KeyExists(kBase));
    }
    void TearDown() override { DeleteTestKey(); }
};

TEST_F(RegistryTest, FirstWriteCreatesTheKeyAndEveryMissingKeyAbove) {
    EXPECT_TRUE(RegistryWriteText(kBase + "\\Vendor\\Tool\\Send Key", "F12"));
    EXPECT_TRUE(KeyExists(kBase + "\\Vendor"));
    EXPECT_EQ(ReadRaw(kBase + "\\Vendor\\Tool", "Send Key"), (RawValue{REG_SZ, std::string("F12\0", 4)}));
    EXPECT_TRUE(RegistryWriteInt(kBase + "\\Other\\Deep\\Er\\Max History Items", 10));
    EXPECT_EQ(ReadRaw(kBase + "\\Other\\Deep\\Er", "Max History Items"), (RawValue{REG_DWORD, DwordBytes(10)}));
}

TEST_F(RegistryTest, ValuesAreStoredWithTheirTypeAndExactBytes) {
    const std::string key = kBase + "\\Types";
    struct TextCase {
        std::string text, data;
    };
    const TextCase texts[] = {
        {"P", std::string("P\0", 2)},
        {"", std::string(1, '\0')},  // the empty text: one zero byte
        {"D:\\CS 1.6\\cstrike.exe", std::string("D:\\CS 1.6\\cstrike.exe\0", 22)},
        {Gbk("D:\\游戏\\cstrike.exe"), Gbk("D:\\游戏\\cstrike.exe") + '\0'},
    };
    for (const TextCase& c : texts) {
        EXPECT_TRUE(RegistryWriteText(key + "\\Executable File", c.text));
        EXPECT_EQ(ReadRaw(key, "Executable File"), (RawValue{REG_SZ, c.data})) << c.text;
    }
    struct IntCase {
        std::int32_t value;
        std::string data;
    };
    const IntCase ints[] = {
        {0, std::string(4, '\0')},
        {1024, std::string("\x00\x04\x00\x00", 4)},
        {0x01020304, std::string("\x04\x03\x02\x01", 4)},
        {-1, std::string("\xFF\xFF\xFF\xFF", 4)},
        {INT32_MIN, std::string("\x00\x00\x00\x80", 4)},
    };
    for (const IntCase& c : ints) {
        EXPECT_TRUE(RegistryWriteInt(key + "\\ScreenWidth", c.value));
        EXPECT_EQ(ReadRaw(key, "ScreenWidth"), (RawValue{REG_DWORD, c.data})) << c.value;
        EXPECT_EQ(RegistryReadInt(key + "\\ScreenWidth", 7), c.value);
    }
}

// A value name whose last character is double-byte with a backslash as its
// second byte stays one name.
TEST_F(RegistryTest, DoubleByteNameWithABackslashTrailByteIsOneValueName) {
    const std::string name = "Width\x95\x5C";  // GBK 0x95 0x5C: one character
    EXPECT_TRUE(RegistryWriteInt(kBase + "\\Dbcs\\" + name, 800));
    EXPECT_EQ(ReadRaw(kBase + "\\Dbcs", name), (RawValue{REG_DWORD, DwordBytes(800)}));
    EXPECT_EQ(RegistryReadInt(kBase + "\\Dbcs\\" + name, 1), 800);
    EXPECT_FALSE(KeyExists(kBase + "\\Dbcs\\Width\x95"));
}

TEST_F(RegistryTest, AValueOfAnotherTypeReadsAsEveryFallbackAndIsReplaced) {
    const std::string key = kBase + "\\Settings", width = key + "\\ScreenWidth";
    ASSERT_TRUE(WriteRaw(key, "ScreenWidth", REG_SZ, std::string("800\0", 4)));
    for (const std::int32_t fallback : {640, 800, 1024, -5}) EXPECT_EQ(RegistryReadInt(width, fallback), fallback);
    EXPECT_TRUE(RegistryWriteInt(width, 1024));
    EXPECT_EQ(ReadRaw(key, "ScreenWidth"), (RawValue{REG_DWORD, DwordBytes(1024)}));
    EXPECT_EQ(RegistryReadInt(width, 640), 1024);
    EXPECT_TRUE(RegistryWriteText(width, "wide"));
    EXPECT_EQ(ReadRaw(key, "ScreenWidth"), (RawValue{REG_SZ, std::string("wide\0", 5)}));
}

// Only a stored REG_DWORD of exactly four bytes is a number; anything else
// gives the fallback.
TEST_F(RegistryTest, ReadGivesTheFallbackUnlessAWholeDwordIsStored) {
    struct Case {
        const char* what;
        DWORD type;
        std::string data;
        bool isNumber;
    };
    const Case cases[] = {
        {"dword", REG_DWORD, DwordBytes(0), true},
        {"dword 2 bytes", REG_DWORD, std::string("\x20\x03", 2), false},
        {"dword 8 bytes", REG_DWORD, std::string("\x20\x03\0\0\0\0\0\0", 8), false},
        {"dword 0 bytes", REG_DWORD, std::string(), false},
        {"text 800", REG_SZ, std::string("800\0", 4), false},
        {"expandable text", REG_EXPAND_SZ, std::string("800\0", 4), false},
        {"binary 4 bytes", REG_BINARY, DwordBytes(800), false},
        {"big-endian dword", REG_DWORD_BIG_ENDIAN, DwordBytes(800), false},
        {"qword", REG_QWORD, std::string("\x20\x03\0\0\0\0\0\0", 8), false},
    };
    const std::string key = kBase + "\\Settings";
    for (const Case& c : cases) {
        ASSERT_TRUE(WriteRaw(key, c.what, c.type, c.data)) << c.what;
        for (const std::int32_t fallback : {1, 640, -9})
            EXPECT_EQ(RegistryReadInt(key + "\\" + c.what, fallback), c.isNumber ? 0 : fallback) << c.what;
    }
    // Absent value, absent key, absent parent.
    EXPECT_EQ(RegistryReadInt(key + "\\ScreenWindowed", 1), 1);
    EXPECT_EQ(RegistryReadInt(kBase + "\\Absent\\ScreenWindowed", 1), 1);
    EXPECT_EQ(RegistryReadInt("Software\\MoyuLauncherTestsAbsent\\A\\B", 640), 640);
    EXPECT_FALSE(KeyExists(kBase + "\\Absent"));  // reads create nothing
}

// A key the user may read but not write: the write reports false and leaves
// the value; reads still work.
TEST_F(RegistryTest, KeyThatMayBeReadButNotWrittenRefusesTheWrite) {
    const std::string key = kBase + "\\ReadOnly";
    ASSERT_TRUE(WriteRaw(key, "ScreenWidth", REG_DWORD, DwordBytes(800)));
    ASSERT_TRUE(SetKeyAccess(key, "D:P(A;;KR;;;WD)"));  // everyone: read only
    HKEY probe = nullptr;
    ASSERT_NE(RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_SET_VALUE, &probe), ERROR_SUCCESS)
        << "the access list is not enforced here";

    EXPECT_FALSE(RegistryWriteInt(key + "\\ScreenWidth", 1024));
    EXPECT_FALSE(RegistryWriteText(key + "\\ScreenWidth", "1024"));
    EXPECT_FALSE(RegistryWriteInt(key + "\\ScreenHeight", 768));
    EXPECT_EQ(ReadRaw(key, "ScreenWidth"), (RawValue{REG_DWORD, DwordBytes(800)}));
    EXPECT_EQ(ReadRaw(key, "ScreenHeight"), std::nullopt);
    EXPECT_EQ(RegistryReadInt(key + "\\ScreenWidth", 640), 800);
}

// A key that can neither be opened for writing nor created: false.
TEST_F(RegistryTest, KeyThatCannotBeCreatedRefusesTheWrite) {
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (kBase + "\\Volatile").c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &h, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(h);
    // A lasting key may not be made under a volatile one.
    EXPECT_FALSE(RegistryWriteInt(kBase + "\\Volatile\\Child\\ScreenWidth", 640));
    EXPECT_FALSE(KeyExists(kBase + "\\Volatile\\Child"));
}

TEST_F(RegistryTest, EveryKeyIsClosedOnEveryPath) {
    const std::string key = kBase + "\\Handles", readOnly = kBase + "\\HandlesReadOnly";
    ASSERT_TRUE(WriteRaw(key, "Text", REG_SZ, std::string("800\0", 4)));
    ASSERT_TRUE(WriteRaw(key, "Short", REG_DWORD, std::string("\1\2", 2)));
    ASSERT_TRUE(WriteRaw(key, "Long", REG_DWORD, std::string(8, '\1')));
    ASSERT_TRUE(WriteRaw(readOnly, "ScreenWidth", REG_DWORD, DwordBytes(800)));
    ASSERT_TRUE(SetKeyAccess(readOnly, "D:P(A;;KR;;;WD)"));
    HKEY h = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, (kBase + "\\Volatile").c_str(), 0, nullptr, REG_OPTION_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &h, nullptr),
              ERROR_SUCCESS);
    RegCloseKey(h);

    const auto everyPath = [&](int i) {
        RegistryWriteText(key + "\\Say Key", "Y");                          // open and write
        RegistryWriteInt(key + "\\New" + std::to_string(i % 3) + "\\V", i);  // create on the way
        RegistryWriteInt(readOnly + "\\ScreenWidth", 640);                  // refused write
        RegistryWriteInt(kBase + "\\Volatile\\Child\\V", 1);                // neither open nor create
        RegistryReadInt(key + "\\Say Key", 1);                              // wrong type
        RegistryReadInt(key + "\\Short", 1);                                // short data
        RegistryReadInt(key + "\\Long", 1);                                 // too long for 4 bytes
        RegistryReadInt(key + "\\Absent", 1);                               // no value
        RegistryReadInt(kBase + "\\NoSuchKey\\V", 1);                       // no key
        RegistryReadInt(readOnly + "\\ScreenWidth", 1);                     // a number
    };
    everyPath(0);  // the library's own first-use handles
    const long before = OpenHandleCount();
    ASSERT_GT(before, 0);
    for (int i = 0; i < 100; ++i) everyPath(i);
    EXPECT_EQ(OpenHandleCount(), before);
}

}  // namespace
