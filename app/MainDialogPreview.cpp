// The preview window: opened and closed from the window menu and the source window's
// context menu, kept open across runs by "WindowPreview". Both tool windows: when they come
// up at start, and where they stood.
#include "app/MainDialog.h"

#include "output/OutputActions.h"
#include "preview/CPreviewWindow.h"
#include "source/CSourceWindow.h"

#include <QAction>
#include <QShowEvent>
#include <QWindow>

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
    // Restored at start, it comes up once this window stands on the screen (eventFilter).
    if (isVisible()) {
        ShowPreviewBesideWindow();
    }
    m_composer->RebuildTag();
}

void CMainDialog::ShowPreviewBesideWindow() {
    if (m_preview != nullptr && !m_preview->isVisible()) {
        m_preview->PlaceBeside(*this, m_settings.PreviewRect, m_output->SourceWindow(), true);
        m_preview->show();
    }
}

void CMainDialog::OnPreviewClosed() {
    // Closed comes while the window still shows; it opens there again in this run.
    if (m_preview != nullptr && m_preview->isVisible()) {
        m_settings.PreviewRect = m_preview->KeptRect();
    }
    m_preview = nullptr;
    m_settings.WindowPreview = false;
    m_previewAction->setChecked(false);
}

void CMainDialog::KeepToolWindowPlaces() {
    if (m_preview != nullptr && m_preview->isVisible()) {
        m_settings.PreviewRect = m_preview->KeptRect();
    }
    const CSourceWindow* source = m_output->SourceWindow();
    if (source != nullptr && source->isVisible()) {
        m_settings.SourceRect = source->KeptRect();
    }
}

void CMainDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Restored tool windows wait until this window stands on the screen in its frame, which
    // the window manager gives it only then, so that they go beside the frame, not over it.
    if (QWindow* window = windowHandle()) {
        window->installEventFilter(this);
    }
}

bool CMainDialog::eventFilter(QObject* watched, QEvent* event) {
    QWindow* window = windowHandle();
    if (watched == window && event->type() == QEvent::Expose && window->isExposed()) {
        window->removeEventFilter(this);
        QMetaObject::invokeMethod(
            this,
            [this] {
                // The source window first: the preview goes below or beside it.
                m_output->ShowSourceWindow();
                ShowPreviewBesideWindow();
            },
            Qt::QueuedConnection);
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace quillet
