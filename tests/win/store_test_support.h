// Helpers for the store tests: a private folder per case, file bytes, a
// temporary current directory, the tests' own registry key, a count of the
// process's open handles, and the numbered blocks of the append worker.
// Header only and free of GoogleTest, so that the worker can use it too.
#pragma once

#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "test_basics.h"
#include "process_usage.h"
#include "stores/config_text.h"

namespace store_test {

// --- text ---

using driver::BytesInCodePage;

// The GBK bytes of a text written in this source file (UTF-8).
inline std::string Gbk(std::string_view utf8) { return BytesInCodePage(936, driver::Widen(utf8)); }

// The lines of a file that say something: CR LF split, empty lines dropped.
inline std::vector<std::string> NonEmptyLines(std::string_view bytes) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= bytes.size()) {
        std::size_t end = bytes.find("\r\n", start);
        if (end == std::string_view::npos) end = bytes.size();
        if (end > start) lines.emplace_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

// --- files ---

// Files named by ANSI paths, as the launcher names them.
inline std::optional<std::string> ReadBytes(const std::string& path) {
    return driver::ReadFileBytes(driver::WideFrom(CP_ACP, path));
}
inline bool WriteBytes(const std::string& path, std::string_view bytes) {
    return driver::WriteFileBytes(driver::WideFrom(CP_ACP, path), bytes);
}

// An empty folder of its own (ASCII path) under the build's test-run folder,
// removed again at the end of the case. The profile functions cache files by
// name, so every case works on names no other case used.
class TempFolder {
public:
    explicit TempFolder(const std::string& name) {
        const std::wstring root = driver::BinDirectory() + L"\\..\\testrun";
        CreateDirectoryW(root.c_str(), nullptr);
        const std::wstring winRoot = root + L"\\win";
        CreateDirectoryW(winRoot.c_str(), nullptr);
        wchar_t full[MAX_PATH * 4];
        GetFullPathNameW((winRoot + L"\\" + driver::Widen(name)).c_str(), static_cast<DWORD>(std::size(full)), full,
                         nullptr);
        wide_ = full;
        driver::DeleteTree(wide_);
        CreateDirectoryW(wide_.c_str(), nullptr);
        path_ = BytesInCodePage(CP_ACP, wide_);
    }
    ~TempFolder() { driver::DeleteTree(wide_); }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    const std::wstring& WidePath() const { return wide_; }
    std::string operator/(std::string_view relative) const { return path_ + "\\" + std::string(relative); }
    void MakeDirectory(std::string_view relative) const { CreateDirectoryA((*this / relative).c_str(), nullptr); }
    bool Write(std::string_view relative, std::string_view bytes) const { return WriteBytes(*this / relative, bytes); }
    std::optional<std::string> Read(std::string_view relative) const { return ReadBytes(*this / relative); }
    bool Exists(std::string_view relative) const {
        return GetFileAttributesA((*this / relative).c_str()) != INVALID_FILE_ATTRIBUTES;
    }
    void SetReadOnly(std::string_view relative, bool readOnly) const {
        SetFileAttributesA((*this / relative).c_str(), readOnly ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
    }

private:
    std::wstring wide_;
    std::string path_;
};

// Makes a folder the process's current directory for one scope.
class CurrentDirectoryScope {
public:
    explicit CurrentDirectoryScope(const std::wstring& directory) {
        wchar_t saved[MAX_PATH * 4];
        saved_.assign(saved, GetCurrentDirectoryW(static_cast<DWORD>(std::size(saved)), saved));
        ok_ = SetCurrentDirectoryW(directory.c_str()) != FALSE;
    }
    ~CurrentDirectoryScope() { SetCurrentDirectoryW(saved_.c_str()); }
    CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
    CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;
    bool Ok() const { return ok_; }

private:
    std::wstring saved_;
    bool ok_ = false;
};

// --- handles ---

// The number of handles this process holds (GetProcessHandleCount always
// reports 0 under Wine).
inline long OpenHandleCount() { return driver::MeasureProcess(GetCurrentProcessId()).handles; }

// --- registry (HKEY_CURRENT_USER) ---

inline constexpr char kTestKey[] = "Software\\MoyuLauncherTests";

struct RawValue {
    DWORD type = REG_NONE;
    std::string data;
    bool operator==(const RawValue&) const = default;
};

inline std::optional<RawValue> ReadRaw(const std::string& key, const std::string& name) {
    HKEY h = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS) return std::nullopt;
    RawValue v;
    DWORD size = 0;
    LONG r = RegQueryValueExA(h, name.c_str(), nullptr, &v.type, nullptr, &size);
    if (r == ERROR_SUCCESS) {
        v.data.resize(size);
        r = RegQueryValueExA(h, name.c_str(), nullptr, nullptr, reinterpret_cast<BYTE*>(v.data.data()), &size);
        v.data.resize(size);
    }
    RegCloseKey(h);
    if (r != ERROR_SUCCESS) return std::nullopt;
    return v;
}

inline bool KeyExists(const std::string& key) {
    HKEY h = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_READ, &h) != ERROR_SUCCESS) return false;
    RegCloseKey(h);
    return true;
}

