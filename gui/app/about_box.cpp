#include "app/about_box.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include "app/about_details.h"
#include "app/app_title.h"
#include "app/art.h"

namespace billpay::gui {

namespace {

constexpr QSize kClientSize(356, 254);
constexpr QSize kWindowSize(372, 292);
constexpr QSize kFrame = kWindowSize - kClientSize;
constexpr int kDesignPixelsPerInch = 96;
constexpr int kIconSize = 32;

// The panel and its rows, in client pixels.
constexpr QRect kPanel(8, 8, 340, 198);
constexpr int kCaptionLeft = 12;
constexpr int kValueLeft = 106;
constexpr int kValueWidth = kPanel.width() - 12 - kValueLeft;
constexpr int kRowHeight = 20;

QLabel* AddRow(QWidget* panel, const char* name, const QString& caption, int top, int lines) {
    auto* label = new QLabel(caption, panel);
    label->setGeometry(kCaptionLeft, top, kValueLeft - kCaptionLeft - 4, kRowHeight);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* value = new QLabel(panel);
    value->setObjectName(name);
    value->setTextFormat(Qt::PlainText);
    value->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    value->setGeometry(kValueLeft, top, kValueWidth, kRowHeight * lines);
    QFont bold = value->font();
    bold.setBold(true);
    value->setFont(bold);
    label->setBuddy(value);
    return value;
}

}  // namespace

SizeLimits AboutBoxSizeLimits(int pixelsPerInch) {
    const QSize minimumWindow(pixelsPerInch * kWindowSize.width() / kDesignPixelsPerInch,
                              pixelsPerInch * kWindowSize.height() / kDesignPixelsPerInch);
    const QSize minimum = (minimumWindow - kFrame).expandedTo(QSize(0, 0));
    const QSize maximum = (kWindowSize - kFrame).expandedTo(minimum);
    return {minimum, maximum};
}

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent), pnlDetails_(new QFrame(this)) {
    setObjectName("AboutBox");
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    resize(kClientSize);

    pnlDetails_->setObjectName("pnlDetails");
    pnlDetails_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    pnlDetails_->setLineWidth(2);
    pnlDetails_->setGeometry(kPanel);

    // The rows end above the icon, so each value may use the panel's width.
    ProductName = AddRow(pnlDetails_, "ProductName", QStringLiteral("Product Name:"), 12, 1);
    Version = AddRow(pnlDetails_, "Version", QStringLiteral("Version:"), 33, 1);
    Copyright = AddRow(pnlDetails_, "Copyright", QStringLiteral("Copyright:"), 54, 2);
    Email = AddRow(pnlDetails_, "Email", QStringLiteral("Email:"), 96, 1);
    Phone = AddRow(pnlDetails_, "Phone", QStringLiteral("Phone:"), 117, 1);
    Facsimile = AddRow(pnlDetails_, "Facsimile", QStringLiteral("Facsimile:"), 138, 1);

    ProgramIcon = new QLabel(pnlDetails_);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setGeometry(kPanel.width() - 8 - kIconSize, kPanel.height() - 8 - kIconSize, kIconSize,
                             kIconSize);
    ProgramIcon->setPixmap(ApplicationIconPixmap(kIconSize));

    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setObjectName("OKButton");
    OKButton->setGeometry((kClientSize.width() - 75) / 2, kPanel.bottom() + 11, 75, 25);
    OKButton->setDefault(true);
    connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
}

void TAboutBox::FormCreate() {
    setWindowTitle(QStringLiteral("About ") + kApplicationTitle);
    const AboutDetails details = ConfiguredAboutDetails();
    ProductName->setText(kApplicationTitle);
    Version->setText(kAboutVersion);
    Copyright->setText(details.copyright);
    Email->setText(details.email);
    Phone->setText(details.phone);
    Facsimile->setText(details.fax);

    const SizeLimits limits = AboutBoxSizeLimits(logicalDpiY());
    setMinimumSize(limits.minimum);
    setMaximumSize(limits.maximum);
}

void ShowAboutBox(QWidget* parent) {
    TAboutBox box;  // no owner: freed when it closes, as this returns
    if (parent != nullptr) {
        if (const QScreen* screen = parent->screen()) {
            box.move(screen->availableGeometry().center() - box.rect().center());
        }
    }
    box.exec();
}

}  // namespace billpay::gui
