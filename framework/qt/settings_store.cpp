// fw::SettingsStore in QSettings' native format, in the file the caller names.

#include <QSettings>
#include <limits>
#include <optional>
#include <utility>

#include "framework/settings_store.h"

namespace pemlar::fw {

namespace {

QString nameOf(std::string_view name) {
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Opening the key: the store has to be readable and writable, as the key was opened
// with full access; isWritable() also creates the folder the store lives in. status()
// is no help here: a FormatError only means Qt read what it could of a damaged file
// (the next write repairs it), and an AccessError right after construction repeats an
// earlier failed write, which Qt keeps in a process-wide cache and retries.
std::unique_ptr<QSettings> openStore(const std::filesystem::path& file) {
    if (file.empty()) {
        return nullptr;
    }
    auto store =
        std::make_unique<QSettings>(QString::fromStdString(file.string()), QSettings::NativeFormat);
    store->setFallbacksEnabled(false);
    if (!store->isWritable()) {
        store.reset();
    }
    return store;
}

std::optional<std::int32_t> readNumber(const QSettings& store, std::string_view name) {
    const QVariant value = store.value(nameOf(name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // QVariant::toInt() would wrap a larger number silently.
    bool isNumber = false;
    const qlonglong number = value.toLongLong(&isNumber);
    if (!isNumber || number < std::numeric_limits<std::int32_t>::min() ||
        number > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(number);
}

// Writes the pending values through to the store and tells whether that worked.
bool writeThrough(QSettings& store) {
    store.sync();
    return store.status() != QSettings::AccessError;
}

class QtSettingsStore : public SettingsStore {
public:
    explicit QtSettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

    SettingsProblem loadOrCreate(std::span<SettingsValue> values) override {
        auto store = openStore(file_);
        if (!store) {
            return SettingsProblem::NoAccess;
        }
        bool written = false;
        for (SettingsValue& value : values) {
            if (const auto number = readNumber(*store, value.name)) {
                value.value = *number;
            } else {
                value.value = 0;
                store->setValue(nameOf(value.name), value.value);
                written = true;
            }
        }
        if (written && !writeThrough(*store)) {
            return SettingsProblem::NotWritten;
        }
        return SettingsProblem::None;
    }

    SettingsProblem save(std::string_view name, std::int32_t value) override {
        auto store = openStore(file_);
        if (!store) {
            return SettingsProblem::NoAccess;
        }
        store->setValue(nameOf(name), value);
        return writeThrough(*store) ? SettingsProblem::None : SettingsProblem::NotWritten;
    }

private:
    std::filesystem::path file_;
};

}  // namespace

std::unique_ptr<SettingsStore> openSettingsStore(const SettingsPlace& place) {
    return std::make_unique<QtSettingsStore>(place.file);
}

}  // namespace pemlar::fw
