#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

#include "app/app_title.h"
#include "app/message_box_widget.h"

using namespace billpay::gui;

TEST(MessageBoxWidget, CarriageReturnsBecomeLineBreaks) {
    EXPECT_EQ(MessageBoxText("one\rtwo\r\nthree\n\rfour"), "one\ntwo\nthree\n\nfour");
    EXPECT_EQ(MessageBoxText("single"), "single");
}

TEST(MessageBoxWidget, BoxShowsIconOkAndCaptionOrTitle) {
    const struct {
        MessageKind kind;
        const char* caption;
        QMessageBox::Icon icon;
        QString title;
    } cases[] = {
        {MessageKind::Information, "", QMessageBox::Information, kApplicationTitle},
        {MessageKind::Warning, "Could not convert ABA file", QMessageBox::Warning,
         "Could not convert ABA file"},
        {MessageKind::Error, "Error Writing Bank File", QMessageBox::Critical, "Error Writing Bank File"},
    };
    for (const auto& c : cases) {
        const auto box = CreateMessageBox(nullptr, c.kind, c.caption, "<Please select>\rnext");
        EXPECT_EQ(box->icon(), c.icon);
        EXPECT_EQ(box->windowTitle(), c.title);
        EXPECT_EQ(box->text(), "<Please select>\nnext");
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
        ASSERT_NE(box->defaultButton(), nullptr);
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()), box->button(QMessageBox::Ok));
    }
}

TEST(MessageBoxWidget, ShowWaitsForOk) {
    QString shownText;
    QTimer::singleShot(0, qApp, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        shownText = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    WidgetMessageBoxes(nullptr).Show(MessageKind::Error, "Error Opening ABA File", "line 1\rline 2");
    EXPECT_EQ(shownText, "line 1\nline 2");
}
