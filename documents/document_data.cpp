#include "documents/document_data.h"

#include <cmath>

namespace zur::documents {

QString money_text(double amount) {
    // Halves round away from zero, as a cashier rounds, not to the nearest binary neighbour.
    const double cents = std::round(amount * 100.0);
    return QString::asprintf("%10.2f", cents / 100.0).replace(QLatin1Char('.'), QLatin1Char(','));
}

}  // namespace zur::documents
