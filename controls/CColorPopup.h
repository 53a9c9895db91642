#pragma once

#include "controls/ColorTarget.h"
#include "core/ColorChoice.h"

#include <QFrame>
#include <QPoint>

namespace quillet {

class Prompts;

// The colour picker that opens at the pointer over a colour sample: 28 palette swatches,
// the "標準" box and the "その他" button, which asks the system colour chooser. A choice is
// reported once through ColorChosen and closes the popup; so do Escape and Enter, a
// cancelled chooser and any loss of activation, without a choice. The popup deletes itself
// when it closes, and knows nothing of its owner beyond being its child window.
class CColorPopup : public QFrame {
    Q_OBJECT

public:
    // Closes the popup the owner may still have, then opens a new one with its top-left
    // corner at `clickPoint` (screen coordinates), active. `prompts` must outlive it.
    static CColorPopup* Open(QWidget* owner, QPoint clickPoint, const ColorRequest& request,
                             Prompts& prompts);

    CColorPopup(QWidget* owner, QPoint clickPoint, const ColorRequest& request, Prompts& prompts);

    const ColorRequest& Request() const { return m_request; }
    bool ChooserOpen() const { return m_chooserOpen; }

signals:
    // The choice's name is code page 932: a palette name, "標準" or "その他".
    void ColorChosen(const quillet::ColorChoice& choice);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnStandard();
    void OnMoreColors();
    void Report(const ColorChoice& choice);

    ColorRequest m_request;
    Prompts& m_prompts;
    bool m_chooserOpen = false;
    bool m_active = false; // has been the focus window
};

} // namespace quillet
