// What regeneration does to the window, the tool bars' looks and the samples' colours.
#include "app/MainDialog.h"

#include "app/CColorSwatch.h"
#include "app/CFontSampleView.h"
#include "app/CPageTabControl.h"
#include "controls/CTipToolBar.h"
#include "core/CommandIds.h"
#include "core/ComposerTexts.h"
#include "output/SplitButton.h"
#include "platform/TextCodec.h"
#include "resources/ResourceIds.h"
#include "symbols/SymbolPageView.h"

#include <QApplication>
#include <QLabel>
#include <QSlider>

namespace quillet {
namespace {

Rgb ToRgb(const QColor& color) {
    return MakeRgb(static_cast<unsigned>(color.red()), static_cast<unsigned>(color.green()),
                   static_cast<unsigned>(color.blue()));
}

QColor ToQColor(Rgb rgb) {
    return QColor(static_cast<int>(RedOf(rgb)), static_cast<int>(GreenOf(rgb)),
                  static_cast<int>(BlueOf(rgb)));
}

} // namespace

QColor CMainDialog::SampleColor(int sampleId) const {
    if (m_composer == nullptr) {
        return Qt::white;
    }
    const ComposerState& state = m_composer->State();
    switch (sampleId) {
    case ControlId::ColorSample:
        // One swatch serves two pages: the font colour there, the background elsewhere.
        return ToQColor(CurrentPage() == static_cast<int>(TagPage::Font)
                            ? state.FontColor.Value
                            : state.MarqueeBgColor.Value);
    case ControlId::GradationStartSample:
        return ToQColor(state.GradationStart.Value);
    case ControlId::GradationEndSample:
        return ToQColor(state.GradationEnd.Value);
    case ControlId::FontSample:
        return ToQColor(state.FontColor.Value);
    default:
        return Qt::white;
    }
}

void CMainDialog::CreateToolBars() {
    const auto make = [this](int id) {
        auto* bar = Place(id, new CTipToolBar(id, this));
        bar->LoadToolBarResource(id);
        bar->move(4, 3);
        bar->resize(bar->sizeHint());
        return bar;
    };
    m_styleBar = make(resource::StyleToolBar);
    m_windowBar = make(resource::WindowToolBar);
    // The layout lists the stay-on-top button twice so that its pressed picture has a
    // place in the strip; the second button goes, the picture stays.
    m_windowBar->DeleteButton(1);
    m_windowBar->resize(m_windowBar->sizeHint());
    m_outputBar = make(resource::OutputToolBar);
    PrepareSplitButton(*m_outputBar);

    connect(m_styleBar, &CTipToolBar::CommandTriggered, this, &CMainDialog::OnStyleCommand);
    connect(m_windowBar, &CTipToolBar::CommandTriggered, this, [this](int command) {
        if (command == CommandId::StayOnTop) {
            ToggleTopmost();
        } else if (command == CommandId::Help) {
            OnHelp();
        } else {
            // The source window's button mirrors the flag until its window takes it over.
            m_windowBar->CheckCommand(command, m_settings.WindowSource);
            emit CommandRequested(command);
        }
    });
    connect(m_outputBar, &CTipToolBar::CommandTriggered, this, &CMainDialog::CommandRequested);
}

void CMainDialog::OnStyleCommand(int commandId) {
    // Add, delete and edit belong to the symbol page.
    if (!m_composer->PressStyleButton(commandId) && !m_symbolPage->HandleCommand(commandId)) {
        emit CommandRequested(commandId);
    }
}

void CMainDialog::ShowStayOnTop(bool onTop) {
    m_windowBar->CheckCommand(CommandId::StayOnTop, onTop);
    const int index = m_windowBar->IndexOfCommand(CommandId::StayOnTop);
    m_windowBar->SetButtonImage(index, onTop ? 1 : 0);
}

void CMainDialog::RepaintSamples() {
    for (QWidget* sample :
         {static_cast<QWidget*>(m_colorSample), static_cast<QWidget*>(m_startSample),
          static_cast<QWidget*>(m_endSample), static_cast<QWidget*>(m_sample)}) {
        sample->update();
    }
}

bool CMainDialog::HasControls() const {
    return m_controlsReady;
}

void CMainDialog::SetSampleTip(int sampleId, const std::string& text) {
    if (QWidget* sample = Control(sampleId)) {
        sample->setToolTip(FromCp932(text));
        NameSample(sampleId);
    }
}

void CMainDialog::SetSpeedLabel(const std::string& text) {
    m_speedLabel->setText(FromCp932(text));
    m_slider->setAccessibleDescription(m_speedLabel->text());
}

void CMainDialog::EnableOutputButtons(bool enabled) {
    for (int command : {CommandId::Copy, CommandId::Drag, CommandId::Save}) {
        m_outputBar->EnableCommand(command, enabled);
    }
}

void CMainDialog::CheckButton(int commandId, bool pressed) {
    m_styleBar->CheckCommand(commandId, pressed);
}

void CMainDialog::SetSampleFont(const SampleFont& request) {
    QFont font(FromCp932(request.Face));
    font.setWeight(request.Bold ? QFont::Bold : QFont::Normal);
    font.setItalic(request.Italic);
    font.setUnderline(request.Underline);
    font.setStrikeOut(request.Strike);
    CFontSampleView::SetCellHeight(font, request.PixelHeight);
    m_sample->SetSample(font, FromCp932(SampleText()));
}

SystemColors CMainDialog::Colors() const {
    const QPalette palette = QApplication::palette();
    return {ToRgb(palette.color(QPalette::Text)), ToRgb(palette.color(QPalette::Base))};
}

} // namespace quillet
