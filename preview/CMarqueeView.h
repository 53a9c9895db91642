#pragma once

#include "preview/MarqueeMotion.h"

#include <QBasicTimer>
#include <QColor>
#include <QTextDocument>
#include <QWidget>

#include <memory>

namespace quillet {

// A scrolling text as a browser shows it: a strip of its background colour across the
// whole width, the content moving through it. The timer runs only while the strip is
// shown and the content still moves.
class CMarqueeView : public QWidget {
    Q_OBJECT

public:
    explicit CMarqueeView(QWidget* parent = nullptr);

    // The content is rich text; its images are already among the document's resources.
    QTextDocument& Content() { return m_content; }
    // After the content changed: lays it out on one line, as wide as it is.
    void FitContent();
    // Starts the motion again from its beginning.
    void SetMotion(MarqueeBehavior behavior, int amount, const QColor& background);
    // A browser sets the strip on its line's baseline, so the line reaches below it by the
    // page font's descent: that much page shows under the strip.
    void SetRoomBelow(int pixels);
    // The strip itself, without the room below it.
    QRect Band() const;

    MarqueeTrack Track() const;
    // The content's left edge, in the strip's coordinates.
    int Offset() const { return MarqueeOffset(Track(), m_steps); }
    bool IsMoving() const { return m_timer.isActive(); }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

private:
    void UpdateTimer();
    int ContentWidth() const;

    QTextDocument m_content;
    // The content without Qt's strike-through, when a line has a colour of its own.
    std::unique_ptr<QTextDocument> m_unstruck;
    QColor m_background;
    MarqueeBehavior m_behavior = MarqueeBehavior::Scroll;
    int m_amount = kDefaultScrollAmount;
    int m_roomBelow = 0;
    long long m_steps = 0;
    bool m_shown = false;
    QBasicTimer m_timer;
};

} // namespace quillet
