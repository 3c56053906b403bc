#include "app/RosterSaver.h"

#include "ui/MessageBox.h"

#include "roster/RosterCollection.h"
#include "storage/Utf8.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace {
using LoadResult = RosterCollection::StorageReport::LoadResult;

QString FromSystem(const std::filesystem::path& path)
{
    return QString::fromStdString(path.string());
}

// Save does not say why it failed; the folder is asked the way the save used it, by making a file
// beside the roster file, and the system's own words for what went wrong are passed on.
QString FolderProblem(const std::filesystem::path& folder)
{
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        return QStringLiteral("The folder %1 could not be made.").arg(FromSystem(folder));
    const std::filesystem::path probe = folder / (".brindlewick-probe-" + std::to_string(::getpid()));
    const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0)
        return QStringLiteral("The system says: %1.").arg(QString::fromLocal8Bit(std::strerror(errno)));
    ::close(fd);
    ::unlink(probe.c_str());
    return {};
}
} // namespace

RosterSaver::RosterSaver(RosterCollection& rosters, QWidget* window)
    : rosters(rosters)
    , window(window)
{
}

void RosterSaver::SaveAfterChange()
{
    if (Save()) {
        failureShown = false;
        return;
    }
    if (failureShown)
        return;
    failureShown = true;
    MessageBox::Error(window,
                      FailureText()
                          + QStringLiteral("\n\nYour changes are kept while Brindlewick runs; it saves "
                                           "them again after your next change and when it closes."));
}

void RosterSaver::SaveAtExit()
{
    while (!Save()) {
        const QString question = FailureText()
            + QStringLiteral("\n\nTry again? If you choose No, Brindlewick closes without "
                             "saving, and the changes since the last save are lost.");
        if (!MessageBox::Question(window, question))
            return;
    }
}

bool RosterSaver::Save()
{
    rosters.Save();
    return rosters.LastStorageReport().saveWritten;
}

QString RosterSaver::FailureText() const
{
    const std::filesystem::path file = ToUtf8(rosters.RostersFilePath());
    QString reason;
    const auto& report = rosters.LastStorageReport();
    if (report.load == LoadResult::Unreadable && report.setAsidePath.empty())
        reason = QStringLiteral("The roster file that could not be read at start could not be kept aside, so "
                                "nothing was written over it.");
    else
        reason = FolderProblem(file.parent_path());
    if (reason.isEmpty())
        reason = QStringLiteral("The file could not be written in full.");
    return QStringLiteral("Your rosters could not be saved to\n%1\n\n%2").arg(FromSystem(file), reason);
}
