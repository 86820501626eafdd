#include "core/address_file_io.h"

#include <system_error>

#include "core/file_prefix.h"
#include "core/file_system.h"

namespace pemlar {

namespace {

// The file a chain of symbolic links ends at (the path itself when it is none). A
// dangling link gives its missing target, so the save creates that file.
std::filesystem::path followLinks(std::filesystem::path path, std::error_code& error) {
    for (int hop = 0; hop < 40; ++hop) {
        if (!std::filesystem::is_symlink(std::filesystem::symlink_status(path, error))) {
            error.clear();
            return path;
        }
        std::filesystem::path next = std::filesystem::read_symlink(path, error);
        if (error) {
            return path;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return path;
}

}  // namespace

std::optional<AddressFileBytes> loadAddressFile(const std::filesystem::path& path) {
    const auto bytes = readFilePrefix(path, kAddressBlockSize);
    if (!bytes) {
        return std::nullopt;
    }
    return addressSlotsFromFile(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
}

std::filesystem::path temporaryFileFor(const std::filesystem::path& target) {
    std::filesystem::path name(".");
    name += target.filename();
    name += ".pemlar-tmp";
    return target.parent_path() / name;
}

FileOutcome saveAddressFile(const std::filesystem::path& path, const AddressFileBytes& bytes) {
    return saveFileWhole(path, bytes);
}

FileOutcome saveFileWhole(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    std::error_code error;
    const std::filesystem::path target = followLinks(path, error);
    if (error) {
        return {FileFailure::CannotCreate, error.message()};
    }
    const std::filesystem::file_status status = std::filesystem::status(target, error);
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
        return {FileFailure::NotRegularFile, {}};
    }
    return platform::writeAndReplace(temporaryFileFor(target), target, bytes);
}

}  // namespace pemlar
