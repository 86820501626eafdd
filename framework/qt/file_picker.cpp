#include "framework/qt/file_picker.h"

#include <QFileDialog>
#include <QStringList>

#include "framework/qt/test_seams.h"

namespace pemlar {

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

QString pickFile(QWidget* owner, FilePickerMode mode, const QString& title,
                 const QString& barSeparatedFilter, const QString& directory) {
    const QString filter = qtFileFilter(barSeparatedFilter);
    QString answer;
    if (test_seams::takeFileAnswer(
            {SeamKind::FilePicker, 0, title, filter, 0, static_cast<int>(mode)}, answer)) {
        return answer;
    }

    QFileDialog dialog(owner, title, directory, filter);
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
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

}  // namespace pemlar
