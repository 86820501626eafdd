#include "ui/settings_store.h"

#include <limits>
#include <memory>
#include <optional>

#include <QSettings>

namespace pemlar {

namespace {

// Opening the key: the store has to be readable and writable, as the key was opened
// with full access; isWritable() also creates the folder the store lives in. status()
// is no help here: a FormatError only means Qt read what it could of a damaged file
// (the next write repairs it), and an AccessError right after construction repeats an
// earlier failed write, which Qt keeps in a process-wide cache and retries.
std::unique_ptr<QSettings> openStore() {
    auto store = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QString::fromLatin1(kSettingsOrganisation),
                                             QString::fromLatin1(kSettingsApplication));
    store->setFallbacksEnabled(false);
    if (!store->isWritable()) {
        store.reset();
    }
    return store;
}

std::optional<std::int32_t> readNumber(const QSettings& store, const char* name) {
    const QVariant value = store.value(QString::fromLatin1(name));
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

SettingsWarning saveOne(const char* name, std::int32_t value) {
    auto store = openStore();
    if (!store) {
        return SettingsWarning::NoAccess;
    }
    store->setValue(QString::fromLatin1(name), value);
    return writeThrough(*store) ? SettingsWarning::None : SettingsWarning::NotWritten;
}

}  // namespace

QString settingsWarningText(SettingsWarning warning) {
    switch (warning) {
        case SettingsWarning::NoAccess:
            return QStringLiteral("  No registry-access possible!");
        case SettingsWarning::NotWritten:
            return QStringLiteral("  Could not create entries!");
        case SettingsWarning::None:
            break;
    }
    return {};
}

QString settingsWarningCaption() {
    return QStringLiteral("Warning");
}

SettingsWarning readStoredSettings(StoredChoices& choices) {
    auto store = openStore();
    if (!store) {
        return SettingsWarning::NoAccess;
    }
    bool written = false;
    if (const auto port = readNumber(*store, kPortSettingName)) {
        choices.port = *port;
    } else {
        choices.port = 0;
        store->setValue(QString::fromLatin1(kPortSettingName), choices.port);
        written = true;
    }
    if (const auto label = readNumber(*store, kLabelSettingName)) {
        choices.label = *label;
    } else {
        choices.label = 0;
        store->setValue(QString::fromLatin1(kLabelSettingName), choices.label);
        written = true;
    }
    if (written && !writeThrough(*store)) {
        return SettingsWarning::NotWritten;
    }
    return SettingsWarning::None;
}

SettingsWarning storePortSetting(std::int32_t port) {
    return saveOne(kPortSettingName, port);
}

SettingsWarning storeLabelSetting(std::int32_t label) {
    return saveOne(kLabelSettingName, label);
}

}  // namespace pemlar
