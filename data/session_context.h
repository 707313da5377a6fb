#pragma once
// Who works at which cash desk: filled once at login, read by every window.

#include <QString>

namespace zur::data {

struct SessionContext {
    QString current_login;
    int current_user_id = 0;
    int cash_desk_id = 0;
    int income_purpose_id = 0;
    int expense_purpose_id = 0;  // follows the purpose last picked on the expense page
    int refund_purpose_id = 0;

    // The one instance of the run.
    static SessionContext& instance();
};

}  // namespace zur::data
