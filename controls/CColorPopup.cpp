#include "controls/CColorPopup.h"

#include "controls/CClickStatic.h"
#include "controls/CTipToolBar.h"
#include "controls/ColorPopupLayout.h"
#include "controls/DialogFont.h"
#include "core/ColorPalette.h"
#include "core/CommandIds.h"
#include "platform/Prompts.h"
#include "platform/TextCodec.h"
#include "resources/ResourceIds.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWindow>

namespace quillet {
namespace {

QColor ToQColor(Rgb value) {
    return QColor(static_cast<int>(RedOf(value)), static_cast<int>(GreenOf(value)),
                  static_cast<int>(BlueOf(value)));
}

Rgb ToRgb(const QColor& color) {
    return MakeRgb(static_cast<unsigned>(color.red()), static_cast<unsigned>(color.green()),
                   static_cast<unsigned>(color.blue()));
}

QRect ToQRect(const geom::Rect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

} // namespace

CColorPopup* CColorPopup::Open(QWidget* owner, QPoint clickPoint, const ColorRequest& request,
                               Prompts& prompts) {
    if (owner != nullptr) {
        for (CColorPopup* old : owner->findChildren<CColorPopup*>(Qt::FindDirectChildrenOnly)) {
            if (old->isVisible()) {
                old->close();
            }
        }
    }
    auto* popup = new CColorPopup(owner, clickPoint, request, prompts);
    popup->show();
    popup->raise();
    popup->activateWindow();
    popup->setFocus();
    return popup;
}

CColorPopup::CColorPopup(QWidget* owner, QPoint clickPoint, const ColorRequest& request,
                         Prompts& prompts)
    // A managed, frameless dialog rather than a grabbing popup: the system colour chooser
    // must run on top of it, and only the activation leaving the pair closes it.
    : QFrame(owner, Qt::Dialog | Qt::FramelessWindowHint), m_request(request), m_prompts(prompts) {
    setObjectName(QString::number(colorpopup::TemplateId));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_AlwaysShowToolTips);
    if (owner != nullptr && owner->window()->windowFlags().testFlag(Qt::WindowStaysOnTopHint)) {
        setWindowFlag(Qt::WindowStaysOnTopHint);
    }
    setFrameStyle(QFrame::WinPanel | QFrame::Raised);
    setFocusPolicy(Qt::StrongFocus);
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    setAccessibleName(QStringLiteral("色の選択"));
    setAccessibleDescription(
        QStringLiteral("Tab で色を選び、スペースで決定します。Esc で閉じます。"));

    const ColorPopupLayout layout = LayOutColorPopup(DialogFontUnits(font()));
    setFixedSize(layout.window.width, layout.window.height);
    // Where the pointer was, even when that leaves part of the popup off the screen.
    move(clickPoint);

    auto* standard = new CClickStatic(colorpopup::StandardBox, this);
    standard->setText(FromCp932(StandardColorName()));
    standard->setAlignment(Qt::AlignCenter);
    standard->setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    standard->setGeometry(ToQRect(layout.standardBox));
    standard->setAccessibleName(standard->text());
    connect(standard, &CClickStatic::Clicked, this, &CColorPopup::OnStandard);

    const auto palette = ColorPalette();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const PaletteColor& color = palette[i];
        auto* swatch = new CClickStatic(color.SwatchId, this);
        swatch->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        swatch->setLineWidth(1);
        swatch->SetFill(ToQColor(SwatchPaintValue(color)));
        swatch->setToolTip(FromCp932(color.Name));
        swatch->setAccessibleName(swatch->toolTip());
        swatch->setGeometry(ToQRect(layout.swatches[i]));
        connect(swatch, &CClickStatic::Clicked, this, [this, &color] { Report(ChoiceOf(color)); });
    }

    auto* bar = new CTipToolBar(resource::ColorToolBar, this);
    bar->LoadToolBarResource(resource::ColorToolBar);
    bar->setFocusPolicy(Qt::NoFocus);
    bar->move(layout.moreColorsPlace.left, layout.moreColorsPlace.top);
    bar->resize(bar->sizeHint());
    connect(bar, &CTipToolBar::CommandTriggered, this, [this](int commandId) {
        if (commandId == CommandId::MoreColors) {
            OnMoreColors();
        }
    });

    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* focus) {
        // The chooser takes the activation while it is shown; the popup waits for its answer.
        if (focus == windowHandle()) {
            m_active = true;
        } else if (m_active && !m_chooserOpen && isVisible()) {
            close();
        }
    });
}

void CColorPopup::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        close();
        return;
    default:
        QFrame::keyPressEvent(event);
    }
}

void CColorPopup::OnStandard() {
    if (m_request.standard) {
        Report(StandardColor(*m_request.standard));
    }
}

void CColorPopup::OnMoreColors() {
    if (m_chooserOpen) {
        return;
    }
    m_chooserOpen = true;
    const QPointer<CColorPopup> self(this);
    const std::optional<QColor> chosen = m_prompts.ChooseColor(this, ToQColor(m_request.current));
    if (self.isNull()) {
        return;
    }
    m_chooserOpen = false;
    if (chosen && chosen->isValid()) {
        Report(OtherColor(ToRgb(*chosen)));
    } else {
        close();
    }
}

void CColorPopup::Report(const ColorChoice& choice) {
    // A closing popup has reported or given up already.
    if (!isVisible()) {
        return;
    }
    const QPointer<CColorPopup> self(this);
    emit ColorChosen(choice);
    if (!self.isNull()) {
        close();
    }
}

} // namespace quillet
