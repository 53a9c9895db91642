#include "output/OutputActions.h"

#include "controls/CImageMenu.h"
#include "controls/CTipToolBar.h"
#include "core/CommandIds.h"
#include "output/Html5TagFile.h"
#include "output/SplitButton.h"
#include "output/TagFile.h"
#include "output/WaitCursor.h"
#include "platform/FileErrorText.h"
#include "platform/NameFilterSuffix.h"
#include "platform/Prompts.h"
#include "platform/TextCodec.h"
#include "platform/TextMimeData.h"
#include "platform/Utf8Text.h"
#include "resources/ResourceIds.h"
#include "source/CSourceWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDrag>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QToolButton>

#include <filesystem>
#include <memory>
#include <optional>

namespace quillet {

OutputActions::OutputActions(QWidget& window, CTipToolBar& outputBar, CTipToolBar& windowBar,
                             Prompts& prompts, OutputHost host)
    : m_window(window), m_outputBar(outputBar), m_windowBar(windowBar), m_prompts(prompts),
      m_host(std::move(host)), m_splitButton(outputBar.ButtonAt(0)) {
    // The arrow of the split button opens the action menu; the rest of it runs the command.
    if (m_splitButton != nullptr) {
        m_splitButton->installEventFilter(this);
    }
}

OutputActions::~OutputActions() = default;

void OutputActions::SetDefaultAction(DefaultAction action) {
    m_defaultAction = action;
    ShowDefaultAction(m_outputBar, action);
}

void OutputActions::CopyTag() {
    // Copy becomes the default even when the user declines.
    SetDefaultAction(DefaultAction::Copy);
    if (!m_prompts.AskYesNo(&m_window,
                            QStringLiteral("作成したタグをクリップボードにコピーします。\n"
                                           "クリップボードの内容は失われます。\n"
                                           "よろしいですか。"),
                            MessageIcon::Information)) {
        return;
    }
    const WaitCursor wait;
    const std::string fragment = RebuildTag();
    if (fragment.empty()) {
        return;
    }
    QGuiApplication::clipboard()->setMimeData(FragmentMimeData(fragment).release());
}

void OutputActions::DragTag() {
    // The drag itself needs the button held down: it starts from the split button, which
    // now shows it.
    SetDefaultAction(DefaultAction::Drag);
}

void OutputActions::SaveTag() {
    SetDefaultAction(DefaultAction::Save);
    FileRequest request;
    request.filters = {QStringLiteral("テキスト文書 (*.txt)"),
                       QStringLiteral("HTMLドキュメント (*.htm)"),
                       QStringLiteral("すべてのファイル (*.*)")};
    request.defaultSuffix = QStringLiteral("txt");
    request.confirmOverwrite = true;
    request.initialFolder = ExistingFolderOrHome(m_lastSaveFolder);
    const std::optional<ChosenFile> chosen = m_prompts.SaveFileName(&m_window, request);
    if (!chosen || chosen->path.isEmpty()) {
        return;
    }

    // The chooser adds the extension itself; this covers one that hands the name back
    // as typed.
    const std::filesystem::path path =
        WithFilterSuffix(std::filesystem::path(QFile::encodeName(chosen->path).toStdString()),
                         ToCp932(chosen->filter), "txt");
    std::optional<FileError> failure;
    {
        const WaitCursor wait;
        const std::string fragment = RebuildTag();
        const Status saved =
            Html5Style() ? SaveHtml5TagFile(fragment, path) : SaveTagFile(fragment, path);
        if (!saved) {
            failure = saved.Failure();
        }
    }
    if (failure) {
        m_prompts.ShowMessage(&m_window, FileErrorText(QString(), *failure), MessageIcon::Error);
        return;
    }
    const QString folder =
        QFileInfo(QFile::decodeName(QByteArray::fromStdString(path.native()))).absolutePath();
    if (folder != m_lastSaveFolder) {
        m_lastSaveFolder = folder;
        emit LastSaveFolderChanged(folder);
    }
}

void OutputActions::RunDefaultAction() {
    switch (m_defaultAction) {
    case DefaultAction::Copy:
        CopyTag();
        break;
    case DefaultAction::Save:
        SaveTag();
        break;
    case DefaultAction::Drag:
        // A drag needs the pointer: Enter leaves it to the split button and does nothing.
        break;
    }
}

void OutputActions::ShowActionMenu() {
    int chosenCommand = 0;
    {
        CImageMenu images(true);
        images.LoadToolBarImages(resource::OutputToolBar);
        const std::unique_ptr<QMenu> menu(
            CImageMenu::LoadMenuResource(resource::ActionMenu, &m_window));
        images.MakeOwnerDraw(menu.get());
        images.UpdateMenuStates(menu.get(), [this](int id) { return HasHandler(id); });

        const QWidget* anchor =
            m_splitButton != nullptr ? static_cast<QWidget*>(m_splitButton) : &m_window;
        const QPoint at = anchor->mapToGlobal(QPoint(0, anchor->height()));
        if (const QAction* chosen = menu->exec(at)) {
            chosenCommand = chosen->data().toInt();
        }
    }
    // The chosen command runs once the menu is gone, as a command posted by it would.
    if (chosenCommand != 0) {
        RunCommand(chosenCommand);
    }
}

void OutputActions::ToggleSourceWindow() {
    if (!SourceFlag()) {
        OpenSourceWindow();
    } else {
        CloseSourceWindow();
    }
}

void OutputActions::RestoreSourceWindow() {
    if (SourceFlag()) {
        OpenSourceWindow();
    } else {
        m_windowBar.CheckCommand(CommandId::SourceWindow, false);
    }
}

void OutputActions::ShowInSourceWindow(const std::string& fragment) {
    if (m_sourceWindow != nullptr) {
        m_sourceWindow->SetFragment(fragment, Html5Style());
    }
}

CSourceWindow* OutputActions::SourceWindow() const {
    return m_sourceWindow;
}

bool OutputActions::HasHandler(int commandId) const {
    switch (commandId) {
    case CommandId::Copy:
    case CommandId::Drag:
    case CommandId::Save:
    case CommandId::RunDefaultAction:
    case CommandId::SourceWindow:
        return true;
    case CommandId::RegisterSymbol:
        return static_cast<bool>(m_host.RegisterSymbol);
    case CommandId::ClearPages:
        return static_cast<bool>(m_host.ClearPages);
    default:
        return false;
    }
}

bool OutputActions::RunCommand(int commandId) {
    if (!HasHandler(commandId)) {
        return false;
    }
    switch (commandId) {
    case CommandId::Copy:
        CopyTag();
        break;
    case CommandId::Drag:
        DragTag();
        break;
    case CommandId::Save:
        SaveTag();
        break;
    case CommandId::RunDefaultAction:
        RunDefaultAction();
        break;
    case CommandId::SourceWindow:
        ToggleSourceWindow();
        break;
    case CommandId::RegisterSymbol:
        m_host.RegisterSymbol();
        break;
    case CommandId::ClearPages:
        m_host.ClearPages();
        break;
    default:
        return false;
    }
    return true;
}

bool OutputActions::eventFilter(QObject* watched, QEvent* event) {
    // The keyboard's way to the arrow: Alt+Down, F4 or the menu key.
    if (watched == m_splitButton && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const auto modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if ((modifiers == Qt::AltModifier && key->key() == Qt::Key_Down) ||
            (modifiers == Qt::NoModifier &&
             (key->key() == Qt::Key_F4 || key->key() == Qt::Key_Menu))) {
            ShowActionMenu();
            return true;
        }
    }
    if (watched == m_splitButton && (event->type() == QEvent::MouseButtonPress ||
                                     event->type() == QEvent::MouseButtonDblClick)) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            SplitArrowRect(*m_splitButton).contains(mouse->position().toPoint())) {
            ShowActionMenu();
            return true;
        }
    }
    if (watched == m_splitButton && FilterDragPress(event)) {
        return true;
    }
    return QObject::eventFilter(watched, event);
}

