#pragma once
// The one seam through which the program shows message boxes, modal windows, print previews and
// web addresses. The real service shows windows; tests install a scripted one.

#include <QFlags>
#include <QString>
#include <QUrl>

class QDialog;
class QPainter;
class QPageLayout;

namespace zur::ui {

enum class Icon { None, Information, Warning, Error, Question };

enum class Button { None = 0, Ok = 0x1, Cancel = 0x2, Yes = 0x4, No = 0x8 };
Q_DECLARE_FLAGS(Buttons, Button)
Q_DECLARE_OPERATORS_FOR_FLAGS(Buttons)

// Something that can be previewed and printed page by page (a printed document).
class Printable {
public:
    virtual ~Printable() = default;
    virtual QString title() const = 0;
    virtual QPageLayout pageLayout() const = 0;
    virtual int pageCount() const = 0;
    // Draws page `index` on a painter whose device has the layout's full page rectangle in
    // device pixels; `pixelsPerMm` converts the document's millimetres.
    virtual void paintPage(QPainter& painter, int index, double pixelsPerMm) const = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal message box; returns the button pressed (Button::None when closed otherwise).
    virtual Button message(const QString& text, const QString& caption, Icon icon,
                           Buttons buttons) = 0;
    // Runs a window modally; returns its result code (QDialog::Accepted / Rejected / custom).
    virtual int runModal(QDialog& dialog) = 0;
    // Shows the print preview of a document; the cashier prints from there.
    virtual void printPreview(const Printable& document) = 0;
    // Opens a web address in the browser; false when it could not be started.
    virtual bool openUrl(const QUrl& url) = 0;

    // The service in use; the real one unless another was installed.
    static Dialogs& instance();
    // Installs `dialogs` (not owned) as the service; nullptr restores the real one.
    static void install(Dialogs* dialogs);
};

// Shorthand for the program's usual notices.
Button message(const QString& text, const QString& caption = QStringLiteral("Уведомление"),
               Icon icon = Icon::Warning, Buttons buttons = Button::Ok);

}  // namespace zur::ui
