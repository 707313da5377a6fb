#pragma once
// The one painter of printed pages, and the ways out of the program: PDF and a printer.

#include <QString>

class QPainter;
class QPrinter;

namespace zur::ui {
class Printable;
}

namespace zur::report {

class Page;

// Draws `page` on a device showing the whole sheet; `pixelsPerMm` is the device's resolution.
void paint(QPainter& painter, const Page& page, double pixelsPerMm);

// Writes every page of `document` into a PDF file; false when the file cannot be written.
bool renderToPdf(const ui::Printable& document, const QString& path);

// Prints every page of `document` on `printer` in the document's own page format.
bool print(const ui::Printable& document, QPrinter& printer);

}  // namespace zur::report
