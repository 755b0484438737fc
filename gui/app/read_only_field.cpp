#include "app/read_only_field.h"

#include <QApplication>
#include <QLineEdit>
#include <QPalette>

namespace billpay::gui {

void SetFieldEditable(QLineEdit* field, bool editable) {
    field->setReadOnly(!editable);
    field->setFocusPolicy(editable ? Qt::StrongFocus : Qt::ClickFocus);
    // The window colour of an edit field is the palette's base; a shut one
    // takes the button face.
    const QPalette standard = QApplication::palette(field);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, standard.color(editable ? QPalette::Base : QPalette::Button));
    field->setPalette(palette);
}

void MakeReadOnlyField(QLineEdit* field, const QString& hint) {
    SetFieldEditable(field, false);
    field->setToolTip(hint);
    field->setStatusTip(hint);
}

}  // namespace billpay::gui
