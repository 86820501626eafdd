#pragma once
// Reading the label file "testlab.lst" from the current directory.

#include <filesystem>
#include <string>

#include "core/label_list.h"

namespace pemlar {

// The file's first 1280 bytes as they are (no line-end translation). A file that is
// missing, not a regular file or can't be read gives "NEU" instead, with no message.
std::string readLabelFile(const std::filesystem::path& path = kLabelFileName);

}  // namespace pemlar
