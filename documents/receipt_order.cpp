#include "documents/receipt_order.h"

#include "documents/document_data.h"
#include "documents/order_text.h"

namespace zur::documents {

namespace {

using report::Align;

// The controls of one half; the counterfoil repeats the order's under names of its own.
struct HalfNames {
    const char* institution;
    const char* faculty;
    const char* title;
    const char* date;
    const char* total;
    const char* purpose;
    const char* sum1;
    const char* account1;
    const char* account2Name;
    const char* sum2;
    const char* account2;
    const char* payer;
    const char* basis;
    const char* note;
    const char* transfer;
    const char* words;
    const char* chief;
    const char* cashier;
    const char* suffix;       // for the captions of the half
    const char* titlePrefix;  // the title before the order number
};

constexpr HalfNames kOrder = {"QRLabel19",
                              "QR_Faculty_lbl",
                              "QRLabel1",
                              "QRDate_Lbl",
                              "QR_Sum_Lbl",
                              "QRL_CelNaz",
                              "QR_Sum2_lbl",
                              "QR_Shet1Lbl",
                              "QR_Shet2NameLbl",
                              "QRSum_3_Lbl",
                              "QR_Shet2Lbl",
                              "QR_StudentLbl",
                              "QR_Osnovanie_Lbl",
                              "QRLabel4",
                              "QRLabel30",
                              "QR_Oplata_Lbl",
                              "QRLabel27",
                              "QRLabel24",
                              "",
                              "ПРИХОДНЫЙ КАССОВЫЙ ОРДЕР № "};

constexpr HalfNames kCounterfoil = {"QRLabel21",
                                    "QR_Faculty_lbl_left",
                                    "QRLabel2",
                                    "QRDate_Lbl_left",
                                    "QR_Sum_Lbl_left",
                                    "QRL_CelNaz_left",
                                    "QR_Sum2_lbl_left",
                                    "QR_Shet1Lbl_Left",
                                    "QR_Shet2NameLbl_Left",
                                    "QRSum_3_Lbl_left",
                                    "QR_Shet2Lbl_Left",
                                    "QR_StudentLbl_Left",
                                    "QR_Osnovanie_Lbl_left",
                                    "QRLabel8",
                                    "QRLabel33",
                                    "QR_Oplata_Lbl_left",
                                    "QRLabel28",
                                    "QRLabel29",
                                    "_left",
                                    "КВИТАНЦИЯ К ПРИХОДНОМУ КАССОВОМУ ОРДЕРУ № "};

struct HalfStyle {
    double points;       // every text of the half
    double smallPoints;  // its title and its amount in words
    double titleLines;
    double signatureLines;  // a long name may take a second line on the narrow half
};

constexpr HalfStyle kOrderStyle = {13, 13, 1, 1};
constexpr HalfStyle kCounterfoilStyle = {11, 9, 1.7, 2};

// Values printed alike on both halves.
struct Values {
    QString date;
    QString words;
    QString note;
    QString transfer;
};

// A5 landscape less the margins is 198 x 134 mm: the counterfoil on the left, the order right.
constexpr double kAreaHeight = 134;
constexpr QRectF kCounterfoilBox(0, 0, 84, kAreaHeight);
constexpr QRectF kOrderBox(88, 0, 110, kAreaHeight);
constexpr double kInset = 2;

QString name(const char* base, const char* suffix) {
    return QString::fromUtf8(base) + QString::fromUtf8(suffix);
}

void addHalf(report::Page& page, const QRectF& box, const HalfNames& n, const HalfStyle& style,
             const TOplataRec& rec, const Values& v, const Officials& officials) {
    page.addFrame(box);
    Rows rows(page, box.x() + kInset, box.width() - 2 * kInset, box.y() + 1.5, style.points);
    const double pt = style.points;
    const double captionMm = pt * 3.0;
    const auto header = times(pt, Weight::BoldItalic);
    const auto bold = times(pt, Weight::Bold);
    const auto regular = times(pt, Weight::Regular);

    put(page, n.institution, rows.take(2), rec.institution_name, header, Align::Centre, true);
    put(page, n.faculty, rows.take(2), QString(), header, Align::Centre, true).dataColumn =
        TForm4::facultyColumn();
    put(page, n.title, rows.take(style.titleLines), QString::fromUtf8(n.titlePrefix) + rec.order_no,
        times(style.smallPoints, Weight::BoldItalic), Align::Centre, true);
    captioned(page, rows.take(), captionMm, name("DateCaption", n.suffix), QStringLiteral("Дата:"),
              bold, n.date, v.date, bold);
    rows.rule();
    AmountTable table;
    table.suffix = QString::fromUtf8(n.suffix);
    table.totalCaption = QStringLiteral("Итого к оплате:");
    table.total = n.total;
    table.purpose = n.purpose;
    table.sum1 = n.sum1;
    table.account1 = n.account1;
    table.account2Name = n.account2Name;
    table.sum2 = n.sum2;
    table.account2 = n.account2;
    table.purposeLines = 2;  // a long purpose wraps rather than being cut off
    addAmountTable(page, rows, table, rec);
    rows.rule();
    captioned(page, rows.take(), captionMm, name("PayerCaption", n.suffix),
              QStringLiteral("Плательщик:"), regular, n.payer, rec.payer_name, bold);
    captioned(page, rows.take(2), captionMm, name("BasisCaption", n.suffix),
              QStringLiteral("Основание:"), regular, n.basis, rec.basis, bold, true);
    captioned(page, rows.take(3), captionMm, name("NoteCaption", n.suffix),
              QStringLiteral("Примечание:"), regular, n.note, v.note, bold, true);
    put(page, n.transfer, rows.take(), v.transfer, header).enabled = next_year_transfer;
    captioned(page, rows.take(2), captionMm, name("WordsCaption", n.suffix),
              QStringLiteral("Сумма прописью:"), regular, n.words, v.words,
              times(style.smallPoints, Weight::Bold), true);
    rows.rule();
    addSignature(page, rows.take(style.signatureLines), captionMm, name("ChiefCaption", n.suffix),
                 QStringLiteral("Главный бухгалтер:"), n.chief, officials.glavBuh, bold, true);
    addSignature(page, rows.take(style.signatureLines), captionMm, name("CashierCaption", n.suffix),
                 QStringLiteral("Кассир:"), n.cashier, officials.kasir, bold, true);
}

Values valuesOf(const TOplataRec& rec, const ReceiptInputs& inputs) {
    Values v;
    v.date = date_time_line(rec.pay_date, inputs.now);
    v.words = amount_line(rec.total_sum, WordsVariant::Receipt);
    v.note = rec.note;
    if (next_year_transfer) {
        v.transfer = next_year_sum + QStringLiteral(" переводится на ") + next_year_name +
                     QStringLiteral(" уч.год.");
        v.note =
            QStringLiteral(" гр.") + inputs.group_name + QLatin1Char('\r') + inputs.speciality_text;
    }
    return v;
}

void removeFromBothHalves(report::Page& page,
                          std::initializer_list<const char * HalfNames::*> fields) {
    for (const auto field : fields) {
        page.remove(QString::fromUtf8(kOrder.*field));
        page.remove(QString::fromUtf8(kCounterfoil.*field));
    }
}

}  // namespace

TForm4::TForm4(const ReceiptInputs& inputs)
    : report::Page(QStringLiteral("ПРИХОДНЫЙ КАССОВЫЙ ОРДЕР № ") + document_data.order_no,
                   QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(5, 7, 7, 7)) {
    const TOplataRec& rec = document_data;
    const Values values = valuesOf(rec, inputs);
    addHalf(*this, kCounterfoilBox, kCounterfoil, kCounterfoilStyle, rec, values, inputs.officials);
    addHalf(*this, kOrderBox, kOrder, kOrderStyle, rec, values, inputs.officials);
    next_year_transfer = false;

    if (rec.institution_name.toUpper() == inputs.faculty_doc_name.toUpper()) {
        removeFromBothHalves(*this, {&HalfNames::faculty});
    }
    if (is_zero_amount(rec.sum2)) {
        removeFromBothHalves(*this,
                             {&HalfNames::account2Name, &HalfNames::sum2, &HalfNames::account2});
    }
    if (inputs.rs_opl) {
        setText(QString::fromUtf8(kOrder.institution), QString());
        setText(QString::fromUtf8(kCounterfoil.institution), QString());
    }
}

}  // namespace zur::documents
