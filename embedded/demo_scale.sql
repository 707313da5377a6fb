-- Demo data that grows with the requested size: academic years around the current one
-- ({CUR}: the calendar year in which the current academic year began; sh_year is its last two
-- digits, the key by which the desk finds the current year), groups of every
-- speciality for the last five intakes ({G} groups per speciality and intake), {N} students
-- spread over the groups with their stages of study, {M} payments spread over the stages in
-- date order, then the few special cases the desk must show.

INSERT INTO a_year (id_a_year, p32, u_god, sh_year)
WITH RECURSIVE y(n) AS (SELECT {CUR} - 6 UNION ALL SELECT n + 1 FROM y WHERE n < {CUR} + 1)
SELECT n - {CUR} + 7, n || '-' || (n + 1), n, n % 100 FROM y;

CREATE TEMP TABLE seq (n INTEGER PRIMARY KEY);
INSERT INTO seq
WITH RECURSIVE s(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM s WHERE n < max({N}, {M}, 1000))
SELECT n FROM s;

CREATE TEMP TABLE code (id_speciality INTEGER PRIMARY KEY, code TEXT, base REAL);
INSERT INTO code VALUES (1, 'ЭК', 42000), (2, 'БУА', 40000), (3, 'ЮР', 45000), (4, 'ЮРз', 24000),
  (5, 'ПИ', 48000), (6, 'ПрИ', 50000);

-- Groups: speciality, intake year (the last five), number within the intake.
CREATE TEMP TABLE tmp_group (id_group INTEGER PRIMARY KEY, id_speciality, intake, id_faculty,
                             max_rate);
INSERT INTO tmp_group (id_speciality, intake, id_faculty, max_rate)
SELECT c.id_speciality, {CUR} - i.n + 1, c.id_faculty, c.max_rate_id
FROM code JOIN com_sfe c ON c.id_speciality = code.id_speciality
JOIN seq i ON i.n <= 5 JOIN seq k ON k.n <= {G}
ORDER BY c.id_speciality, i.n, k.n;

INSERT INTO [group] (id_group, p20, id_faculty)
SELECT t.id_group,
       code.code || '-' || (t.intake % 100) || '-' ||
       (1 + (t.id_group - 1) % {G}),
       t.id_faculty
FROM tmp_group t JOIN code ON code.id_speciality = t.id_speciality;
INSERT INTO g_s SELECT id_group, id_speciality FROM tmp_group;

-- A group studies course c in the academic year intake + c - 1, up to the speciality's last
-- course and the year after the current one; the price rises with the course and the intake.
INSERT INTO g_r_y (id_group, id_rate, id_a_year)
SELECT t.id_group, c.n, t.intake + c.n - 1 - {CUR} + 7
FROM tmp_group t JOIN seq c ON c.n <= t.max_rate WHERE t.intake + c.n - 1 <= {CUR} + 1;
INSERT INTO Groups_payment (id_group, id_rate, id_a_year, id_speciality, p20, price)
SELECT y.id_group, y.id_rate, y.id_a_year, t.id_speciality, g.p20,
       code.base + 2000 * (y.id_rate - 1) + 3000 * (t.intake - {CUR} + 4)
FROM g_r_y y JOIN tmp_group t ON t.id_group = y.id_group
JOIN [group] g ON g.id_group = y.id_group JOIN code ON code.id_speciality = t.id_speciality;

