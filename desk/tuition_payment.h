#pragma once
// "Произвести оплату" on the tuition page: a student, an applicant or a listener pays. The form
// is checked, an enrolled applicant is refused, the amount is split between the purpose's two
// accounts, a student's tuition fee is compared with the course's contract (an overpayment on a
// course that is not the last may go to another academic year), the payment and its transfer are
// stored together, an applicant's admission record is updated, the receipt is previewed, an
// applicant is enrolled and the window is cleared for the next payer.
//
// Database errors go through (db::DbError): before the payment is stored nothing is; when the
// payment and its transfer cannot both be stored neither is and the window stays as it was;
// a failure after that (admission record, receipt, enrolment) keeps the payment and leaves the
// window unreset.

#include <QDateTime>
#include <QString>

namespace zur::data {
class TDM_Smeta;
}

namespace zur::desk {

class TForm1;

class TuitionPayment {
  public:
    explicit TuitionPayment(TForm1& window);

    void run();

    // Messages of the registration.
    static inline const QString kFormIncomplete = QStringLiteral("вы заполнили не все поля!");
    static inline const QString kAlreadyEnrolled = QStringLiteral(
        "Данный абитуриент уже зачислен в группу!\rВы должны производить оплату "
        "для него на вкладке \"Студент\".");
    static inline const QString kUnknownError = QStringLiteral("Неопределённая ошибка.");
    static inline const QString kLastCourse = QStringLiteral(
        "Студент учится на последнем курсе!\rВведённая оплата привышает стоемость "
        "курса.");

  private:
    // Where the part beyond the contract goes; amount "0": nowhere.
    struct Transfer {
        QString amount = QStringLiteral("0");
        QVariant year;
        int course = 0;
    };

    bool formComplete() const;
    bool applicantEnrolled();
    void prepareRecordSets();
    // False when the registration must stop (the speciality is not in its list).
    bool checkContract();
    void offerTransfer(double contract, double paid);
    void storePayment();
    void updateAdmissionRecord();
    void fillDocument();
    void showReceipt();
    void enrolApplicant();
    void reset();

    TForm1& w_;
    data::TDM_Smeta& dm_;
    int subPage_;
    double amount_ = 0;
    Transfer transfer_;
    // Taken before the receipt is shown, for the enrolment.
    QVariant applicant_;
    QVariant applicantSpeciality_;
    QVariant year_;
};

}  // namespace zur::desk
