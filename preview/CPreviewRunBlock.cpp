#include "preview/CPreviewRunBlock.h"

#include "platform/TextCodec.h"
#include "preview/CPreviewTextBlock.h"
#include "preview/LineFill.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <algorithm>
#include <cmath>

namespace quillet {
namespace {

// Shapes kept before the table starts afresh: more than a long session's texts need.
constexpr std::size_t kMaxShapes = 100'000;

bool IsCollapsible(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool JoinsPrevious(QChar c) {
    const QChar::Category category = c.category();
    return c.isLowSurrogate() || category == QChar::Mark_NonSpacing ||
           category == QChar::Mark_SpacingCombining || category == QChar::Mark_Enclosing;
}

// A line's colour; invalid for none.
QColor LineColor(const std::string& color) {
    return color.empty() ? QColor() : QColor::fromString(QString::fromStdString(color));
}

Qt::Alignment AlignmentNamed(const std::string& align) {
    return align == "center" ? Qt::AlignHCenter : align == "right" ? Qt::AlignRight : Qt::AlignLeft;
}

// What assistive technology reads of a character's look, in the words it reads a rich text
// block's in.
QString LookOf(const CPreviewRunBlock::PlacedCharacter& placed) {
    QString look = QStringLiteral("font-family:\"%1\";font-size:%2pt;color:rgb(%3,%4,%5);")
                       .arg(placed.Font.family())
                       .arg(QFontInfo(placed.Font).pointSizeF())
                       .arg(placed.Color.red())
                       .arg(placed.Color.green())
                       .arg(placed.Color.blue());
    if (placed.Font.weight() >= QFont::DemiBold) {
        look += u"font-weight:bold;";
    }
    if (placed.Font.italic()) {
        look += u"font-style:italic;";
    }
    if (placed.Underline.isValid()) {
        look += QStringLiteral(
                    "text-underline-style:solid;text-underline-type:single;text-underline-color:") +
                placed.Underline.name() + u';';
    }
    if (placed.Strike.isValid()) {
        look += QStringLiteral("text-line-through-type:single;text-line-through-color:") +
                placed.Strike.name() + u';';
    }
    return look;
}

// Read by assistive technology as the static text it shows, as a rich text block is, with
// each character's look.
class RunBlockAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit RunBlockAccessible(CPreviewRunBlock* block)
        : QAccessibleWidget(block, QAccessible::StaticText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text kind) const override {
        QString value = QAccessibleWidget::text(kind);
        if (kind == QAccessible::Name && value.isEmpty()) {
            value = Block().Text();
        }
        return value;
    }

    QString text(int startOffset, int endOffset) const override {
        return Block().Text().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Block().Text().size()); }
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        int start = 0;
        if (const auto placed = Block().CharacterAt(offset, &start)) {
            *startOffset = start;
            *endOffset = start + static_cast<int>(placed->Text.size());
            return LookOf(*placed);
        }
        *startOffset = *endOffset = offset;
        return {};
    }
    // Nothing is selected in the preview, and it has no caret.
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}

private:
    const CPreviewRunBlock& Block() const {
        return *static_cast<const CPreviewRunBlock*>(widget());
    }
};

QAccessibleInterface* RunBlockFactory(const QString&, QObject* object) {
    auto* block = qobject_cast<CPreviewRunBlock*>(object);
    return block != nullptr ? new RunBlockAccessible(block) : nullptr;
}

} // namespace

CPreviewRunBlock::CPreviewRunBlock(const QFont& pageFont, QWidget* parent)
    : QWidget(parent), m_pageFont(pageFont) {
    // Installed once for the program; Qt keeps the list of factories.
    static const bool accessible = [] {
        QAccessible::installFactory(&RunBlockFactory);
        return true;
    }();
    (void)accessible;
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    // A link shows the pointing hand a rich text block shows over it.
    setMouseTracking(true);
}

