#include "sim/image_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "base/unique_fd.h"
#include "base/write_all.h"

namespace pemlar {

namespace {

std::string describe(const std::filesystem::path& file, int error) {
    return file.string() + ": " + std::strerror(error);
}

}  // namespace

std::optional<EepromImage> loadImageFile(const std::filesystem::path& file, std::string& error) {
    // Non-blocking, and only a regular file: a pipe would hang the start, a device
    // never end.
    const UniqueFd fd(::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd) {
        error = describe(file, errno);
        return std::nullopt;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        error = file.string() + ": keine normale Datei";
        return std::nullopt;
    }
    // One byte more than an image, to tell a longer file from a fitting one.
    std::array<std::uint8_t, kImageSize + 1> buffer{};
    std::size_t total = 0;
    while (total < buffer.size()) {
        const ssize_t got = ::read(fd.get(), buffer.data() + total, buffer.size() - total);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            error = describe(file, errno);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::size_t>(got);
    }
    if (total != kImageSize) {
        error = file.string() + ": kein EEPROM-Abbild (genau " + std::to_string(kImageSize) +
                " Bytes erwartet)";
        return std::nullopt;
    }
    EepromImage image{};
    std::copy(buffer.begin(), buffer.begin() + kImageSize, image.begin());
    return image;
}

bool saveImageFile(const std::filesystem::path& file, const EepromImage& image,
                   std::string& error) {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    UniqueFd fd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!fd) {
        error = describe(temporary, errno);
        return false;
    }
    const bool written = writeAll(fd.get(), image) && ::fsync(fd.get()) == 0;
    const int writeError = errno;
    // close() reports late write errors, so it is called here, not left to the owner.
    if (!fd.close() || !written) {
        error = describe(temporary, written ? errno : writeError);
        ::unlink(temporary.c_str());
        return false;
    }
    if (::rename(temporary.c_str(), file.c_str()) != 0) {
        error = describe(file, errno);
        ::unlink(temporary.c_str());
        return false;
    }
    return true;
}

}  // namespace pemlar
