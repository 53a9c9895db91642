#include "output/CSourceWindow.h"

#include "output/FrameCoalescer.h"
#include "platform/TextCodec.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include <algorithm>

namespace quillet {
namespace {

// The window's size in dialog units of its font.
constexpr int kWidthUnits = 186;
constexpr int kHeightUnits = 94;

QSize DialogUnitsToPixels(int width, int height, const QFont& font) {
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const int baseX = (letters / 26 + 1) / 2;
    const int baseY = metrics.height();
    return {width * baseX / 4, height * baseY / 8};
}

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
    // Nobody can undo in a read-only view; the history would only hold every old fragment.
    m_view->setUndoRedoEnabled(false);
    m_frames = new FrameCoalescer([this] { ShowFragment(); }, this);
    m_frames->SetFrameMilliseconds(FrameCoalescer::FrameMilliseconds(parent));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    resize(DialogUnitsToPixels(kWidthUnits, kHeightUnits, font()));
}

void CSourceWindow::SetFragment(const std::string& fragment) {
    // Regeneration runs on every keystroke; an unchanged text keeps its scroll position.
    if (fragment == m_fragment) {
        return;
    }
    m_fragment = fragment;
    m_frames->Request();
}

void CSourceWindow::ShowPending() {
    m_frames->Flush();
}

// Only the part between what the old and new texts share at both ends is replaced, so the
// view keeps its place and most keystrokes touch a few characters of the document.
void CSourceWindow::ShowFragment() {
    const QString text = FromCp932(m_fragment);
    const qsizetype most = std::min(text.size(), m_shown.size());
    qsizetype head = 0;
    while (head < most && text[head] == m_shown[head]) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < most - head &&
           text[text.size() - 1 - tail] == m_shown[m_shown.size() - 1 - tail]) {
        ++tail;
    }
    QTextCursor cursor(m_view->document());
    cursor.setPosition(static_cast<int>(head));
    cursor.setPosition(static_cast<int>(m_shown.size() - tail), QTextCursor::KeepAnchor);
    cursor.insertText(text.mid(head, text.size() - head - tail));
    m_shown = text;
}

QString CSourceWindow::Text() const {
    m_frames->Flush();
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
