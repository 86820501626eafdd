#include "core/backups.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/user_folders.h"
#include "core/file_system.h"
#include "data/address_block.h"

namespace pemlar {

namespace {

constexpr int kIdTextLength = 12;
constexpr int kMaxAttempts = 100;

std::string idForFileName(ConstPage received) {
    std::string id;
    for (int i = 0; i < kIdTextLength; ++i) {
        const auto byte = static_cast<unsigned char>(received[kIdBlockOffset + i]);
        if (byte == 0) {
            break;
        }
        const bool safe = (byte >= '0' && byte <= '9') || (byte >= 'A' && byte <= 'Z') ||
                          (byte >= 'a' && byte <= 'z') || byte == '-' || byte == '.';
        id += safe ? static_cast<char>(byte) : '_';
    }
    // The ID text is right-aligned with spaces; the padding says nothing.
    const std::size_t first = id.find_first_not_of('_');
    if (first == std::string::npos) {
        return "ohne-ID";
    }
    id.erase(0, first);
    id.erase(id.find_last_not_of('_') + 1);
    return id;
}

// "dddd-dd-dd_dd-dd-dd_" and at least one character before ".page".
bool isBackupName(const std::string& name) {
    constexpr std::string_view stamp = "dddd-dd-dd_dd-dd-dd_";
    constexpr std::string_view suffix = ".page";
    if (name.size() <= stamp.size() + suffix.size() || !name.ends_with(suffix)) {
        return false;
    }
    for (std::size_t i = 0; i < stamp.size(); ++i) {
        const bool digit = name[i] >= '0' && name[i] <= '9';
        if (stamp[i] == 'd' ? !digit : name[i] != stamp[i]) {
            return false;
        }
    }
    return true;
}

// Removes the backups written longest ago beyond `keep`, never `fresh` (the one just
// written). The time written decides, not the name: a clock that was once wrong, or
// files copied from another machine, give names that sort after every new one.
void removeOldest(const std::filesystem::path& folder, const std::filesystem::path& fresh,
                  std::size_t keep) {
    std::error_code error;
    struct Backup {
        std::filesystem::file_time_type written;
        std::filesystem::path path;
    };
    std::vector<Backup> others;
    for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
        if (!entry.is_regular_file(error) || !isBackupName(entry.path().filename().string()) ||
            entry.path().filename() == fresh.filename()) {
            continue;
        }
        const auto written = entry.last_write_time(error);
        if (!error) {
            others.push_back({written, entry.path()});
        }
    }
    const std::size_t keepOthers = keep > 0 ? keep - 1 : 0;
    if (others.size() <= keepOthers) {
        return;
    }
    // Same time: the name, which sorts by the time it tells.
    std::sort(others.begin(), others.end(), [](const Backup& a, const Backup& b) {
        return a.written != b.written ? a.written < b.written : a.path < b.path;
    });
    const auto excess = static_cast<std::ptrdiff_t>(others.size() - keepOthers);
    for (auto it = others.begin(); it != others.begin() + excess; ++it) {
        std::filesystem::remove(it->path, error);
    }
}

}  // namespace

std::filesystem::path userBackupFolder() {
    const std::filesystem::path data = userDataHome();
    return data.empty() ? data : data / "Nirvel" / "Pemlar" / "backups";
}

BackupStore userBackupStore() {
    return {userBackupFolder(), platform::localTimeNow, kBackupsKept};
}

std::string backupFileName(const std::tm& when, ConstPage received, int attempt) {
    char stamp[80];
    std::snprintf(stamp, sizeof stamp, "%04d-%02d-%02d_%02d-%02d-%02d_", when.tm_year + 1900,
                  when.tm_mon + 1, when.tm_mday, when.tm_hour, when.tm_min, when.tm_sec);
    std::string name = stamp + idForFileName(received);
    if (attempt > 1) {
        name += "_" + std::to_string(attempt);
    }
    return name + ".page";
}

BackupOutcome keepBackup(const BackupStore& store, ConstPage received) {
    if (store.folder.empty()) {
        return {{}, "kein Datenordner"};
    }
    std::error_code error;
    std::filesystem::create_directories(store.folder, error);
    if (error) {
        return {{}, error.message()};
    }
    const std::tm when = store.now ? store.now() : platform::localTimeNow();
    for (int attempt = 1; attempt <= kMaxAttempts; ++attempt) {
        const std::filesystem::path file = store.folder / backupFileName(when, received, attempt);
        bool exists = false;
        const FileOutcome outcome = platform::createNewFile(file, received, exists);
        if (outcome.ok()) {
            removeOldest(store.folder, file, store.keep);
            return {file, {}};
        }
        if (!exists) {
            return {{}, outcome.reason};
        }
    }
    return {{}, "zu viele Sicherungen in derselben Sekunde"};
}

}  // namespace pemlar
