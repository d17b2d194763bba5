#pragma once

#include <QFrame>

// The yellow rectangle that frames a field while it has the focus. It follows
// the field's geometry and stays hidden while the field has no focus. A window
// that merely loses activation (a message box, another window in front, a
// popup menu) keeps the frame of its focused field.
class FocusFrame : public QFrame {
    Q_OBJECT

public:
    FocusFrame(const QString& name, QWidget* field);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();
    QWidget* m_field;
};
