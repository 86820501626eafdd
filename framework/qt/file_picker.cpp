#include "framework/qt/file_picker.h"

#include <QFileDialog>
#include <QStringList>

#include "framework/modal_backend.h"
#include "framework/qt/windows_text.h"
#include "framework/window.h"

namespace pemlar::fw::qt {

QString qtFileFilter(const QString& barSeparatedFilter) {
    QStringList parts = barSeparatedFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty()) {
            continue;
        }
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& pattern : patterns) {
            // On Windows *.* also matches names without a dot; Qt takes it literally.
            if (pattern == QStringLiteral("*.*")) {
                pattern = QStringLiteral("*");
            }
        }
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns.join(QLatin1Char(' ')));
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace pemlar::fw::qt

namespace pemlar::fw {

namespace {

QString fromPath(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.u16string());
}

}  // namespace

std::optional<std::filesystem::path> backend::pickFile(Window* owner, FilePickerMode mode,
                                                       std::string_view title,
                                                       std::string_view barSeparatedFilter,
                                                       const std::filesystem::path& directory,
                                                       const std::filesystem::path& proposedName) {
    // The dialog takes a file path as its start: it opens in that file's directory with
    // the name filled in.
    QString start = fromPath(directory);
    if (!proposedName.empty()) {
        start = start.isEmpty() ? fromPath(proposedName) : start + u'/' + fromPath(proposedName);
    }
    QWidget* parent = owner != nullptr ? static_cast<QWidget*>(owner->nativeHandle()) : nullptr;
    QFileDialog dialog(parent, qt::fromWindowsText(title), start,
                       qt::qtFileFilter(qt::fromWindowsText(barSeparatedFilter)));
    // The labels carry their patterns already ("Pemlar-Format *.PML").
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    if (mode == FilePickerMode::Open) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return std::filesystem::path(dialog.selectedFiles().constFirst().toStdU16String());
}

}  // namespace pemlar::fw
