// Move-only owners of Windows handles. Each closes its handle exactly once,
// on Close() or destruction; Close() on an empty owner does nothing.
#pragma once

#include <windows.h>

#include <utility>

namespace base {

template <typename Traits>
class Owned {
public:
    using Type = typename Traits::Type;

    Owned() = default;
    explicit Owned(Type h) : h_(h) {}
    ~Owned() { Close(); }
    Owned(const Owned&) = delete;
    Owned& operator=(const Owned&) = delete;
    Owned(Owned&& other) noexcept : h_(std::exchange(other.h_, Traits::Invalid())) {}
    Owned& operator=(Owned&& other) noexcept {
        if (this != &other) {
            Close();
            h_ = std::exchange(other.h_, Traits::Invalid());
        }
        return *this;
    }

    Type Get() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    // For functions that return the handle through a pointer argument.
    Type* Receive() {
        Close();
        return &h_;
    }
    Type Release() { return std::exchange(h_, Traits::Invalid()); }
    void Close() {
        if (h_ != Traits::Invalid()) Traits::Free(std::exchange(h_, Traits::Invalid()));
    }

private:
    Type h_ = Traits::Invalid();
};

struct KernelHandleTraits {  // processes, threads, snapshots: NULL when absent
    using Type = HANDLE;
    static Type Invalid() { return nullptr; }
    static void Free(Type h) { CloseHandle(h); }
};
struct FileHandleTraits {  // CreateFile and toolhelp report INVALID_HANDLE_VALUE
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Free(Type h) { CloseHandle(h); }
};
struct FindHandleTraits {
    using Type = HANDLE;
    static Type Invalid() { return INVALID_HANDLE_VALUE; }
    static void Free(Type h) { FindClose(h); }
};
struct RegKeyTraits {
    using Type = HKEY;
    static Type Invalid() { return nullptr; }
    static void Free(Type h) { RegCloseKey(h); }
};
struct GdiObjectTraits {
    using Type = HGDIOBJ;
    static Type Invalid() { return nullptr; }
    static void Free(Type h) { DeleteObject(h); }
};
struct IconTraits {
    using Type = HICON;
    static Type Invalid() { return nullptr; }
    static void Free(Type h) { DestroyIcon(h); }
};
struct CursorTraits {
    using Type = HCURSOR;
    static Type Invalid() { return nullptr; }
    static void Free(Type h) { DestroyCursor(h); }
};

using KernelHandle = Owned<KernelHandleTraits>;
using FileHandle = Owned<FileHandleTraits>;
using FindHandle = Owned<FindHandleTraits>;
using RegKey = Owned<RegKeyTraits>;
using GdiObject = Owned<GdiObjectTraits>;
using IconHandle = Owned<IconTraits>;
using CursorHandle = Owned<CursorTraits>;

}  // namespace base
