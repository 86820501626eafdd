#include <windows.h>

#include <algorithm>
#include <system_error>

#include "core/file_system.h"

namespace pemlar::platform {

namespace {

class UniqueHandle {
public:
    explicit UniqueHandle(HANDLE handle) : handle_(handle) {}
    ~UniqueHandle() {
        if (handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    HANDLE get() const { return handle_; }
    bool close() {
        const HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        return CloseHandle(handle) != 0;
    }

private:
    HANDLE handle_;
};

FileOutcome failed(FileFailure failure, DWORD error) {
    return {failure, std::system_category().message(static_cast<int>(error))};
}

FileOutcome writeNew(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                     bool& exists) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        exists = error == ERROR_FILE_EXISTS || error == ERROR_ALREADY_EXISTS;
        return failed(FileFailure::CannotCreate, error);
    }
    exists = false;
    DWORD written = 0;
    const bool ok = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                              nullptr) != 0 &&
                    written == bytes.size() && FlushFileBuffers(file.get()) != 0;
    const DWORD error = ok ? ERROR_SUCCESS : GetLastError();
    if (!file.close() || !ok) {
        DeleteFileW(path.c_str());
        return failed(FileFailure::CannotWrite, ok ? GetLastError() : error);
    }
    return {};
}

}  // namespace

FileOutcome writeAndReplace(const std::filesystem::path& temp, const std::filesystem::path& target,
                            std::span<const std::uint8_t> bytes) {
    DeleteFileW(temp.c_str());  // a leftover of a save that was killed halfway
    bool exists = false;
    if (FileOutcome written = writeNew(temp, bytes, exists); !written.ok()) {
        return written;
    }
    if (MoveFileExW(temp.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) == 0) {
        const DWORD error = GetLastError();
        DeleteFileW(temp.c_str());
        return failed(
            error == ERROR_ACCESS_DENIED ? FileFailure::NotWritable : FileFailure::CannotReplace,
            error);
    }
    return {};
}

FileOutcome createNewFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                          bool& exists) {
    return writeNew(path, bytes, exists);
}

std::optional<std::string> readPrefix(const std::filesystem::path& path, std::size_t maxBytes) {
    UniqueHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE || GetFileType(file.get()) != FILE_TYPE_DISK) {
        return std::nullopt;
    }
    std::string bytes(maxBytes, '\0');
    std::size_t got = 0;
    while (got < maxBytes) {
        const DWORD wanted = static_cast<DWORD>(std::min<std::size_t>(maxBytes - got, 1U << 30));
        DWORD n = 0;
        if (ReadFile(file.get(), bytes.data() + got, wanted, &n, nullptr) == 0) {
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        got += n;
    }
    bytes.resize(got);
    return bytes;
}

FileOutcome prepareAppendFile(const std::filesystem::path& path, bool& empty) {
    UniqueHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (file.get() == INVALID_HANDLE_VALUE) {
        return failed(FileFailure::CannotCreate, GetLastError());
    }
    if (GetFileType(file.get()) != FILE_TYPE_DISK) {
        return {FileFailure::NotRegularFile, {}};
    }
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file.get(), &size) == 0) {
        return failed(FileFailure::CannotWrite, GetLastError());
    }
    empty = size.QuadPart == 0;
    return {};
}

std::tm localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    return local;
}

}  // namespace pemlar::platform