bool OutputActions::FilterDragPress(QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        m_dragPress.reset();
        if (mouse->button() == Qt::LeftButton && m_defaultAction == DefaultAction::Drag) {
            m_dragPress = mouse->position().toPoint();
        }
        return false; // the button still shows itself pressed
    }
    case QEvent::MouseMove: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (!m_dragPress || !(mouse->buttons() & Qt::LeftButton) ||
            (mouse->position().toPoint() - *m_dragPress).manhattanLength() <
                QApplication::startDragDistance()) {
            return false;
        }
        m_dragPress.reset();
        StartFragmentDrag();
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_dragPress.reset();
        return false;
    default:
        return false;
    }
}

void OutputActions::StartFragmentDrag() {
    // Released now, so that the release the drag swallows cannot leave it pressed, and a
    // drag is never also a click.
    m_splitButton->setDown(false);
    const std::string fragment = RebuildTag();
    if (fragment.empty()) {
        return;
    }
    std::unique_ptr<QMimeData> data = FragmentMimeData(fragment);
    if (m_host.StartDrag) {
        m_host.StartDrag(std::move(data));
        return;
    }
    auto* drag = new QDrag(m_splitButton);
    drag->setMimeData(data.release());
    drag->setPixmap(m_splitButton->icon().pixmap(16, 15));
    // Nothing leaves the program when the text is moved: a move is a copy here.
    drag->exec(Qt::CopyAction | Qt::MoveAction, Qt::CopyAction);
}

