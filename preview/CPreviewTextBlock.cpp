#include "preview/CPreviewTextBlock.h"

#include "platform/TextCodec.h"
#include "preview/RichTextChange.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>

#include <cmath>
#include <vector>

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

// The room a paragraph's format got above and below for text raised or lowered in it.
constexpr int kRoomAboveProperty = QTextFormat::UserProperty + 2;
constexpr int kRoomBelowProperty = QTextFormat::UserProperty + 3;

// "strike:#rrggbb;shift:-4.2;" as PreviewDocument writes it in a span's title.
struct Carried {
    QColor strike;
    double shift = 0;
};

std::optional<Carried> ReadCarried(const QString& title) {
    if (!title.startsWith(u"strike:") && !title.startsWith(u"shift:")) {
        return std::nullopt;
    }
    Carried carried;
    for (const QString& item : title.split(u';', Qt::SkipEmptyParts)) {
        const QString value = item.section(u':', 1);
        if (item.startsWith(u"strike:")) {
            carried.strike = QColor(value);
        } else if (item.startsWith(u"shift:")) {
            carried.shift = value.toDouble();
        }
    }
    return carried;
}

} // namespace

void CPreviewTextBlock::ApplyCarriedFormats(QTextDocument& document) {
    struct Change {
        int start;
        int end;
        QTextCharFormat format;
    };
    std::vector<Change> changes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            const std::optional<Carried> carried = ReadCarried(format.toolTip());
            if (!carried) {
                continue;
            }
            format.clearProperty(QTextFormat::TextToolTip);
            if (carried->strike.isValid()) {
                format.setProperty(kStrikeOutColorProperty, carried->strike);
            }
            if (carried->shift != 0) {
                // Qt moves the baseline by a share of the font's height.
                const qreal height = QFontMetricsF(format.font()).height();
                format.setBaselineOffset(height > 0 ? carried->shift * 100 / height : 0);
            }
            changes.push_back(
                {fragment.position(), fragment.position() + fragment.length(), format});
        }
    }
    QTextCursor cursor(&document);
    for (const Change& change : changes) {
        cursor.setPosition(change.start);
        cursor.setPosition(change.end, QTextCursor::KeepAnchor);
        cursor.setCharFormat(change.format);
    }
}

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
    connect(document(), &QTextDocument::contentsChanged, this, [this] {
        m_strikesKnown = false;
        m_unstruck.reset();
    });
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
    ApplyMargins();
    ApplyCarriedFormats(*document());
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
    ApplyCarriedFormats(piece);
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

void CPreviewTextBlock::SetMargins(int top, int bottom) {
    if (top == m_marginTop && bottom == m_marginBottom) {
        return;
    }
    m_marginTop = top;
    m_marginBottom = bottom;
    ApplyMargins();
    FitHeight();
}

void CPreviewTextBlock::ApplyMargins() {
    QTextFrameFormat format = document()->rootFrame()->frameFormat();
    const qreal top = m_marginTop + m_roomAbove;
    const qreal bottom = m_marginBottom + m_roomBelow;
    if (format.topMargin() != top || format.bottomMargin() != bottom) {
        format.setTopMargin(top);
        format.setBottomMargin(bottom);
        document()->rootFrame()->setFrameFormat(format);
    }
}

// A browser's line grows to hold text raised or lowered in it; Qt's keeps the height of its
// text as if none were. The room goes above the paragraph for its first line and below it
// for its last, which is all of a paragraph of one line. Qt leaves out the first
// paragraph's margin above and the last one's below, so the page's margins take those.
void CPreviewTextBlock::MakeRoomForShiftedText() {
    QTextDocument& text = *document();
    text.size(); // lays the text out
    qreal firstAbove = 0;
    qreal lastBelow = 0;
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        if (layout->lineCount() == 0) {
            continue;
        }
        const QTextLine first = layout->lineAt(0);
        const QTextLine last = layout->lineAt(layout->lineCount() - 1);
        // The browser's line reaches as high and as low as its texts do where they stand;
        // Qt's as if none were moved.
        // A browser's line is never lower than the paragraph's own font.
        const QFontMetricsF strut(block.charFormat().font());
        qreal top = strut.ascent();
        qreal bottom = strut.descent();
        bool moved = false;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QFontMetricsF metrics(format.font());
            const qreal shift = format.baselineOffset() * metrics.height() / 100;
            moved = moved || shift != 0;
            const int start = fragment.position() - block.position();
            if (start < first.textStart() + first.textLength()) {
                top = std::max(top, shift + metrics.ascent());
            }
            if (start + fragment.length() > last.textStart()) {
                bottom = std::max(bottom, metrics.descent() - shift);
            }
        }
        const qreal above = moved ? top - first.ascent() : 0;
        const qreal below = moved ? bottom - last.descent() : 0;
        const int roomAbove = static_cast<int>(std::ceil(above));
        const int roomBelow = static_cast<int>(std::ceil(below));
        if (block == text.begin()) {
            firstAbove = roomAbove;
        }
        if (block == text.lastBlock()) {
            lastBelow = roomBelow;
        }
        QTextBlockFormat format = block.blockFormat();
        const int addedAbove = format.property(kRoomAboveProperty).toInt();
        const int addedBelow = format.property(kRoomBelowProperty).toInt();
        if (addedAbove != roomAbove || addedBelow != roomBelow) {
            format.setTopMargin(format.topMargin() - addedAbove + roomAbove);
            format.setBottomMargin(format.bottomMargin() - addedBelow + roomBelow);
            format.setProperty(kRoomAboveProperty, roomAbove);
            format.setProperty(kRoomBelowProperty, roomBelow);
            QTextCursor(block).setBlockFormat(format);
        }
    }
    if (firstAbove != m_roomAbove || lastBelow != m_roomBelow) {
        m_roomAbove = static_cast<int>(firstAbove);
        m_roomBelow = static_cast<int>(lastBelow);
        ApplyMargins();
    }
}

