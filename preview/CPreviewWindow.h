#pragma once

#include "controls/CToolWindow.h"
#include "preview/PreviewDocument.h"

#include <QDateTime>
#include <QImage>
#include <QMap>

#include <string>
#include <vector>

class QScrollArea;
class QTextDocument;
class QVBoxLayout;

namespace quillet {

class FrameCoalescer;

// The tool window showing the fragment as a browser would draw it: plain text drawn by the
// window itself, rich text for the rest, a strip of its own for each scrolling text. Links show but
// do not lead anywhere; images come from a local path, or from a relative one in the image folder
// (the folder the fragment was last saved to).
class CPreviewWindow : public CToolWindow {
    Q_OBJECT

public:
    explicit CPreviewWindow(QWidget* parent);

    // The whole fragment, code page 932. Drawn at once, or with the next frame when fragments
    // arrive faster than frames: the last one always shows.
    void SetFragment(const std::string& fragment);
    // Draws a waiting fragment now.
    void ShowPending();
    // Where relative image addresses point; empty while there is no such folder.
    void SetImageFolder(const QString& folder);

    // One widget per block, top to bottom: a CPreviewRunBlock, a QTextBrowser or a
    // CMarqueeView; a waiting fragment is drawn first.
    QList<QWidget*> Blocks() const;
    // The characters a text block shows, a line for each paragraph; empty for a band.
    static QString TextOf(const QWidget* block);

private:
    void Render();
    void Place(std::size_t index, QWidget* widget);
    void AddImages(QTextDocument& document, const std::vector<PreviewImage>& images);
    QImage LoadImage(const PreviewImage& image);
    QString ImagePath(const PreviewImage& image) const;

    struct CachedImage {
        QDateTime modified;
        QImage image;
    };

    QScrollArea* m_scroll = nullptr;
    QVBoxLayout* m_column = nullptr;
    QList<QWidget*> m_blocks;
    FrameCoalescer* m_frames = nullptr;
    std::string m_fragment; // the latest, drawn or waiting
    QString m_imageFolder;
    bool m_rendered = false;
    PreviewDocument m_shown; // what the blocks show
    bool m_imagesChanged = false;
    QMap<QString, CachedImage> m_images;
};

// What stands in for an image that cannot be shown: a framed box with its address.
QImage MissingImagePicture(const QString& address, const QFont& font);

} // namespace quillet
