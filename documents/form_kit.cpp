#include "documents/form_kit.h"

#include <array>

namespace zur::documents {

namespace {

constexpr double kMmPerPoint = 25.4 / 72.0;
constexpr double kLineSpacing = 1.15;
constexpr double kRuleGapMm = 0.8;
constexpr double kSignatureMm = 14;  // the rule signed on

}  // namespace

report::TextFont times(double points, Weight weight) {
    report::TextFont font;
    font.points = points;
    font.bold = weight == Weight::Bold || weight == Weight::BoldItalic;
    font.italic = weight == Weight::Italic || weight == Weight::BoldItalic;
    return font;
}

Rows::Rows(report::Page& page, double x, double width, double top, double points)
    : page_(page),
      x_(x),
      width_(width),
      y_(top),
      points_(points),
      line_(points * kMmPerPoint * kLineSpacing) {}

QRectF Rows::take(double lines) {
    const QRectF rect(x_, y_, width_, lines * line_);
    y_ += rect.height();
    return rect;
}

void Rows::rule() {
    y_ += kRuleGapMm;
    page_.addRule(QLineF(x_, y_, x_ + width_, y_));
    y_ += kRuleGapMm;
}

report::Label& put(report::Page& page, const QString& name, const QRectF& rect, const QString& text,
                   const report::TextFont& font, report::Align align, bool wrap) {
    report::Label label;
    label.name = name;
    label.rect = rect;
    label.text = text;
    label.font = font;
    label.align = align;
    label.wrap = wrap;
    return page.add(std::move(label));
}

report::Label& captioned(report::Page& page, const QRectF& row, double captionMm,
                         const QString& captionName, const QString& caption,
                         const report::TextFont& captionFont, const QString& name,
                         const QString& text, const report::TextFont& font, bool wrap) {
    put(page, captionName, QRectF(row.x(), row.y(), captionMm, row.height()), caption, captionFont);
    const QRectF value(row.x() + captionMm, row.y(), row.width() - captionMm, row.height());
    return put(page, name, value, text, font, report::Align::Left, wrap);
}

void addSignature(report::Page& page, const QRectF& row, double captionMm,
                  const QString& captionName, const QString& caption, const QString& name,
                  const QString& person, const report::TextFont& font, bool wrap) {
    report::TextFont captionFont = font;
    captionFont.bold = false;
    captionFont.italic = false;
    put(page, captionName, QRectF(row.x(), row.y(), captionMm, row.height()), caption, captionFont);
    const double lineStart = row.x() + captionMm;
    const double lineEnd = lineStart + qMin(kSignatureMm, (row.width() - captionMm) * 0.2);
    page.addRule(QLineF(lineStart, row.bottom() - 0.5, lineEnd, row.bottom() - 0.5), 0.15);
    put(page, name, QRectF(lineEnd + 1, row.y(), row.right() - lineEnd - 1, row.height()), person,
        font, report::Align::Left, wrap);
}

void addAmountTable(report::Page& page, Rows& rows, const AmountTable& table,
                    const TOplataRec& rec) {
    const double sumWidth = rows.width() * 0.27;
    const double accountWidth = rows.width() * 0.2;
    const double descWidth = rows.width() - sumWidth - accountWidth;
    const double sumX = rows.x() + descWidth;
    const double accountX = sumX + sumWidth;
    const double top = rows.y();
    const auto cells = [&](const QRectF& row) {
        return std::array<QRectF, 3>{QRectF(row.x(), row.y(), descWidth - 1, row.height()),
                                     QRectF(sumX, row.y(), sumWidth - 1, row.height()),
                                     QRectF(accountX, row.y(), accountWidth - 1, row.height())};
    };
    const auto bold = times(rows.points(), Weight::Bold);
    const auto regular = times(rows.points(), Weight::Regular);
    const auto caption = [&](const char* base) { return QString::fromUtf8(base) + table.suffix; };
    const report::Align align = table.valueAlign;

    auto row = cells(rows.take());
    put(page, caption("SumHead"), row[1], QStringLiteral("Сумма"), bold, report::Align::Centre);
    put(page, caption("AccountHead"), row[2], QStringLiteral("Счёт"), bold, report::Align::Centre);
    row = cells(rows.take());
    put(page, caption("TotalCaption"), row[0], table.totalCaption, bold);
    put(page, table.total, row[1], rec.total_sum, bold, align);
    put(page, caption("InclCaption"), rows.take(), QStringLiteral("В том числе:"), regular);
    put(page, caption("PurposeCaption"), rows.take(), QStringLiteral("Целевые назначения:"),
        regular);
    row = cells(rows.take(table.purposeLines));
    put(page, table.purpose, row[0], rec.purpose_name, bold, report::Align::Left,
        table.purposeLines > 1);
    put(page, table.sum1, row[1], rec.sum1, bold, align);
    put(page, table.account1, row[2], rec.account1, bold, align);
    row = cells(rows.take());
    put(page, table.account2Name, row[0], rec.account2_name, bold);
    put(page, table.sum2, row[1], rec.sum2, bold, align);
    put(page, table.account2, row[2], rec.account2, bold, align);

    const double bottom = rows.y();
    page.addRule(QLineF(sumX - 0.5, top, sumX - 0.5, bottom));
    page.addRule(QLineF(accountX - 0.5, top, accountX - 0.5, bottom));
    page.addRule(
        QLineF(sumX - 0.5, top + rows.lineMm(), rows.x() + rows.width(), top + rows.lineMm()));
}

}  // namespace zur::documents
