#include "preview/CPreviewWindow.h"

#include "controls/FrameCoalescer.h"
#include "platform/TextCodec.h"
#include "preview/CMarqueeView.h"
#include "preview/CPreviewRunBlock.h"
#include "preview/CPreviewTextBlock.h"

#include <QDir>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QPainter>
#include <QScrollArea>
#include <QUrl>
#include <QVBoxLayout>

#include <array>

namespace quillet {
namespace {

// A browser's page: black on white, links in blue, text 16 pixels high.
constexpr int kPageTextPixels = 16;

// The browser asks for Times New Roman and takes only a face with its metrics; without one
// it draws in the system's default face, which fontconfig makes a sans-serif one.
constexpr std::array kTimesTwins{"Liberation Serif", "Tinos"};

QPalette PagePalette(QPalette palette) {
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Link, QColor(0, 0, 238));
    return palette;
}

QFont PageFont(const QFont& base) {
    QFont font(base);
    // Named as the face it resolves to: with the generic name, Qt draws a space beside
    // Japanese text in the Japanese face, wider than the browser's.
    QString family = QFontInfo(QFont(QStringLiteral("sans-serif"))).family();
    for (const char* twin : kTimesTwins) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(twin))) {
            family = QString::fromLatin1(twin);
            break;
        }
    }
    font.setFamilies({family});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(kPageTextPixels);
    return font;
}

bool IsInstalled(std::string_view face) {
    return QFontDatabase::hasFamily(FromCp932(face));
}

} // namespace

QImage MissingImagePicture(const QString& address, const QFont& font) {
    const QFontMetrics metrics(font);
    const QString text = address.isEmpty() ? QStringLiteral(" ") : address;
    const int mark = metrics.height();
    QImage picture(metrics.horizontalAdvance(text) + mark + 14, mark + 8,
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    // A small crossed-out frame, as browsers mark a picture they could not load.
    const QRect box(4, 4, mark, mark);
    painter.setPen(QColor(192, 0, 0));
    painter.drawRect(box.adjusted(1, 1, -2, -2));
    painter.drawLine(box.topLeft() + QPoint(3, 3), box.bottomRight() - QPoint(3, 3));
    painter.drawLine(box.topRight() + QPoint(-3, 3), box.bottomLeft() + QPoint(3, -3));
    painter.setPen(QColor(96, 96, 96));
    painter.setFont(font);
    painter.drawText(QRect(box.right() + 6, 4, picture.width(), mark), Qt::AlignVCenter, text);
    return picture;
}

CPreviewWindow::CPreviewWindow(QWidget* parent) : CToolWindow(parent) {
    setWindowTitle(QStringLiteral("プレビュー"));
    setObjectName(QStringLiteral("preview"));

    auto* page = new QWidget;
    page->setAutoFillBackground(true);
    page->setPalette(PagePalette(page->palette()));
    m_column = new QVBoxLayout(page);
    m_column->setContentsMargins(8, 8, 8, 8);
    m_column->setSpacing(0);
    m_column->addStretch(1);

    m_scroll = new QScrollArea(this);
    m_scroll->setWidgetResizable(true);
    // The page is as wide as the window, as a browser's is.
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_scroll->setWidget(page);
    m_scroll->setAccessibleName(QStringLiteral("プレビュー"));

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_scroll);
    resize(360, 200);

    m_frames = new FrameCoalescer([this] { Render(); }, this);
    m_frames->SetFrameMilliseconds(FrameCoalescer::FrameMilliseconds(parent));
}

void CPreviewWindow::SetFragment(const std::string& fragment) {
    // Regeneration runs on every keystroke; an unchanged fragment keeps its motion.
    if (m_rendered && fragment == m_fragment) {
        return;
    }
    m_fragment = fragment;
    m_frames->Request();
}

void CPreviewWindow::ShowPending() {
    m_frames->Flush();
}

QList<QWidget*> CPreviewWindow::Blocks() const {
    m_frames->Flush();
    return m_blocks;
}

QString CPreviewWindow::TextOf(const QWidget* block) {
    if (const auto* runs = qobject_cast<const CPreviewRunBlock*>(block)) {
        return runs->Text();
    }
    const auto* text = qobject_cast<const QTextBrowser*>(block);
    return text != nullptr ? text->toPlainText() : QString();
}

void CPreviewWindow::SetImageFolder(const QString& folder) {
    if (folder == m_imageFolder) {
        return;
    }
    m_imageFolder = folder;
    m_imagesChanged = true;
    if (m_frames->IsPending()) {
        m_frames->Flush();
    } else if (m_rendered) {
        Render();
    }
}

