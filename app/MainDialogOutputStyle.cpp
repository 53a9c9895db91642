// The output style: the window menu's check item, kept across runs by "OutputStyle".
#include "app/MainDialog.h"

#include <QAction>

namespace quillet {

void CMainDialog::CreateOutputStyleAction() {
    m_html5Action = new QAction("HTML5 で出力(&H)", this);
    m_html5Action->setObjectName("html5Action");
    m_html5Action->setCheckable(true);
    connect(m_html5Action, &QAction::toggled, this,
            [this](bool on) { SetOutputStyle(on ? OutputStyle::Html5 : OutputStyle::Present); });
}

void CMainDialog::SetOutputStyle(OutputStyle style) {
    m_settings.OutputStyle = SettingOf(style);
    if (m_composer == nullptr || m_composer->State().Style == style) {
        return;
    }
    m_composer->State().Style = style;
    m_composer->RebuildTag();
}

} // namespace quillet
