#include "tests/support/scripted_dialogs.h"

#include <QTest>

namespace zur::test {

namespace {

const char* kindName(ScriptedDialogs::Kind kind) {
    switch (kind) {
        case ScriptedDialogs::Kind::Message:
            return "message box";
        case ScriptedDialogs::Kind::Modal:
            return "modal window";
        case ScriptedDialogs::Kind::Preview:
            return "print preview";
        case ScriptedDialogs::Kind::Url:
            return "web address";
    }
    return "?";
}

}  // namespace

ScriptedDialogs::ScriptedDialogs() {
    ui::Dialogs::install(this);
}

ScriptedDialogs::~ScriptedDialogs() {
    ui::Dialogs::install(nullptr);
    if (!script_.isEmpty()) {
        const QByteArray text =
            QStringLiteral("%1 scripted dialog step(s) never happened, next: %2")
                .arg(script_.size())
                .arg(QString::fromLatin1(kindName(script_.head().kind)))
                .toUtf8();
        QTest::qFail(text.constData(), __FILE__, __LINE__);
    }
}

ScriptedDialogs& ScriptedDialogs::answer(ui::Button answer) {
    script_.enqueue({Kind::Message, answer, {}, {}, true});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::modal(std::function<int(QDialog&)> handler) {
    script_.enqueue({Kind::Modal, ui::Button::None, std::move(handler), {}, true});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::preview(std::function<void(const ui::Printable&)> inspect) {
    script_.enqueue({Kind::Preview, ui::Button::None, {}, std::move(inspect), true});
    return *this;
}

ScriptedDialogs& ScriptedDialogs::url(bool started) {
    script_.enqueue({Kind::Url, ui::Button::None, {}, {}, started});
    return *this;
}

QVector<ScriptedDialogs::Call> ScriptedDialogs::calls(Kind kind) const {
    QVector<Call> result;
    for (const Call& call : calls_) {
        if (call.kind == kind) {
            result.append(call);
        }
    }
    return result;
}

std::optional<ScriptedDialogs::Step> ScriptedDialogs::take(Kind kind, const QString& what) {
    if (script_.isEmpty() || script_.head().kind != kind) {
        const QString expected = script_.isEmpty()
                                     ? QStringLiteral("nothing")
                                     : QString::fromLatin1(kindName(script_.head().kind));
        const QByteArray text = QStringLiteral("unexpected %1 \"%2\" (script expects %3)")
                                    .arg(QString::fromLatin1(kindName(kind)), what, expected)
                                    .toUtf8();
        QTest::qFail(text.constData(), __FILE__, __LINE__);
        return std::nullopt;
    }
    return script_.dequeue();
}

ui::Button ScriptedDialogs::message(const QString& text, const QString& caption, ui::Icon icon,
                                    ui::Buttons buttons) {
    calls_.append({Kind::Message, text, caption, icon, buttons});
    const auto step = take(Kind::Message, text);
    return step ? step->answer : ui::Button::None;
}

int ScriptedDialogs::runModal(QDialog& dialog) {
    const QString name = QString::fromLatin1(dialog.metaObject()->className());
    calls_.append({Kind::Modal, name, dialog.windowTitle(), ui::Icon::None, {}});
    const auto step = take(Kind::Modal, name);
    return step && step->modal ? step->modal(dialog) : int(QDialog::Rejected);
}

void ScriptedDialogs::printPreview(const ui::Printable& document) {
    calls_.append({Kind::Preview, document.title(), {}, ui::Icon::None, {}});
    const auto step = take(Kind::Preview, document.title());
    if (step && step->inspect) {
        step->inspect(document);
    }
}

bool ScriptedDialogs::openUrl(const QUrl& address) {
    calls_.append({Kind::Url, address.toString(), {}, ui::Icon::None, {}});
    const auto step = take(Kind::Url, address.toString());
    return step && step->started;
}

}  // namespace zur::test
