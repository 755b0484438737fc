#include "app/page_tab_bar.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace billpay::gui {

QPoint TabCaptionOrigin(const QRect& tabRect, const QSize& textSize) {
    // Integer division truncates toward zero, also for a caption wider than its tab.
    return {tabRect.left() + (tabRect.width() - textSize.width()) / 2,
            tabRect.top() + (tabRect.height() - textSize.height()) / 2};
}

TPageTabBar::TPageTabBar(QWidget* parent) : QTabBar(parent) {
    setDrawBase(true);
    setExpanding(false);
    setUsesScrollButtons(false);
}

TPageControl::TPageControl(QWidget* parent) : QTabWidget(parent) {
    auto* tabs = new TPageTabBar(this);
    tabs->setObjectName("PageControlTabs");
    setTabBar(tabs);
}

void TPageTabBar::PageControlDrawTab(QPainter& painter, int index, const QRect& rect, bool active) const {
    const QColor font = active ? QColor(0, 0, 255) : QColor(Qt::black);
    const QColor background =
        active ? palette().color(QPalette::HighlightedText) : palette().color(QPalette::Button);
    painter.fillRect(rect, background);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(rect.adjusted(0, 0, -1, -1));

    const QString caption = tabText(index);
    const QFontMetrics metrics(painter.font());
    const QSize textSize(metrics.horizontalAdvance(caption), metrics.height());
    const QPoint origin = TabCaptionOrigin(rect, textSize);
    painter.setPen(font);
    painter.drawText(QRect(origin, textSize), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, caption);
}

QSize TPageTabBar::tabSizeHint(int index) const {
    const QFontMetrics metrics(font());
    return {metrics.horizontalAdvance(tabText(index)) + 10, metrics.height() + 10};
}

void TPageTabBar::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int i = 0; i < count(); ++i) PageControlDrawTab(painter, i, tabRect(i), i == currentIndex());
    if (hasFocus() && currentIndex() >= 0) {
        // Keyboard users see which tab the arrow keys move from.
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = tabRect(currentIndex()).adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

}  // namespace billpay::gui