-- Names: even numbers are women.
CREATE TEMP TABLE surname (n INTEGER PRIMARY KEY, man TEXT, woman TEXT);
INSERT INTO surname (man, woman) VALUES
  ('Абдыкеров', 'Абдыкерова'), ('Асанбеков', 'Асанбекова'), ('Байматов', 'Байматова'),
  ('Иванов', 'Иванова'), ('Кадыров', 'Кадырова'), ('Кузнецов', 'Кузнецова'),
  ('Мамбетов', 'Мамбетова'), ('Нуралиев', 'Нуралиева'), ('Осмонов', 'Осмонова'),
  ('Петров', 'Петрова'), ('Рахманов', 'Рахманова'), ('Сатыбалдиев', 'Сатыбалдиева'),
  ('Смирнов', 'Смирнова'), ('Токтогулов', 'Токтогулова'), ('Усенов', 'Усенова'),
  ('Шаршенов', 'Шаршенова'), ('Эсенов', 'Эсенова'), ('Юсупов', 'Юсупова'),
  ('Жээнбеков', 'Жээнбекова'), ('Калыков', 'Калыкова'), ('Орлов', 'Орлова'),
  ('Белов', 'Белова'), ('Тагаев', 'Тагаева'), ('Жусупов', 'Жусупова');
CREATE TEMP TABLE first_name (n INTEGER PRIMARY KEY, man TEXT, woman TEXT);
INSERT INTO first_name (man, woman) VALUES
  ('Азамат', 'Айгерим'), ('Бакыт', 'Айпери'), ('Данияр', 'Бермет'), ('Эмир', 'Гульнара'),
  ('Иван', 'Дарья'), ('Марат', 'Жибек'), ('Нурлан', 'Мария'), ('Руслан', 'Нургуль'),
  ('Тимур', 'Анна'), ('Улан', 'Чолпон'), ('Алексей', 'Елена'), ('Ислам', 'Асель'),
  ('Максим', 'Алина'), ('Адилет', 'Сезим'), ('Кирилл', 'Камила'), ('Мирлан', 'Айдана');
CREATE TEMP TABLE patronymic (n INTEGER PRIMARY KEY, man TEXT, woman TEXT);
INSERT INTO patronymic (man, woman) VALUES
  ('Асанович', 'Асановна'), ('Бакытович', 'Бакытовна'), ('Кубанычбекович', 'Кубанычбековна'),
  ('Маратович', 'Маратовна'), ('Нурланович', 'Нурлановна'), ('Сергеевич', 'Сергеевна'),
  ('Таалайбекович', 'Таалайбековна'), ('Игоревич', 'Игоревна'), ('Алмазович', 'Алмазовна'),
  ('Русланович', 'Руслановна'), ('Эркинович', 'Эркиновна'), ('Викторович', 'Викторовна');

CREATE TEMP TABLE tmp_student (id_student INTEGER PRIMARY KEY, id_group, intake, course);
INSERT INTO tmp_student
SELECT s.n, t.id_group, t.intake, min({CUR} - t.intake + 1, t.max_rate)
FROM seq s JOIN tmp_group t ON t.id_group = 1 + (s.n - 1) % (SELECT count(*) FROM tmp_group)
WHERE s.n <= {N};

INSERT INTO Student (id_student, p1, p2, p3, idid, BirthDate, SerialPas, NumberPas,
                     DateGivenPas, GivenPas, Citizenship)
SELECT ts.id_student,
       CASE ts.id_student % 2 WHEN 0 THEN sn.woman ELSE sn.man END,
       CASE ts.id_student % 2 WHEN 0 THEN fn.woman ELSE fn.man END,
       CASE ts.id_student % 2 WHEN 0 THEN pn.woman ELSE pn.man END,
       (ts.intake % 100) || printf('%06d', ts.id_student),
       date((ts.intake - 18) || '-01-01', '+' || (ts.id_student * 37 % 365) || ' days')
           || ' 00:00:00',
       'ID', printf('%07d', 1000000 + ts.id_student),
       date((ts.intake - 2) || '-06-01', '+' || (ts.id_student * 17 % 200) || ' days')
           || ' 00:00:00',
       1 + ts.id_student % 3, CASE WHEN ts.id_student % 15 = 0 THEN 2 ELSE 1 END
FROM tmp_student ts
JOIN surname sn ON sn.n = 1 + (ts.id_student / 2 * 7) % 24
JOIN first_name fn ON fn.n = 1 + (ts.id_student * 11) % 16
JOIN patronymic pn ON pn.n = 1 + (ts.id_student * 5) % 12;

