#pragma once
// The stored procedures of the ZUR database on the embedded engine, written in C++.
//
// GET_USER login, password hash, new password hash or NULL, program, IP address, computer,
//          login again, '0', length of the third argument as sent
//   Checks a visible ZUR_User row by login (letter case ignored) and password (upper-case MD5 hex
//   of the Windows-1251 bytes). Returns one row of six columns:
//     0, 1  the working database user and password, each character one code lower than the
//           real one (the program adds 1); the embedded engine needs none, so these are
//           placeholders (ZUR_User.db_user / db_password, else the login and "zur");
//     2     id_ZUR_user (0 when the login is unknown);
//     3     password state: days left of the password's lifetime (setting 51, default 90 days)
//           counted from ZUR_User.password_date; -1 when must_change is set or no date is known;
//     4     a message that stops the login, else empty;
//     5     the lowest program version admitted (setting 50, default 0).
//   A wrong password counts a failed login; the fifth one in a row locks the user. A locked user
//   gets a message whatever the password. With a correct password and a new password hash, the
//   new password is stored (it must differ from the old one), its date set to now and
//   must_change cleared; the state then reports a fresh lifetime. Every call is recorded in
//   ZUR_Login_Log with the program, IP address, computer and the outcome.
//
// GetNum date, user, direction, payment kind
//   Order numbers run per cash desk (the user's ZUR_User.id_kassa), per direction (1 income:
//   Payment, 0 expense: Expense) and per calendar year of the date ('dd.mm.yyyy' or ISO). Gives
//   one row with column p104: the highest number used so far, NULL when none. The payment kind
//   does not split the numbering. Two cashiers at one desk share one series, so no two cash
//   orders of a desk carry the same number.
//
// GetThreeNums date, user, direction, which
//   Same series as GetNum. which 1: the three highest order numbers, ascending; which 0: the
//   three latest additional numbers (p104_1, not empty), oldest first, so the last row is the
//   most recent. Column p104 in both.
//
// DoAutoRecepted @id_abiturient, @id_speciality, @id_rate, @id_a_year
//   Enrols an applicant who is not deleted, not yet a student, has not taken the documents back
//   and whose admission record says the fee is paid (ReceptInfo.pay): creates the Student row
//   (name, code, birth date, passport, citizenship), the movement_t row of the course in the
//   first group (by name) that Groups_payment offers for the speciality, course and year
//   (contract, arrival now), and marks the applicant as student. With no such group, or any
//   condition unmet, nothing changes. All or nothing.
//
// GetFacultyFromKassaForUser user
//   The faculties served by the user's cash desk (KasFak): id_faculty, p23-1, p23-2, RS_opl,
//   id_vuz, ordered by p23-1.

#include <QString>

namespace zur::embedded {

// Registers the procedures above with the embedded connections. Call once per process.
void registerProcedures();

// The settings of VuzDefaults that the procedures read.
inline constexpr int kSettingMinimalVersion = 50;
inline constexpr int kSettingPasswordLifetime = 51;
inline constexpr int kDefaultPasswordLifetimeDays = 90;
inline constexpr int kFailedLoginsToLock = 5;

}  // namespace zur::embedded
