#include "platform/QtPrompts.h"

#include "platform/NameFilterSuffix.h"
#include "platform/TextCodec.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include <memory>

namespace quillet {
namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QFileDialog* MakeFileDialog(QWidget* parent, const FileRequest& request) {
    auto* dialog = new QFileDialog(parent, request.title, request.initialFolder);
    dialog->setNameFilters(request.filters);
    dialog->setDefaultSuffix(request.defaultSuffix);
    dialog->setOption(QFileDialog::ReadOnly, false);
    dialog->setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    return dialog;
}

std::optional<QString> RunFileDialog(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().constFirst();
}

} // namespace

QString ExistingFolderOrHome(const QString& folder) {
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QDir::homePath();
}

bool QtPrompts::AskYesNo(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(ToQt(icon), QCoreApplication::applicationName(), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtPrompts::ShowMessage(QWidget* parent, const QString& text, MessageIcon icon) {
    QMessageBox box(ToQt(icon), QCoreApplication::applicationName(), text, QMessageBox::Ok, parent);
    box.exec();
}

std::optional<ChosenFile> QtPrompts::SaveFileName(QWidget* parent, const FileRequest& request) {
    std::unique_ptr<QFileDialog> dialog(MakeFileDialog(parent, request));
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setFileMode(QFileDialog::AnyFile);
    // A typed name gets the extension of the type shown, so that the question before
    // replacing a file asks about the file that will be written.
    const auto followFilter = [&dialog, &request](const QString& filter) {
        const std::string suffix = NameFilterSuffix(ToCp932(filter));
        dialog->setDefaultSuffix(suffix.empty() ? request.defaultSuffix
                                                : QString::fromStdString(suffix));
    };
    QObject::connect(dialog.get(), &QFileDialog::filterSelected, dialog.get(), followFilter);
    followFilter(dialog->selectedNameFilter());
    const std::optional<QString> path = RunFileDialog(*dialog);
    if (!path) {
        return std::nullopt;
    }
    return ChosenFile(*path, dialog->selectedNameFilter());
}

std::optional<QString> QtPrompts::OpenFileName(QWidget* parent, const FileRequest& request) {
    std::unique_ptr<QFileDialog> dialog(MakeFileDialog(parent, request));
    dialog->setAcceptMode(QFileDialog::AcceptOpen);
    // The chosen file need not exist: a typed name is taken as it stands.
    dialog->setFileMode(QFileDialog::AnyFile);
    return RunFileDialog(*dialog);
}

std::optional<QColor> QtPrompts::ChooseColor(QWidget* parent, const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, parent);
    if (!chosen.isValid()) {
        return std::nullopt;
    }
    return chosen;
}

} // namespace quillet
