#pragma once

#include <QComboBox>

namespace quillet {

// A drop-down list that keeps the width the page gives it but opens wide enough to show
// its longest item whole ("標準フォント", "ウィンドウをクリア").
class CDropDownList : public QComboBox {
    Q_OBJECT

public:
    using QComboBox::QComboBox;

    void showPopup() override;
};

} // namespace quillet
