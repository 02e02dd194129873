// The fixed Chinese names are stored as GBK bytes; check them against the
// system's own converter where there is one.
#include <gtest/gtest.h>

#include "stores/setting_names.h"

#if !defined(_WIN32)
#include <iconv.h>

namespace {

std::string ToGbk(std::string utf8) {
    iconv_t cd = iconv_open("GBK", "UTF-8");
    std::string out(utf8.size() * 2, '\0');
    char* in = utf8.data();
    char* o = out.data();
    std::size_t inLeft = utf8.size(), outLeft = out.size();
    const std::size_t r = iconv(cd, &in, &inLeft, &o, &outLeft);
    iconv_close(cd);
    EXPECT_NE(r, static_cast<std::size_t>(-1));
    out.resize(out.size() - outLeft);
    return out;
}

TEST(SettingNames, ChineseNamesAreGbk) {
    EXPECT_EQ(stores::kSection, ToGbk("墨羽晴川"));
    EXPECT_EQ(stores::kKeyGamePath, ToGbk("CS路径"));
    EXPECT_EQ(stores::kKeyToolPath, ToGbk("中文输入机路径"));
}

}  // namespace
#endif
