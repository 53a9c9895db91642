#include "app/HelpPage.h"

#include "platform/FileErrorText.h"
#include "platform/Folders.h"
#include "platform/Prompts.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QWidget>

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

void OpenHelpPage(QWidget& parent, Prompts& prompts) {
    const std::optional<QString> installed = InstalledHelpPage();
    const Result<QString> copy = installed ? Result<QString>(*installed) : WriteHelpCopy();
    if (!copy) {
        prompts.ShowMessage(&parent, HelpErrorText(copy.Failure()), MessageIcon::Error);
        return;
    }
    const QString page = copy.Value();
    const QPointer<QWidget> window(&parent);
    const auto notOpened = [window, &prompts, page] {
        if (window != nullptr) {
            prompts.ShowMessage(window, HelpNotOpenedText(page), MessageIcon::Error);
        }
    };
    // The toolkit only starts xdg-open and calls that success; its exit code tells
    // whether a browser took the page.
    const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
    if (opener.isEmpty()) {
        if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page))) {
            notOpened();
        }
        return;
    }
    auto* process = new QProcess(&parent);
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    QObject::connect(process, &QProcess::finished, &parent,
                     [process, notOpened](int exitCode, QProcess::ExitStatus status) {
                         if (status != QProcess::NormalExit || exitCode != 0) {
                             notOpened();
                         }
                         process->deleteLater();
                     });
    QObject::connect(process, &QProcess::errorOccurred, &parent,
                     [process, notOpened](QProcess::ProcessError error) {
                         if (error == QProcess::FailedToStart) {
                             notOpened();
                             process->deleteLater();
                         }
                     });
    process->start(opener, {page});
}

QString HelpErrorText(const FileError& error) {
    return FileErrorText(QStringLiteral("ヘルプ"), error);
}

QString HelpNotOpenedText(const QString& page) {
    return QStringLiteral("ヘルプを表示できませんでした。ページを開くブラウザーが"
                          "見つかりません。\n%1\nこのファイルをブラウザーで開いてください。")
        .arg(QDir::toNativeSeparators(page));
}

} // namespace quillet
