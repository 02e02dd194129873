// Emptying and removing folders in tests (header-only: the store tests'
// worker program uses it too).
#pragma once

#include <windows.h>

#include <string>

namespace driver {

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
