#include "output/CSourceWindow.h"

#include "controls/DialogFont.h"
#include "platform/TextCodec.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace quillet {
namespace {

// The window's size in dialog units of its font.
constexpr int kWidthUnits = 186;
constexpr int kHeightUnits = 94;

} // namespace

CSourceWindow::CSourceWindow(QWidget* parent) : QDialog(parent, Qt::Tool) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("ソース"));
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));

    m_view = new QPlainTextEdit(this);
    m_view->setObjectName(QString::number(kTextViewId));
    m_view->setReadOnly(true);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // The fragment has few spaces; long runs break anywhere rather than run off the edge.
    m_view->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);

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

void CSourceWindow::PlaceBeside(const QWidget& owner) {
    const QRect frame = owner.frameGeometry();
    const QScreen* screen = owner.screen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect();
    QPoint at(frame.right() + 1, frame.top());
    if (available.isValid() && at.x() + width() > available.right()) {
        at.setX(std::max(available.left(), frame.left() - width()));
    }
    move(at);
}

void CSourceWindow::done(int) {
    // Escape and any accept end up here; the window closes for good, as by its close box.
    close();
}

void CSourceWindow::closeEvent(QCloseEvent* event) {
    // Not the dialog's own handling, which would only hide the window.
    event->accept();
    emit Closed();
}

} // namespace quillet
