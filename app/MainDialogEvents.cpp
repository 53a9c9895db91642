// What the user does to the window: typing and choosing, the tool-bar commands, the window
// menu, and the two ways out.
#include "app/MainDialog.h"

#include "app/CPageTabControl.h"
#include "app/PageTable.h"
#include "output/OutputActions.h"
#include "platform/FileErrorText.h"
#include "platform/Prompts.h"
#include "platform/TextCodec.h"
#include "resources/ResourceImages.h"
#include "symbols/SymbolPageView.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>
#include <QWindow>

namespace quillet {

void CMainDialog::OnMainTextChanged(const QString& text) {
    m_composer->SetMainText(ToCp932(text));
}

void CMainDialog::OnSecondTextChanged(const QString& text) {
    m_composer->SetLinkUrl(ToCp932(text));
}

void CMainDialog::OnFaceChosen(int index) {
    if (index >= 0 && index < static_cast<int>(m_faces.size())) {
        m_composer->SetFontFace(m_faces[static_cast<std::size_t>(index)]);
    }
}

// The symbol page takes its filter box's choices itself and leaves `m_choices` empty.
void CMainDialog::OnChoiceChosen(int index) {
    if (index >= 0 && index < static_cast<int>(m_choices.size())) {
        m_composer->SetChoice(m_choices[static_cast<std::size_t>(index)]);
    }
}

void CMainDialog::OnSpeedScrollEnded() {
    if (m_slider->value() != m_composer->State().MarqueeSpeed) {
        m_composer->SetMarqueeSpeed(m_slider->value());
    }
}

void CMainDialog::OnHelp() {
    if (m_helpHandler) {
        m_helpHandler();
    }
}

void CMainDialog::ToggleTopmost() {
    m_settings.WindowTop = !m_settings.WindowTop;
    const bool onTop = m_settings.WindowTop;
    Qt::WindowFlags flags = windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    // setWindowFlags would re-create a shown window, hiding it on the way, and a hidden
    // dialog ends its modal run: the program would end. The native window takes the hint
    // in place instead, neither moving nor resizing.
    overrideWindowFlags(flags);
    if (QWindow* native = windowHandle()) {
        native->setFlags(flags);
    }
    ShowStayOnTop(onTop);
}

void CMainDialog::ShowAboutBox() {
    auto* box = new QDialog(this);
    box->setObjectName("aboutBox");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle("Quillet のバージョン情報");
    auto* icon = new QLabel(box);
    icon->setPixmap(ProgramIcon().pixmap(QSize(32, 32), icon->devicePixelRatioF()));
    auto* text =
        new QLabel(QStringLiteral("Quillet バージョン %1\n手書きの HTML のためのタグ作成ツール")
                       .arg(QStringLiteral(QUILLET_VERSION)),
                   box);
    text->setObjectName("aboutText");
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, box);
    connect(buttons, &QDialogButtonBox::accepted, box, &QDialog::accept);
    auto* row = new QHBoxLayout;
    row->addWidget(icon, 0, Qt::AlignTop);
    row->addWidget(text, 1);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(row);
    layout->addWidget(buttons);
    box->open();
}

void CMainDialog::ShowWindowMenu(const QPoint& globalPos) {
    m_windowMenu->popup(globalPos);
}

void CMainDialog::contextMenuEvent(QContextMenuEvent* event) {
    if (childAt(event->pos()) == nullptr) {
        ShowWindowMenu(event->globalPos());
        event->accept();
        return;
    }
    QDialog::contextMenuEvent(event);
}

void CMainDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const auto modifiers = event->modifiers() & ~Qt::KeypadModifier;
    // The default button stays hidden, and a hidden button is never the dialog's default.
    if (enter && modifiers == Qt::NoModifier) {
        m_defaultButton->click();
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

void CMainDialog::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    if (!m_controlsReady || m_composer == nullptr) {
        return;
    }
    if (CurrentPage() == static_cast<int>(TagPage::Symbol)) {
        m_settings.WindowHeight = OuterSize().height;
    }
    LayoutPage();
}

// Escape: the program ends and nothing is written.
void CMainDialog::reject() {
    QDialog::reject();
}

// The close box, the window menu's close and Alt+F4 keep the settings, then close.
void CMainDialog::closeEvent(QCloseEvent* event) {
    WriteSettings();
    event->accept();
    done(QDialog::Rejected);
}

void CMainDialog::WriteSettings() {
    m_settings.WindowWidth = OuterSize().width;
    m_settings.TabPage = CurrentPage();
    m_settings.ToolBarIndex = static_cast<int>(m_output->CurrentDefaultAction());
    m_settings.TypeIndex = m_composer->State().TypeIndex;
    const SymbolColumnWidths widths = m_symbolPage->ColumnWidths();
    m_settings.ColumnName = widths.name;
    m_settings.ColumnType = widths.type;
    m_settings.ColumnContent = widths.content;
    KeepToolWindowPlaces();
    if (const Status saved = SaveSettings(m_settings, m_settingsPath); !saved) {
        m_prompts.ShowMessage(this, FileErrorText(QStringLiteral("設定ファイル"), saved.Failure()),
                              MessageIcon::Error);
    }
}

} // namespace quillet
