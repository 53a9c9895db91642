// Building the window: the controls of the template, the tool bars, the window menu and
// the initialisation that applies the settings.
#include "app/MainDialog.h"

#include "app/CColorSwatch.h"
#include "app/CDropDownList.h"
#include "app/CFontSampleView.h"
#include "app/CPageTabControl.h"
#include "app/DialogTemplate.h"
#include "app/ListSearch.h"
#include "app/PageTable.h"
#include "controls/CDragEdit.h"
#include "controls/CImageButton.h"
#include "controls/CTipToolBar.h"
#include "controls/DialogFont.h"
#include "core/CommandIds.h"
#include "core/ComposerTexts.h"
#include "core/MarqueeTag.h"
#include "output/OutputActions.h"
#include "platform/Prompts.h"
#include "platform/TextCodec.h"
#include "resources/ResourceIds.h"
#include "resources/ResourceImages.h"
#include "symbols/SymbolDialogRunner.h"
#include "symbols/SymbolPageView.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabBar>
#include <QTreeView>

#include <algorithm>

namespace quillet {

CMainDialog::CMainDialog(Prompts& prompts, QWidget* parent)
    : CMainDialog(prompts, MainDialogPlaces{}, parent) {}

CMainDialog::CMainDialog(Prompts& prompts, MainDialogPlaces places, QWidget* parent)
    : QDialog(parent), m_prompts(prompts), m_symbolDialogs(places.symbolDialogs),
      m_userSymbolFile(UserSymbolPath(places.symbolFolders)), m_settingsPath(SettingsFilePath()) {
    if (m_symbolDialogs == nullptr) {
        m_ownSymbolDialogs = std::make_unique<QtSymbolDialogRunner>();
        m_symbolDialogs = m_ownSymbolDialogs.get();
    }
    setObjectName("102");
    setWindowTitle("Quillet");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    setSizeGripEnabled(false);
    CreateControls();
    m_settings = LoadSettings(m_settingsPath);
    ComposerState state = MakeInitialState(Colors());
    state.TypeIndex = m_settings.TypeIndex;
    state.Style = OutputStyleFromSetting(m_settings.OutputStyle);
    m_settings.OutputStyle = SettingOf(state.Style);
    m_composer = std::make_unique<Composer>(static_cast<ComposerView&>(*this), std::move(state));
    OnInitDialog();
}

CMainDialog::~CMainDialog() = default;

void CMainDialog::PlaceControl(int id, QWidget* widget) {
    widget->setObjectName(QString::number(id));
    if (const std::optional<geom::Rect> rect = TemplateRect(id)) {
        const geom::Rect pixels = DialogUnitsToPixels(*rect, m_baseUnits);
        widget->setGeometry(pixels.left, pixels.top, pixels.Width(), pixels.Height());
    }
    m_controls[id] = widget;
}

QWidget* CMainDialog::Control(int id) const {
    const auto found = m_controls.find(id);
    return found == m_controls.end() ? nullptr : found->second;
}

void CMainDialog::CreateControls() {
    setFont(DialogFont());
    const QFontMetrics metrics(font());
    // IPA P Gothic reports a pixel more descent than the face it stands in for; its em
    // height keeps the template on the pixel grid the layout tables were drawn for.
    m_baseUnits = BaseUnitsOf(LatinLettersWidth(metrics), QFontInfo(font()).pixelSize());

    // The tab control comes first so that every page control lies above it.
    m_tabs = Place(ControlId::TabControl, new CPageTabControl(this));
    m_tabs->Bar()->setIconSize(QSize(20, 20));

    m_defaultButton = Place(ControlId::DefaultButton, new QPushButton("OK", this));
    m_defaultButton->setDefault(true);
    m_defaultButton->hide();

    for (const auto& [id, text] : {std::pair{ControlId::Label1, "Static 1"},
                                   {ControlId::Label2, "Static 2"},
                                   {ControlId::Label3, "Static 3"},
                                   {ControlId::Label4, "Static 4"},
                                   {ControlId::Label5, "Static 5"}}) {
        Place(id, new QLabel(text, this));
    }
    m_mainEdit = Place(ControlId::MainText, new CDragEdit(this));
    m_secondEdit = Place(ControlId::LinkUrlText, new CDragEdit(this));
    m_faceList = Place(ControlId::FaceList, new CDropDownList(this));
    m_choiceList = Place(ControlId::ChoiceList, new CDropDownList(this));
    // The template gives drop-down lists their opened height; closed they are as high as
    // a text field.
    for (QComboBox* list : {m_faceList, m_choiceList}) {
        list->resize(list->width(), m_mainEdit->height());
        list->setMaxVisibleItems(12);
    }

    const auto colorOf = [this](int id) { return [this, id] { return SampleColor(id); }; };
    m_colorSample =
        Place(ControlId::ColorSample, new CColorSwatch(colorOf(ControlId::ColorSample), this));
    m_startSample = Place(ControlId::GradationStartSample,
                          new CColorSwatch(colorOf(ControlId::GradationStartSample), this));
    m_endSample = Place(ControlId::GradationEndSample,
                        new CColorSwatch(colorOf(ControlId::GradationEndSample), this));
    auto* picture = Place(ControlId::GradationIcon, new QLabel(this));
    picture->setAlignment(Qt::AlignCenter);
    picture->setPixmap(
        LoadIcon(resource::GradationIcon).pixmap(QSize(32, 32), picture->devicePixelRatioF()));

    // The template's text shows until the font page's first regeneration, or for good when
    // no page is selected at start.
    m_sample = Place(ControlId::FontSample,
                     new CFontSampleView(colorOf(ControlId::FontSample), "サンプル", this));

    // The symbol page gives it its rows, columns and icons when the window initialises.
    m_symbolList = Place(ControlId::SymbolList, new QTreeView(this));

    m_browseButton = Place(ControlId::BrowseButton, new CImageButton("参照(&B)...", this));
    m_browseButton->setAutoDefault(false);

    m_slider = Place(ControlId::SpeedSlider, new QSlider(Qt::Horizontal, this));
    m_slider->setTickPosition(QSlider::TicksBelow);
    m_speedLabel = Place(ControlId::SpeedLabel, new QLabel("00ドット/秒", this));

    const QCursor eyedropper = LoadCursor(resource::EyedropperCursor, devicePixelRatioF());
    for (CColorSwatch* swatch : {m_colorSample, m_startSample, m_endSample}) {
        swatch->setCursor(eyedropper);
    }

    CreateToolBars();
    CreatePreviewAction();
    CreateOutputStyleAction();
    CreateOutputActions();
    CreateWindowMenu();
    ConnectInputs();
    CreateKeyboardCommands();
    m_controlsReady = true;
}

void CMainDialog::CreateWindowMenu() {
    m_windowMenu = new QMenu(this);
    m_windowMenu->setObjectName("windowMenu");
    QAction* close = m_windowMenu->addAction("閉じる(&C)");
    close->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(close, &QAction::triggered, this, &QWidget::close);
    m_windowMenu->addSeparator();
    m_windowMenu->addAction(m_previewAction);
    m_windowMenu->addAction(m_html5Action);
    QAction* about = m_windowMenu->addAction("バージョン情報(&A)...");
    about->setData(CommandId::About);
    connect(about, &QAction::triggered, this, &CMainDialog::ShowAboutBox);
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), this);
    connect(shortcut, &QShortcut::activated, this,
            [this] { ShowWindowMenu(mapToGlobal(QPoint(0, 0))); });
}

