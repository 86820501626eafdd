#include <algorithm>
#include <cwctype>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "base/wide_text.h"
#include "link/port_identity.h"
#include "link/win32_registry_api.h"
#include "link/win32_setup_api.h"

namespace pemlar {

namespace {

// The Ports class ({4d36e978-e325-11ce-bfc1-08002be10318}), spelled out: mingw's
// devguid.h wants INITGUID games.
constexpr GUID kPortsClass = {
    0x4d36e978, 0xe325, 0x11ce, {0xbf, 0xc1, 0x08, 0x00, 0x2b, 0xe1, 0x03, 0x18}};

std::string upper(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 'a' + 'A');
        }
    }
    return text;
}

// "\\.\COM7" or "COM7" as "COM7".
std::string portNameOf(const std::string& device) {
    std::string name = upper(device);
    if (name.starts_with("\\\\.\\")) {
        name.erase(0, 4);
    }
    return name;
}

// A string property (the first string of a list), empty when there is none.
std::wstring property(const Win32SetupApi& api, HDEVINFO set, SP_DEVINFO_DATA& info, DWORD which) {
    std::vector<wchar_t> buffer(512, L'\0');
    DWORD type = 0;
    if (api.getDeviceRegistryProperty(
            set, &info, which, &type, reinterpret_cast<PBYTE>(buffer.data()),
            static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t)), nullptr) == 0 ||
        (type != REG_SZ && type != REG_MULTI_SZ)) {
        return {};
    }
    return buffer.data();
}