INSERT INTO movement_t (id_student, id_group, id_rate, id_protocols, id_bk, come_date,
                        id_semester)
SELECT ts.id_student, ts.id_group, c.n, c.n, CASE WHEN ts.id_student % 12 = 0 THEN 1 ELSE 2 END,
       (ts.intake + c.n - 1) || '-09-01 09:00:00', 2 * c.n - 1
FROM tmp_student ts JOIN seq c ON c.n <= ts.course
ORDER BY ts.id_student, c.n;

-- Payments: payment j goes to stage (j * 7919) mod stages; half the price each, dated within
-- the first 270 days of the stage's year and never after today; numbered per calendar year in
-- date order.
INSERT INTO Payment (id_kassa, id_faculty, id_student, p102, p103, p104, p104_1, id_v_opl,
                     id_uslug, id_a_year, id_speciality, id_rate, id_group, id_oplata, osnovanie,
                     ZUR_USER, ZUR_Update)
WITH stage_count(c) AS (SELECT count(*) FROM movement_t),
pay AS (
  SELECT j.n AS j, m.id_student, m.id_group, m.id_rate, y.id_a_year, t.id_speciality,
         t.id_faculty, gp.price,
         date(a.u_god || '-09-01', '+' || (j.n * 13 % max(1, min(270, CAST(
             julianday('now', 'localtime') - julianday(a.u_god || '-09-01') AS INTEGER))))
             || ' days')
           || printf(' %02d:%02d:00', 9 + j.n % 8, j.n * 7 % 60) AS p103
  FROM seq j, stage_count
  JOIN movement_t m ON m.id_movement = 1 + (j.n * 7919) % stage_count.c
  JOIN g_r_y y ON y.id_group = m.id_group AND y.id_rate = m.id_rate
  JOIN a_year a ON a.id_a_year = y.id_a_year
  JOIN tmp_group t ON t.id_group = m.id_group
  JOIN Groups_payment gp ON gp.id_group = y.id_group AND gp.id_rate = y.id_rate
                        AND gp.id_a_year = y.id_a_year
  WHERE j.n <= {M})
SELECT 1, id_faculty, id_student,
       CASE WHEN j % 9 = 0 THEN 3500 ELSE round(price / 2) END, p103,
       row_number() OVER (PARTITION BY substr(p103, 1, 4) ORDER BY p103, j),
       CASE WHEN j % 11 = 0 THEN 'Т-' || (j % 9000 + 1000) END,
       CASE WHEN j % 11 = 0 THEN 5 WHEN j % 7 = 0 THEN 2 ELSE 1 END,
       CASE WHEN j % 9 = 0 THEN 2 ELSE 1 END,
       id_a_year, id_speciality, id_rate, id_group, 1,
       CASE WHEN j % 9 = 0 THEN 'Проживание в общежитии' ELSE 'Договор на обучение' END,
       CASE WHEN j % 2 = 0 THEN 'kassir' ELSE 'starshiy' END, substr(p103, 1, 10) || ' 00:00:00'
FROM pay ORDER BY p103, j;

-- Applicants apply for the first course of the current year.
INSERT INTO ReceptInfo (IDStudent, Faculties, Speciality, id_a_year, Recom_for_reccept,
                        Takebackdocs, pay, confirm_date_for_reccept)
SELECT a.id_student, c.id_faculty, c.id_speciality, 7, a.id_student % 3 <> 0,
       a.id_student = 9, a.id_student = 10, a.id_student = 10
FROM Abiturient a JOIN com_sfe c ON c.id_speciality = 1 + (a.id_student - 1) % 6;

-- Special cases the desk must show --------------------------------------------------------------

-- Two students once had another surname.
UPDATE Student SET first_p1 = 'Исаева' WHERE id_student = 2;
UPDATE Student SET first_p1 = 'Морозова' WHERE id_student = 4;

