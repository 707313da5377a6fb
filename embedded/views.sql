-- The ZUR database on the embedded engine: views. Each view's rule is written above it; money is
-- rounded to kopecks (two decimals).

-- s_fio: students and listeners of short courses (both are rows of Student) with the name as
-- shown (surname, first name, patronymic; blanks only between present parts) and the code.
CREATE VIEW s_fio AS
SELECT id_student,
       (ifnull(p1, '') || ifnull(' ' || p2, '') || ifnull(' ' || p3, '')) COLLATE ZUR_CI AS s_fio,
       idid
FROM Student;

-- t_fio: staff members with the name as shown.
CREATE VIEW t_fio AS
SELECT id_teacher,
       (ifnull(p26, '') || ifnull(' ' || p27, '') || ifnull(' ' || p28, '')) COLLATE ZUR_CI AS t_fio
FROM teacher;

-- ab_fio: applicants with the name as shown; del and isStudent as recorded on the applicant.
CREATE VIEW ab_fio AS
SELECT id_student,
       (ifnull(p1, '') || ifnull(' ' || p2, '') || ifnull(' ' || p3, '')) COLLATE ZUR_CI AS ab_fio,
       idid, del, isStudent
FROM Abiturient;

-- Abiturient_Info: applicants with the name followed by " - [ code ]" when they have a code.
CREATE VIEW Abiturient_Info AS
SELECT id_student,
       (ab_fio || CASE WHEN idid IS NULL THEN '' ELSE ' - [ ' || idid || ' ]' END) COLLATE ZUR_CI
           AS ab_fio
FROM ab_fio;

-- specialityRR: the specialities as offered (com_sfe), shown as "speciality (form of study)";
-- visible and the last course come from com_sfe.
CREATE VIEW specialityRR AS
SELECT c.id_speciality,
       (sp.[p25-2] || ' (' || fe.p108 || ')') COLLATE ZUR_CI AS p25_2,
       c.id_faculty, c.visible, c.max_rate_id, c.id_special, c.id_f_educ
FROM com_sfe c
JOIN special sp ON sp.id_special = c.id_special
JOIN f_educ fe ON fe.id_f_educ = c.id_f_educ;

-- speciality: the layout of a speciality row.
CREATE VIEW speciality AS
SELECT id_speciality, id_special, id_f_educ, id_faculty FROM com_sfe;

-- Payment1V: one row per stage of study of a student (a movement_t row: group and course, the
-- academic year from g_r_y) and per visible user whose cash desk serves the group's faculty.
--   p106    the price of the stage (Groups_payment.price, 0 when the stage has none), or with a
--           privilege: priv_var 0 -> price * (100 - percent_privilege) / 100,
--                      priv_var 1 -> percent_privilege som instead of the price;
--   sum_opl tuition payments of the stage (purposes listed in pay_educ, matched on student,
--           group, course and year) + real transfers (PaymentTransfer) of the student's tuition
--           payments into the stage - real transfers out of the stage's tuition payments -
--           refunds (Expense.id_payment, not annulled) of the stage's tuition payments;
--           virtual transfers never count;
--   ost_sum p106 - sum_opl;
--   isPrivelag 1 when priv_var is set; sh_st the student's code.
CREATE VIEW Payment1V_stage AS
SELECT m.id_student, u.id_ZUR_user, y.id_a_year, m.id_group, m.id_rate, g.id_faculty,
       gs.id_speciality, g.p20, r.p22, a.p32, st.idid AS sh_st, m.come_date,
       m.percent_privilege, m.privilege_coment, m.priv_var,
       CASE WHEN m.priv_var IS NULL THEN 0 ELSE 1 END AS isPrivelag,
       round(CASE m.priv_var
                 WHEN 1 THEN CAST(m.percent_privilege AS REAL)
                 WHEN 0 THEN ifnull(gp.price, 0) * (100 - m.percent_privilege) / 100.0
                 ELSE ifnull(gp.price, 0)
             END, 2) AS p106,
       round((SELECT total(p.p102) FROM Payment p
              WHERE p.id_student = m.id_student AND p.id_group = m.id_group
                AND p.id_rate = m.id_rate AND p.id_a_year = y.id_a_year
                AND p.id_uslug IN (SELECT id_uslug FROM pay_educ))
           + (SELECT total(t.p102NewSpec) FROM Payment p
              JOIN PaymentTransfer t ON t.id_payment = p.id_payment
              WHERE p.id_student = m.id_student AND t.id_newGroup = m.id_group
                AND t.id_newRate = m.id_rate AND t.id_NewYear = y.id_a_year
                AND p.id_uslug IN (SELECT id_uslug FROM pay_educ))
           - (SELECT total(t.p102NewSpec) FROM Payment p
              JOIN PaymentTransfer t ON t.id_payment = p.id_payment
              WHERE p.id_student = m.id_student AND p.id_group = m.id_group
                AND p.id_rate = m.id_rate AND p.id_a_year = y.id_a_year
                AND p.id_uslug IN (SELECT id_uslug FROM pay_educ))
           - (SELECT total(e.p102) FROM Payment p
              JOIN Expense e ON e.id_payment = p.id_payment AND e.Onul = 0
              WHERE p.id_student = m.id_student AND p.id_group = m.id_group
                AND p.id_rate = m.id_rate AND p.id_a_year = y.id_a_year
                AND p.id_uslug IN (SELECT id_uslug FROM pay_educ)), 2) AS sum_opl