void CPreviewRunBlock::SetParagraphs(const std::vector<PreviewParagraph>& paragraphs) {
    if (paragraphs == m_source && m_laidOutWidth >= 0) {
        return;
    }
    m_source = paragraphs;
    if (m_shapes.size() > kMaxShapes) {
        m_shapes.clear();
        for (QHash<QString, int>& table : m_shapeIndex) {
            table.clear();
        }
    }
    m_paragraphs.assign(paragraphs.size(), {});
    for (std::size_t index = 0; index < paragraphs.size(); ++index) {
        Read(paragraphs[index], m_paragraphs[index]);
    }
    m_laidOutWidth = -1;
    Layout();
    update();
}

void CPreviewRunBlock::SetMargins(int top, int bottom) {
    if (top == m_marginTop && bottom == m_marginBottom) {
        return;
    }
    m_marginTop = top;
    m_marginBottom = bottom;
    m_laidOutWidth = -1;
    Layout();
    update();
}

int CPreviewRunBlock::FontOf(const PreviewRun& run) {
    const QString key = FromCp932(run.Family) + u'\x1f' + QString::number(run.Pixels, 'g', 10) +
                        (run.Bold ? u'b' : u'-') + (run.Italic ? u'i' : u'-');
    if (const auto found = m_fontIndex.constFind(key); found != m_fontIndex.cend()) {
        return *found;
    }
    // The font Qt's rich text makes of the span PreviewDocument writes for the run.
    QFont font(m_pageFont);
    if (!run.Family.empty()) {
        font.setFamilies({FromCp932(run.Family)});
    }
    // A run's size is whole pixels, or points to a thousandth as Qt's parser reads them.
    if (run.Pixels == std::round(run.Pixels)) {
        font.setPixelSize(static_cast<int>(run.Pixels));
    } else {
        font.setPointSizeF(run.Pixels * 0.75);
    }
    if (run.Bold) {
        font.setWeight(QFont::Bold);
    }
    font.setItalic(run.Italic);
    const int index = static_cast<int>(m_fonts.size());
    m_fonts.push_back(font);
    m_shapeIndex.emplace_back();
    m_fontIndex.insert(key, index);
    return index;
}

int CPreviewRunBlock::ShapeOf(int font, const QString& text) {
    QHash<QString, int>& table = m_shapeIndex[static_cast<std::size_t>(font)];
    if (const auto found = table.constFind(text); found != table.cend()) {
        return *found;
    }
    QTextLayout layout(text, m_fonts[static_cast<std::size_t>(font)]);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(1e6);
    layout.endLayout();
    Shape shape;
    shape.Ascent = line.ascent();
    shape.Descent = line.descent();
    shape.Leading = line.leading();
    shape.Stops.reserve(static_cast<std::size_t>(text.size()) + 1);
    for (int at = 0; at <= text.size(); ++at) {
        shape.Stops.push_back(line.cursorToX(at));
    }
    shape.Glyphs = line.glyphRuns();
    // Qt underlines each stretch of glyphs where its own face says, one pixel below the
    // baseline at least; the face a character falls back to may say lower.
    const QFontMetricsF metrics(m_fonts[static_cast<std::size_t>(font)]);
    shape.UnderlineOffset = std::ceil(metrics.underlinePos()) + 0.5;
    shape.UnderlineWidth = metrics.lineWidth();
    for (const QGlyphRun& glyphs : shape.Glyphs) {
        if (glyphs.rawFont().isValid()) {
            shape.UnderlineOffset = std::max(shape.UnderlineOffset,
                                             std::ceil(glyphs.rawFont().underlinePosition()) + 0.5);
            shape.UnderlineWidth = std::max(shape.UnderlineWidth, glyphs.rawFont().lineThickness());
        }
    }
    for (QGlyphRun& glyphs : shape.Glyphs) {
        QList<QPointF> positions = glyphs.positions();
        for (QPointF& position : positions) {
            position.ry() -= line.ascent();
        }
        glyphs.setPositions(positions);
    }
    const int index = static_cast<int>(m_shapes.size());
    m_shapes.push_back(std::move(shape));
    table.insert(text, index);
    return index;
}

