#pragma once
// Small layout helpers shared by the cash order forms: texts put down a column row by row.

#include <QString>

#include "documents/document_data.h"
#include "platform/report/page.h"

namespace zur::documents {

// The cash desk's officials who sign its orders.
struct Officials {
    QString rukov;    // the head
    QString glavBuh;  // the chief accountant
    QString kasir;    // the cashier
};

enum class Weight { Regular, Bold, BoldItalic, Italic };

report::TextFont times(double points, Weight weight);

// Rows of a fixed height, from the top of a column down.
class Rows {
  public:
    Rows(report::Page& page, double x, double width, double top, double points);

    double x() const { return x_; }
    double width() const { return width_; }
    double y() const { return y_; }
    double lineMm() const { return line_; }
    double points() const { return points_; }

    // The next `lines` rows across the column; moves down past them.
    QRectF take(double lines = 1);
    // A rule across the column under the rows taken so far.
    void rule();

  private:
    report::Page& page_;
    double x_;
    double width_;
    double y_;
    double points_;
    double line_;
};

// Puts a text on the page.
report::Label& put(report::Page& page, const QString& name, const QRectF& rect, const QString& text,
                   const report::TextFont& font, report::Align align = report::Align::Left,
                   bool wrap = false);

// A caption at the left of `row` and a value in the rest of it; returns the value label.
report::Label& captioned(report::Page& page, const QRectF& row, double captionMm,
                         const QString& captionName, const QString& caption,
                         const report::TextFont& captionFont, const QString& name,
                         const QString& text, const report::TextFont& font, bool wrap = false);

// A signature line: the caption, a rule to sign on and the signer's name after it (on more
// lines when `wrap` is set and the row is tall enough).
void addSignature(report::Page& page, const QRectF& row, double captionMm,
                  const QString& captionName, const QString& caption, const QString& name,
                  const QString& person, const report::TextFont& font, bool wrap = false);

// The names of an amount table's values; its captions are named after `suffix`.
struct AmountTable {
    QString suffix;
    QString totalCaption;
    QString total;
    QString purpose;
    QString sum1;
    QString account1;
    QString account2Name;
    QString sum2;
    QString account2;
    report::Align valueAlign = report::Align::Right;
    double purposeLines = 1;
};

// The table of amounts and accounts under the heads "Сумма" and "Счёт": the total, then the
// parts for the purpose's first and second account.
void addAmountTable(report::Page& page, Rows& rows, const AmountTable& table,
                    const TOplataRec& rec);

}  // namespace zur::documents
