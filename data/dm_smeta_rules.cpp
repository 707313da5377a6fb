// The record rules of the data module.

#include "data/dm_smeta.h"
#include "data/search_window_link.h"
#include "data/session_context.h"
#include "platform/db/sql_text.h"
#include "platform/ui/dialogs.h"

#include <QDate>
#include <QGuiApplication>

namespace zur::data {

using db::DataSet;

namespace {

const int kTerminalPayment = 5;
const QString kNotice = QStringLiteral("Уведомление");

void refuse(DataSet&) {
    throw db::Abort{};
}

// A rule whose statements fail ends the post with the database's text; the record stays in
// its edit state.
void reportAndAbort(const db::DbError& error) {
    ui::message(error.message(), QStringLiteral("Ошибка"), ui::Icon::Error, ui::Button::Ok);
    throw db::Abort{};
}

}  // namespace

void TDM_Smeta::attachRules() {
    ADOQ_Payment->beforePost = [this](DataSet&) { paymentBeforePost(); };
    ADOQ_Abiturient->beforePost = ADOQ_Payment->beforePost;
    ADOQ_Abiturient2->beforePost = ADOQ_Payment->beforePost;
    ADOQ_Expense->beforePost = [this](DataSet&) { expenseBeforePost(); };
    ADOQ_Payment->beforeEdit = [this](DataSet&) { paymentBeforeEdit(); };

    const auto enableApply = [this](DataSet&) { setApplyEnabled(true); };
    const auto disableApply = [this](DataSet&) { setApplyEnabled(false); };
    for (DataSet* set : {ADOQ_Payment, ADOQ_Expense, ADOQ_Abiturient, ADOQ_Abiturient2}) {
        set->afterEdit = enableApply;
        set->afterCancel = disableApply;
    }
    ADOQ_Expense->afterInsert = enableApply;

    // No payment row is ever appended through a grid.
    const auto dropInsert = [this](DataSet&) { ADOQ_Payment->cancel(); };
    for (DataSet* set : {ADOQ_Payment, ADOQ_Abiturient, ADOQ_Abiturient2}) {
        set->afterInsert = dropInsert;
    }

    for (DataSet* set : {ADOQ_SpecialVisible, ADOQ_Lookup, ADOQ_Payment1V, ADOQ_Payment2V,
                         ADOQ_Payment3V, ADOQ_NewSpeciality}) {
        set->beforeInsert = refuse;
    }
    ADOQ_NewSpeciality->beforeDelete = refuse;

    ADOT_Shet->onCalcFields = [](DataSet& set) {
        for (const QString& suffix : {QString(), QStringLiteral("2")}) {
            set.fieldByName(QStringLiteral("Normal_Shet") + suffix)
                .setValue(set.fieldByName(QStringLiteral("shet") + suffix).asString() + u'(' +
                          set.fieldByName(QStringLiteral("n_shet") + suffix).asString() + u')');
        }
    };
    ADOT_Shet->beforePost = [](DataSet& set) {
        set.fieldByName(QStringLiteral("id_kassa"))
            .setValue(SessionContext::instance().cash_desk_id);
    };
    ADOT_Uslugi_2->beforePost = [](DataSet& set) {
        set.fieldByName(QStringLiteral("id_kassa"))
            .setValue(SessionContext::instance().cash_desk_id);
        if (set.state() != db::DataSetState::Insert) {
            return;
        }
        for (const char* percent : {"proc1", "proc2"}) {
            db::Field& field = set.fieldByName(QString::fromLatin1(percent));
            if (field.isNull()) {
                field.setValue(0.0);
            }
        }
    };
}

void TDM_Smeta::setApplyEnabled(bool enabled) {
    if (searchWindow_ != nullptr) {
        searchWindow_->setApplyEnabled(enabled);
    }
}

void TDM_Smeta::stampRecord(DataSet& record) {
    record.fieldByName(QStringLiteral("ZUR_USER"))
        .setValue(SessionContext::instance().current_login);
    record.fieldByName(QStringLiteral("ZUR_Update")).setValue(QDate::currentDate().startOfDay());
}

bool TDM_Smeta::userCanTerminal() {
    ADOQ_Exec->reopen(
        QStringLiteral(" SELECT  ZUR_login, canTerminal  FROM  dbo.ZUR_User  WHERE     (ZUR_login "
                       "= N%1) AND (visible = 1) ")
            .arg(db::sqlString(SessionContext::instance().current_login)));
    return !ADOQ_Exec->isEmpty() &&
           ADOQ_Exec->fieldByName(QStringLiteral("canTerminal")).asBoolean();
}

void TDM_Smeta::paymentBeforePost() {
    DataSet& payment = *ADOQ_Payment;
    if (!payment.isEditing()) {
        return;  // posted from an applicant list while no payment is being edited
    }
    if (searchWindow_ != nullptr) {
        searchWindow_->setApplyEnabled(false);
        searchWindow_->recordChanges(payment, QStringLiteral("Payment"),
                                     QStringLiteral("id_payment"));
    }
    stampRecord(payment);
    try {
        if (userCanTerminal()) {
            return;
        }
    } catch (const db::DbError& error) {
        reportAndAbort(error);
    }
    db::Field& kind = payment.fieldByName(QStringLiteral("id_v_opl"));
    const QVariant before = kind.oldValue();
    const auto isTerminal = [](const QVariant& value) {
        return !value.isNull() && value.toLongLong() == kTerminalPayment;
    };
    if (isTerminal(kind.value()) || isTerminal(before)) {
        kind.setValue(before);
        ui::message(QStringLiteral("Вы не можете менять вид оплаты по терминалу"), kNotice,
                    ui::Icon::None, ui::Button::Ok);
    }
}

void TDM_Smeta::expenseBeforePost() {
    if (searchWindow_ != nullptr) {
        searchWindow_->setApplyEnabled(false);
        searchWindow_->recordChanges(*ADOQ_Expense, QStringLiteral("Expense"),
                                     QStringLiteral("id_expense"));
    }
    stampRecord(*ADOQ_Expense);
}

void TDM_Smeta::paymentBeforeEdit() {
    const ui::Button answer =
        ui::message(QStringLiteral("Были сделаны изменения...\rХотите их сохранить?"), kNotice,
                    ui::Icon::Question, ui::Button::Yes | ui::Button::No);
    if (answer == ui::Button::Yes) {
        ui::message(QStringLiteral("Сохранено!"), QGuiApplication::applicationDisplayName(),
                    ui::Icon::None, ui::Button::Ok);
    } else if (searchWindow_ != nullptr) {
        searchWindow_->setPaymentGridReadOnly();
    }
}

}  // namespace zur::data