void CPreviewTextBlock::FitHeight() {
    // Setting even the same width lays the whole text out again.
    if (document()->textWidth() != viewport()->width()) {
        document()->setTextWidth(viewport()->width());
    }
    MakeRoomForShiftedText();
    setFixedHeight(static_cast<int>(std::ceil(document()->size().height())));
}

void CPreviewTextBlock::resizeEvent(QResizeEvent* event) {
    QTextBrowser::resizeEvent(event);
    FitHeight();
}

// Qt strikes text through in the text's colour. Where a line has a colour of its own, a
// copy of the text without Qt's lines is drawn and the lines over it, where the font puts
// its strike-through.
void CPreviewTextBlock::paintEvent(QPaintEvent* event) {
    if (!m_strikesKnown) {
        m_unstruck = Unstruck(*document());
        m_strikesKnown = true;
    }
    if (!m_unstruck) {
        QTextBrowser::paintEvent(event);
        return;
    }
    if (m_unstruck->textWidth() != document()->textWidth()) {
        m_unstruck->setTextWidth(document()->textWidth());
    }
    QPainter painter(viewport());
    painter.translate(-horizontalScrollBar()->value(), -verticalScrollBar()->value());
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette = palette();
    context.clip = QRectF(event->rect())
                       .translated(horizontalScrollBar()->value(), verticalScrollBar()->value());
    m_unstruck->documentLayout()->draw(&painter, context);
    DrawStrikes(painter, *m_unstruck);
}

void CPreviewTextBlock::DrawStrikes(QPainter& painter, const QTextDocument& document) {
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(kStrikeOutColorProperty)) {
                continue;
            }
            const qreal shift =
                format.baselineOffset() * QFontMetricsF(format.font()).height() / 100;
            const int start = fragment.position() - block.position();
            const int end = start + fragment.length();
            for (int index = 0; index < layout->lineCount(); ++index) {
                const QTextLine line = layout->lineAt(index);
                const int from = std::max(start, line.textStart());
                const int to = std::min(end, line.textStart() + line.textLength());
                if (from >= to) {
                    continue;
                }
                const qreal baseline = layout->position().y() + line.y() + line.ascent() - shift;
                const qreal left = layout->position().x() + line.cursorToX(from);
                const qreal right = layout->position().x() + line.cursorToX(to);
                painter.fillRect(StrikeStroke(format.font(), baseline, left, right),
                                 format.property(kStrikeOutColorProperty).value<QColor>());
            }
        }
    }
}

QRectF CPreviewTextBlock::StrikeStroke(const QFont& font, qreal baseline, qreal left, qreal right) {
    const QFontMetricsF metrics(font);
    const qreal thickness = std::max<qreal>(1, std::round(metrics.lineWidth()));
    return {std::min(left, right), std::round(baseline - metrics.strikeOutPos() - thickness / 2),
            std::abs(right - left), thickness};
}

std::unique_ptr<QTextDocument> CPreviewTextBlock::Unstruck(const QTextDocument& document) {
    std::unique_ptr<QTextDocument> copy;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QTextCharFormat format = fragment.charFormat();
            if (!format.hasProperty(kStrikeOutColorProperty)) {
                continue;
            }
            if (!copy) {
                copy.reset(document.clone());
            }
            format.setFontStrikeOut(false);
            QTextCursor cursor(copy.get());
            cursor.setPosition(fragment.position());
            cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
            cursor.setCharFormat(format);
        }
    }
    return copy;
}

} // namespace quillet
