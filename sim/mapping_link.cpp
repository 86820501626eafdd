#include "sim/mapping_link.h"

#include <system_error>
#include <utility>

#include "base/user_folders.h"

namespace pemlar {

std::filesystem::path simMappingFolder() {
    return userConfigHome(WithoutHome::AccountFolder) / "Nirvel" / "Pemlar" / "ports";
}

std::optional<MappingLink> MappingLink::create(int comNumber, const std::string& device,
                                               std::string& error) {
    const std::filesystem::path folder = simMappingFolder();
    const std::filesystem::path link = folder / ("COM" + std::to_string(comNumber));
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
        error = folder.string() + ": " + ec.message();
        return std::nullopt;
    }
    if (std::filesystem::exists(std::filesystem::symlink_status(link, ec))) {
        if (std::filesystem::exists(link, ec)) {
            error = link.string() + " ist schon belegt (" +
                    std::filesystem::read_symlink(link, ec).string() + ")";
            return std::nullopt;
        }
        std::filesystem::remove(link, ec);
    }
    std::filesystem::create_symlink(device, link, ec);
    if (ec) {
        error = link.string() + ": " + ec.message();
        return std::nullopt;
    }
    return MappingLink(link, device);
}

MappingLink::MappingLink(std::filesystem::path link, std::string device)
    : link_(std::move(link)), device_(std::move(device)) {}

MappingLink::MappingLink(MappingLink&& other) noexcept
    : link_(std::move(other.link_)), device_(std::exchange(other.device_, {})) {
    other.link_.clear();
}

MappingLink& MappingLink::operator=(MappingLink&& other) noexcept {
    if (this != &other) {
        remove();
        link_ = std::exchange(other.link_, {});
        device_ = std::exchange(other.device_, {});
    }
    return *this;
}

MappingLink::~MappingLink() {
    remove();
}

void MappingLink::remove() {
    if (link_.empty()) {
        return;
    }
    std::error_code ec;
    if (std::filesystem::read_symlink(link_, ec) == device_ && !ec) {
        std::filesystem::remove(link_, ec);
    }
    link_.clear();
}

}  // namespace pemlar
