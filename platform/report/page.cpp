#include "platform/report/page.h"

#include <QPageLayout>

#include "platform/report/painter.h"

namespace zur::report {

Page::Page(QString title, QPageSize size, QPageLayout::Orientation orientation, QMarginsF marginsMm)
    : title_(std::move(title)), layout_(size, orientation, marginsMm, QPageLayout::Millimeter) {}

Label& Page::add(Label label) {
    if (Label* existing = find(label.name)) {
        *existing = std::move(label);
        return *existing;
    }
    labels_.append(std::move(label));
    return labels_.last();
}

void Page::addFrame(QRectF rect, double penMm) {
    frames_.append({rect, penMm});
}

void Page::addRule(QLineF line, double penMm) {
    rules_.append({line, penMm});
}

bool Page::remove(const QString& name) {
    return labels_.removeIf([&](const Label& l) { return l.name == name; }) > 0;
}

const Label* Page::find(const QString& name) const {
    for (const Label& label : labels_) {
        if (label.name == name) {
            return &label;
        }
    }
    return nullptr;
}

Label* Page::find(const QString& name) {
    return const_cast<Label*>(std::as_const(*this).find(name));
}

QString Page::text(const QString& name) const {
    const Label* label = find(name);
    return label ? label->text : QString();
}

bool Page::setText(const QString& name, const QString& text) {
    Label* label = find(name);
    if (label) {
        label->text = text;
    }
    return label != nullptr;
}

bool Page::setEnabled(const QString& name, bool enabled) {
    Label* label = find(name);
    if (label) {
        label->enabled = enabled;
    }
    return label != nullptr;
}

int Page::bind(const QString& column, const QString& value) {
    int count = 0;
    if (column.isEmpty()) {
        return count;
    }
    for (Label& label : labels_) {
        if (label.dataColumn.compare(column, Qt::CaseInsensitive) == 0) {
            label.text = value;
            ++count;
        }
    }
    return count;
}

QSizeF Page::areaMm() const {
    return layout_.paintRect(QPageLayout::Millimeter).size();
}

void Page::paintPage(QPainter& painter, int index, double pixelsPerMm) const {
    if (index == 0) {
        paint(painter, *this, pixelsPerMm);
    }
}

}  // namespace zur::report
