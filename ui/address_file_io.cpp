#include "ui/address_file_io.h"

#include <QSaveFile>

#include "ui/file_prefix.h"

std::optional<AddressFileBytes> loadAddressFile(const QString& path) {
    const auto bytes = readFilePrefix(path, kAddressBlockSize);
    if (!bytes) {
        return std::nullopt;
    }
    return addressSlotsFromFile(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
}

bool saveAddressFile(const QString& path, const AddressFileBytes& bytes) {
    QSaveFile file(path);
    // Unbuffered, so that a full disk fails the write itself: Qt 6.4's commit() ignores a
    // failing final flush and would put an empty file in place of the old one.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        return false;
    }
    const auto size = static_cast<qint64>(bytes.size());
    if (file.write(reinterpret_cast<const char*>(bytes.data()), size) != size || !file.flush()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}
