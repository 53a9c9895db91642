// The preview window: opened and closed from the window menu and the source window's
// context menu, kept open across runs by "WindowPreview".
#include "app/MainDialog.h"

#include "output/OutputActions.h"
#include "preview/CPreviewWindow.h"
#include "source/CSourceWindow.h"

#include <QAction>
#include <QShowEvent>

namespace quillet {

void CMainDialog::CreatePreviewAction() {
    m_previewAction = new QAction("プレビュー(&P)", this);
    m_previewAction->setObjectName("previewAction");
    m_previewAction->setCheckable(true);
    // The check mark follows the window, not the click: triggered toggles the window.
    connect(m_previewAction, &QAction::triggered, this, [this] { TogglePreview(); });
}

CPreviewWindow* CMainDialog::Preview() const {
    return m_preview;
}

void CMainDialog::TogglePreview() {
    if (m_preview != nullptr) {
        m_preview->close(); // announces Closed, which clears flag and check mark
    } else {
        OpenPreview();
    }
}

void CMainDialog::RestorePreview() {
    if (m_settings.WindowPreview) {
        OpenPreview();
    } else {
        m_previewAction->setChecked(false);
    }
}

void CMainDialog::OpenPreview() {
    m_settings.WindowPreview = true;
    m_previewAction->setChecked(true);
    if (m_preview == nullptr) {
        auto* preview = new CPreviewWindow(this);
        connect(preview, &CPreviewWindow::Closed, this, &CMainDialog::OnPreviewClosed);
        preview->SetImageFolder(m_output->LastSaveFolder());
        m_preview = preview;
    }
    // Restored at start, it comes up once this window has its place (showEvent).
    if (isVisible()) {
        ShowPreviewBesideWindow();
    }
    m_composer->RebuildTag();
}

void CMainDialog::ShowPreviewBesideWindow() {
    if (m_preview != nullptr && !m_preview->isVisible()) {
        m_preview->PlaceBeside(*this, m_output->SourceWindow());
        m_preview->show();
    }
}

void CMainDialog::OnPreviewClosed() {
    m_preview = nullptr;
    m_settings.WindowPreview = false;
    m_previewAction->setChecked(false);
}

void CMainDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // A dialog takes its place in its own show handling; the source window goes first.
    QMetaObject::invokeMethod(
        this, [this] { ShowPreviewBesideWindow(); }, Qt::QueuedConnection);
}

} // namespace quillet
