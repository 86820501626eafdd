#include "framework/qt/strings.h"

#include "resources/string_table.h"

namespace pemlar {

QString loadString(int id) {
    std::string_view text = stringResource(id);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace pemlar
