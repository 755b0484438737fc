#include "app/about_details.h"

#ifndef BILLPAY_COPYRIGHT_HOLDER
#define BILLPAY_COPYRIGHT_HOLDER "Vorla"
#endif
#ifndef BILLPAY_SUPPORT_EMAIL
#define BILLPAY_SUPPORT_EMAIL "support e-mail not configured"
#endif
#ifndef BILLPAY_SUPPORT_PHONE
#define BILLPAY_SUPPORT_PHONE "support phone not configured"
#endif
#ifndef BILLPAY_SUPPORT_FAX
#define BILLPAY_SUPPORT_FAX "support fax not configured"
#endif

namespace billpay::gui {

AboutDetails ConfiguredAboutDetails() {
    return {
        QStringLiteral(u"Copyright \u00A9 ") + QString::fromUtf8(BILLPAY_COPYRIGHT_HOLDER) +
            QStringLiteral("\nAll rights reserved."),
        QString::fromUtf8(BILLPAY_SUPPORT_EMAIL),
        QString::fromUtf8(BILLPAY_SUPPORT_PHONE),
        QString::fromUtf8(BILLPAY_SUPPORT_FAX),
    };
}

}  // namespace billpay::gui
