#pragma once

#include "app/AppSettings.h"
#include "app/Geometry.h"
#include "app/TabMarks.h"
#include "core/Composer.h"
#include "core/ComposerView.h"
#include "symbols/UserSymbolFile.h"

#include <QDialog>
#include <QIcon>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QPushButton;
class QSlider;
class QToolBar;
class QTreeView;

namespace quillet {

class CDragEdit;
class CImageButton;
class CPreviewWindow;
class CColorSwatch;
class CFontSampleView;
class CTipToolBar;
class OutputActions;
class CPageTabControl;
class Prompts;
class QtSymbolDialogRunner;
class SymbolDialogRunner;
class SymbolPageView;

// What the window finds outside itself besides the message boxes; tests give temporary
// folders and a scripted symbol dialog.
struct MainDialogPlaces {
    // Where User.mrk lives: beside the program, or in the data home when that is read-only.
    UserSymbolFolders symbolFolders = DefaultUserSymbolFolders();
    // The dialog of Add, Edit and Register; null for the real one.
    SymbolDialogRunner* symbolDialogs = nullptr;
};

// The program's one window: seven pages sharing one set of controls, three tool bars and
// the composer. Its close box writes the settings; Escape leaves without writing them.
class CMainDialog : public QDialog, private ComposerView {
    Q_OBJECT

public:
    explicit CMainDialog(Prompts& prompts, QWidget* parent = nullptr);
    CMainDialog(Prompts& prompts, MainDialogPlaces places, QWidget* parent = nullptr);
    ~CMainDialog() override;

    // Help is the application's command; the window only passes it on.
    void SetHelpHandler(std::function<void()> handler) { m_helpHandler = std::move(handler); }

    Composer& Tags() { return *m_composer; }
    const AppSettings& Settings() const { return m_settings; }
    const TabMarks& Marks() const { return m_marks; }
    int CurrentPage() const override;

    // Shows, labels and fills the shared controls for the current page.
    void ShowPage();
    // Sizes the window for the current page and places the controls.
    void LayoutPage();
    // CommandId::StayOnTop.
    void ToggleTopmost();
    // After a colour changed: the samples ask for their colours when they paint.
    void RepaintSamples();
    // The window menu of Alt+Space and a right click on the empty background.
    QMenu* WindowMenu() const { return m_windowMenu; }
    // The preview window, from the window menu and the source window's context menu.
    void TogglePreview();
    // Null while the preview is closed.
    CPreviewWindow* Preview() const;
    QAction* PreviewAction() const { return m_previewAction; }
    // The window menu's check item for fragments in HTML5 style ("OutputStyle").
    QAction* Html5Action() const { return m_html5Action; }
    // CommandId::RegisterSymbol and CommandId::ClearPages of the action menu; both work from
    // every page.
    void RegisterSymbol();
    void ClearPages();
    const std::filesystem::path& UserSymbolFile() const { return m_userSymbolFile; }

signals:
    // A click on ControlId::ColorSample, GradationStartSample or GradationEndSample.
    void ColorSampleClicked(int sampleId);
    // A tool-bar command the window does not carry out itself.
    void CommandRequested(int commandId);
    // Every regeneration, as the source window gets it. Code page 932.
    void FragmentChanged(const std::string& fragment);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

private:
    // MainDialogSetup.cpp
    void CreateControls();
    void CreateWindowMenu();
    void ConnectInputs();
    void OnInitDialog();
    void FillFaceList();
    void ApplyOuterWidth(int outerWidth);
    QWidget* Control(int id) const;
    // Names a control after its id, puts it at its template place and files it by id.
    void PlaceControl(int id, QWidget* widget);
    template <typename T> T* Place(int id, T* widget) {
        PlaceControl(id, widget);
        return widget;
    }

    // MainDialogPages.cpp
    void OnTabSelectionChanged(int page);
    void OnTabRightClicked(int tab);
    void OnCurrentTabClicked(int tab);
    void EnterMultiSelect(int current);
    void ShowIncluded(int page);
    void ApplyTabMarks();
    void ApplySizeLimits(int page);
    void PutStateIntoControls(TagPage page);
    void SelectByPrefix(QComboBox* list, const std::vector<std::string>& entries,
                        const std::string& text);
    geom::Size OuterSize() const;

