#pragma once

#include <QString>

namespace billpay::gui {

// The version the about window shows.
inline const QString kAboutVersion = QStringLiteral("1.10");

// The about window's copyright and support lines, set when the program is
// built (the BILLPAY_COPYRIGHT_HOLDER, BILLPAY_SUPPORT_EMAIL,
// BILLPAY_SUPPORT_PHONE and BILLPAY_SUPPORT_FAX options).
struct AboutDetails {
    QString copyright;  // two lines: the notice and the rights line
    QString email;
    QString phone;
    QString fax;
};

AboutDetails ConfiguredAboutDetails();

}  // namespace billpay::gui