FROM movement_t m
JOIN Student st ON st.id_student = m.id_student
JOIN [group] g ON g.id_group = m.id_group
JOIN KasFak k ON k.id_faculty = g.id_faculty
JOIN ZUR_User u ON u.id_kassa = k.id_kassa AND u.visible = 1
JOIN rate r ON r.id_rate = m.id_rate
LEFT JOIN g_r_y y ON y.id_group = m.id_group AND y.id_rate = m.id_rate
LEFT JOIN a_year a ON a.id_a_year = y.id_a_year
LEFT JOIN g_s gs ON gs.id_group = m.id_group
LEFT JOIN Groups_payment gp
       ON gp.id_group = m.id_group AND gp.id_rate = m.id_rate AND gp.id_a_year = y.id_a_year;

CREATE VIEW Payment1V AS
SELECT s.id_student, s.id_ZUR_user, s.id_a_year, s.id_group, s.id_rate, s.id_faculty,
       s.id_speciality, s.sum_opl, s.p106, round(s.p106 - s.sum_opl, 2) AS ost_sum,
       s.p20, s.p22, s.p32, s.sh_st,
       (SELECT p25_2 FROM specialityRR WHERE specialityRR.id_speciality = s.id_speciality)
           AS p25_2,
       s.come_date, s.percent_privilege, s.privilege_coment, s.isPrivelag
FROM Payment1V_stage s;

-- Payment2V (p104: the additional order number when present, else the number): every payment
-- of a student, per visible user whose cash desk serves the payment's
-- faculty, with its kind, year, course, speciality and purpose names.
CREATE VIEW Payment2V AS
SELECT p.id_student, u.id_ZUR_user, p.id_payment, p.p102, p.p103,
       CASE WHEN p.p104_1 IS NOT NULL AND p.p104_1 <> '' THEN p.p104_1
            ELSE CAST(p.p104 AS TEXT) END AS p104,
       (SELECT rtrim(p105) FROM v_opl WHERE v_opl.id_v_opl = p.id_v_opl) AS p105,
       (SELECT p32 FROM a_year WHERE a_year.id_a_year = p.id_a_year) AS p32,
       (SELECT p22 FROM rate WHERE rate.id_rate = p.id_rate) AS p22,
       (SELECT p25_2 FROM specialityRR WHERE specialityRR.id_speciality = p.id_speciality)
           AS p25_2,
       (SELECT uslugi FROM uslugi WHERE uslugi.id_uslug = p.id_uslug) AS uslugi,
       p.p102NewSpec, p.id_newSpecP102, p.id_newYear, p.id_newRate, p.id_newGroup
FROM Payment p
JOIN KasFak k ON k.id_faculty = p.id_faculty
JOIN ZUR_User u ON u.id_kassa = k.id_kassa AND u.visible = 1
WHERE p.id_student IS NOT NULL;

-- Payment3V: every expense (refund or issue of cash) of a student.
CREATE VIEW Payment3V AS
SELECT e.id_student, e.id_expense, e.id_payment, e.p102, e.p103,
       CASE WHEN e.p104_1 IS NOT NULL AND e.p104_1 <> '' THEN e.p104_1
            ELSE CAST(e.p104 AS TEXT) END AS p104,
       (SELECT rtrim(p105) FROM v_opl WHERE v_opl.id_v_opl = e.id_v_opl) AS p105,
       (SELECT p32 FROM a_year WHERE a_year.id_a_year = e.id_a_year) AS p32,
       (SELECT p25_2 FROM specialityRR WHERE specialityRR.id_speciality = e.id_speciality)
           AS p25_2,
       (SELECT uslugi FROM uslugi WHERE uslugi.id_uslug = e.id_uslug) AS uslugi