void CMainDialog::ConnectInputs() {
    connect(m_mainEdit, &QLineEdit::textChanged, this, &CMainDialog::OnMainTextChanged);
    connect(m_secondEdit, &QLineEdit::textChanged, this, &CMainDialog::OnSecondTextChanged);
    connect(m_faceList, &QComboBox::activated, this, &CMainDialog::OnFaceChosen);
    connect(m_choiceList, &QComboBox::activated, this, &CMainDialog::OnChoiceChosen);
    // The speed is taken when a scroll action ends, never while the thumb is dragged.
    connect(m_slider, &QSlider::sliderReleased, this, &CMainDialog::OnSpeedScrollEnded);
    connect(m_slider, &QSlider::valueChanged, this, [this] {
        if (!m_slider->isSliderDown()) {
            OnSpeedScrollEnded();
        }
    });
    connect(m_tabs, &CPageTabControl::SelectionChanged, this, &CMainDialog::OnTabSelectionChanged);
    connect(m_tabs, &CPageTabControl::RightClicked, this, &CMainDialog::OnTabRightClicked);
    connect(m_tabs, &CPageTabControl::CurrentTabClicked, this, &CMainDialog::OnCurrentTabClicked);
    connect(m_browseButton, &QPushButton::clicked, this, &CMainDialog::Browse);
    connect(this, &CMainDialog::ColorSampleClicked, this, &CMainDialog::OpenColorPopup);
    connect(m_colorSample, &CColorSwatch::Clicked, this,
            [this] { emit ColorSampleClicked(ControlId::ColorSample); });
    connect(m_startSample, &CColorSwatch::Clicked, this,
            [this] { emit ColorSampleClicked(ControlId::GradationStartSample); });
    connect(m_endSample, &CColorSwatch::Clicked, this,
            [this] { emit ColorSampleClicked(ControlId::GradationEndSample); });
}

