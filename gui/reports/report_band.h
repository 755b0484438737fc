#pragma once

#include <memory>
#include <vector>

#include "reports/report_elements.h"

namespace billpay::gui {

// Page header: top of every page. Detail: once per data row. Summary: once,
// after the last detail band. Page footer: bottom of every page.
enum class BandKind { PageHeader, Detail, Summary, PageFooter };

// A horizontal strip of the page that owns the elements printed on it.
class TReportBand {
public:
    TReportBand(BandKind kind, double height) : Kind(kind), Height(height) {}

    template <class Element>
    Element* Add(double left, double top) {
        auto element = std::make_unique<Element>();
        element->Left = left;
        element->Top = top;
        Element* added = element.get();
        elements_.push_back(std::move(element));
        return added;
    }

    void Print(BandCanvas& canvas) {
        for (const auto& element : elements_) element->Print(canvas);
    }

    const BandKind Kind;
    double Height;
    bool Enabled = true;

private:
    std::vector<std::unique_ptr<TReportElement>> elements_;
};

}  // namespace billpay::gui
