#include "data/session_context.h"

namespace zur::data {

SessionContext& SessionContext::instance() {
    static SessionContext context;
    return context;
}

}  // namespace zur::data
