#include "platform/ui/dialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace zur::ui {

namespace {

QMessageBox::Icon boxIcon(Icon icon) {
    switch (icon) {
        case Icon::Information:
            return QMessageBox::Information;
        case Icon::Warning:
            return QMessageBox::Warning;
        case Icon::Error:
            return QMessageBox::Critical;
        case Icon::Question:
            return QMessageBox::Question;
        case Icon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

const QPair<Button, QMessageBox::StandardButton> kButtons[] = {
    {Button::Ok, QMessageBox::Ok},
    {Button::Cancel, QMessageBox::Cancel},
    {Button::Yes, QMessageBox::Yes},
    {Button::No, QMessageBox::No},
};

// Prints every page of `document` on a full-page `printer`, millimetres scaled to device pixels.
void printDocument(const Printable& document, QPrinter& printer) {
    QPainter painter(&printer);
    const double pixelsPerMm = printer.resolution() / 25.4;
    for (int page = 0; page < document.pageCount(); ++page) {
        if (page > 0) {
            printer.newPage();
        }
        document.paintPage(painter, page, pixelsPerMm);
    }
}

class WindowDialogs : public Dialogs {
public:
    Button message(const QString& text, const QString& caption, Icon icon,
                   Buttons buttons) override {
        QMessageBox box(boxIcon(icon), caption, text, QMessageBox::NoButton,
                        QApplication::activeWindow());
        for (const auto& [ours, theirs] : kButtons) {
            if (buttons.testFlag(ours)) {
                box.addButton(theirs);
            }
        }
        const int pressed = box.exec();
        for (const auto& [ours, theirs] : kButtons) {
            if (pressed == theirs) {
                return ours;
            }
        }
        return Button::None;
    }

    int runModal(QDialog& dialog) override { return dialog.exec(); }

    void printPreview(const Printable& document) override {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageLayout(document.pageLayout());
        printer.setFullPage(true);
        printer.setDocName(document.title());
        QPrintPreviewDialog preview(&printer, QApplication::activeWindow());
        preview.setWindowTitle(document.title());
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
                         [&document](QPrinter* target) { printDocument(document, *target); });
        preview.exec();
    }

    bool openUrl(const QUrl& url) override { return QDesktopServices::openUrl(url); }
};

Dialogs* installed = nullptr;

}  // namespace

Dialogs& Dialogs::instance() {
    static WindowDialogs windows;
    return installed ? *installed : windows;
}

void Dialogs::install(Dialogs* dialogs) { installed = dialogs; }

Button message(const QString& text, const QString& caption, Icon icon, Buttons buttons) {
    return Dialogs::instance().message(text, caption, icon, buttons);
}

}  // namespace zur::ui