// White space collapses as a browser collapses it: a run of it is one space, none at the
// paragraph's ends. Other spaces (no-break, ideographic) are characters like any other.
void CPreviewRunBlock::Read(const PreviewParagraph& source, Paragraph& paragraph) {
    paragraph.Align = AlignmentNamed(source.Align);
    paragraph.MarginTop = source.MarginTop;
    bool afterSpace = true;
    for (const PreviewRun& run : source.Runs) {
        const QString text = QString::fromUtf8(run.Text);
        const auto start = static_cast<int>(paragraph.Text.size());
        for (const QChar c : text) {
            if (!IsCollapsible(c)) {
                paragraph.Text += c;
                afterSpace = false;
            } else if (!afterSpace) {
                paragraph.Text += u' ';
                afterSpace = true;
            }
        }
        if (paragraph.Text.size() > start) {
            QColor color = QColor::fromString(QString::fromStdString(run.Color));
            paragraph.Runs.push_back({start, FontOf(run),
                                      color.isValid() ? color : QColor(Qt::black),
                                      LineColor(run.Underline), LineColor(run.Strike), run.Link});
        }
    }
    if (paragraph.Text.endsWith(u' ')) {
        paragraph.Text.chop(1);
        if (!paragraph.Runs.empty() && paragraph.Runs.back().Start >= paragraph.Text.size()) {
            paragraph.Runs.pop_back();
        }
    }
    const auto length = static_cast<std::size_t>(paragraph.Text.size());
    paragraph.BreakAfter.assign(length, false);
    QTextBoundaryFinder finder(QTextBoundaryFinder::Line, paragraph.Text);
    for (qsizetype at = finder.toNextBoundary(); at > 0; at = finder.toNextBoundary()) {
        if (static_cast<std::size_t>(at) < length) {
            paragraph.BreakAfter[static_cast<std::size_t>(at) - 1] = true;
        }
    }
}

// Pieces end where a run ends and where a line may end.
void CPreviewRunBlock::Cut(Paragraph& paragraph) {
    paragraph.Pieces.clear();
    const auto length = static_cast<int>(paragraph.Text.size());
    for (std::size_t run = 0; run < paragraph.Runs.size(); ++run) {
        const int end = run + 1 < paragraph.Runs.size() ? paragraph.Runs[run + 1].Start : length;
        int start = paragraph.Runs[run].Start;
        for (int at = start; at < end; ++at) {
            if (at + 1 == end || paragraph.BreakAfter[static_cast<std::size_t>(at)]) {
                paragraph.Pieces.push_back(
                    {start, at + 1, static_cast<int>(run),
                     ShapeOf(paragraph.Runs[run].Font, paragraph.Text.mid(start, at + 1 - start))});
                start = at + 1;
            }
        }
    }
}

void CPreviewRunBlock::Layout() {
    if (m_laidOutWidth == width()) {
        return;
    }
    m_laidOutWidth = width();
    m_lines.clear();
    qreal y = m_marginTop;
    for (std::size_t index = 0; index < m_paragraphs.size(); ++index) {
        y += m_paragraphs[index].MarginTop;
        SetLines(m_paragraphs[index], static_cast<int>(index), y);
    }
    setFixedHeight(static_cast<int>(std::ceil(y)) + m_marginBottom);
}

