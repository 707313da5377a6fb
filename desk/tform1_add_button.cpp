// "Произвести оплату" / "Произвести возврат": the registration of the page shown.

#include "desk/expense_registration.h"
#include "desk/income_registration.h"
#include "desk/tform1.h"
#include "desk/tuition_payment.h"

#include <QTabWidget>

namespace zur::desk {

void TForm1::wireRegistrations() {
    // Each registration sets its member here (one line each).
    onRegisterTuition = [this] { TuitionPayment(*this).run(); };
    onRegisterIncome = [this] { IncomeRegistration(*this).run(); };
    onRegisterExpense = [this] { ExpenseRegistration(*this).run(); };
}

void TForm1::AddBtnClick() {
    const std::function<void()>* registration = nullptr;
    switch (PageControl1->currentIndex()) {
        case kTuitionPage:
            registration = &onRegisterTuition;
            break;
        case kIncomePage:
            registration = &onRegisterIncome;
            break;
        case kExpensePage:
            registration = &onRegisterExpense;
            break;
    }
    if (registration && *registration) {
        (*registration)();
    }
}

}  // namespace zur::desk
