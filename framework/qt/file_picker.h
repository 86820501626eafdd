#pragma once
// The platform's file-open and file-save dialogs, answerable in advance by tests
// (test_seams.h).

#include <QString>

class QWidget;

namespace pemlar {

enum class FilePickerMode { Open, Save };

// Turns a filter of the form "Name|pattern|Name|pattern|" into Qt's
// "Name (pattern);;Name (pattern)". The pattern *.* becomes *, which matches every file
// as it does on Windows, also the ones without a dot.
QString qtFileFilter(const QString& barSeparatedFilter);

// Runs the dialog modally; the first filter is preselected. Open only accepts an existing
// file. Save asks no overwrite question and adds no extension. Returns the chosen path,
// or an empty string when the user cancelled.
QString pickFile(QWidget* owner, FilePickerMode mode, const QString& title,
                 const QString& barSeparatedFilter, const QString& directory = {});

}  // namespace pemlar
