#include "framework/file_picker.h"

#include <QFileDialog>
#include <QStringList>

#include "framework/test_seams.h"

QString qtFileFilter(const QString& barSeparatedFilter) {
    QStringList parts = barSeparatedFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty() && parts[i + 1].isEmpty()) {
            continue;
        }
        QString patterns = parts[i + 1];
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
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