// Lines are filled with the pieces' advances; a piece a line breaks inside of is shaped as two.
// Each line is as high as the highest face on it, as Qt's rich text sets lines.
void CPreviewRunBlock::SetLines(Paragraph& paragraph, int index, qreal& y) {
    Cut(paragraph);
    std::vector<FillUnit> units;
    units.reserve(static_cast<std::size_t>(paragraph.Text.size()));
    for (const Piece& piece : paragraph.Pieces) {
        const Shape& shape = m_shapes[static_cast<std::size_t>(piece.ShapeIndex)];
        for (int at = piece.Start; at < piece.End; ++at) {
            const auto offset = static_cast<std::size_t>(at - piece.Start);
            const QChar c = paragraph.Text[at];
            units.push_back({shape.Stops[offset + 1] - shape.Stops[offset], c == u' ',
                             paragraph.BreakAfter[static_cast<std::size_t>(at)], JoinsPrevious(c)});
        }
    }
    const std::vector<std::size_t> starts = FillLines(units, width());

    std::vector<Piece> pieces;
    pieces.reserve(paragraph.Pieces.size() + starts.size());
    auto start = starts.begin() + 1;
    for (Piece piece : paragraph.Pieces) {
        while (start != starts.end() && static_cast<int>(*start) <= piece.Start) {
            ++start;
        }
        while (start != starts.end() && static_cast<int>(*start) < piece.End) {
            const int cut = static_cast<int>(*start++);
            const int font = paragraph.Runs[static_cast<std::size_t>(piece.Run)].Font;
            pieces.push_back({piece.Start, cut, piece.Run,
                              ShapeOf(font, paragraph.Text.mid(piece.Start, cut - piece.Start))});
            piece = {cut, piece.End, piece.Run,
                     ShapeOf(font, paragraph.Text.mid(cut, piece.End - cut))};
        }
        pieces.push_back(piece);
    }
    paragraph.Pieces = std::move(pieces);

    std::size_t first = 0;
    for (std::size_t line = 0; line < starts.size(); ++line) {
        const int end = line + 1 < starts.size() ? static_cast<int>(starts[line + 1])
                                                 : static_cast<int>(paragraph.Text.size());
        std::size_t last = first;
        qreal ascent = 0;
        qreal descent = 0;
        qreal leading = -1e9;
        qreal x = 0;
        qreal inked = 0;
        std::size_t lastInked = first;
        for (; last < paragraph.Pieces.size() && paragraph.Pieces[last].Start < end; ++last) {
            Piece& piece = paragraph.Pieces[last];
            const Shape& shape = m_shapes[static_cast<std::size_t>(piece.ShapeIndex)];
            piece.X = x;
            piece.Line = static_cast<int>(m_lines.size());
            int ink = piece.End;
            while (ink > piece.Start && paragraph.Text[ink - 1] == u' ') {
                --ink;
            }
            if (ink > piece.Start) {
                inked = x + shape.Stops[static_cast<std::size_t>(ink - piece.Start)];
                lastInked = last;
            }
            x += shape.Stops.back();
        }
        // Spaces hanging at the line's end make it no higher.
        for (std::size_t piece = first; piece <= lastInked && piece < last; ++piece) {
            const Shape& shape =
                m_shapes[static_cast<std::size_t>(paragraph.Pieces[piece].ShapeIndex)];
            ascent = std::max(ascent, shape.Ascent);
            descent = std::max(descent, shape.Descent);
            leading = std::max(leading, shape.Leading);
        }
        qreal shift = 0;
        if (paragraph.Align & Qt::AlignHCenter) {
            shift = (width() - inked) / 2;
        } else if (paragraph.Align & Qt::AlignRight) {
            shift = width() - inked;
        }
        for (std::size_t piece = first; piece < last; ++piece) {
            paragraph.Pieces[piece].X += shift;
        }
        m_lines.push_back({y, y + ascent, static_cast<int>(first), static_cast<int>(last), index});
        // Lines follow each other by their height with the faces' leading, which may be
        // less than nothing; the paragraph ends below its last line's full height.
        const bool lastLine = line + 1 == starts.size();
        y += std::ceil(ascent + descent + (lastLine ? std::max<qreal>(leading, 0) : leading));
        first = last;
    }
}

void CPreviewRunBlock::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

