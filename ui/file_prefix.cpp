#include "ui/file_prefix.h"

#include <QFile>
#include <QFileInfo>

std::optional<std::string> readFilePrefix(const QString& path, qint64 maxBytes) {
    if (!QFileInfo(path).isFile()) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    std::string bytes(static_cast<std::size_t>(maxBytes), '\0');
    qint64 total = 0;
    while (total < maxBytes) {
        const qint64 got = file.read(bytes.data() + total, maxBytes - total);
        if (got < 0) {
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        total += got;
    }
    bytes.resize(static_cast<std::size_t>(total));
    return bytes;
}
