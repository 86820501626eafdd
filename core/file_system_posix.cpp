#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "base/unique_fd.h"
#include "base/write_all.h"
#include "core/file_system.h"

namespace pemlar::platform {

namespace {

FileOutcome failed(FileFailure failure, int error) {
    return {failure, std::strerror(error)};
}

// Writes, syncs and closes `fd`; on failure the file at `path` is removed again.
FileOutcome finishFile(UniqueFd& fd, const std::filesystem::path& path,
                       std::span<const std::uint8_t> bytes) {
    if (!writeAll(fd.get(), bytes) || ::fsync(fd.get()) != 0 || !fd.close()) {
        const int error = errno;
        ::unlink(path.c_str());
        return failed(FileFailure::CannotWrite, error);
    }
    return {};
}

void syncFolder(const std::filesystem::path& folder) {
    const UniqueFd fd(
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (fd.get() >= 0) {
        ::fsync(fd.get());  // best effort: the rename itself has happened
    }
}

}  // namespace

FileOutcome writeAndReplace(const std::filesystem::path& temp, const std::filesystem::path& target,
                            std::span<const std::uint8_t> bytes) {
    struct stat old {};
    const bool existing = ::stat(target.c_str(), &old) == 0;
    if (existing && ::access(target.c_str(), W_OK) != 0) {
        return failed(FileFailure::NotWritable, errno);
    }
    // Our own leftover from a save that was killed halfway; anything else by that name
    // (a pipe, a folder) is not ours to remove.
    struct stat stale {};
    if (::lstat(temp.c_str(), &stale) == 0) {
        if (!S_ISREG(stale.st_mode) && !S_ISLNK(stale.st_mode)) {
            return failed(FileFailure::CannotCreate, EEXIST);
        }
        ::unlink(temp.c_str());
    }
    UniqueFd fd(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
        return failed(FileFailure::CannotCreate, errno);
    }
    if (existing) {
        // Owner and group first: changing them may clear the set-id bits the mode restores.
        static_cast<void>(::fchown(fd.get(), old.st_uid, old.st_gid));
        static_cast<void>(::fchmod(fd.get(), old.st_mode & 07777));
    }
    if (FileOutcome written = finishFile(fd, temp, bytes); !written.ok()) {
        return written;
    }
    if (::rename(temp.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(temp.c_str());
        return failed(FileFailure::CannotReplace, error);
    }
    syncFolder(target.parent_path());
    return {};
}

FileOutcome createNewFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                          bool& exists) {
    UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    exists = fd.get() < 0 && errno == EEXIST;
    if (fd.get() < 0) {
        return failed(FileFailure::CannotCreate, errno);
    }
    return finishFile(fd, path, bytes);
}

std::optional<std::string> readPrefix(const std::filesystem::path& path, std::size_t maxBytes) {
    // Non-blocking: a pipe put in the file's place since the caller looked must not hang.
    UniqueFd file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat info {};
    if (file.get() < 0 || ::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    std::string bytes(maxBytes, '\0');
    std::size_t got = 0;
    while (got < maxBytes) {
        const ssize_t n = ::read(file.get(), bytes.data() + got, maxBytes - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return std::nullopt;
        }
        if (n == 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    bytes.resize(got);
    return bytes;
}

FileOutcome prepareAppendFile(const std::filesystem::path& path, bool& empty) {
    // Non-blocking: opening a pipe to write waits for a reader otherwise.
    const UniqueFd fd(::open(
        path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666));
    if (fd.get() < 0) {
        return failed(errno == ENXIO ? FileFailure::NotRegularFile : FileFailure::CannotCreate,
                      errno);
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        return failed(FileFailure::CannotWrite, errno);
    }
    if (!S_ISREG(info.st_mode)) {
        return {FileFailure::NotRegularFile, {}};
    }
    empty = info.st_size == 0;
    return {};
}

std::tm localTimeNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    ::localtime_r(&now, &local);
    return local;
}

}  // namespace pemlar::platform
