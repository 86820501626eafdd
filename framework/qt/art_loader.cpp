#include "framework/qt/art_loader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QPixmap>

#include "framework/qt/dib_image.h"
#include "resources/art.h"

namespace pemlar::fw::qt {

namespace {

QByteArray bytesOf(const ArtEntry& entry) {
    return QByteArray::fromRawData(reinterpret_cast<const char*>(entry.bytes.data()),
                                   static_cast<qsizetype>(entry.bytes.size()));
}

}  // namespace

QImage loadBitmap(int id) {
    for (const ArtEntry& entry : artEntries()) {
        if (entry.kind == ArtKind::Bitmap && entry.id == id) {
            return decodeBmpFile(entry.bytes);
        }
    }
    return {};
}

QIcon loadIcon(int id) {
    QIcon icon;
    for (const ArtEntry& entry : artEntries()) {
        if (entry.kind != ArtKind::Icon || entry.id != id) {
            continue;
        }
        const std::vector<QImage> pictures = decodeIcoFile(entry.bytes);
        for (const QImage& picture : pictures) {
            icon.addPixmap(QPixmap::fromImage(picture));
        }
        if (!pictures.empty()) {
            continue;
        }
        // Windows shows the program's icon from its own resources, PNG pictures and
        // all: Qt's reader stands in for it here.
        QByteArray bytes = bytesOf(entry);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer);  // an .ico file may hold several pictures
        do {
            QImage image = reader.read();
            if (!image.isNull()) {
                icon.addPixmap(QPixmap::fromImage(image));
            }
        } while (reader.jumpToNextImage());
    }
    return icon;
}

}  // namespace pemlar::fw::qt
