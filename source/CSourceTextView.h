#pragma once

#include <QPlainTextEdit>

#include <cstddef>
#include <vector>

namespace quillet {

// A read-only view of a long text, wrapped into lines of its own width. The text is laid out
// as one paragraph per shown line, so a change costs the lines on screen rather than the
// whole text, which a fragment of a few hundred thousand characters on one line would.
// Copying and dragging give the text without the breaks it is shown with.
class CSourceTextView : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit CSourceTextView(QWidget* parent = nullptr);

    // Replaces the text; only what changed is touched, so the view keeps its place.
    void SetText(const QString& text);
    const QString& Text() const { return m_text; }

protected:
    QMimeData* createMimeDataFromSelection() const override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void Rewrap();
    float Advance(char16_t unit);
    float LineWidth() const;

    QString m_text;
    QString m_shown;                   // m_text with the soft breaks
    std::vector<std::size_t> m_breaks; // positions of the soft breaks in m_shown
    std::vector<float> m_advances;     // by UTF-16 unit, negative until measured
    int m_wrappedAt = -1;
};

} // namespace quillet
