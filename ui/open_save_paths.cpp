#include "ui/open_save_paths.h"

namespace pemlar {

namespace {

bool isSeparator(QChar c, bool withDrives) {
    return c == u'/' || (withDrives && c == u'\\');
}

}  // namespace

PathParts splitPath(const QString& path, bool withDrives) {
    PathParts parts;
    qsizetype pos = 0;
    if (withDrives && path.size() >= 2 && path[1] == u':' && path[0].isLetter()) {
        parts.drive = path.left(2);
        pos = 2;
    }
    qsizetype fileStart = pos;
    for (qsizetype i = pos; i < path.size(); ++i) {
        if (isSeparator(path[i], withDrives)) {
            fileStart = i + 1;
        }
    }
    parts.dir = path.mid(pos, fileStart - pos);
    const QString file = path.mid(fileStart);
    const qsizetype dot = file.lastIndexOf(u'.');
    parts.name = dot < 0 ? file : file.left(dot);
    parts.ext = dot < 0 ? QString() : file.mid(dot);
    return parts;
}

QString dialogDirectory(const QString& proposedName, const QString& initialDir, bool withDrives) {
    PathParts parts = splitPath(proposedName, withDrives);
    if (parts.drive.isEmpty() && parts.dir.isEmpty()) {
        parts = splitPath(initialDir, withDrives);
    }
    QString dir = parts.drive + parts.dir;
    if (!dir.isEmpty() && isSeparator(dir.back(), withDrives)) {
        dir.chop(1);
    }
    return dir;
}

QString dialogFileName(const QString& proposedName, bool withDrives) {
    const PathParts parts = splitPath(proposedName, withDrives);
    return parts.name + parts.ext;
}

QString confirmedPath(const QString& chosenPath, const QString& initialDir, bool withDrives) {
    const PathParts chosen = splitPath(chosenPath, withDrives);
    const PathParts initial = splitPath(initialDir, withDrives);
    if (chosen.drive == initial.drive && chosen.dir == initial.dir) {
        return chosen.name + chosen.ext;
    }
    return chosenPath;
}

}  // namespace pemlar
