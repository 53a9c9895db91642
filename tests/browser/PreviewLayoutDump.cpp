// Draws every PreviewCases fragment in the preview window at a given content width and
// writes what it shows: <name>.fragment (the fragment, code page 932) and <name>.preview.json
// with each character's box, colour and decoration colours, each image's box and each
// scrolling band's box and background, all relative to the page's top-left corner.
#include "preview/CMarqueeView.h"
#include "preview/CPreviewRunBlock.h"
#include "preview/CPreviewWindow.h"
#include "tests/browser/PreviewCases.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QFile>
#include <QGlyphRun>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRawFont>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextLayout>
#include <QUrl>

#include <cmath>
#include <iostream>

using namespace quillet;

namespace {

// The colour the preview's strike-through line is drawn in, when it is not the text's own.
constexpr int kStrikeColorProperty = QTextFormat::UserProperty + 1;

QJsonObject Box(const QRectF& box) {
    return {{"x", box.x()}, {"y", box.y()}, {"w", box.width()}, {"h", box.height()}};
}

QColor Foreground(const QTextCharFormat& format, const QPalette& palette) {
    return format.foreground().style() == Qt::NoBrush ? palette.color(QPalette::Text)
                                                      : format.foreground().color();
}

QJsonValue Decoration(bool drawn, const QColor& color) {
    return drawn ? QJsonValue(color.name()) : QJsonValue();
}

QSizeF ImageSize(const QTextImageFormat& format, QTextDocument& document) {
    const QImage image =
        document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
    return {format.width() > 0 ? format.width() : image.width(),
            format.height() > 0 ? format.height() : image.height()};
}

// A character's box as a browser measures it: the primary face's ascent and descent from its
// horizontal header, each rounded to a pixel, whatever face its glyph came from.
std::pair<qreal, qreal> BrowserAscentDescent(const QRawFont& face) {
    const QByteArray header = face.fontTable("hhea");
    if (header.size() < 8 || face.unitsPerEm() <= 0) {
        return {face.ascent(), face.descent()};
    }
    const auto signedAt = [&header](int at) {
        return static_cast<qint16>((static_cast<quint8>(header[at]) << 8) |
                                   static_cast<quint8>(header[at + 1]));
    };
    const qreal scale = face.pixelSize() / face.unitsPerEm();
    return {std::round(signedAt(4) * scale), std::round(-signedAt(6) * scale)};
}

// Qt's glyph runs leave out how far a superscript or subscript is moved; the engine moves
// it by shares of the drawn face's height when it paints.
qreal RaisedBy(const QTextCharFormat& format, const QRawFont& face) {
    const qreal height = face.ascent() + face.descent();
    qreal raised = height * format.baselineOffset() / 100;
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript) {
        raised += height * format.superScriptBaseline() / 100;
    } else if (format.verticalAlignment() == QTextCharFormat::AlignSubScript) {
        raised -= height * format.subScriptBaseline() / 100;
    }
    return raised;
}

struct Measured {
    QJsonArray characters;
    QJsonArray images;
};

// One character or image of a text line, `origin` being the layout's top-left on the page.
void MeasureAt(Measured& out, QTextDocument& document, const QTextLine& line, QPointF origin,
               int at, int length, const QString& text, const QTextCharFormat& format,
               const QPalette& palette, const QString& run) {
    const qreal left = line.cursorToX(at);
    const qreal right = line.cursorToX(at + length);
    const qreal baseline = origin.y() + line.y() + line.ascent();
    if (format.isImageFormat()) {
        const QSizeF size = ImageSize(format.toImageFormat(), document);
        out.images.append(
            Box({origin.x() + left, baseline - size.height(), size.width(), size.height()}));
        return;
    }
    if (text.trimmed().isEmpty()) {
        return;
    }
    // The glyphs say where a raised or lowered character sits and at what size it is drawn.
    QRawFont face = QRawFont::fromFont(format.font().resolve(document.defaultFont()));
    qreal glyphBaseline = baseline;
    const QList<QGlyphRun> runs = line.glyphRuns(at, length);
    if (!runs.isEmpty() && !runs.first().positions().isEmpty()) {
        glyphBaseline = origin.y() + runs.first().positions().first().y();
        face.setPixelSize(runs.first().rawFont().pixelSize());
    }
    glyphBaseline -= RaisedBy(format, face);
    const auto [ascent, descent] = BrowserAscentDescent(face);
    const QColor color = Foreground(format, palette);
    const bool underline =
        format.fontUnderline() || format.underlineStyle() != QTextCharFormat::NoUnderline;
    const QColor underlineColor =
        format.underlineColor().isValid() ? format.underlineColor() : color;
    const QColor strikeColor = format.hasProperty(kStrikeColorProperty)
                                   ? format.colorProperty(kStrikeColorProperty)
                                   : color;
    QJsonObject character = Box({origin.x() + std::min(left, right), glyphBaseline - ascent,
                                 std::abs(right - left), ascent + descent});
    character["c"] = static_cast<qint64>(text.toUcs4().value(0));
    character["run"] = run + ':' + QString::number(line.lineNumber());
    character["color"] = color.name();
    character["px"] = face.pixelSize();
    character["bold"] = format.fontWeight() >= QFont::DemiBold;
    character["italic"] = format.fontItalic();
    character["underline"] = Decoration(underline, underlineColor);
    character["strike"] = Decoration(format.fontStrikeOut(), strikeColor);
    out.characters.append(character);
}

