#include "PrintedPage.h"

#include "RuntimeException.h"

#include <QPrinter>

namespace fw {

namespace {

/// Surface units per inch on paper: the usual logical resolution of a screen.
constexpr double unitsPerInch = 96.0;

} // namespace

PrintedPage::PrintedPage(std::unique_ptr<QPrinter> printer) : printer_(std::move(printer))
{
    if (!painter_.begin(printer_.get())) {
        const QString target = printer_->outputFileName().isEmpty() ? printer_->printerName()
                                                                    : printer_->outputFileName();
        throw IOException("cannot start printing on " + target);
    }
    const double scale = printer_->resolution() / unitsPerInch;
    painter_.scale(scale, scale);
    graphics_ = std::make_unique<QPainterGraphics>(painter_);
}

PrintedPage::~PrintedPage()
{
    graphics_.reset();
    painter_.end();
}

} // namespace fw
