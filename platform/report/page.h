#pragma once
// The page model of a printed document: named texts, frames and rules placed in millimetres on one
// sheet. Documents build a page; the painter draws it on a preview, a printer or into PDF; tests
// read the texts back by name.

#include <QLineF>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>
#include <QVector>

#include "platform/ui/dialogs.h"

namespace zur::report {

enum class Align { Left, Centre, Right };

struct TextFont {
    QString family = QStringLiteral("Times New Roman");
    double points = 13;
    bool bold = false;
    bool italic = false;
};

// A text on the page. A data field takes its text from a column the caller binds it to.
struct Label {
    QString name;
    QRectF rect;  // millimetres from the top-left corner of the printable area
    QString text;
    TextFont font;
    Align align = Align::Left;
    bool wrap = false;
    bool enabled = true;  // a disabled label is kept but not printed
    QString dataColumn;   // non-empty for a data field

    bool isDataField() const { return !dataColumn.isEmpty(); }
};

struct Frame {
    QRectF rect;  // millimetres, as Label::rect
    double penMm = 0.3;
};

struct Rule {
    QLineF line;  // millimetres, as Label::rect
    double penMm = 0.2;
};

class Page : public ui::Printable {
  public:
    Page(QString title, QPageSize size, QPageLayout::Orientation orientation, QMarginsF marginsMm);

    // Adds a label; a label of the same name is replaced. Returns the stored label.
    Label& add(Label label);
    void addFrame(QRectF rect, double penMm = 0.3);
    void addRule(QLineF line, double penMm = 0.2);
    // Takes a label off the page; false when there was none of that name.
    bool remove(const QString& name);

    bool contains(const QString& name) const { return find(name) != nullptr; }
    const Label* find(const QString& name) const;
    Label* find(const QString& name);
    // The label's text; empty when the page has no such label.
    QString text(const QString& name) const;
    // Sets the text of a label the page still has; false when it has none of that name.
    bool setText(const QString& name, const QString& text);
    bool setEnabled(const QString& name, bool enabled);
    // Gives every data field bound to `column` the value; returns how many took it.
    int bind(const QString& column, const QString& value);

    const QVector<Label>& labels() const { return labels_; }
    const QVector<Frame>& frames() const { return frames_; }
    const QVector<Rule>& rules() const { return rules_; }
    // The printable area's size in millimetres.
    QSizeF areaMm() const;

    QString title() const override { return title_; }
    QPageLayout pageLayout() const override { return layout_; }
    int pageCount() const override { return 1; }
    void paintPage(QPainter& painter, int index, double pixelsPerMm) const override;

  private:
    QString title_;
    QPageLayout layout_;
    QVector<Label> labels_;
    QVector<Frame> frames_;
    QVector<Rule> rules_;
};

}  // namespace zur::report