-- Privileges: student 1 pays half the price of the first course, student 3 a fixed sum for the
-- current course.
UPDATE movement_t SET percent_privilege = 50, priv_var = 0,
       privilege_coment = 'Сирота, приказ № 112 от 01.09'
WHERE id_student = 1 AND id_rate = 1;
UPDATE movement_t SET percent_privilege = 20000, priv_var = 1,
       privilege_coment = 'Ребёнок сотрудника университета'
WHERE id_movement = (SELECT max(id_movement) FROM movement_t WHERE id_student = 3);

-- Student 5 left the group of the current course.
UPDATE movement_t SET id_leave = 2
WHERE id_movement = (SELECT max(id_movement) FROM movement_t WHERE id_student = 5);

-- Tuition payments always recorded for students 1, 3 and 5 (on their latest stage).
INSERT INTO Payment (id_kassa, id_faculty, id_student, p102, p103, p104, id_v_opl, id_uslug,
                     id_a_year, id_speciality, id_rate, id_group, id_oplata, osnovanie,
                     ZUR_USER, ZUR_Update)
SELECT 1, g.id_faculty, m.id_student, 15000, date('now', 'localtime', '-1 day') || ' 10:15:00',
       (SELECT ifnull(max(p104), 0) + 1 FROM Payment
        WHERE id_kassa = 1 AND substr(p103, 1, 4) = strftime('%Y', 'now', 'localtime', '-1 day')),
       1, 1, y.id_a_year, gs.id_speciality, m.id_rate, m.id_group, 1, 'Договор на обучение',
       'kassir', date('now', 'localtime', '-1 day') || ' 00:00:00'
FROM movement_t m JOIN [group] g ON g.id_group = m.id_group
JOIN g_r_y y ON y.id_group = m.id_group AND y.id_rate = m.id_rate
JOIN g_s gs ON gs.id_group = m.id_group
WHERE m.id_movement IN (SELECT max(id_movement) FROM movement_t
                        WHERE id_student IN (1, 3, 5) GROUP BY id_student)
ORDER BY m.id_student;

-- A real transfer of 2000 from student 1's latest payment to the next course and year of the same
-- group, and a virtual transfer of 1000 from student 3's latest payment.
INSERT INTO PaymentTransfer (id_payment, id_NewYear, id_newRate, id_newGroup, p102NewSpec,
                             id_newSpecP102)
SELECT p.id_payment, p.id_a_year + 1, p.id_rate + 1, p.id_group, 2000, p.id_speciality
FROM Payment p WHERE p.id_payment = (SELECT max(id_payment) FROM Payment WHERE id_student = 1);
INSERT INTO PaymentTransfer_Virtual (id_payment, id_NewYear, id_newRate, id_newGroup,
                                     p102NewSpec, id_newSpecP102, ondate)
SELECT p.id_payment, p.id_a_year, p.id_rate, p.id_group, 1000, p.id_speciality,
       date('now', 'localtime') || ' 00:00:00'
FROM Payment p WHERE p.id_payment = (SELECT max(id_payment) FROM Payment WHERE id_student = 3);

-- Listeners of short courses: persons of their own, enrolled in a course group, two paid.
INSERT INTO Student (p1, p2, p3, idid, BirthDate, SerialPas, NumberPas, DateGivenPas, GivenPas,
                     Citizenship) VALUES
  ('Касымова', 'Айжан', 'Бекболотовна', NULL, '1995-05-17 00:00:00', 'AN', '7000001', '2015-06-01 00:00:00', 1, 1),
  ('Лебедев', 'Олег', 'Андреевич', NULL, '1989-02-08 00:00:00', 'AN', '7000002', '2012-03-15 00:00:00', 2, 1),
  ('Токтоматов', 'Бекжан', 'Уланович', NULL, '2001-10-30 00:00:00', 'ID', '7000003', '2021-11-11 00:00:00', 3, 1),
  ('Федорова', 'Наталья', 'Игоревна', NULL, '1993-07-21 00:00:00', 'AN', '7000004', '2013-08-01 00:00:00', 1, 1),
  ('Шамшиев', 'Айбек', 'Нурбекович', NULL, '1999-12-12 00:00:00', 'ID', '7000005', '2019-12-20 00:00:00', 2, 1),
  ('Эргешова', 'Динара', 'Талгатовна', NULL, '1997-04-04 00:00:00', 'AN', '7000006', '2017-05-05 00:00:00', 3, 1);
