#pragma once
// What the GUI test programs set up around themselves, the same on every system: the
// process environment, the program's settings store, devices standing in for COM ports.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace pemlar {

// Sets an environment variable of this process; with `overwrite` false a value that is
// already there stays.
void setEnvironment(const char* name, const std::string& value, bool overwrite = true);

// True when this Windows program runs under Wine.
bool underWine();

// The program's settings store as the test program sees it: with the Qt back end
// <XDG_CONFIG_HOME>/Nirvel/Pemlar.conf, with the Win32 one the registry key
// HKEY_CURRENT_USER\Software\Nirvel\Pemlar (of the throw-away Wine prefix).
namespace stored_settings {
// Removes the whole store.
void clear();
// A store holding these two values.
void write(int selectedCom, int selectedLabel);
// The stored number, or nothing when the value is missing or not a number.
std::optional<int> value(const char* name);
// Every value, for failure messages.
std::string dump();
// Puts something in the store's place that the program cannot open; false when that
// cannot be had here.
bool block();
}  // namespace stored_settings

// Something in `folder` that opens as COM<comNumber> does: a pseudo-terminal linked
// there as COM<n>, or on Windows (where opening is all a probe does, and COM<n> is a
// device name in every folder) a plain file port<n>. Removed with the object.
class PortDevice {
public:
    explicit PortDevice(std::filesystem::path path) : path_(std::move(path)) {}
    virtual ~PortDevice() = default;
    PortDevice(const PortDevice&) = delete;
    PortDevice& operator=(const PortDevice&) = delete;
    // What a resolver hands the port for it.
    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};
// Nothing when no device can be had.
std::unique_ptr<PortDevice> makePortDevice(const std::filesystem::path& folder, int comNumber);

}  // namespace pemlar