inline bool WriteRaw(const std::string& key, const std::string& name, DWORD type, std::string_view data) {
    HKEY h = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &h, nullptr) !=
        ERROR_SUCCESS)
        return false;
    const LONG r = RegSetValueExA(h, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                  static_cast<DWORD>(data.size()));
    RegCloseKey(h);
    return r == ERROR_SUCCESS;
}

inline std::string DwordBytes(DWORD v) {
    std::string s(4, '\0');
    std::memcpy(s.data(), &v, 4);
    return s;
}

// Gives a key a list of who may do what, in the security descriptor
// language: "D:P(A;;KR;;;WD)" lets everyone read it and nobody write it.
inline bool SetKeyAccess(const std::string& key, const char* sddl) {
    HKEY h = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, WRITE_DAC, &h) != ERROR_SUCCESS) return false;
    PSECURITY_DESCRIPTOR sd = nullptr;
    bool ok = ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &sd, nullptr) != FALSE;
    if (ok) ok = RegSetKeySecurity(h, DACL_SECURITY_INFORMATION, sd) == ERROR_SUCCESS;
    if (sd) LocalFree(sd);
    RegCloseKey(h);
    return ok;
}

// Removes the tests' key and everything below it, whatever access lists the
// tests gave the keys (the owner may always rewrite a key's list).
inline void DeleteTestKey(const std::string& key = kTestKey) {
    HKEY h = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_ENUMERATE_SUB_KEYS | WRITE_DAC, &h) != ERROR_SUCCESS) {
        // Not even listable: open it up first.
        if (!SetKeyAccess(key, "D:(A;;KA;;;WD)")) return;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, KEY_ENUMERATE_SUB_KEYS, &h) != ERROR_SUCCESS) return;
    }
    std::vector<std::string> children;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = sizeof name;
        if (RegEnumKeyExA(h, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        children.emplace_back(name, length);
    }
    RegCloseKey(h);
    for (const std::string& child : children) DeleteTestKey(key + "\\" + child);
    SetKeyAccess(key, "D:(A;;KA;;;WD)");
    RegDeleteTreeA(HKEY_CURRENT_USER, key.c_str());
}

// --- the append worker ---

// Block number `index` of worker `tag`: a save block whose length varies
// with the number, so that a block written over another shows.
inline std::string WorkerBlock(std::string_view tag, int index) {
    const std::string id = std::string(tag) + "-" + std::to_string(index);
    const std::string filler(static_cast<std::size_t>(index % 97), static_cast<char>('a' + index % 26));
    return stores::SaveBlock(id, "master" + filler, filler + "personal", std::to_string(index % 10));
}

}  // namespace store_test
