#include "documents/expense_order.h"

#include "documents/document_data.h"
#include "documents/order_text.h"

namespace zur::documents {

namespace {

using report::Align;

constexpr double kPoints = 13;
constexpr QRectF kBox(0, 0, 198, 134);  // A5 landscape less the margins
constexpr double kInset = 2;
constexpr double kCaptionMm = 39;
constexpr double kShortCaptionMm = 14;

void addHeader(report::Page& page, Rows& rows, const TOplataRec& rec, const QString& date) {
    const auto header = times(kPoints, Weight::BoldItalic);
    const auto bold = times(kPoints, Weight::Bold);
    put(page, QStringLiteral("QRLabel22"), rows.take(), rec.institution_name, header,
        Align::Centre);
    // The caller shows either the centred line or the caption with the cash desk field.
    const QRectF desk = rows.take();
    put(page, QStringLiteral("QRLabel10"), desk, QString(), header, Align::Centre);
    const QRectF deskField(desk.center().x() - 45, desk.y(), 90, desk.height());
    captioned(page, deskField, 18, QStringLiteral("QRLabel25"), QStringLiteral("Касса:"), header,
              QStringLiteral("QR_Faculty_lbl"), QString(), header)
        .dataColumn = TForm9::cashDeskColumn();
    put(page, QStringLiteral("QRLabel1"), rows.take(),
        QStringLiteral("РАСХОДНЫЙ КАССОВЫЙ ОРДЕР № ") + rec.order_no, header, Align::Centre);
    captioned(page, rows.take(), kShortCaptionMm, QStringLiteral("DateCaption"),
              QStringLiteral("Дата:"), times(kPoints, Weight::Regular),
              QStringLiteral("QRDate_Lbl"), date, bold);
}

void addTable(report::Page& page, Rows& rows, const TOplataRec& rec) {
    AmountTable table;
    table.totalCaption = QStringLiteral("Выдано:");
    table.total = QStringLiteral("QR_Sum_Lbl");
    table.purpose = QStringLiteral("QRL_CelNaz");
    table.sum1 = QStringLiteral("QR_Sum2_lbl");
    table.account1 = QStringLiteral("QR_Shet1Lbl");
    table.account2Name = QStringLiteral("QR_Shet2NameLbl");
    table.sum2 = QStringLiteral("QRSum_3_Lbl");
    table.account2 = QStringLiteral("QR_Shet2Lbl");
    table.valueAlign = Align::Centre;
    table.purposeLines = 2;
    addAmountTable(page, rows, table, rec);
}

void addRecipient(report::Page& page, Rows& rows, const TOplataRec& rec) {
    const auto regular = times(kPoints, Weight::Regular);
    const auto bold = times(kPoints, Weight::Bold);
    captioned(page, rows.take(), kCaptionMm, QStringLiteral("RecipientCaption"),
              QStringLiteral("Получатель:"), regular, QStringLiteral("QR_StudentLbl"),
              rec.payer_name, bold);
    captioned(page, rows.take(3), kCaptionMm, QStringLiteral("BasisCaption"),
              QStringLiteral("Основание:"), regular, QStringLiteral("QR_Osnovanie_Lbl"), rec.basis,
              bold, true);
    put(page, QStringLiteral("NoteCaption"), rows.take(), QStringLiteral("Примечание:"), regular);
}

void addSignatures(report::Page& page, Rows& rows, const QString& words, const QString& shortDate,
                   const Officials& officials) {
    const auto italic = times(kPoints, Weight::Italic);
    const auto regular = times(kPoints, Weight::Regular);
    const double half = rows.width() / 2;
    const auto left = [&](const QRectF& row) {
        return QRectF(row.x(), row.y(), half - 2, row.height());
    };
    const auto right = [&](const QRectF& row) {
        return QRectF(row.x() + half + 2, row.y(), half - 2, row.height());
    };

    QRectF row = rows.take();
    addSignature(page, left(row), 29, QStringLiteral("HeadCaption"),
                 QStringLiteral("Руководитель:"), QStringLiteral("QRLabel24"), officials.rukov,
                 italic);
    addSignature(page, right(row), 39, QStringLiteral("ChiefCaption"),
                 QStringLiteral("Главный бухгалтер:"), QStringLiteral("QRLabel13"),
                 officials.glavBuh, italic);
    captioned(page, rows.take(2), kCaptionMm, QStringLiteral("ReceivedCaption"),
              QStringLiteral("Получил:"), regular, QStringLiteral("QR_Oplata_Lbl2"), words, italic,
              true);
    row = rows.take();
    const QRectF date = left(row);
    captioned(page, QRectF(date.x(), date.y(), date.width() * 0.62, date.height()), kShortCaptionMm,
              QStringLiteral("SignDateCaption"), QStringLiteral("Дата:"), regular,
              QStringLiteral("QRLabel11"), shortDate, italic);
    const QRectF sign(date.x() + date.width() * 0.62, date.y(), date.width() * 0.38, date.height());
    put(page, QStringLiteral("SignatureCaption"), sign, QStringLiteral("  Подпись"), regular);
    page.addRule(QLineF(sign.x() + 20, sign.bottom() - 0.5, sign.right(), sign.bottom() - 0.5),
                 0.15);
    addSignature(page, right(row), 29, QStringLiteral("CashierCaption"),
                 QStringLiteral("Выдал кассир:"), QStringLiteral("QRLabel12"), officials.kasir,
                 italic);
    captioned(page, rows.take(), kCaptionMm, QStringLiteral("DocumentCaption"),
              QStringLiteral("Документ:"), regular, QStringLiteral("QRLabel23"), QString(), italic);
}

}  // namespace

TForm9::TForm9(const ExpenseInputs& inputs)
    : report::Page(QStringLiteral("РАСХОДНЫЙ КАССОВЫЙ ОРДЕР № ") + document_data.order_no,
                   QPageSize(QPageSize::A5), QPageLayout::Landscape, QMarginsF(5, 7, 7, 7)) {
    const TOplataRec& rec = document_data;
    const QString words = amount_line(rec.total_sum, WordsVariant::Expense);
    addFrame(kBox);
    Rows rows(*this, kBox.x() + kInset, kBox.width() - 2 * kInset, kBox.y() + 1.5, kPoints);
    addHeader(*this, rows, rec, date_time_line(rec.pay_date, inputs.now));
    rows.rule();
    addTable(*this, rows, rec);
    rows.rule();
    addRecipient(*this, rows, rec);
    rows.rule();
    captioned(*this, rows.take(2), kCaptionMm, QStringLiteral("WordsCaption"),
              QStringLiteral("Сумма прописью:"), times(kPoints, Weight::Regular),
              QStringLiteral("QR_Oplata_Lbl"), words, times(kPoints, Weight::Bold), true);
    rows.rule();
    addSignatures(*this, rows, words, short_date_line(rec.pay_date), inputs.officials);

    if (is_zero_amount(rec.sum2)) {
        remove(QStringLiteral("QRSum_3_Lbl"));
        remove(QStringLiteral("QR_Shet2NameLbl"));
        remove(QStringLiteral("QR_Shet2Lbl"));
    }
}

void TForm9::showCashDesk(const QString& kassaName) {
    bind(cashDeskColumn(), kassaName);
    setText(QStringLiteral("QRLabel10"), QString());
}

void TForm9::showFacultyHeader(const QString& nameFac) {
    setText(QStringLiteral("QRLabel25"), QString());
    remove(QStringLiteral("QR_Faculty_lbl"));
    setText(QStringLiteral("QRLabel10"), QStringLiteral("Касса: ") + nameFac);
}

void TForm9::setIdentityDocument(const QString& line) {
    setText(QStringLiteral("QRLabel23"), line);
}

}  // namespace zur::documents
