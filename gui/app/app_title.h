#pragma once

#include <QString>

namespace billpay::gui {

// The application title: the main window's caption, the about window's product
// name, the caption of message boxes that name no caption of their own.
inline const QString kApplicationTitle = QStringLiteral("Vorla Bill Payment Utility");

// The settings store: organisation and application.
inline const QString kOrganisationName = QStringLiteral("Vorla");

}  // namespace billpay::gui
