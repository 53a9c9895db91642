#pragma once

#include <QTextBrowser>

#include <string>

namespace quillet {

struct RichTextChange;

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

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    bool Replace(const RichTextChange& change);

    std::string m_html;
    // The shown characters are the ones RichTextChange reads the markup as.
    bool m_readable = false;
};

} // namespace quillet
