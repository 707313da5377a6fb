#pragma once
// The dialogs service of tests: answers from a script in order, records every call and fails
// the running test on a call it was not told to expect.

#include "platform/ui/dialogs.h"

#include <QDialog>
#include <QQueue>
#include <QVector>
#include <functional>
#include <optional>

namespace zur::test {

class ScriptedDialogs : public ui::Dialogs {
  public:
    enum class Kind { Message, Modal, Preview, Url };

    struct Call {
        Kind kind;
        QString text;     // message text, dialog class name, document title or address
        QString caption;  // message caption
        ui::Icon icon = ui::Icon::None;
        ui::Buttons buttons;
    };

    ScriptedDialogs();            // installs itself
    ~ScriptedDialogs() override;  // restores the real service; fails on unused script steps

    // The next call is a message box; it answers `answer`.
    ScriptedDialogs& answer(ui::Button answer);
    // The next call runs a modal window; `handler` fills it in and returns its result code.
    ScriptedDialogs& modal(std::function<int(QDialog&)> handler);
    // The next call previews a document; `inspect` looks at it while it exists.
    ScriptedDialogs& preview(std::function<void(const ui::Printable&)> inspect = {});
    // The next call opens a web address; it reports `started`.
    ScriptedDialogs& url(bool started = true);

    const QVector<Call>& calls() const { return calls_; }
    // Calls of one kind, in order.
    QVector<Call> calls(Kind kind) const;
    int pending() const { return int(script_.size()); }

    ui::Button message(const QString& text, const QString& caption, ui::Icon icon,
                       ui::Buttons buttons) override;
    int runModal(QDialog& dialog) override;
    void printPreview(const ui::Printable& document) override;
    bool openUrl(const QUrl& address) override;

  private:
    struct Step {
        Kind kind;
        ui::Button answer = ui::Button::None;
        std::function<int(QDialog&)> modal;
        std::function<void(const ui::Printable&)> inspect;
        bool started = true;
    };
    // The next step when it is of `kind`; otherwise fails the test and returns nullopt.
    std::optional<Step> take(Kind kind, const QString& what);

    QQueue<Step> script_;
    QVector<Call> calls_;
};

}  // namespace zur::test
