// billpay: the desktop wizard that validates an ABA file and converts it into
// a New Zealand bank's payment file.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Vorla Bill Payment Utility");
    QLabel placeholder("Vorla Bill Payment Utility");
    placeholder.show();
    return app.exec();
}
