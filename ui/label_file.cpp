#include "ui/label_file.h"

#include "ui/file_prefix.h"

std::string readLabelFile(const QString& path) {
    return readFilePrefix(path, kLabelFileMaxBytes).value_or(kDefaultLabel);
}
