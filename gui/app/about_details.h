#pragma once

#include <QString>

namespace billpay::gui {

// The about window's version, copyright and support lines, set when the
// program is built: the version is the project's (the one billpay-cli and the
// packages show), the others come from the BILLPAY_COPYRIGHT_HOLDER,
// BILLPAY_SUPPORT_EMAIL, BILLPAY_SUPPORT_PHONE and BILLPAY_SUPPORT_FAX options.
struct AboutDetails {
    QString version;
    QString copyright;  // two lines: the notice and the rights line
    QString email;
    QString phone;
    QString fax;
};

AboutDetails ConfiguredAboutDetails();

}  // namespace billpay::gui
