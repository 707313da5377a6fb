#include "desk/payment_prelude.h"

#include "data/dm_smeta.h"
#include "desk/tform1.h"
#include "documents/document_data.h"
#include "platform/ui/dialogs.h"

#include <QDateTimeEdit>
#include <QLineEdit>
#include <QRegularExpression>

namespace zur::desk {

namespace {

QString field_text(db::DataSet& set, const char* name) {
    return set.fieldByName(QString::fromLatin1(name)).asString();
}

double field_number(db::DataSet& set, const char* name) {
    const db::Field& field = set.fieldByName(QString::fromLatin1(name));
    return field.isNull() ? 0.0 : field.asFloat();
}

QString institution_of(data::TDM_Smeta& dm) {
    const QString faculty = dm.ADOQ_Faculty->value(QStringLiteral("id_faculty")).toString();
    const db::ResultSet result = dm.ADOCon.query(
        QStringLiteral("SELECT TOP(1) Vuz.v2 FROM Vuz, Faculty WHERE Faculty.id_vuz = Vuz.id_vuz "
                       "AND Faculty.id_faculty = ") +
        (faculty.isEmpty() ? QStringLiteral("NULL") : faculty));
    return result.rows.isEmpty() ? QString() : result.rows[0][0].toString();
}

}  // namespace

std::optional<double> read_amount(const QString& text) {
    static const QRegularExpression number(QStringLiteral("^(\\d+,?\\d*|,\\d+)$"));
    QString comma = text;
    comma.replace(QLatin1Char('.'), QLatin1Char(','));
    if (!number.match(comma).hasMatch()) {
        return std::nullopt;
    }
    return comma.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

double money_value(const QString& text) {
    QString plain = text.trimmed();
    return plain.replace(QLatin1Char(','), QLatin1Char('.')).toDouble();
}

documents::AmountSplit split_between_accounts(double amount, double percent1, double percent2) {
    const double first = amount / (percent1 / 100.0 + 1.0);
    documents::AmountSplit split;
    split.sum1 = documents::money_text(first);
    split.sum2 = documents::money_text(first * (percent2 / 100.0));
    split.total = documents::money_text(money_value(split.sum1) + money_value(split.sum2));
    return split;
}

std::optional<double> payment_prelude(TForm1& window) {
    const std::optional<double> amount = read_amount(window.Oplata_Edit->text());
    if (!amount) {
        ui::message(kAmountNotNumber);
        return std::nullopt;
    }
    data::TDM_Smeta& dm = *data::DM_Smeta;
    dm.ADOQ_Order1->close();
    dm.ADOQ_Order2->close();

    documents::TOplataRec& rec = documents::document_data;
    rec.institution_name = institution_of(dm);
    rec.pay_date = window.DateTimePicker->dateTime();
    db::DataSet& purpose = *dm.ADOT_Uslugi_2;
    rec.percent1 = field_number(purpose, "proc1");
    rec.percent2 = field_number(purpose, "proc2");
    rec.account1 = field_text(purpose, "Shet1");
    rec.account2 = field_text(purpose, "Shet2");
    rec.account2_name = field_text(purpose, "n_Shet2");
    rec.purpose_name = field_text(purpose, "uslugi");

    const documents::AmountSplit split =
        split_between_accounts(*amount, rec.percent1, rec.percent2);
    rec.sum1 = split.sum1;
    rec.sum2 = split.sum2;
    rec.total_sum = split.total;
    return amount;
}

}  // namespace zur::desk
