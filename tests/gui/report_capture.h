#pragma once

// Records what the report callers hand to the preview hook: every page's texts
// and lines, read from the display lists while the pages still exist.

#include <vector>

#include <QDateTime>
#include <QFont>
#include <QLineF>
#include <QRectF>
#include <QStringList>

#include "reports/prepared_report.h"
#include "reports/report_callers.h"

namespace billpay::gui::testing {

struct CapturedText {
    QString text;
    QRectF rect;
    QFont font;
    bool clipped = false;
};

struct CapturedPage {
    std::vector<CapturedText> texts;
    std::vector<LineRun> lines;

    QStringList Texts() const {
        QStringList out;
        for (const CapturedText& run : texts) out << run.text;
        return out;
    }
    // The first run whose text starts with `prefix`; null when there is none.
    const CapturedText* Find(const QString& prefix) const {
        for (const CapturedText& run : texts) {
            if (run.text.startsWith(prefix)) return &run;
        }
        return nullptr;
    }
};

struct CapturedReport {
    QString title;
    QSizeF pageSize;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::vector<CapturedPage> pages;
};

inline const QDateTime kReportRunTime(QDate(2026, 12, 11), QTime(13, 45, 30));

// Installs a recording hook and a fixed clock for its lifetime.
class ReportCapture {
public:
    ReportCapture() {
        SetReportClock([] { return kReportRunTime; });
        SetPreviewHook([this](PreparedReport& report) {
            CapturedReport captured{report.Title(), report.PageSize(), report.Orientation(), {}};
            for (const PreparedPage& page : report.Pages()) {
                CapturedPage& out = captured.pages.emplace_back();
                out.lines = page.lines;
                for (const TextRun& run : page.texts) {
                    out.texts.push_back({run.text.ToString(), run.rect, report.FontOf(run), run.clipped});
                }
            }
            shown.push_back(std::move(captured));
        });
    }
    ~ReportCapture() {
        SetPreviewHook({});
        SetReportClock({});
    }
    ReportCapture(const ReportCapture&) = delete;
    ReportCapture& operator=(const ReportCapture&) = delete;

    std::vector<CapturedReport> shown;
};

}  // namespace billpay::gui::testing