void CMainDialog::OnInitDialog() {
    setWindowIcon(ProgramIcon());

    CreateSymbolPage();

    const QColor highlight = palette().color(QPalette::Highlight);
    for (int image = 0; image < kTabImageCount; ++image) {
        m_tabImages.push_back(CrispIcon(
            LoadTabImage(resource::TabBitmaps[static_cast<std::size_t>(image)], highlight)));
    }
    {
        const QSignalBlocker blocker(m_tabs);
        for (int page = 0; page < kPageCount; ++page) {
            m_tabs->Bar()->addTab(m_tabImages[static_cast<std::size_t>(page)], QString());
        }
    }

    ApplyOuterWidth(m_settings.WindowWidth);
    if (m_settings.WindowTop) {
        m_settings.WindowTop = false;
        ToggleTopmost();
    } else {
        ShowStayOnTop(false);
    }
    m_output->SetLastSaveFolder(FromCp932(m_settings.SaveFolder));
    m_output->RestoreSourceWindow();
    RestorePreview();
    m_html5Action->setChecked(m_composer->State().Style == OutputStyle::Html5);

    FillFaceList();

    {
        const QSignalBlocker blocker(m_slider);
        m_slider->setRange(kMinMarqueeSpeed, kMaxMarqueeSpeed);
        m_slider->setTickInterval(6);
        m_slider->setPageStep(6);
        m_slider->setValue(m_composer->State().MarqueeSpeed);
    }

    if (IsValidPage(m_settings.TabPage)) {
        const QSignalBlocker blocker(m_tabs);
        m_tabs->Bar()->setCurrentIndex(m_settings.TabPage);
        m_composer->SelectOnly(m_settings.TabPage);
    }

    for (int command : {CommandId::AddSymbol, CommandId::DeleteSymbol, CommandId::EditSymbol}) {
        m_styleBar->EnableCommand(command, false);
    }
    for (CColorSwatch* swatch : {m_colorSample, m_startSample, m_endSample}) {
        swatch->setToolTip("標準");
    }
    if (const std::optional<DefaultAction> action = DefaultActionAt(m_settings.ToolBarIndex)) {
        m_output->SetDefaultAction(*action);
    }
    ShowPage();
    m_composer->RebuildTag();
    LayoutPage();
    EnableDragDrop();
    m_browseButton->LoadButtonIcon(resource::BrowseIcon, 16, 16);
    // Typing can start at once: the page's text field, not the tab row, takes the keys.
    if (!m_mainEdit->isHidden()) {
        m_mainEdit->setFocus(Qt::OtherFocusReason);
    }
}

void CMainDialog::FillFaceList() {
    std::vector<std::string> families;
    for (const QString& family : QFontDatabase::families()) {
        if (QFontDatabase::isSmoothlyScalable(family)) {
            families.push_back(ToCp932(family));
        }
    }
    m_faces = BuildFaceList(std::move(families));
    const QSignalBlocker blocker(m_faceList);
    m_faceList->clear();
    for (const std::string& face : m_faces) {
        m_faceList->addItem(FromCp932(face));
    }
}

// A stored width below the minimum is raised by the size limits; one beyond the screen
// would leave the window's right edge and its tool bar out of reach.
void CMainDialog::ApplyOuterWidth(int outerWidth) {
    int width = std::max(outerWidth, kMinWindowWidth);
    if (const QScreen* screen = this->screen()) {
        width = std::min(width, std::max(kMinWindowWidth, screen->availableGeometry().width()));
    }
    resize(ClientFromOuter({width, 0}).width, height());
}

} // namespace quillet
