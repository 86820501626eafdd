#pragma once
// Backups of every address page received from an instrument: 256 bytes as they came
// over the line, one file each, in the user's data folder. A backup never blocks a
// transfer; its outcome is only reported.

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <functional>
#include <string>

#include "data/eeprom_image.h"

namespace pemlar {

inline constexpr std::size_t kBackupsKept = 1000;

struct BackupStore {
    std::filesystem::path folder;  // created when missing
    std::function<std::tm()> now;  // local time; the platform's clock when empty
    std::size_t keep = kBackupsKept;
};

// <data>/Nirvel/Pemlar/backups: ~/.local/share/... (or under $XDG_DATA_HOME) on POSIX,
// %LOCALAPPDATA%\Nirvel\Pemlar\backups on Windows. Empty when there is no data folder.
std::filesystem::path userBackupFolder();
// The user's folder with the platform's clock.
BackupStore userBackupStore();

// "2026-12-07_14-05-09_PM-0815-42.page": date, time and the page's ID text, every
// character but letters, digits, '-' and '.' made '_' ("ohne-ID" for a blank ID).
// A second backup in the same second with the same ID gets "_2", "_3", ... before
// ".page" (`attempt` 1 is the plain name). Names sort by time.
std::string backupFileName(const std::tm& when, ConstPage received, int attempt = 1);

struct BackupOutcome {
    std::filesystem::path file;  // the backup written; empty when none was
    std::string error;           // why none was written
    bool written() const { return !file.empty(); }
};

// Keeps `received` as a new file in the store's folder, never overwriting one, then,
// once it is on disk, removes the backups written longest ago beyond the store's limit;
// the new one always stays. Files whose names are not backup names are never touched.
BackupOutcome keepBackup(const BackupStore& store, ConstPage received);

}  // namespace pemlar
