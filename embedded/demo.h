#pragma once
// The demo database: one university with three faculties, one cash desk and two cashiers
// ("kassir" / "kassir1" without terminal rights, "starshiy" / "starshiy1" with them).

#include <QString>

namespace zur::embedded {

inline constexpr int kDemoStudents = 150;
inline constexpr int kDemoPayments = 400;

// Creates the demo database in the new file `path` with about `students` students and
// `payments` generated payments (at least 10 and 50). Refuses an existing file. Throws
// db::DbError.
void createDemo(const QString& path, int students = kDemoStudents, int payments = kDemoPayments);

}  // namespace zur::embedded
