#include "output/CSourceWindow.h"

#include "controls/DialogFont.h"
#include "platform/TextCodec.h"

#include <QMenu>
#include <QPlainTextEdit>
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

    m_view = new QPlainTextEdit(this);
    m_view->setObjectName(QString::number(kTextViewId));
    m_view->setReadOnly(true);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The fragment has few spaces; long runs break anywhere rather than run off the edge.
    m_view->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

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

void CSourceWindow::SetFragment(const std::string& fragment) {
    // Regeneration runs on every keystroke; an unchanged text keeps its scroll position.
    if (fragment == m_fragment) {
        return;
    }
    m_fragment = fragment;
    m_view->setPlainText(FromCp932(fragment));
}

QString CSourceWindow::Text() const {
    return m_view->toPlainText();
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
