#pragma once
// "Произвести оплату" on the income page: money other than tuition taken from a student, an
// employee, a listener or a payer typed in by hand, for any purpose of the cash desk. The form
// is checked, the shared start fills the document record, one row goes into Payment, the cash
// receipt order is previewed and the page starts again from the faculty list.
//
// Database errors go through (db::DbError). A failing insert stores nothing and leaves the page
// as it was; a failure after it (the faculty's name, the officials, the document) keeps the
// payment and leaves the page unreset.

namespace zur::data {
class TDM_Smeta;
}

namespace zur::desk {

class TForm1;

class IncomeRegistration {
  public:
    explicit IncomeRegistration(TForm1& window);

    void run();

  private:
    bool formComplete() const;
    void storePayment();
    void fillDocument();
    void showReceipt();
    void reset();

    TForm1& w_;
    data::TDM_Smeta& dm_;
};

}  // namespace zur::desk
