#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTabBar>
#include <QTabWidget>

namespace billpay::gui {

// Where a tab's caption goes: centred in the tab, both halves of the spare
// room truncated toward zero, as the tabs have always been drawn.
QPoint TabCaptionOrigin(const QRect& tabRect, const QSize& textSize);

// The wizard's page tabs, owner-drawn: the active tab in pure blue on the
// highlight-text colour, the others in black on the button face. No tab is
// ever drawn greyed; the drawing depends on the active flag alone.
class TPageTabBar final : public QTabBar {
    Q_OBJECT

public:
    explicit TPageTabBar(QWidget* parent = nullptr);

    // Draws one tab (PageControlDrawTab).
    void PageControlDrawTab(QPainter& painter, int index, const QRect& rect, bool active) const;

protected:
    // Room for the caption and a small margin, so that all five tabs fit
    // the window at its smallest.
    QSize tabSizeHint(int index) const override;
    QSize minimumTabSizeHint(int index) const override { return tabSizeHint(index); }
    void paintEvent(QPaintEvent* event) override;
};

// The wizard's page control: a tab widget with the owner-drawn tabs.
class TPageControl final : public QTabWidget {
    Q_OBJECT

public:
    explicit TPageControl(QWidget* parent = nullptr);
};

}  // namespace billpay::gui
