#pragma once

#include <QDialog>

#include <string>

namespace quillet {

class FrameCoalescer;
class SourceTextView;

// A small modeless tool window showing the fragment as it is regenerated. Closing it (its
// close box, Escape or the owner's toggle) always goes through close(), which announces
// Closed and deletes the window, so that its owner's flag and button never fall out of
// step with it. Enter does nothing.
class CSourceWindow : public QDialog {
    Q_OBJECT

public:
    static constexpr int kTextViewId = 1004;

    explicit CSourceWindow(QWidget* parent);

    // The whole fragment, code page 932. Shown at once, or with the next frame when fragments
    // arrive faster than frames: the last one always shows.
    void SetFragment(const std::string& fragment);
    // The text shown once a waiting update is in.
    QString Text() const;
    // Puts a waiting fragment in now.
    void ShowPending();

    // Beside the owner's right edge when that fits on its screen, else left of it.
    void PlaceBeside(const QWidget& owner);

    void done(int result) override;

signals:
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ShowFragment();

    SourceTextView* m_view = nullptr;
    FrameCoalescer* m_frames = nullptr;
    std::string m_fragment; // the latest, shown or waiting
};

} // namespace quillet
