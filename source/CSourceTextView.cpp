#include "source/CSourceTextView.h"

#include "source/SoftWrap.h"

#include <QFontMetricsF>
#include <QMimeData>
#include <QTextCursor>

#include <algorithm>

namespace quillet {
namespace {

// Shaping may set a line a little wider than the sum of its characters; the view wraps
// such a line again rather than clip it, but the margin keeps that from happening.
constexpr float kSlack = 4;

} // namespace

CSourceTextView::CSourceTextView(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    // Nobody can undo in a read-only view; the history would only hold every old text.
    setUndoRedoEnabled(false);
    // Lines are broken before they reach the view; a line set wider than measured is still
    // broken rather than run off the edge.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void CSourceTextView::SetText(const QString& text) {
    m_text = text;
    Rewrap();
}

float CSourceTextView::LineWidth() const {
    const qreal margin = 2 * document()->documentMargin();
    return std::max(1.0f, static_cast<float>(viewport()->width() - margin) - kSlack);
}

float CSourceTextView::Advance(char16_t unit) {
    if (m_advances.empty()) {
        m_advances.assign(0x10000, -1.0f);
    }
    float& advance = m_advances[unit];
    if (advance < 0) {
        const QFontMetricsF metrics(font());
        // Characters beyond the first plane are rare here: a pair is taken as two average
        // characters wide.
        advance = QChar::isSurrogate(unit)
                      ? static_cast<float>(metrics.averageCharWidth())
                      : static_cast<float>(metrics.horizontalAdvance(QChar(unit)));
    }
    return advance;
}

void CSourceTextView::Rewrap() {
    m_wrappedAt = viewport()->width();
    const auto* units = reinterpret_cast<const char16_t*>(m_text.utf16());
    const std::u16string_view text(units, static_cast<std::size_t>(m_text.size()));
    std::vector<float> advances(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        advances[i] = Advance(text[i]);
    }
    const std::vector<std::size_t> starts = SoftLineStarts(text, advances, LineWidth());

    QString shown;
    shown.reserve(m_text.size() + static_cast<qsizetype>(starts.size()));
    m_breaks.clear();
    std::size_t from = 0;
    for (const std::size_t start : starts) {
        shown.append(QStringView(m_text).mid(static_cast<qsizetype>(from),
                                             static_cast<qsizetype>(start - from)));
        m_breaks.push_back(static_cast<std::size_t>(shown.size()));
        shown.append(QLatin1Char('\n'));
        from = start;
    }
    shown.append(QStringView(m_text).mid(static_cast<qsizetype>(from)));

    // Only the part between what the old and new texts share at both ends is replaced.
    const qsizetype most = std::min(shown.size(), m_shown.size());
    qsizetype head = 0;
    while (head < most && shown[head] == m_shown[head]) {
        ++head;
    }
    qsizetype tail = 0;
    while (tail < most - head &&
           shown[shown.size() - 1 - tail] == m_shown[m_shown.size() - 1 - tail]) {
        ++tail;
    }
    if (head + tail < std::max(shown.size(), m_shown.size())) {
        QTextCursor cursor(document());
        cursor.setPosition(static_cast<int>(head));
        cursor.setPosition(static_cast<int>(m_shown.size() - tail), QTextCursor::KeepAnchor);
        cursor.insertText(shown.mid(head, shown.size() - head - tail));
    }
    m_shown = std::move(shown);
}

QMimeData* CSourceTextView::createMimeDataFromSelection() const {
    const QTextCursor cursor = textCursor();
    const auto start =
        UnwrappedPosition(m_breaks, static_cast<std::size_t>(cursor.selectionStart()));
    const auto end = UnwrappedPosition(m_breaks, static_cast<std::size_t>(cursor.selectionEnd()));
    auto* data = new QMimeData;
    data->setText(m_text.mid(static_cast<qsizetype>(start), static_cast<qsizetype>(end - start)));
    return data;
}

void CSourceTextView::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    if (viewport()->width() != m_wrappedAt) {
        Rewrap();
    }
}

void CSourceTextView::changeEvent(QEvent* event) {
    QPlainTextEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        m_advances.clear();
        Rewrap();
    }
}

} // namespace quillet