void CPreviewWindow::Render() {
    m_rendered = true;
    PreviewDocument document = MakePreviewDocument(m_fragment, IsInstalled);
    // Blocks that stay keep their window; a text that changed replaces only what changed,
    // unless the pictures did, which every text block names.
    const bool sameImages = !m_imagesChanged && document.Images == m_shown.Images;
    m_imagesChanged = false;
    const QWidget* page = m_scroll->widget();
    const QFont font = PageFont(this->font());
    for (std::size_t index = 0; index < document.Blocks.size(); ++index) {
        const PreviewBlock& block = document.Blocks[index];
        const bool exists = index < m_shown.Blocks.size();
        if (exists && sameImages && block == m_shown.Blocks[index]) {
            continue;
        }
        QWidget* shown = exists ? m_blocks[static_cast<qsizetype>(index)] : nullptr;
        if (!block.Paragraphs.empty()) {
            // Plain text is drawn by the preview itself, which lays out only what it must.
            auto* runs = qobject_cast<CPreviewRunBlock*>(shown);
            const bool fresh = runs == nullptr;
            if (fresh) {
                runs = new CPreviewRunBlock(font, m_scroll->widget());
            }
            runs->SetMargins(block.MarginTop, block.MarginBottom);
            runs->SetParagraphs(block.Paragraphs);
            if (fresh) {
                Place(index, runs);
            }
            continue;
        }
        auto* text = !block.Marquee ? dynamic_cast<CPreviewTextBlock*>(shown) : nullptr;
        if (text != nullptr) {
            text->SetMargins(block.MarginTop, block.MarginBottom);
            if (sameImages) {
                text->SetRichText(block.Html);
            } else {
                AddImages(*text->document(), document.Images);
                text->ResetRichText(block.Html);
            }
            continue;
        }
        QWidget* widget = nullptr;
        if (block.Marquee) {
            auto* marquee = new CMarqueeView(m_scroll->widget());
            marquee->Content().setDefaultFont(font);
            AddImages(marquee->Content(), document.Images);
            marquee->Content().setHtml(FromCp932(block.Html));
            CPreviewTextBlock::ApplyCarriedFormats(marquee->Content());
            marquee->FitContent();
            marquee->SetRoomBelow(QFontMetrics(font).descent());
            marquee->SetMotion(block.Behavior, block.Amount, QColor(FromCp932(block.BgColor)));
            widget = marquee;
        } else {
            auto* fresh = new CPreviewTextBlock(m_scroll->widget());
            fresh->setPalette(PagePalette(page->palette()));
            fresh->document()->setDefaultFont(font);
            fresh->document()->setDocumentMargin(0);
            fresh->SetMargins(block.MarginTop, block.MarginBottom);
            AddImages(*fresh->document(), document.Images);
            fresh->ResetRichText(block.Html);
            widget = fresh;
        }
        Place(index, widget);
    }
    while (m_blocks.size() > static_cast<qsizetype>(document.Blocks.size())) {
        delete m_blocks.takeLast();
    }
    m_shown = std::move(document);
}

// The block at `index` in the column, in place of the one there.
void CPreviewWindow::Place(std::size_t index, QWidget* widget) {
    const auto at = static_cast<qsizetype>(index);
    if (at < m_blocks.size()) {
        delete m_blocks[at];
        m_blocks[at] = widget;
    } else {
        m_blocks.push_back(widget);
    }
    m_column->insertWidget(static_cast<int>(index), widget);
}

QString CPreviewWindow::ImagePath(const PreviewImage& image) const {
    switch (image.where) {
    case PreviewImage::Where::Absolute: {
        const QString path = FromCp932(image.Path);
        // An address with "file:" is a URL, with its special characters percent-encoded.
        const bool url =
            image.Source.size() > 5 &&
            QString::fromLatin1(image.Source.substr(0, 5)).compare("file:", Qt::CaseInsensitive) ==
                0;
        return url ? QUrl::fromPercentEncoding(path.toUtf8()) : path;
    }
    case PreviewImage::Where::Relative:
        return m_imageFolder.isEmpty() ? QString()
                                       : QDir(m_imageFolder).filePath(FromCp932(image.Path));
    case PreviewImage::Where::Remote:
        break;
    }
    return {};
}

QImage CPreviewWindow::LoadImage(const PreviewImage& image) {
    const QString path = ImagePath(image);
    const QFileInfo file(path);
    if (path.isEmpty() || !file.isFile()) {
        return {};
    }
    // Pictures are read again only when they change on disk.
    const QDateTime modified = file.lastModified();
    const auto cached = m_images.constFind(path);
    if (cached != m_images.cend() && cached->modified == modified) {
        return cached->image;
    }
    const QImage loaded(path);
    m_images.insert(path, {modified, loaded});
    return loaded;
}

void CPreviewWindow::AddImages(QTextDocument& document, const std::vector<PreviewImage>& images) {
    for (std::size_t index = 0; index < images.size(); ++index) {
        QImage picture = LoadImage(images[index]);
        if (picture.isNull()) {
            picture = MissingImagePicture(FromCp932(images[index].Source), font());
        }
        document.addResource(QTextDocument::ImageResource,
                             QUrl(QString::fromStdString(PreviewImageName(index))), picture);
    }
}

} // namespace quillet