// Characters of one fragment on one line form a run; `block` tells apart the blocks.
void MeasureText(Measured& out, QTextBrowser& block, const QWidget& page, int blockIndex) {
    QTextDocument& document = *block.document();
    const QPointF corner = block.viewport()->mapTo(&page, QPoint(0, 0));
    for (QTextBlock paragraph = document.begin(); paragraph.isValid();
         paragraph = paragraph.next()) {
        const QTextLayout* layout = paragraph.layout();
        const QPointF origin = corner + layout->position();
        for (auto piece = paragraph.begin(); !piece.atEnd(); ++piece) {
            const QTextFragment fragment = piece.fragment();
            const QString text = fragment.text();
            for (qsizetype index = 0; index < text.size();) {
                const int length = text[index].isHighSurrogate() ? 2 : 1;
                const int at = fragment.position() - paragraph.position() + static_cast<int>(index);
                const QTextLine line = layout->lineForTextPosition(at);
                if (line.isValid()) {
                    MeasureAt(out, document, line, origin, at, length, text.mid(index, length),
                              fragment.charFormat(), block.palette(),
                              QString("%1:%2").arg(blockIndex).arg(fragment.position()));
                }
                index += length;
            }
        }
    }
}

// The same for a block the preview lays out itself, each run counted from the block's first.
void MeasureRuns(Measured& out, const CPreviewRunBlock& block, const QWidget& page,
                 int blockIndex) {
    const QPointF corner = block.mapTo(&page, QPoint(0, 0));
    for (const CPreviewRunBlock::PlacedCharacter& placed : block.Characters()) {
        if (placed.Text.trimmed().isEmpty()) {
            continue;
        }
        const QRawFont face = QRawFont::fromFont(placed.Font);
        const auto [ascent, descent] = BrowserAscentDescent(face);
        const qreal baseline = corner.y() + placed.Baseline;
        QJsonObject character = Box({corner.x() + placed.Left, baseline - ascent,
                                     placed.Right - placed.Left, ascent + descent});
        character["c"] = static_cast<qint64>(placed.Text.toUcs4().value(0));
        character["run"] = QString("%1:r%2:%3").arg(blockIndex).arg(placed.Run).arg(placed.Line);
        character["color"] = placed.Color.name();
        character["px"] = face.pixelSize();
        character["bold"] = placed.Font.weight() >= QFont::DemiBold;
        character["italic"] = placed.Font.italic();
        character["underline"] = Decoration(placed.Underline.isValid(), placed.Underline);
        character["strike"] = Decoration(placed.Strike.isValid(), placed.Strike);
        out.characters.append(character);
    }
}

QJsonObject Band(CMarqueeView& band, QWidget& page) {
    const QRect box(band.mapTo(&page, band.Band().topLeft()), band.Band().size());
    // The content enters from the right, so the left edge shows the background.
    const QImage picture = page.grab(box).toImage();
    QJsonObject measured = Box(box);
    measured["background"] = picture.pixelColor(1, picture.height() / 2).name();
    return measured;
}

QJsonObject Measure(CPreviewWindow& preview) {
    Measured out;
    QJsonArray bands;
    const QList<QWidget*> blocks = preview.Blocks();
    for (int index = 0; index < blocks.size(); ++index) {
        QWidget* block = blocks[index];
        QWidget& page = *block->parentWidget();
        if (auto* runs = qobject_cast<CPreviewRunBlock*>(block)) {
            MeasureRuns(out, *runs, page, index);
        } else if (auto* text = qobject_cast<QTextBrowser*>(block)) {
            MeasureText(out, *text, page, index);
        } else if (auto* band = qobject_cast<CMarqueeView*>(block)) {
            bands.append(Band(*band, page));
        }
    }
    return {{"characters", out.characters}, {"images", out.images}, {"bands", bands}};
}

// Widens the window until the page, the scrolled widget the blocks sit in, is `width` wide.
bool FitPage(CPreviewWindow& preview, int width) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        QCoreApplication::processEvents();
        const QList<QWidget*> blocks = preview.Blocks();
        if (blocks.isEmpty()) {
            return false;
        }
        const int page = blocks.first()->parentWidget()->width();
        if (page == width) {
            QCoreApplication::processEvents();
            return true;
        }
        preview.resize(preview.width() + width - page, 900);
    }
    return false;
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc != 3) {
        std::cerr << "usage: preview_layout_dump <folder> <page width>\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const int width = std::atoi(argv[2]);
    QWidget owner;
    bool written = true;
    for (const auto& entry : test::PreviewCases()) {
        const QString name = folder + '/' + QString::fromStdString(entry.Name);
        CPreviewWindow preview(&owner);
        preview.SetImageFolder(folder);
        preview.SetFragment(entry.Fragment);
        preview.ShowPending();
        preview.show();
        if (!FitPage(preview, width)) {
            std::cerr << entry.Name << ": the page never became " << width << " pixels wide\n";
            return 1;
        }
        written = Write(name + ".fragment", QByteArray::fromStdString(entry.Fragment)) &&
                  Write(name + ".preview.json", QJsonDocument(Measure(preview)).toJson()) &&
                  written;
        preview.close();
    }
    return written ? 0 : 1;
}
