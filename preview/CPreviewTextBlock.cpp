#include "preview/CPreviewTextBlock.h"

#include "platform/TextCodec.h"
#include "preview/RichTextChange.h"

#include <QTextCursor>
#include <QTextDocumentFragment>

#include <cmath>

namespace quillet {
namespace {

// The characters RichTextChange reads as Qt's document holds them.
QString Shown(std::string_view text) {
    QString shown = FromCp932(text);
    for (QChar& c : shown) {
        if (c == u'\n') {
            c = QChar::LineSeparator;
        } else if (c == u'\r') {
            c = QChar::ObjectReplacementCharacter;
        }
    }
    return shown;
}

qsizetype Units(std::string_view text) {
    return FromCp932(text).size();
}

} // namespace

CPreviewTextBlock::CPreviewTextBlock(QWidget* parent) : QTextBrowser(parent) {
    setFrameShape(QFrame::NoFrame);
    setOpenLinks(false);
    setOpenExternalLinks(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::NoFocus);
    // Nobody edits the preview; a history would only keep every replaced stretch.
    setUndoRedoEnabled(false);
}

void CPreviewTextBlock::SetRichText(const std::string& html) {
    if (html == m_html) {
        return;
    }
    if (m_readable) {
        if (const std::optional<RichTextChange> change = FindRichTextChange(m_html, html);
            change && Replace(*change)) {
            m_html = html;
            FitHeight();
            return;
        }
    }
    ResetRichText(html);
}

void CPreviewTextBlock::ResetRichText(const std::string& html) {
    m_html = html;
    setHtml(FromCp932(html));
    const std::optional<std::string> characters = RichTextCharacters(html);
    m_readable = characters && document()->toRawText() == Shown(*characters);
    FitHeight();
}

// The new stretch is read by the engine on its own, between two stand-ins that keep white
// space at its ends from being dropped, and copied in with its formats.
bool CPreviewTextBlock::Replace(const RichTextChange& change) {
    const std::string_view added =
        std::string_view(change.NewText).substr(change.Start, change.NewEnd - change.Start);
    QTextDocument piece;
    piece.setHtml(QStringLiteral("x") + FromCp932(change.Html) + QStringLiteral("x"));
    const QString expected = Shown(added);
    if (piece.toRawText() != QStringLiteral("x") + expected + QStringLiteral("x")) {
        return false;
    }
    QTextCursor source(&piece);
    source.setPosition(1);
    source.setPosition(1 + static_cast<int>(expected.size()), QTextCursor::KeepAnchor);

    const auto start =
        static_cast<int>(Units(std::string_view(change.NewText).substr(0, change.Start)));
    const auto removed = static_cast<int>(
        Units(std::string_view(change.OldText).substr(change.Start, change.OldEnd - change.Start)));
    QTextCursor cursor(document());
    cursor.beginEditBlock();
    cursor.setPosition(start);
    cursor.setPosition(start + removed, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
    if (!expected.isEmpty()) {
        cursor.insertFragment(QTextDocumentFragment(source));
    }
    cursor.endEditBlock();
    return document()->toRawText() == Shown(change.NewText);
}

void CPreviewTextBlock::FitHeight() {
    // Setting even the same width lays the whole text out again.
    if (document()->textWidth() != viewport()->width()) {
        document()->setTextWidth(viewport()->width());
    }
    setFixedHeight(static_cast<int>(std::ceil(document()->size().height())));
}

void CPreviewTextBlock::resizeEvent(QResizeEvent* event) {
    QTextBrowser::resizeEvent(event);
    FitHeight();
}

} // namespace quillet
