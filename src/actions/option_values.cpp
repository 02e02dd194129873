#include "actions/option_values.h"

#include <iterator>

namespace actions {
namespace {

template <std::size_t N>
std::string_view Lookup(const std::string_view (&table)[N], int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= N) return {};
    return table[index];
}

// In the order of the lists' items: 左手 右手 / 绿色 红色 蓝色 黄色 淡蓝色 / 自动 小 中 大.
constexpr std::string_view kHands[] = {"0", "1"};
constexpr std::string_view kColours[] = {"50 250 50", "250 50 50", "50 50 250", "250 250 50", "50 250 250"};
constexpr std::string_view kSizes[] = {"auto", "small", "medium", "large"};

}  // namespace

std::string_view GunHandValue(int index) { return Lookup(kHands, index); }
std::string_view CrosshairColourValue(int index) { return Lookup(kColours, index); }
std::string_view CrosshairSizeValue(int index) { return Lookup(kSizes, index); }
std::string_view TranslucencyValue(bool checked) { return checked ? "1" : "0"; }

}  // namespace actions
