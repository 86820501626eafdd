#include "core/label_file.h"

#include "core/file_prefix.h"

namespace pemlar {

std::string readLabelFile(const std::filesystem::path& path) {
    return readFilePrefix(path, kLabelFileMaxBytes).value_or(kDefaultLabel);
}

}  // namespace pemlar
