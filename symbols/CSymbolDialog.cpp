#include "symbols/CSymbolDialog.h"

#include "controls/DialogFont.h"
#include "platform/TextCodec.h"

#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QValidator>

#include <limits>

namespace quillet {
namespace {

// The dialog's layout in dialog units of its font, controls in tab order.
constexpr QSize kClientSize{187, 95};
constexpr QRect kNameLabel{7, 5, 35, 8};
constexpr QRect kNameField{7, 15, 103, 13};
constexpr QRect kTypeLabel{115, 5, 30, 8};
constexpr QRect kTypeField{115, 15, 65, 13};
constexpr QRect kContentLabel{7, 35, 33, 8};
constexpr QRect kContentField{7, 47, 171, 13};
constexpr QRect kOkButton{74, 74, 51, 14};
constexpr QRect kCancelButton{130, 74, 50, 14};

constexpr QChar kEndOfText(0x1A);

// CR LF, a lone CR and a lone LF each become one space: the words stay apart, as they
// would in HTML, and no line break reaches the user symbol file. So does the end-of-file
// byte 1A, which would end the file for every later symbol when it is read back.
QString JoinLines(QString text) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    text.replace(kEndOfText, QLatin1Char(' '));
    return text;
}

// Fixes every edit of a field, typed, pasted or dropped, instead of refusing it.
class OneLineValidator : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& pos) const override {
        if (input.contains(QLatin1Char('\r')) || input.contains(QLatin1Char('\n')) ||
            input.contains(kEndOfText)) {
            pos = static_cast<int>(JoinLines(input.left(pos)).size());
            input = JoinLines(input);
        }
        return Acceptable;
    }
};

} // namespace

CSymbolDialog::CSymbolDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("130"));
    setModal(true);
    setFont(QFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
    const DialogBaseUnits base = DialogFontUnits(font());
    setFixedSize(DialogRectToPixels(QRect(QPoint(0, 0), kClientSize), base).size());

    auto* validator = new OneLineValidator(this);
    const auto addField = [&](const QString& label, const QRect& labelRect, const char* id,
                              const QRect& fieldRect) {
        auto* caption = new QLabel(label, this);
        caption->setGeometry(DialogRectToPixels(labelRect, base));
        auto* field = new QLineEdit(this);
        field->setObjectName(QString::fromLatin1(id));
        field->setGeometry(DialogRectToPixels(fieldRect, base));
        // Registered fragments can be long; nothing may be cut off.
        field->setMaxLength(std::numeric_limits<int>::max());
        field->setValidator(validator);
        caption->setBuddy(field);
        field->setAccessibleName(QString(label).remove(QRegularExpression(R"(\(&.\)|:)")));
        connect(field, &QLineEdit::textChanged, this, &CSymbolDialog::UpdateOkButton);
        return field;
    };
    m_name = addField(QStringLiteral("名前(&N):"), kNameLabel, "1005", kNameField);
    m_type = addField(QStringLiteral("種類(&T):"), kTypeLabel, "1006", kTypeField);
    m_content = addField(QStringLiteral("内容(&C):"), kContentLabel, "1007", kContentField);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("1"));
    m_ok->setGeometry(DialogRectToPixels(kOkButton, base));
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &CSymbolDialog::accept);

    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setGeometry(DialogRectToPixels(kCancelButton, base));
    connect(cancel, &QPushButton::clicked, this, &CSymbolDialog::reject);

    m_name->setFocus();
    UpdateOkButton();
}

void CSymbolDialog::SetTexts(const SymbolRecord& texts) {
    // Filling a field does not pass its validator.
    m_name->setText(JoinLines(FromCp932(texts.name)));
    m_type->setText(JoinLines(FromCp932(texts.type)));
    m_content->setText(JoinLines(FromCp932(texts.content)));
    m_name->selectAll();
    UpdateOkButton();
}

SymbolRecord CSymbolDialog::Texts() const {
    return {ToCp932(m_name->text()), ToCp932(m_type->text()), ToCp932(m_content->text())};
}

void CSymbolDialog::accept() {
    // An empty name would shift every later record when the file is read back.
    if (IsComplete()) {
        QDialog::accept();
    }
}

bool CSymbolDialog::IsComplete() const {
    return !m_name->text().isEmpty() && !m_type->text().isEmpty() && !m_content->text().isEmpty();
}

void CSymbolDialog::UpdateOkButton() {
    m_ok->setEnabled(IsComplete());
}

} // namespace quillet