void CPreviewRunBlock::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect area = event->rect();
    std::vector<std::pair<const Piece*, const Line*>> struck;
    for (const Line& line : m_lines) {
        const Paragraph& paragraph = m_paragraphs[static_cast<std::size_t>(line.Paragraph)];
        if (line.Top > area.bottom() + 1) {
            break;
        }
        bool underlined = false;
        for (int index = line.FirstPiece; index < line.EndPiece; ++index) {
            const Piece& piece = paragraph.Pieces[static_cast<std::size_t>(index)];
            const Shape& shape = m_shapes[static_cast<std::size_t>(piece.ShapeIndex)];
            if (line.Baseline + shape.Descent + 1 < area.top()) {
                continue;
            }
            const Run& run = paragraph.Runs[static_cast<std::size_t>(piece.Run)];
            painter.setPen(run.Color);
            for (const QGlyphRun& glyphs : shape.Glyphs) {
                painter.drawGlyphRun(QPointF(piece.X, line.Baseline), glyphs);
            }
            underlined = underlined || run.Underline.isValid();
            if (run.Strike.isValid()) {
                struck.emplace_back(&piece, &line);
            }
        }
        if (underlined) {
            DrawUnderlines(painter, paragraph, line);
        }
    }
    // Qt's rich text strikes through after all of its text is drawn.
    for (const auto& [piece, line] : struck) {
        const Paragraph& paragraph = m_paragraphs[static_cast<std::size_t>(line->Paragraph)];
        const Run& run = paragraph.Runs[static_cast<std::size_t>(piece->Run)];
        const Shape& shape = m_shapes[static_cast<std::size_t>(piece->ShapeIndex)];
        painter.fillRect(CPreviewTextBlock::StrikeStroke(
                             m_fonts[static_cast<std::size_t>(run.Font)], line->Baseline,
                             piece->X + shape.Stops.front(), piece->X + shape.Stops.back()),
                         run.Strike);
    }
}

// As Qt's rich text underlines a line after its glyphs: each stretch of glyphs on its own,
// from and to whole pixels, spaces at the line's end not at all, and stretches that touch
// at the lowest and thickest of them.
void CPreviewRunBlock::DrawUnderlines(QPainter& painter, const Paragraph& paragraph,
                                      const Line& line) {
    const auto pieceAt = [&](int index) -> const Piece& {
        return paragraph.Pieces[static_cast<std::size_t>(index)];
    };
    const auto runOf = [&](int index) -> const Run& {
        return paragraph.Runs[static_cast<std::size_t>(pieceAt(index).Run)];
    };
    int inkEnd = pieceAt(line.EndPiece - 1).End;
    while (inkEnd > pieceAt(line.FirstPiece).Start && paragraph.Text[inkEnd - 1] == u' ') {
        --inkEnd;
    }
    for (int first = line.FirstPiece; first < line.EndPiece;) {
        if (!runOf(first).Underline.isValid() || pieceAt(first).Start >= inkEnd) {
            ++first;
            continue;
        }
        int end = first;
        qreal offset = 0;
        qreal thickness = 0;
        for (; end < line.EndPiece && runOf(end).Underline.isValid() && pieceAt(end).Start < inkEnd;
             ++end) {
            const Shape& shape = m_shapes[static_cast<std::size_t>(pieceAt(end).ShapeIndex)];
            offset = std::max(offset, shape.UnderlineOffset);
            thickness = std::max(thickness, shape.UnderlineWidth);
        }
        for (; first < end; ++first) {
            const Piece& piece = pieceAt(first);
            const Shape& shape = m_shapes[static_cast<std::size_t>(piece.ShapeIndex)];
            QPen pen(runOf(first).Underline, thickness);
            pen.setCapStyle(Qt::FlatCap);
            painter.setPen(pen);
            const qreal y = line.Baseline + offset;
            const auto right = static_cast<std::size_t>(std::min(piece.End, inkEnd) - piece.Start);
            painter.drawLine(QLineF(std::floor(piece.X + shape.Stops.front()), y,
                                    std::floor(piece.X + shape.Stops[right]), y));
        }
    }
}