std::string OutputActions::RebuildTag() const {
    return m_host.RebuildTag ? m_host.RebuildTag() : std::string();
}

bool OutputActions::Html5Style() const {
    return m_host.Html5Style && m_host.Html5Style();
}

std::unique_ptr<QMimeData> OutputActions::FragmentMimeData(const std::string& fragment) const {
    return Html5Style() ? MakeUtf8TextMimeData(Utf8WithCharacters(fragment))
                        : MakeTextMimeData(fragment);
}

bool OutputActions::SourceFlag() const {
    return m_host.SourceWindowFlag ? m_host.SourceWindowFlag() : m_ownSourceFlag;
}

void OutputActions::SetSourceFlag(bool flag) {
    if (m_host.SetSourceWindowFlag) {
        m_host.SetSourceWindowFlag(flag);
    } else {
        m_ownSourceFlag = flag;
    }
}

void OutputActions::OpenSourceWindow() {
    const WaitCursor wait;
    m_windowBar.CheckCommand(CommandId::SourceWindow, true);
    SetSourceFlag(true);
    if (m_sourceWindow == nullptr) {
        auto* window = new CSourceWindow(&m_window);
        window->SetMenuActions(m_host.SourceWindowMenu);
        connect(window, &CSourceWindow::Closed, this, &OutputActions::OnSourceWindowClosed);
        m_sourceWindow = window;
    }
    // Restored at start, it waits for ShowSourceWindow.
    if (m_window.isVisible()) {
        ShowSourceWindow();
    }
    // Regeneration fills the window through ShowInSourceWindow; the returned fragment is
    // put in as well, so that the window is right however the owner routes it.
    const std::string fragment = RebuildTag();
    if (m_sourceWindow != nullptr) {
        m_sourceWindow->SetFragment(fragment, Html5Style());
    }
}

void OutputActions::CloseSourceWindow() {
    if (m_sourceWindow != nullptr) {
        m_sourceWindow->close(); // announces Closed, which clears flag and button
    }
    OnSourceWindowClosed();
}

void OutputActions::ShowSourceWindow() {
    if (m_sourceWindow == nullptr || m_sourceWindow->isVisible()) {
        return;
    }
    if (m_host.PlaceSourceWindow) {
        m_host.PlaceSourceWindow(*m_sourceWindow);
    } else {
        m_sourceWindow->PlaceBeside(m_window);
    }
    m_sourceWindow->show();
}

void OutputActions::OnSourceWindowClosed() {
    // Closed comes while the window still shows, before it is gone for this object.
    if (m_sourceWindow != nullptr && m_sourceWindow->isVisible() && m_host.KeepSourceWindowPlace) {
        m_host.KeepSourceWindowPlace(m_sourceWindow->KeptRect());
    }
    // The window deletes itself later; from now on it is gone for this object.
    m_sourceWindow = nullptr;
    SetSourceFlag(false);
    m_windowBar.CheckCommand(CommandId::SourceWindow, false);
}

} // namespace quillet
