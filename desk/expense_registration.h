#pragma once
// "Произвести возврат" on the expense page: money paid out to a student, an employee, an
// applicant, a listener or a recipient typed in by hand; in return mode, the refund of a found
// payment, which the expense records. The form is checked, the shared start fills the document
// record, one row goes into Expense, the expense cash order gets its cash desk or faculty header
// and, for a student, an employee or an applicant, the recipient's identity document, it is
// previewed and the page starts again from the cash desk list.
//
// Database errors go through (db::DbError). A failing insert stores nothing and leaves the page
// as it was, return mode included; a failure after it keeps the expense and leaves the page
// unreset.

namespace zur::data {
class TDM_Smeta;
}

namespace zur::documents {
class TForm9;
}

namespace zur::desk {

class TForm1;

class ExpenseRegistration {
  public:
    explicit ExpenseRegistration(TForm1& window);

    void run();

  private:
    bool formComplete() const;
    void storeExpense();
    void fillDocument();
    void showOrder();
    void setHeader(documents::TForm9& order);
    void setIdentityDocument(documents::TForm9& order);
    void reset();

    TForm1& w_;
    data::TDM_Smeta& dm_;
};

}  // namespace zur::desk
