#pragma once
// The path rules of the file dialog wrapper TC_OpenSaveDia: which directory the dialog
// opens in, which name it proposes, and how the chosen path is handed back.
//
// Paths use '/' as Qt does on every platform. Where paths have drives (Windows), a
// leading "X:" is the drive and '\' separates as well.

#include <QDir>
#include <QString>

namespace pemlar {

inline const bool kPathsHaveDrives = QDir::separator() == u'\\';

struct PathParts {
    QString drive;  // "C:" or empty
    QString dir;    // up to and including the last separator, or empty
    QString name;   // the file name up to its last dot
    QString ext;    // from the file name's last dot on, or empty
    bool operator==(const PathParts&) const = default;
};

PathParts splitPath(const QString& path, bool withDrives = kPathsHaveDrives);

// The directory the dialog opens in: drive and directory of the proposed name, or when
// it has neither, those of initialDir (whose last component counts as a file name
// unless it ends with a separator); one trailing separator removed. Empty means the
// platform's default directory.
QString dialogDirectory(const QString& proposedName, const QString& initialDir,
                        bool withDrives = kPathsHaveDrives);

// The name the dialog proposes: the proposed name without drive and directory.
QString dialogFileName(const QString& proposedName, bool withDrives = kPathsHaveDrives);

// What the caller gets for a confirmed path: only name and extension when the path lies
// in initialDir's drive and directory (compared case-sensitively), else the whole path.
QString confirmedPath(const QString& chosenPath, const QString& initialDir,
                      bool withDrives = kPathsHaveDrives);

}  // namespace pemlar
