#pragma once

#include "widgets/FixedDialog.h"
#include "widgets/Theme.h"

#include <QFont>
#include <QMargins>

class LineList;
class QFrame;
class QLayout;
class QVBoxLayout;

// The frame every dialog over one list of the catalogue shares, the list
// editors and the import dialogs alike: a modal window of one size, left only
// through its own buttons, holding the page `panContainer` of one size with a
// banner over an instruction line, the list `lstRecords` on the panel
// `shpLista`, the fields of a design on the panel `shpSfondo` and a row of
// buttons at the foot.
class CatalogueDialog : public FixedDialog {
    Q_OBJECT

protected:
    enum class FieldsPlace { AboveList, BelowList };

    // What tells the designs apart.
    struct Frame {
        QString bannerName; // the banner picture's control name
        QString bannerText;
        QString instructionName; // the instruction picture's control name
        QString instructionText;
        QFont instructionFont;
        Theme::Look panelLook; // of the list's panel and of the fields' panel
        QMargins listMargins;  // between the list's panel and what it holds
        int spacing;           // between the parts of the page
        // True: the list's panel takes the height the page leaves; false: it
        // keeps the height of what it holds and the room left stays under it.
        bool listTakesRoom;
        FieldsPlace fieldsPlace;
    };

    CatalogueDialog(const QString& className, const QString& title, const Frame& frame,
                    QWidget* owner);

    // Under the list, on its panel.
    void addUnderList(QWidget* widget);

    // The fields of the design, at the frame's place for them; the panel
    // takes its name and the look of the list's panel.
    void setFieldsArea(QFrame* shpSfondo);

    // The row of buttons at the foot of the page.
    void setFoot(QLayout* foot);

    QWidget* panContainer;
    LineList* lstRecords;

private:
    QFrame* m_listPanel;
    QVBoxLayout* m_listColumn;
    QVBoxLayout* m_page;
    Theme::Look m_panelLook;
    FieldsPlace m_fieldsPlace;
};
