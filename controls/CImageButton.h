#pragma once

#include "resources/ResourceImages.h"

#include <QImage>
#include <QPushButton>

namespace quillet {

// A push button that shows a small icon at its left and its caption beside it, shifting
// both one pixel while held down. It clicks like any push button; only the drawing is its
// own. Without an icon the caption is centred.
class CImageButton : public QPushButton {
    Q_OBJECT

public:
    explicit CImageButton(QWidget* parent = nullptr);
    explicit CImageButton(const QString& caption, QWidget* parent = nullptr);

    // The icon resource at width x height: 1, or 0 when there is no such icon (the
    // button then keeps what it had).
    int LoadButtonIcon(int resourceId, int width, int height);

    bool HasIcon() const { return !m_icon.IsNull(); }
    QSize ImageSize() const { return m_icon.Size(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PixelArt m_icon;
};

} // namespace quillet