bool CPreviewRunBlock::OnLink(QPointF point) const {
    for (const Line& line : m_lines) {
        const Paragraph& paragraph = m_paragraphs[static_cast<std::size_t>(line.Paragraph)];
        for (int index = line.FirstPiece; index < line.EndPiece; ++index) {
            const Piece& piece = paragraph.Pieces[static_cast<std::size_t>(index)];
            const Shape& shape = m_shapes[static_cast<std::size_t>(piece.ShapeIndex)];
            if (paragraph.Runs[static_cast<std::size_t>(piece.Run)].Link &&
                QRectF(piece.X, line.Baseline - shape.Ascent, shape.Stops.back(),
                       shape.Ascent + shape.Descent)
                    .contains(point)) {
                return true;
            }
        }
    }
    return false;
}

void CPreviewRunBlock::mouseMoveEvent(QMouseEvent* event) {
    if (OnLink(event->position())) {
        setCursor(Qt::PointingHandCursor);
    } else {
        unsetCursor();
    }
    QWidget::mouseMoveEvent(event);
}

// The character starting at `at` of the piece, `runs` being the runs of the paragraphs
// before.
CPreviewRunBlock::PlacedCharacter
CPreviewRunBlock::Place(std::size_t paragraphIndex, const Piece& piece, int at, int runs) const {
    const Paragraph& paragraph = m_paragraphs[paragraphIndex];
    const Shape& shape = m_shapes[static_cast<std::size_t>(piece.ShapeIndex)];
    const Run& run = paragraph.Runs[static_cast<std::size_t>(piece.Run)];
    const int length = paragraph.Text[at].isHighSurrogate() && at + 1 < piece.End ? 2 : 1;
    const auto offset = static_cast<std::size_t>(at - piece.Start);
    return {paragraph.Text.mid(at, length),
            piece.X + shape.Stops[offset],
            piece.X + shape.Stops[offset + static_cast<std::size_t>(length)],
            m_lines[static_cast<std::size_t>(piece.Line)].Baseline,
            m_fonts[static_cast<std::size_t>(run.Font)],
            run.Color,
            run.Underline,
            run.Strike,
            run.Link,
            piece.Line,
            runs + piece.Run};
}

std::vector<CPreviewRunBlock::PlacedCharacter> CPreviewRunBlock::Characters() const {
    std::vector<PlacedCharacter> placed;
    int runs = 0;
    for (std::size_t index = 0; index < m_paragraphs.size(); ++index) {
        for (const Piece& piece : m_paragraphs[index].Pieces) {
            for (int at = piece.Start; at < piece.End;
                 at += static_cast<int>(placed.back().Text.size())) {
                placed.push_back(Place(index, piece, at, runs));
            }
        }
        runs += static_cast<int>(m_paragraphs[index].Runs.size());
    }
    return placed;
}

std::optional<CPreviewRunBlock::PlacedCharacter> CPreviewRunBlock::CharacterAt(int offset,
                                                                               int* start) const {
    int runs = 0;
    for (std::size_t index = 0; index < m_paragraphs.size(); ++index) {
        const Paragraph& paragraph = m_paragraphs[index];
        if (offset >= 0 && offset < paragraph.Text.size()) {
            // The character a low surrogate belongs to starts before it.
            const int at = offset > 0 && paragraph.Text[offset].isLowSurrogate() &&
                                   paragraph.Text[offset - 1].isHighSurrogate()
                               ? offset - 1
                               : offset;
            const auto piece = std::ranges::find_if(
                paragraph.Pieces, [at](const Piece& candidate) { return at < candidate.End; });
            if (piece == paragraph.Pieces.end()) {
                return std::nullopt;
            }
            *start += at;
            return Place(index, *piece, at, runs);
        }
        // Past this paragraph and the line break after it.
        offset -= static_cast<int>(paragraph.Text.size()) + 1;
        *start += static_cast<int>(paragraph.Text.size()) + 1;
        runs += static_cast<int>(paragraph.Runs.size());
    }
    return std::nullopt;
}

QString CPreviewRunBlock::Text() const {
    QStringList lines;
    for (const Paragraph& paragraph : m_paragraphs) {
        lines << paragraph.Text;
    }
    return lines.join(u'\n');
}

} // namespace quillet
