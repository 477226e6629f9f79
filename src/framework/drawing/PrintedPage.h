#pragma once

#include "QPainterGraphics.h"

#include <QPainter>

#include <memory>

class QPrinter;

namespace fw {

/// @brief One page being printed: the printer, its painter and the page's drawing surface.
///
/// One unit of the surface is 1/96 inch, so a drawing has on paper the size it has in a
/// window on a typical screen. The origin is the top-left corner of the printable area.
/// The page is finished and sent when the object is destroyed.
class PrintedPage {
  public:
    /// Starts painting on @p printer; throws IOException when the printer cannot start.
    explicit PrintedPage(std::unique_ptr<QPrinter> printer);
    ~PrintedPage();
    PrintedPage(const PrintedPage&) = delete;
    PrintedPage& operator=(const PrintedPage&) = delete;

    ::Graphics& Surface() { return *graphics_; }
    QPrinter& Printer() { return *printer_; }
    QPainter& Painter() { return painter_; }

  private:
    std::unique_ptr<QPrinter> printer_;
    QPainter painter_;
    std::unique_ptr<QPainterGraphics> graphics_;
};

} // namespace fw