    // MainDialogEvents.cpp
    void OnMainTextChanged(const QString& text);
    void OnSecondTextChanged(const QString& text);
    void OnFaceChosen(int index);
    void OnChoiceChosen(int index);
    void OnSpeedScrollEnded();
    void OnHelp();
    void ShowAboutBox();
    void ShowWindowMenu(const QPoint& globalPos);
    void WriteSettings();

    // MainDialogOutput.cpp
    void CreateOutputActions();
    void CloseOwnedWindows();

    // MainDialogPreview.cpp
    void CreatePreviewAction();
    void RestorePreview();
    void OpenPreview();
    void OnPreviewClosed();
    void ShowPreviewBesideWindow();
    // Where the open tool windows stand, into the settings.
    void KeepToolWindowPlaces();

    // MainDialogOutputStyle.cpp
    void CreateOutputStyleAction();
    void SetOutputStyle(OutputStyle style);
    // MainDialogAccess.cpp
    void CreateKeyboardCommands();
    void ApplyAccess();
    void NameSample(int sampleId);

    // MainDialogChoosers.cpp
    // The browse button: an Internet shortcut on the hyperlink page, a picture on the image
    // page.
    void Browse();
    void BrowseLinkTarget();
    void BrowsePicture();
    void OpenColorPopup(int sampleId);

    // MainDialogSymbols.cpp
    void CreateSymbolPage();
    std::string SymbolContentAt(int row) const override;
    void EnableDragDrop();

    // MainDialogView.cpp
    void CreateToolBars();
    void OnStyleCommand(int commandId);
    void ShowStayOnTop(bool onTop);
    bool HasControls() const override;
    void SetSampleTip(int sampleId, const std::string& text) override;
    void SetSpeedLabel(const std::string& text) override;
    void ShowInSourceWindow(const std::string& fragment) override;
    void EnableOutputButtons(bool enabled) override;
    void CheckButton(int commandId, bool pressed) override;
    void SetSampleFont(const SampleFont& font) override;
    SystemColors Colors() const override;
    // What the colour samples are filled with and ControlId::FontSample's text is drawn in.
    QColor SampleColor(int sampleId) const;

    Prompts& m_prompts;
    std::unique_ptr<QtSymbolDialogRunner> m_ownSymbolDialogs;
    SymbolDialogRunner* m_symbolDialogs = nullptr;
    std::filesystem::path m_userSymbolFile;
    AppSettings m_settings;
    std::filesystem::path m_settingsPath;
    std::unique_ptr<Composer> m_composer;
    // Declared after the composer it uses, so that it goes first, while its list stands.
    std::unique_ptr<SymbolPageView> m_symbolPage;
    std::unique_ptr<OutputActions> m_output;
    TabMarks m_marks;
    DialogBaseUnits m_baseUnits;
    std::function<void()> m_helpHandler;
    // Where the last picture was picked in this run; empty before the first.
    QString m_pictureFolder;
    std::map<int, QWidget*> m_controls;
    std::vector<QIcon> m_tabImages;

    CPageTabControl* m_tabs = nullptr;
    CDragEdit* m_mainEdit = nullptr;
    CDragEdit* m_secondEdit = nullptr;
    QComboBox* m_faceList = nullptr;
    QComboBox* m_choiceList = nullptr;
    QSlider* m_slider = nullptr;
    CFontSampleView* m_sample = nullptr;
    QLabel* m_speedLabel = nullptr;
    QTreeView* m_symbolList = nullptr;
    QPushButton* m_defaultButton = nullptr;
    CImageButton* m_browseButton = nullptr;
    CColorSwatch* m_colorSample = nullptr;
    CColorSwatch* m_startSample = nullptr;
    CColorSwatch* m_endSample = nullptr;
    CTipToolBar* m_outputBar = nullptr;
    CTipToolBar* m_windowBar = nullptr;
    CTipToolBar* m_styleBar = nullptr;
    QMenu* m_windowMenu = nullptr;
    QAction* m_previewAction = nullptr;
    QAction* m_html5Action = nullptr;
    QPointer<CPreviewWindow> m_preview;
    std::vector<std::string> m_choices; // entries of ControlId::ChoiceList, code page 932
    std::vector<std::string> m_faces;   // entries of ControlId::FaceList, code page 932
    bool m_controlsReady = false;
    bool m_layingOut = false;
};

} // namespace quillet
