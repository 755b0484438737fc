#pragma once

#include <QDialog>
#include <QSize>

class QFrame;
class QLabel;
class QPushButton;

namespace billpay::gui {

// The sizes the about window is held between on a screen of the given pixels
// per inch. Its window measures 372 by 292 around a 356 by 254 client area;
// Qt limits the client area, so the limits below are those window sizes less
// the frame. The minimum grows with the screen (truncate(ppi x 372 / 96) by
// truncate(ppi x 292 / 96)), the maximum stays at 372 by 292 unless the
// minimum passes it, which then sets both.
struct SizeLimits {
    QSize minimum;
    QSize maximum;
};
SizeLimits AboutBoxSizeLimits(int pixelsPerInch);

// The about window: product, version, copyright and support lines, the
// program's icon and an OK button.
class TAboutBox final : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(QWidget* parent = nullptr);

    QLabel* ProductName;
    QLabel* Version;
    QLabel* Copyright;
    QLabel* Email;
    QLabel* Phone;
    QLabel* Facsimile;
    QLabel* ProgramIcon;
    QPushButton* OKButton;

private:
    void FormCreate();

    QFrame* pnlDetails_;
};

// Opens the about window modally, without an owner (so it stands on its own
// on the screen), and frees it when it closes. `parent` only picks the
// screen it is centred on.
void ShowAboutBox(QWidget* parent);

}  // namespace billpay::gui
