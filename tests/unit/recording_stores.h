// A stores stand-in that records every call in order, answers reads from
// maps and can be told to fail chosen writes.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "stores/stores.h"

namespace testing_support {

class RecordingStores : public stores::Stores {
public:
    std::vector<std::string> calls;  // "op key=value", in order
    std::map<std::string, std::string> settings;
    std::map<std::string, std::int32_t> registryInts;  // missing: the fallback
    std::set<std::string> failingPaths;                // registry writes that fail

    std::string ReadSetting(std::string_view key) override {
        calls.push_back("read " + std::string(key));
        const auto it = settings.find(std::string(key));
        return it == settings.end() ? std::string() : it->second;
    }
    void WriteSetting(std::string_view key, std::string_view value) override {
        calls.push_back("ini " + std::string(key) + "=" + std::string(value));
    }
    void WriteNameKey(std::string_view id) override { calls.push_back("namekey " + std::string(id)); }
    void AppendConfig(std::string_view text) override { calls.push_back("append " + std::string(text)); }
    bool WriteRegistryText(std::string_view path, std::string_view text) override {
        calls.push_back("regsz " + std::string(path) + "=" + std::string(text));
        return !failingPaths.count(std::string(path));
    }
    bool WriteRegistryInt(std::string_view path, std::int32_t value) override {
        calls.push_back("regdw " + std::string(path) + "=" + std::to_string(value));
        if (failingPaths.count(std::string(path))) return false;
        registryInts[std::string(path)] = value;
        return true;
    }
    std::int32_t ReadRegistryInt(std::string_view path, std::int32_t fallback) override {
        calls.push_back("regread " + std::string(path));
        const auto it = registryInts.find(std::string(path));
        return it == registryInts.end() ? fallback : it->second;
    }
};

}  // namespace testing_support
