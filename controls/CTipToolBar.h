#pragma once

#include <QIcon>
#include <QSize>
#include <QToolBar>

#include <span>
#include <vector>

class QAction;
class QToolButton;

namespace quillet {

// A tool bar filled from a tool-bar layout resource and its image strip. Every button
// carries a command id: the button and its action are named after it (objectName "57673"),
// its tool tip is the command's tip from the string table, and pressing it emits
// CommandTriggered. Items are addressed by index (separators included) or by command id.
class CTipToolBar : public QToolBar {
    Q_OBJECT

public:
    explicit CTipToolBar(int id, QWidget* parent = nullptr);
    ~CTipToolBar() override;

    // Buttons, images and sizes from the resource: 1 on success. On failure 0, and the
    // bar is left empty.
    int LoadToolBarResource(int id);

    // Replaces every item: 0 makes a separator 8 pixels wide, any other id a button
    // showing the next image of the strip. 1 on success.
    int SetButtonIds(std::span<const int> ids);

    int ButtonCount() const;
    int CommandAt(int index) const;          // 0 for a separator, -1 for no such item
    int IndexOfCommand(int commandId) const; // first item, -1 for none
    bool DeleteButton(int index);

    QToolButton* ButtonAt(int index) const; // null for a separator or no such item
    QToolButton* ButtonForCommand(int commandId) const;
    QAction* ActionForCommand(int commandId) const;

    // Every button of the command.
    void EnableCommand(int commandId, bool enabled);
    void ShowCommand(int commandId, bool visible);
    void CheckCommand(int commandId, bool checked);
    bool IsCommandEnabled(int commandId) const;
    bool IsCommandChecked(int commandId) const;

    // Gives the item another command: its name, tip and CommandTriggered follow.
    void SetCommand(int index, int commandId);
    bool SetButtonImage(int index, int image);
    int ButtonImage(int index) const; // -1 for a separator or no such item
    void SetButtonText(int index, const QString& text);
    void SetButtonSize(QSize size);

    QSize ButtonSize() const { return m_buttonSize; }
    QSize ImageSize() const { return iconSize(); }
    int ImageCount() const { return static_cast<int>(m_images.size()); }
    QIcon Image(int image) const;

    // The tip of a command: the second part of its string, empty when there is none.
    static QString TipForCommand(int commandId);

signals:
    void CommandTriggered(int commandId);

protected:
    void changeEvent(QEvent* event) override;

private:
    struct Item {
        QAction* action = nullptr;
        int commandId = 0;
        int image = -1;
    };

    void Clear();
    void ApplyCommand(Item& item);
    void ApplyTightLayout();
    std::vector<const Item*> ItemsOf(int commandId) const;

    std::vector<Item> m_items;
    std::vector<QIcon> m_images;
    QSize m_buttonSize;
};

} // namespace quillet