std::wstring portName(const Win32SetupApi& api, HDEVINFO set, SP_DEVINFO_DATA& info) {
    const HKEY key = api.openDevRegKey(set, &info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == nullptr || key == INVALID_HANDLE_VALUE) {
        return {};
    }
    const std::unique_ptr<std::remove_pointer_t<HKEY>, std::function<void(HKEY)>> owner(
        key, [&api](HKEY k) { api.regCloseKey(k); });
    std::vector<wchar_t> buffer(64, L'\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>((buffer.size() - 1) * sizeof(wchar_t));
    if (api.regQueryValueEx(key, L"PortName", nullptr, &type,
                            reinterpret_cast<LPBYTE>(buffer.data()), &size) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return {};
    }
    return buffer.data();
}

// The four hex digits after `tag` ("VID_"), empty when absent.
std::string hexAfter(const std::string& id, const std::string& tag) {
    const std::size_t at = id.find(tag);
    return at == std::string::npos || at + tag.size() + 4 > id.size()
               ? std::string{}
               : id.substr(at + tag.size(), 4);
}

// The adapter's serial number from its instance id: USB\VID_0403&PID_6001\A50285BI, or
// FTDIBUS\VID_0403+PID_6001+A50285BIA\0000 (FTDI's driver appends a port letter). A
// generated id (with '&') belongs to a device without a serial number.
std::string serialOf(const std::string& instance) {
    const std::string id = upper(instance);
    if (id.starts_with("USB\\")) {
        const std::size_t last = instance.rfind('\\');
        const std::string serial = instance.substr(last + 1);
        return last > 4 && serial.find('&') == std::string::npos ? serial : std::string{};
    }
    if (id.starts_with("FTDIBUS\\")) {
        const std::size_t first = instance.find('+', instance.find("PID_"));
        const std::size_t end = instance.find('\\', first);
        if (first != std::string::npos && end != std::string::npos && end > first + 2) {
            return instance.substr(first + 1, end - first - 2);
        }
    }
    return {};
}

PortIdentity identityOf(const Win32SetupApi& api, HDEVINFO set, SP_DEVINFO_DATA& info,
                        const std::string& name) {
    PortIdentity identity;
    identity.device = "\\\\.\\" + name;
    identity.friendlyName = utf8FromWide(property(api, set, info, SPDRP_FRIENDLYNAME));
    const std::string hardware = upper(utf8FromWide(property(api, set, info, SPDRP_HARDWAREID)));
    const std::string service = utf8FromWide(property(api, set, info, SPDRP_SERVICE));
    identity.driver = service;
    identity.manufacturer = utf8FromWide(property(api, set, info, SPDRP_MFG));
    identity.product = identity.friendlyName;
    if (const std::size_t at = identity.product.rfind(" (" + name + ")"); at != std::string::npos) {
        identity.product.erase(at);
    }
    std::vector<wchar_t> instance(512, L'\0');
    if (api.getDeviceInstanceId(set, &info, instance.data(),
                                static_cast<DWORD>(instance.size() - 1), nullptr) != 0) {
        identity.serial = serialOf(utf8FromWide(instance.data()));
    }
    identity.vendorId = hexAfter(hardware, "VID_");
    identity.productId = hexAfter(hardware, "PID_");
    if (upper(service) == "USBSER") {
        identity.kind = PortKind::Acm;
    } else if (!identity.vendorId.empty()) {
        identity.kind = PortKind::UsbAdapter;
    } else if (hardware.starts_with("ACPI\\")) {
        identity.kind = PortKind::BuiltIn;
    }
    return identity;
}

std::map<std::string, PortIdentity> listPorts(const Win32SetupApi& api) {
    std::map<std::string, PortIdentity> ports;
    const HDEVINFO set = api.getClassDevs(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE) {
        return ports;
    }
    for (DWORD index = 0;; ++index) {
        SP_DEVINFO_DATA info{};
        info.cbSize = sizeof info;
        if (api.enumDeviceInfo(set, index, &info) == 0) {
            break;
        }
        const std::string name = upper(utf8FromWide(portName(api, set, info)));
        if (name.starts_with("COM")) {
            ports[name] = identityOf(api, set, info, name);
        }
    }
    api.destroyDeviceInfoList(set);
    return ports;
}

// What the system lists: the Ports class with identities, and the names of
// SERIALCOMM, which also holds ports that no Ports class device carries (multi-port
// cards, some virtual ports).
struct ListedPorts {
    std::map<std::string, PortIdentity> identified;
    std::vector<std::string> named;
    // Nothing listed at all (SERIALCOMM missing, as under Wine): every number may be a
    // port, so none is taken for absent.
    bool known() const { return !identified.empty() || !named.empty(); }
    bool lists(const std::string& name) const {
        return identified.contains(name) ||
               std::find(named.begin(), named.end(), name) != named.end();
    }
};

ListedPorts listedPorts(const Win32SetupApi& setupApi, const Win32RegistryApi& registry) {
    ListedPorts listed{listPorts(setupApi), {}};
    for (const std::int32_t n : serialCommPorts(registry)) {
        listed.named.push_back("COM" + std::to_string(n));
    }
    return listed;
}

bool isComName(const std::string& name) {
    return name.size() > 3 && name.starts_with("COM") &&
           std::all_of(name.begin() + 3, name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

}  // namespace

PortIdentifier setupApiPortIdentifier(Win32SetupApi api, Win32RegistryApi registry) {
    auto ports = std::make_shared<std::optional<ListedPorts>>();
    return
        [api = std::move(api), registry = std::move(registry), ports](const std::string& device) {
            if (!*ports) {
                *ports = listedPorts(api, registry);
            }
            const std::string name = portNameOf(device);
            const auto found = (*ports)->identified.find(name);
            if (found != (*ports)->identified.end()) {
                return found->second;
            }
            PortIdentity unknown;
            unknown.device = device;
            // Each COM number that Windows does not list would cost a failed CreateFileW,
            // 254 of them at start-up and whenever the list opens.
            unknown.exists = !isComName(name) || !(*ports)->known() || (*ports)->lists(name);
            return unknown;
        };
}

Win32SetupApi systemWin32SetupApi() {
    return {
        .getClassDevs = &SetupDiGetClassDevsW,
        .enumDeviceInfo = &SetupDiEnumDeviceInfo,
        .getDeviceRegistryProperty = &SetupDiGetDeviceRegistryPropertyW,
        .getDeviceInstanceId = &SetupDiGetDeviceInstanceIdW,
        .openDevRegKey = &SetupDiOpenDevRegKey,
        .regQueryValueEx = &RegQueryValueExW,
        .regCloseKey = &RegCloseKey,
        .destroyDeviceInfoList = &SetupDiDestroyDeviceInfoList,
    };
}

PortIdentifier systemPortIdentifier(PortRoots) {
    return setupApiPortIdentifier(systemWin32SetupApi(), systemWin32RegistryApi());
}

bool sameDevice(const std::string& a, const std::string& b) {
    return portNameOf(a) == portNameOf(b);
}

}  // namespace pemlar
