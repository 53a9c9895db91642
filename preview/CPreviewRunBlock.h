#pragma once

#include "preview/PreviewDocument.h"

#include <QColor>
#include <QFont>
#include <QGlyphRun>
#include <QHash>
#include <QList>
#include <QWidget>

#include <optional>
#include <vector>

class QPainter;

namespace quillet {

// Paragraphs of text in faces, sizes, weights, slants, colours and lines, laid out and drawn by the
// preview itself. A long gradation is thousands of one-character runs, which Qt's rich text
// reads, shapes and lays out one by one on every change; here each word is shaped once per
// face and kept, so a new text costs a lookup a word. Lines are filled and set as Qt's rich
// text sets them, so the block draws what a CPreviewTextBlock would.
class CPreviewRunBlock : public QWidget {
    Q_OBJECT

public:
    CPreviewRunBlock(const QFont& pageFont, QWidget* parent);

    void SetParagraphs(const std::vector<PreviewParagraph>& paragraphs);
    // Pixels above the first paragraph and below the last.
    void SetMargins(int top, int bottom);

    // A character where it is drawn, for measuring what the block shows.
    struct PlacedCharacter {
        QString Text;
        qreal Left = 0;
        qreal Right = 0;
        qreal Baseline = 0;
        QFont Font;
        QColor Color;
        QColor Underline; // invalid for none
        QColor Strike;
        bool Link = false;
        int Line = 0; // counted from the block's first line
        int Run = 0;  // counted from the block's first run
    };
    std::vector<PlacedCharacter> Characters() const;
    // The character at `offset` of Text(); `start` is moved to where it starts there. Nothing
    // on a line break between paragraphs or past the end.
    std::optional<PlacedCharacter> CharacterAt(int offset, int* start) const;
    // The characters drawn, a line for each paragraph.
    QString Text() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    // A stretch shaped on its own, its glyphs placed from the baseline at its left end.
    struct Shape {
        QList<QGlyphRun> Glyphs;
        std::vector<qreal> Stops; // the left edge of each character, and the right end
        qreal Ascent = 0;
        qreal Descent = 0;
        qreal Leading = 0;
        // Where Qt's rich text would underline it, below the baseline, and how thick.
        qreal UnderlineOffset = 0;
        qreal UnderlineWidth = 1;
    };
    // Characters of one run between two places a line may end.
    struct Piece {
        int Start = 0; // in the paragraph's text
        int End = 0;
        int Run = 0;
        int ShapeIndex = 0;
        qreal X = 0; // set by the layout
        int Line = 0;
    };
    struct Run {
        int Start = 0;
        int Font = 0;
        QColor Color;
        QColor Underline;
        QColor Strike;
        bool Link = false;
    };
    struct Line {
        qreal Top = 0;
        qreal Baseline = 0;
        int FirstPiece = 0;
        int EndPiece = 0;
        int Paragraph = 0;
    };
    struct Paragraph {
        QString Text;
        Qt::Alignment Align = Qt::AlignLeft;
        int MarginTop = 0;
        std::vector<Run> Runs;
        std::vector<bool> BreakAfter;
        std::vector<Piece> Pieces;
    };

    int FontOf(const PreviewRun& run);
    PlacedCharacter Place(std::size_t paragraphIndex, const Piece& piece, int at, int runs) const;
    int ShapeOf(int font, const QString& text);
    void DrawUnderlines(QPainter& painter, const Paragraph& paragraph, const Line& line);
    bool OnLink(QPointF point) const;
    void Read(const PreviewParagraph& source, Paragraph& paragraph);
    void Cut(Paragraph& paragraph);
    void Layout();
    void SetLines(Paragraph& paragraph, int index, qreal& y);

    QFont m_pageFont;
    std::vector<PreviewParagraph> m_source;
    std::vector<Paragraph> m_paragraphs;
    std::vector<Line> m_lines;
    int m_marginTop = 0;
    int m_marginBottom = 0;
    int m_laidOutWidth = -1;

    // Kept across texts: what makes a new text cheap.
    std::vector<QFont> m_fonts;
    QHash<QString, int> m_fontIndex;
    std::vector<QHash<QString, int>> m_shapeIndex; // a table for each font
    std::vector<Shape> m_shapes;
};

} // namespace quillet
