#include <QString>

#include "framework/qt/windows_text.h"
#include "framework/resources.h"
#include "resources/string_table.h"

namespace pemlar::fw {

std::string loadString(int id) {
    const std::string_view text = stringResource(id);
    return qt::toWindowsText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace pemlar::fw
