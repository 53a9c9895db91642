// What the window opens to let the user pick rather than type: an Internet shortcut for
// the link, a picture for the image, a colour for a sample.
#include "app/MainDialog.h"

#include "app/CColorSwatch.h"
#include "app/PictureAddress.h"
#include "controls/CColorPopup.h"
#include "controls/CDragEdit.h"
#include "controls/ColorTarget.h"
#include "core/TagPage.h"
#include "output/OutputActions.h"
#include "platform/Folders.h"
#include "platform/InternetShortcut.h"
#include "platform/Prompts.h"
#include "platform/TextCodec.h"

#include <QFile>
#include <QFileInfo>

namespace quillet {
namespace {

QString FromPath(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
}

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

} // namespace

void CMainDialog::Browse() {
    if (CurrentPage() == static_cast<int>(TagPage::Image)) {
        BrowsePicture();
    } else {
        BrowseLinkTarget();
    }
}

void CMainDialog::BrowsePicture() {
    FileRequest request;
    request.title = QStringLiteral("画像の参照");
    request.filters = {QStringLiteral("画像 (*.png *.jpg *.jpeg *.gif *.webp *.svg)"),
                       QStringLiteral("すべてのファイル (*)")};
    const QString saveFolder = m_output->LastSaveFolder();
    request.initialFolder =
        ExistingFolderOrHome(m_pictureFolder.isEmpty() ? saveFolder : m_pictureFolder);
    request.confirmOverwrite = false;
    const std::optional<QString> chosen = m_prompts.OpenFileName(this, request);
    if (!chosen || chosen->isEmpty()) {
        return;
    }
    const QFileInfo picture(*chosen);
    m_pictureFolder = picture.absolutePath();
    const std::string address =
        PictureAddress(ToPath(picture.absoluteFilePath()), ToPath(saveFolder));
    // Through the field, whose change notification stores the address and regenerates.
    m_mainEdit->setText(FromPath(address));
}

void CMainDialog::BrowseLinkTarget() {
    FileRequest request;
    request.title = QStringLiteral("リンク先の参照");
    request.filters = {QStringLiteral("インターネット ショートカット (*.url)")};
    // Without a favourites folder the chooser still opens, wherever the toolkit likes.
    if (const std::optional<std::filesystem::path> favorites = FavoritesFolder()) {
        request.initialFolder = FromPath(*favorites);
    }
    request.confirmOverwrite = false;
    const std::optional<QString> chosen = m_prompts.OpenFileName(this, request);
    if (chosen && !chosen->isEmpty()) {
        // Only the last extension goes: "a.b.url" is titled "a.b".
        const QString title = QFileInfo(*chosen).completeBaseName();
        const std::string address = ReadInternetShortcutUrl(ToPath(*chosen));
        // Through the fields, whose change notifications store the texts.
        m_mainEdit->setText(title);
        m_secondEdit->setText(FromCp932(address));
    }
    m_composer->RebuildTag();
}

void CMainDialog::OpenColorPopup(int sampleId) {
    auto* sample = qobject_cast<CColorSwatch*>(Control(sampleId));
    const int page = CurrentPage();
    if (sample == nullptr || !IsValidPage(page)) {
        return;
    }
    const std::optional<ColorTarget> target =
        ColorTargetOf(sampleId, static_cast<TagPage>(page), m_composer->State(), Colors());
    if (!target) {
        return;
    }
    sample->setFocus(Qt::MouseFocusReason);
    const bool gradationEnd = target->request.gradationEnd;
    CColorPopup* popup = CColorPopup::Open(this, sample->ClickPoint(), target->request, m_prompts);
    connect(popup, &CColorPopup::ColorChosen, this,
            [this, gradationEnd](const ColorChoice& choice) {
                m_composer->SetPageColor(choice, gradationEnd);
                RepaintSamples();
            });
}

} // namespace quillet
