#include "source/CSourceWindow.h"

#include "controls/DialogFont.h"
#include "controls/FrameCoalescer.h"
#include "platform/TextCodec.h"
#include "platform/Utf8Text.h"
#include "source/CSourceTextView.h"

#include <QMenu>
#include <QVBoxLayout>

namespace quillet {
namespace {

// The window's size in dialog units of its font.
constexpr int kWidthUnits = 186;
constexpr int kHeightUnits = 94;

} // namespace

CSourceWindow::CSourceWindow(QWidget* parent) : CToolWindow(parent) {
    setWindowTitle(QStringLiteral("ソース"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));

    // The fragment has few spaces; long runs break anywhere rather than run off the edge.
    m_view = new CSourceTextView(this);
    m_view->setObjectName(QString::number(kTextViewId));
    m_view->setAccessibleName(QStringLiteral("作成したタグ"));
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_frames = new FrameCoalescer([this] { ShowFragment(); }, this);
    m_frames->SetFrameMilliseconds(FrameCoalescer::FrameMilliseconds(parent));

    m_view->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_view, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        QMenu* menu = MakeContextMenu();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(m_view->viewport()->mapToGlobal(at));
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    resize(
        DialogRectToPixels(QRect(0, 0, kWidthUnits, kHeightUnits), DialogFontUnits(font())).size());
}

void CSourceWindow::SetFragment(const std::string& fragment, bool html5) {
    // Regeneration runs on every keystroke; an unchanged text keeps its scroll position.
    if (fragment == m_fragment && html5 == m_html5) {
        return;
    }
    m_fragment = fragment;
    m_html5 = html5;
    m_frames->Request();
}

void CSourceWindow::ShowPending() {
    m_frames->Flush();
}

void CSourceWindow::ShowFragment() {
    if (m_html5) {
        const std::string utf8 = Utf8WithCharacters(m_fragment);
        m_view->SetText(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size())));
    } else {
        m_view->SetText(FromCp932(m_fragment));
    }
}

QString CSourceWindow::Text() const {
    m_frames->Flush();
    return m_view->Text();
}

QMenu* CSourceWindow::MakeContextMenu() {
    QMenu* menu = m_view->createStandardContextMenu();
    if (!m_menuActions.isEmpty()) {
        menu->addSeparator();
        menu->addActions(m_menuActions);
    }
    return menu;
}

} // namespace quillet
