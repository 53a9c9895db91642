#pragma once

#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFormat>

#include <memory>
#include <string>

class QPainter;

namespace quillet {

struct RichTextChange;

// The colour of a text's strike-through line, a QColor in the text's char format: a
// browser draws the line in the colour of the element that strikes it, Qt in the text's.
inline constexpr int kStrikeOutColorProperty = QTextFormat::UserProperty + 1;

// Rich text as high as its content at the width it is given, so that the column of blocks
// scrolls as one page. A new text replaces only the stretch that changed where that can be
// told, so a key typed into a long text lays out the paragraph again without reading all of
// its markup anew.
class CPreviewTextBlock : public QTextBrowser {
public:
    explicit CPreviewTextBlock(QWidget* parent);

    // Rich text in code page 932, as PreviewDocument writes it.
    void SetRichText(const std::string& html);
    // Reads the whole text anew, as when the pictures it names changed.
    void ResetRichText(const std::string& html);
    void FitHeight();
    // Pixels above the first paragraph and below the last.
    void SetMargins(int top, int bottom);

    // Turns what PreviewDocument's markup carries beyond Qt's parser (a strike-through
    // line's colour, a baseline raised or lowered without the engine's smaller text) into
    // the char formats' properties.
    static void ApplyCarriedFormats(QTextDocument& document);
    // A copy of the text without Qt's strike-through where the line has a colour of its
    // own; nothing when no line has. DrawStrikes draws the lines over it.
    static std::unique_ptr<QTextDocument> Unstruck(const QTextDocument& document);
    static void DrawStrikes(QPainter& painter, const QTextDocument& document);
    // Where a text in `font` between `left` and `right` is struck through: where the font
    // puts its line, a pixel thick at least and on whole pixels.
    static QRectF StrikeStroke(const QFont& font, qreal baseline, qreal left, qreal right);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool Replace(const RichTextChange& change);
    void ApplyMargins();
    void MakeRoomForShiftedText();

    std::string m_html;
    // What is drawn when a line strikes through in a colour of its own: the text without
    // Qt's strike-through, the lines drawn over it. Made anew when the text changes.
    std::unique_ptr<QTextDocument> m_unstruck;
    bool m_strikesKnown = false;
    int m_marginTop = 0;
    int m_marginBottom = 0;
    // Pixels the first line needs above and the last below for raised or lowered text.
    int m_roomAbove = 0;
    int m_roomBelow = 0;
    // The shown characters are the ones RichTextChange reads the markup as.
    bool m_readable = false;
};

} // namespace quillet
