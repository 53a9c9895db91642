#include "app/HelpPage.h"

#include "platform/FileErrorText.h"
#include "platform/Folders.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>

// The page is compiled into this library; a static library must name its resources once.
static void LoadHelpResource() {
    Q_INIT_RESOURCE(help);
}

namespace quillet {
namespace {

FileError Failed(FileError::Step step, const QString& path, int errorNumber) {
    return FileError{step, std::filesystem::path(QFile::encodeName(path).toStdString()),
                     errorNumber};
}

} // namespace

Result<QString> WriteHelpCopy() {
    LoadHelpResource();
    QFile shipped(QStringLiteral(":/help/index.html"));
    if (!shipped.open(QIODevice::ReadOnly)) {
        return Failed(FileError::Step::Open, shipped.fileName(), ENOENT);
    }
    const QByteArray page = shipped.readAll();

    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + "/quillet/help";
    if (!QDir().mkpath(folder)) {
        return Failed(FileError::Step::Create, folder, errno);
    }
    QSaveFile copy(folder + "/index.html");
    if (!copy.open(QIODevice::WriteOnly) || copy.write(page) != page.size() || !copy.commit()) {
        return Failed(FileError::Step::Write, copy.fileName(), errno);
    }
    return copy.fileName();
}

std::optional<QString> InstalledHelpPage() {
    const std::optional<std::filesystem::path> data = InstalledDataFolder(ExecutablePath());
    if (!data) {
        return std::nullopt;
    }
    const QString page = QString::fromStdString((*data / "help" / "index.html").string());
    if (!QFile::exists(page)) {
        return std::nullopt;
    }
    return page;
}

Status OpenHelpPage() {
    const std::optional<QString> installed = InstalledHelpPage();
    const Result<QString> page = installed ? Result<QString>(*installed) : WriteHelpCopy();
    if (!page) {
        return page.Failure();
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page.Value()))) {
        return Failed(FileError::Step::Open, page.Value(), 0);
    }
    return Success();
}

QString HelpErrorText(const FileError& error) {
    return FileErrorText(QStringLiteral("ヘルプ"), error);
}

} // namespace quillet
