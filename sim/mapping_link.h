#pragma once
// The entry COM<n> in the program's port mapping folder that points at the device the
// simulator serves, so the program lists it as that COM port.

#include <filesystem>
#include <optional>
#include <string>

namespace pemlar {

// <config>/Nirvel/Pemlar/ports, <config> being $XDG_CONFIG_HOME or ~/.config: where
// the program looks first when it resolves a COM port number.
std::filesystem::path simMappingFolder();

class MappingLink {
public:
    // Links COM<comNumber> to `device`. Refuses, with a reason in `error`, when that
    // entry already leads to a device that exists; a stale entry is replaced.
    static std::optional<MappingLink> create(int comNumber, const std::string& device,
                                             std::string& error);
    MappingLink(MappingLink&& other) noexcept;
    MappingLink& operator=(MappingLink&& other) noexcept;
    ~MappingLink();
    // Removes the entry, but only while it still points at our device.
    void remove();
    const std::filesystem::path& path() const { return link_; }

private:
    MappingLink(std::filesystem::path link, std::string device);
    std::filesystem::path link_;
    std::string device_;
};

}  // namespace pemlar