FROM Expense e
WHERE e.id_student IS NOT NULL;

-- V_PaymentTransferVirtual: the virtual transfers of a student's payments: target year, course,
-- group and speciality, the payment's order number and amount, the date and the amount moved.
CREATE VIEW V_PaymentTransferVirtual AS
SELECT p.id_student, t.id_PaymentTransfer AS id_PaymentTransferVirtual,
       (SELECT p32 FROM a_year WHERE a_year.id_a_year = t.id_NewYear) AS Year,
       (SELECT p22 FROM rate WHERE rate.id_rate = t.id_newRate) AS rate,
       (SELECT p20 FROM [group] WHERE [group].id_group = t.id_newGroup) AS groups,
       p.p104 AS orders, p.p102 AS SummaFrom, strftime('%d.%m.%Y', t.ondate) AS Dates,
       t.p102NewSpec AS SUMMA,
       (SELECT p25_2 FROM specialityRR WHERE specialityRR.id_speciality = t.id_newSpecP102)
           AS speciality
FROM PaymentTransfer_Virtual t
JOIN Payment p ON p.id_payment = t.id_payment;

-- Lookup_S_FIO_Payment: the students a cash desk serves (a movement row in a group of one of
-- its faculties). s_fio: name with the code in brackets; s: sort key; SS_FIO: plain name;
-- first_p1: an earlier surname or null.
CREATE VIEW Lookup_S_FIO_Payment AS
SELECT f.id_student,
       (f.s_fio || CASE WHEN f.idid IS NULL THEN '' ELSE ' [' || f.idid || ']' END)
           COLLATE ZUR_CI AS s_fio,
       f.s_fio AS s, st.p1, st.p2, k.id_kassa, st.first_p1, f.s_fio AS SS_FIO
FROM Student st
JOIN s_fio f ON f.id_student = st.id_student
JOIN Kassa k
WHERE EXISTS (SELECT 1 FROM movement_t m
              JOIN [group] g ON g.id_group = m.id_group
              JOIN KasFak kf ON kf.id_faculty = g.id_faculty
              WHERE m.id_student = st.id_student AND kf.id_kassa = k.id_kassa);

-- Lookup_S_FIO_Abit: the applicants (not deleted, documents not taken back) of the faculties
-- served by each visible user's cash desk, with the faculty, year and speciality applied for.
CREATE VIEW Lookup_S_FIO_Abit AS
SELECT a.id_student, i.ab_fio AS s_fio, f.ab_fio AS s, a.p1, a.p2, u.id_ZUR_user AS id_zur_user,
       ri.Faculties AS id_faculty, ri.id_a_year, ri.Speciality AS id_speciality
FROM Abiturient a
JOIN ab_fio f ON f.id_student = a.id_student
JOIN Abiturient_Info i ON i.id_student = a.id_student
JOIN ReceptInfo ri ON ri.IDStudent = a.id_student AND ri.Takebackdocs = 0
JOIN KasFak k ON k.id_faculty = ri.Faculties
JOIN ZUR_User u ON u.id_kassa = k.id_kassa AND u.visible = 1
WHERE a.del = 0;

-- Lookup_S_FIO_Slushatel: the listeners of the course groups of the faculties served by each
-- visible user's cash desk; s_fio: name with the group's short name in brackets.
CREATE VIEW Lookup_S_FIO_Slushatel AS
SELECT f.id_student, (f.s_fio || ' [' || gs.name_short || ']') COLLATE ZUR_CI AS s_fio,
       f.s_fio AS s, st.p1, st.p2, u.id_ZUR_user AS id_zur_user, gs.id_faculty,
       ms.id_group_slushatel
FROM movement_slushatel ms
JOIN Student st ON st.id_student = ms.id_student
JOIN s_fio f ON f.id_student = ms.id_student
JOIN group_slushatel gs ON gs.id_group_slushatel = ms.id_group_slushatel
JOIN KasFak k ON k.id_faculty = gs.id_faculty
JOIN ZUR_User u ON u.id_kassa = k.id_kassa AND u.visible = 1;
