#pragma once
// Reading the label file "testlab.lst" from the current directory.

#include <string>

#include <QString>

#include "ui/label_list.h"

// The file's first 1280 bytes as they are (no line-end translation). A file that is
// missing, not a regular file or can't be read gives "NEU" instead, with no message.
std::string readLabelFile(const QString& path = QString::fromLatin1(kLabelFileName));
