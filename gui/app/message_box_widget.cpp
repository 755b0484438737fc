#include "app/message_box_widget.h"

#include "app/app_title.h"

namespace billpay::gui {

namespace {

QMessageBox::Icon IconFor(MessageKind kind) {
    switch (kind) {
        case MessageKind::Information:
            return QMessageBox::Information;
        case MessageKind::Warning:
            return QMessageBox::Warning;
        case MessageKind::Error:
            return QMessageBox::Critical;
    }
    return QMessageBox::Information;
}

}  // namespace

QString MessageBoxText(const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

std::unique_ptr<QMessageBox> CreateMessageBox(QWidget* parent, MessageKind kind, const QString& caption,
                                              const QString& text) {
    auto box = std::make_unique<QMessageBox>(parent);
    box->setIcon(IconFor(kind));
    box->setWindowTitle(caption.isEmpty() ? kApplicationTitle : caption);
    box->setTextFormat(Qt::PlainText);
    box->setText(MessageBoxText(text));
    box->setStandardButtons(QMessageBox::Ok);
    box->setDefaultButton(QMessageBox::Ok);
    return box;
}

void WidgetMessageBoxes::Show(MessageKind kind, const QString& caption, const QString& text) {
    CreateMessageBox(parent_, kind, caption, text)->exec();
}

}  // namespace billpay::gui
