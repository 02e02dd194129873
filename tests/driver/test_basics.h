// What every test program of the launcher needs, header-only and free of
// GoogleTest (the store tests' worker program uses it too): text in UTF-8,
// UTF-16 and the ANSI code page, the build's program folder, whole files,
// and removing folders.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace driver {

// --- text ---

inline std::wstring WideFrom(UINT codePage, std::string_view bytes) {
    if (bytes.empty()) return {};
    const int n = MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    std::wstring w(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, bytes.data(), static_cast<int>(bytes.size()), w.data(), n);
    return w;
}

inline std::string BytesInCodePage(UINT codePage, std::wstring_view w) {
    if (w.empty()) return {};
    const int n = WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string s(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, w.data(), static_cast<int>(w.size()), s.data(), n, nullptr, nullptr);
    return s;
}

inline std::wstring Widen(std::string_view utf8) { return WideFrom(CP_UTF8, utf8); }
inline std::string Narrow(std::wstring_view wide) { return BytesInCodePage(CP_UTF8, wide); }  // to UTF-8
// To the ANSI code page (GBK here).
inline std::string Ansi(std::wstring_view wide) { return BytesInCodePage(CP_ACP, wide); }
inline std::string AnsiFromUtf8(std::string_view utf8) { return Ansi(Widen(utf8)); }

// --- files ---

// Where the launcher, the fakes and the test programs are built.
inline std::wstring BinDirectory() {
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(nullptr, path, static_cast<DWORD>(std::size(path)));
    const std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L'\\'));
}

// A whole file, read while others may go on reading, writing or deleting it.
inline std::optional<std::string> ReadFileBytes(const std::wstring& path) {
    const HANDLE f = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                 nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char buffer[1 << 16];
    DWORD got = 0;
    while (ReadFile(f, buffer, sizeof buffer, &got, nullptr) && got > 0) bytes.append(buffer, got);
    CloseHandle(f);
    return bytes;
}

// Creates or replaces a file with exactly these bytes; false when it cannot.
inline bool WriteFileBytes(const std::wstring& path, std::string_view bytes) {
    const HANDLE f = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (f == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(f, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(f);
    return ok && written == bytes.size();
}

// --- folders ---

// Removes everything inside the folder, read-only files included.
inline void DeleteContents(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        const std::wstring child = path + L"\\" + name;
        if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            DeleteContents(child);
            RemoveDirectoryW(child.c_str());
        } else {
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(child.c_str());
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
}

inline void DeleteTree(const std::wstring& path) {
    DeleteContents(path);
    RemoveDirectoryW(path.c_str());
}

}  // namespace driver
