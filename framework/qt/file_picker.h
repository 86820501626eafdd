#pragma once
// The file dialogs' filter in Qt's form.

#include <QString>

namespace pemlar::fw::qt {

// Turns a filter of the form "Name|pattern|Name|pattern|" into Qt's
// "Name (pattern);;Name (pattern)". The pattern *.* becomes *, which matches every file
// as it does on Windows, also the ones without a dot.
QString qtFileFilter(const QString& barSeparatedFilter);

}  // namespace pemlar::fw::qt
