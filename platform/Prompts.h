#pragma once

#include <QColor>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>

class QWidget;

namespace quillet {

enum class MessageIcon { None, Information, Warning, Error };

struct FileRequest {
    QString title;         // empty: the toolkit's own title
    QStringList filters;   // "テキスト文書 (*.txt)", ... the first one preselected
    QString defaultSuffix; // added when the user types a name without one
    QString initialFolder; // empty: the toolkit's choice
    bool confirmOverwrite = true;
};

// `folder` when it is an existing folder, else the user's home folder: where a chooser
// opens on a remembered folder that has gone since.
QString ExistingFolderOrHome(const QString& folder);

// A file the user chose to save to, and the name filter that was chosen with it.
struct ChosenFile {
    // A path alone: no filter reported, as though every file were shown.
    ChosenFile(QString chosenPath, QString chosenFilter = {}) // NOLINT: implicit on purpose
        : path(std::move(chosenPath)), filter(std::move(chosenFilter)) {}

    QString path;
    QString filter; // one of FileRequest::filters, or empty

    bool operator==(const ChosenFile&) const = default;
};

// Every modal question the program asks goes through this seam, so that tests answer
// them without running a nested event loop. Message boxes carry the application name.
class Prompts {
public:
    virtual ~Prompts() = default;

    // Yes and No, Yes the default. True only for Yes.
    virtual bool AskYesNo(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    virtual void ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) = 0;
    virtual std::optional<ChosenFile> SaveFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QString> OpenFileName(QWidget* parent, const FileRequest& request) = 0;
    virtual std::optional<QColor> ChooseColor(QWidget* parent, const QColor& initial) = 0;
};

} // namespace quillet
