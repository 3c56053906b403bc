#include "app/UserGuide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
constexpr const char* kGuideFile = "user-guide.html";
} // namespace

// Installed, the guide is in the documentation folder, found from the program's own folder so that
// any installation prefix works; in the build tree a copy lies beside the program.
QUrl UserGuideAddress()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    const QString installed
        = programFolder.filePath(QStringLiteral(BRINDLEWICK_DOC_FROM_BIN "/") + kGuideFile);
    const QString besideProgram = programFolder.filePath(QString::fromLatin1(kGuideFile));
    const QString guide
        = QFileInfo::exists(installed) || !QFileInfo::exists(besideProgram) ? installed : besideProgram;
    return QUrl::fromLocalFile(QDir::cleanPath(guide));
}
