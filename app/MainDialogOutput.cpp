// The output actions of the split button, the Enter key and the source window, plugged
// into the window.
#include "app/MainDialog.h"

#include "controls/CTipToolBar.h"
#include "output/OutputActions.h"
#include "platform/TextCodec.h"
#include "preview/CPreviewWindow.h"
#include "source/CSourceWindow.h"

#include <QPushButton>

namespace quillet {

void CMainDialog::CreateOutputActions() {
    OutputHost host;
    host.RebuildTag = [this] { return m_composer->RebuildTag(); };
    host.RegisterSymbol = [this] { RegisterSymbol(); };
    host.ClearPages = [this] { ClearPages(); };
    host.SourceWindowFlag = [this] { return m_settings.WindowSource; };
    host.SetSourceWindowFlag = [this](bool flag) { m_settings.WindowSource = flag; };
    host.PlaceSourceWindow = [this](CToolWindow& window) {
        window.PlaceBeside(*this, m_settings.SourceRect, m_preview.data());
    };
    host.KeepSourceWindowPlace = [this](geom::Rect place) { m_settings.SourceRect = place; };
    host.SourceWindowMenu = {m_previewAction, m_html5Action};
    host.Html5Style = [this] { return m_composer->State().Style == OutputStyle::Html5; };
    m_output = std::make_unique<OutputActions>(*this, *m_outputBar, *m_windowBar, m_prompts,
                                               std::move(host));
    connect(this, &CMainDialog::CommandRequested, this,
            [this](int commandId) { m_output->RunCommand(commandId); });
    connect(m_defaultButton, &QPushButton::clicked, this, [this] { m_output->RunDefaultAction(); });
    connect(m_output.get(), &OutputActions::LastSaveFolderChanged, this,
            [this](const QString& folder) {
                m_settings.SaveFolder = ToCp932(folder);
                if (m_preview != nullptr) {
                    m_preview->SetImageFolder(folder);
                }
            });
}

void CMainDialog::ShowInSourceWindow(const std::string& fragment) {
    if (m_output != nullptr) {
        m_output->ShowInSourceWindow(fragment);
    }
    if (m_preview != nullptr) {
        // Both styles look the same; the preview reads the present style's markup.
        const bool html5 = m_composer != nullptr && m_composer->State().Style == OutputStyle::Html5;
        m_preview->SetFragment(html5 ? m_composer->FragmentInStyle(OutputStyle::Present)
                                     : fragment);
    }
    emit FragmentChanged(fragment);
}

// The source and preview windows are windows of their own: hiding this one would leave
// them on the screen. Closing them the usual way keeps flags and buttons in step; the
// settings have their values.
void CMainDialog::CloseOwnedWindows() {
    if (m_output != nullptr) {
        if (CSourceWindow* source = m_output->SourceWindow()) {
            source->close();
        }
    }
    if (m_preview != nullptr) {
        m_preview->close();
    }
}

void CMainDialog::done(int result) {
    CloseOwnedWindows();
    QDialog::done(result);
}

} // namespace quillet
