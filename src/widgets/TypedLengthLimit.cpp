#include "widgets/TypedLengthLimit.h"

#include <QLineEdit>
#include <QValidator>

#include <algorithm>

namespace {

// QLineEdit's own maximum length cuts pasted text and text the program sets;
// a validator refuses the whole edit instead and never sees the program's
// setText as an edit to undo.
class TypedLengthValidator : public QValidator {
public:
    TypedLengthValidator(QLineEdit* field, int length)
        : QValidator(field), m_length(length), m_current(field->text().size()) {
        connect(field, &QLineEdit::textChanged, this,
                [this](const QString& text) { m_current = text.size(); });
    }

    State validate(QString& input, int&) const override {
        // Over the limit only if the edit lengthens the text: a text the
        // program made longer may still be shortened.
        return input.size() <= m_length || input.size() <= m_current ? Acceptable : Invalid;
    }

    // The program is about to set a text of this length.
    void allow(qsizetype length) { m_current = std::max(m_current, length); }

private:
    int m_length;
    qsizetype m_current;
};

} // namespace

void LimitTypedLength(QLineEdit* field, int length) {
    field->setValidator(new TypedLengthValidator(field, length));
}

void SetFieldText(QLineEdit* field, const QString& text) {
    // Found by type: the validator is ours only if LimitTypedLength set it.
    if (auto* limit =
            dynamic_cast<TypedLengthValidator*>(const_cast<QValidator*>(field->validator())))
        limit->allow(text.size());
    field->setText(text);
}