INSERT INTO movement_slushatel (id_student, id_group_slushatel)
SELECT id_student, 1 + (id_student % 3) FROM Student WHERE id_student > {N};
INSERT INTO Payment (id_kassa, id_faculty, id_slushatel, id_group_slushatel, p102, p103, p104,
                     id_v_opl, id_uslug, id_a_year, id_oplata, osnovanie, ZUR_USER, ZUR_Update)
SELECT 1, gs.id_faculty, ms.id_student, ms.id_group_slushatel, gs.oplata / 2,
       date('now', 'localtime', '-2 days') || ' 11:00:00',
       (SELECT ifnull(max(p104), 0) FROM Payment
        WHERE id_kassa = 1 AND substr(p103, 1, 4) = strftime('%Y', 'now', 'localtime', '-2 days'))
         + row_number() OVER (ORDER BY ms.id_student),
       1, 5, 7, 1, 'Оплата за курсы', 'starshiy',
       date('now', 'localtime', '-2 days') || ' 00:00:00'
FROM movement_slushatel ms JOIN group_slushatel gs
     ON gs.id_group_slushatel = ms.id_group_slushatel
WHERE ms.id_student <= {N} + 2;

-- Expenses: a refund of half of student 5's latest payment and an issue of cash to a staff member.
INSERT INTO Expense (id_kassa, id_faculty, id_student, id_teacher, dopol, p102, p103, p104,
                     id_v_opl, id_uslug, id_a_year, id_speciality, id_rate, id_group, osnovanie,
                     ZUR_USER, ZUR_Update, id_payment, Onul)
SELECT 1, p.id_faculty, p.id_student, NULL, NULL, p.p102 / 2,
       date('now', 'localtime') || ' 09:30:00', 1, 1, 6, p.id_a_year, p.id_speciality, p.id_rate,
       p.id_group, 'Заявление о возврате', 'starshiy', date('now', 'localtime') || ' 00:00:00',
       p.id_payment, 0
FROM Payment p WHERE p.id_payment = (SELECT max(id_payment) FROM Payment WHERE id_student = 5);
INSERT INTO Expense (id_kassa, id_faculty, id_teacher, p102, p103, p104, id_v_opl, id_uslug,
                     id_a_year, osnovanie, ZUR_USER, ZUR_Update, Onul)
VALUES (1, 1, 2, 5000, strftime('%Y-%m-%d', 'now', 'localtime') || ' 12:00:00', 2, 1, 7, 7,
        'Командировка в г. Ош', 'kassir', date('now', 'localtime') || ' 00:00:00', 0);

-- An applicant's entrance fee, paid.
INSERT INTO Payment (id_kassa, id_faculty, id_abiturient, p102, p103, p104, id_v_opl, id_uslug,
                     id_a_year, id_speciality, id_rate, id_oplata, osnovanie, ZUR_USER, ZUR_Update)
SELECT 1, r.Faculties, r.IDStudent, 1000, date('now', 'localtime') || ' 10:00:00',
       (SELECT ifnull(max(p104), 0) + 1 FROM Payment
        WHERE id_kassa = 1 AND substr(p103, 1, 4) = strftime('%Y', 'now', 'localtime')),
       1, 4, 7, r.Speciality, 1, 1, 'Вступительный взнос', 'kassir',
       date('now', 'localtime') || ' 00:00:00'
FROM ReceptInfo r WHERE r.IDStudent = 10;

DROP TABLE seq;
DROP TABLE code;
DROP TABLE tmp_group;
DROP TABLE tmp_student;
DROP TABLE surname;
DROP TABLE first_name;
DROP TABLE patronymic;
