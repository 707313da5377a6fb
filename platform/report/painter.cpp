#include "platform/report/painter.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include "platform/report/page.h"

namespace zur::report {

namespace {

// A text too long for its place is set smaller rather than spilling over its neighbours.
constexpr double kSmallestScale = 0.65;
constexpr double kScaleStep = 0.05;
constexpr double kMmPerPoint = 25.4 / 72.0;

QFont fontFor(const TextFont& wanted, double pixelsPerMm, double scale) {
    QFont font(wanted.family);
    font.setBold(wanted.bold);
    font.setItalic(wanted.italic);
    font.setPixelSize(qMax(1, qRound(wanted.points * kMmPerPoint * pixelsPerMm * scale)));
    return font;
}

int flagsFor(const Label& label) {
    int flags = Qt::AlignTop;
    switch (label.align) {
        case Align::Left:
            flags |= Qt::AlignLeft;
            break;
        case Align::Centre:
            flags |= Qt::AlignHCenter;
            break;
        case Align::Right:
            flags |= Qt::AlignRight;
            break;
    }
    return flags | (label.wrap ? Qt::TextWordWrap : Qt::TextSingleLine);
}

// Carriage returns of stored texts end lines on paper too.
QString printedText(const QString& text) {
    QString out = text;
    out.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return out;
}

QRectF toDevice(const QRectF& mm, double pixelsPerMm) {
    return {mm.x() * pixelsPerMm, mm.y() * pixelsPerMm, mm.width() * pixelsPerMm,
            mm.height() * pixelsPerMm};
}

bool fits(const QFont& font, const QPainter& painter, const QRectF& rect, int flags,
          const QString& text) {
    const QRectF needed = QFontMetricsF(font, painter.device()).boundingRect(rect, flags, text);
    return needed.width() <= rect.width() + 0.5 && needed.height() <= rect.height() + 0.5;
}

void paintLabel(QPainter& painter, const Label& label, double pixelsPerMm) {
    const QRectF rect = toDevice(label.rect, pixelsPerMm);
    const QString text = printedText(label.text);
    const int flags = flagsFor(label);
    double scale = 1.0;
    QFont font = fontFor(label.font, pixelsPerMm, scale);
    while (scale - kScaleStep >= kSmallestScale && !fits(font, painter, rect, flags, text)) {
        scale -= kScaleStep;
        font = fontFor(label.font, pixelsPerMm, scale);
    }
    painter.setFont(font);
    painter.drawText(rect, flags, text);
}

QPen penOf(double mm, double pixelsPerMm) {
    QPen pen(Qt::black);
    pen.setWidthF(mm * pixelsPerMm);
    return pen;
}

// Sets a device to the document's page with no margins of its own: the painter then sees the
// whole sheet, which is what paint() expects.
template <typename Device>
void preparePageOf(Device& device, const ui::Printable& document) {
    QPageLayout layout = document.pageLayout();
    layout.setMinimumMargins(QMarginsF());
    layout.setMargins(QMarginsF());
    device.setPageLayout(layout);
}

template <typename Device>
bool paintAll(Device& device, const ui::Printable& document, double pixelsPerMm) {
    QPainter painter;
    if (!painter.begin(&device)) {
        return false;
    }
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0) {
            device.newPage();
        }
        document.paintPage(painter, i, pixelsPerMm);
    }
    return painter.end();
}

}  // namespace

void paint(QPainter& painter, const Page& page, double pixelsPerMm) {
    const QMarginsF margins = page.pageLayout().margins(QPageLayout::Millimeter);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(margins.left() * pixelsPerMm, margins.top() * pixelsPerMm);
    painter.setBrush(Qt::NoBrush);
    for (const Frame& frame : page.frames()) {
        painter.setPen(penOf(frame.penMm, pixelsPerMm));
        painter.drawRect(toDevice(frame.rect, pixelsPerMm));
    }
    for (const Rule& rule : page.rules()) {
        painter.setPen(penOf(rule.penMm, pixelsPerMm));
        painter.drawLine(QLineF(rule.line.p1() * pixelsPerMm, rule.line.p2() * pixelsPerMm));
    }
    painter.setPen(Qt::black);
    for (const Label& label : page.labels()) {
        if (label.enabled && !label.text.isEmpty()) {
            paintLabel(painter, label, pixelsPerMm);
        }
    }
    painter.restore();
}

bool renderToPdf(const ui::Printable& document, const QString& path) {
    QPdfWriter writer(path);
    writer.setTitle(document.title());
    writer.setCreator(QStringLiteral("ZUR 10 Касса"));
    preparePageOf(writer, document);
    return paintAll(writer, document, writer.resolution() / 25.4);
}

bool print(const ui::Printable& document, QPrinter& printer) {
    printer.setFullPage(true);
    printer.setDocName(document.title());
    preparePageOf(printer, document);
    return paintAll(printer, document, printer.resolution() / 25.4);
}

}  // namespace zur::report
