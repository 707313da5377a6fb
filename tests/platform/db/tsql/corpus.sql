-- Statements the program sends to the database, one entry per statement shape, each with the
-- SQLite text the translation must give. Statements built by concatenation carry plausible values.
--
-- Entry format:
--   -- name: <unique name>
--   <the T-SQL statement, one or more lines>
--   then exactly one answer:
--   -- expect:            followed by the SQLite text (all lines up to the next "-- name:")
--   -- exec: Proc(args)   a procedure call; @name=value for named arguments, texts quoted
--   -- noop               a statement that has nothing to do on SQLite
--   -- ERROR: <text>      the translation must refuse it with a message containing <text>
-- Blank lines at the end of a statement or an answer do not count.

-- name: login_set_dateformat
SET DATEFORMAT dmy
-- noop

-- name: login_get_user
EXEC GET_USER 'kassir','0cc175b9c0f1b6a831c399e269772661',NULL, 'ZUR 10', '192.168.1.5', 'KASSA-1', 'kassir','0','4'
-- exec: GET_USER('kassir', '0cc175b9c0f1b6a831c399e269772661', NULL, 'ZUR 10', '192.168.1.5', 'KASSA-1', 'kassir', '0', '4')

-- name: login_get_user_new_password
EXEC GET_USER 'kassir','0cc175b9c0f1b6a831c399e269772661','e10adc3949ba59abbe56e057f20f883e', 'ZUR 10', '192.168.1.5', 'KASSA-1', 'kassir','0','34'
-- exec: GET_USER('kassir', '0cc175b9c0f1b6a831c399e269772661', 'e10adc3949ba59abbe56e057f20f883e', 'ZUR 10', '192.168.1.5', 'KASSA-1', 'kassir', '0', '34')

-- name: payment_template
SELECT TOP(0) Payment.* FROM Payment
-- expect:
SELECT Payment.* FROM Payment LIMIT 0

-- name: expense_template
Select TOP(0) Expense.* From Expense
-- expect:
Select Expense.* From Expense LIMIT 0

-- name: new_speciality
SELECT new_speciality, rate.p22, Payment.p102 FROM Payment INNER JOIN rate on Payment.id_rate = rate.id_rate Where id_payment=:id_payment
-- expect:
SELECT new_speciality, rate.p22, Payment.p102 FROM Payment INNER JOIN rate on Payment.id_rate = rate.id_rate Where id_payment=:id_payment

-- name: special_visible
SELECT dbo.com_sfe.id_speciality, dbo.special.[p25-2] + '(' + dbo.f_educ.p108 + ')' + '(' + dbo.faculty.[p23-1] + ')' AS p25_2, dbo.com_sfe.visible FROM dbo.com_sfe INNER JOIN dbo.f_educ ON dbo.com_sfe.id_f_educ = dbo.f_educ.id_f_educ INNER JOIN dbo.special ON dbo.com_sfe.id_special = dbo.special.id_special INNER JOIN dbo.faculty ON dbo.com_sfe.id_faculty = dbo.faculty.id_faculty WHERE dbo.com_sfe.id_faculty =:id_faculty ORDER BY special.[p25-2]
-- expect:
SELECT com_sfe.id_speciality, special.[p25-2] || '(' || f_educ.p108 || ')' || '(' || faculty.[p23-1] || ')' AS p25_2, com_sfe.visible FROM com_sfe INNER JOIN f_educ ON com_sfe.id_f_educ = f_educ.id_f_educ INNER JOIN special ON com_sfe.id_special = special.id_special INNER JOIN faculty ON com_sfe.id_faculty = faculty.id_faculty WHERE com_sfe.id_faculty =:id_faculty ORDER BY special.[p25-2]

-- name: v_opl_visible
SELECT     TOP (100) PERCENT id_v_opl, p105, visible FROM         dbo.v_opl WHERE     (visible = 1) ORDER BY id_v_opl
-- expect:
SELECT id_v_opl, p105, visible FROM         v_opl WHERE     (visible = 1) ORDER BY id_v_opl

-- name: faculty_template
select top(0) speciality.* from speciality
-- expect:
select speciality.* from speciality LIMIT 0

-- name: faculty_of_user
EXEC GetFacultyFromKassaForUser 3
-- exec: GetFacultyFromKassaForUser(3)

-- name: kassa_of_user
SELECT     dbo.Kassa.name, dbo.ZUR_User.id_ZUR_user, dbo.Kassa.id_kassa FROM         dbo.Kassa INNER JOIN dbo.ZUR_User ON dbo.Kassa.id_kassa = dbo.ZUR_User.id_kassa WHERE     (dbo.ZUR_User.id_ZUR_user = :id_ZUR_user);
-- expect:
SELECT     Kassa.name, ZUR_User.id_ZUR_user, Kassa.id_kassa FROM         Kassa INNER JOIN ZUR_User ON Kassa.id_kassa = ZUR_User.id_kassa WHERE     (ZUR_User.id_ZUR_user = :id_ZUR_user);

-- name: speciality_template
select top(0) specialityRR.* from specialityRR
-- expect:
select specialityRR.* from specialityRR LIMIT 0

-- name: uslug_with_code
SELECT id_uslug, ('(' + CAST(id_uslug AS NVARCHAR(10)) + ') ' + uslugi) AS [uslugi], is_visible FROM uslugi ORDER BY uslugi.uslugi
-- expect:
SELECT id_uslug, ('(' || CAST(id_uslug AS NVARCHAR(10)) || ') ' || uslugi) AS [uslugi], is_visible FROM uslugi ORDER BY uslugi.uslugi

-- name: group_list
SELECT * FROM [ZUR].[dbo].[group] ORDER BY p20
-- expect:
SELECT * FROM [group] ORDER BY p20

-- name: group_slushatel_list
Select * FROM [ZUR].[dbo].[group_slushatel]
-- expect:
Select * FROM [group_slushatel]

-- name: update_s_fio
SELECT     TOP (100) PERCENT dbo.s_fio.s_fio as Normal_s_fio, dbo.s_fio.s_fio + ' (' + CASE WHEN dbo.Student.BirthDate IS NULL THEN '' ELSE CAST(DATEPART(day, dbo.Student.BirthDate)AS VARCHAR(2))+'.'+ CAST(DATEPART(month, dbo.Student.BirthDate) AS VARCHAR(2))+'.'+ CAST(DATEPART(year, dbo.Student.BirthDate) AS VARCHAR(4)) END + ')' AS s_fio, dbo.s_fio.id_student FROM         dbo.Student INNER JOIN dbo.s_fio ON dbo.Student.id_student = dbo.s_fio.id_student ORDER BY dbo.s_fio.s_fio
-- expect:
SELECT s_fio.s_fio as Normal_s_fio, s_fio.s_fio || ' (' || CASE WHEN Student.BirthDate IS NULL THEN '' ELSE CAST(day( Student.BirthDate)AS VARCHAR(2))||'.'|| CAST(month( Student.BirthDate) AS VARCHAR(2))||'.'|| CAST(year( Student.BirthDate) AS VARCHAR(4)) END || ')' AS s_fio, s_fio.id_student FROM         Student INNER JOIN s_fio ON Student.id_student = s_fio.id_student ORDER BY s_fio.s_fio

-- name: grid1_students_of_group
SELECT dbo.s_fio.s_fio AS Normal_s_fio, dbo.s_fio.s_fio + CASE WHEN dbo.s_fio.idid IS NULL THEN '' ELSE ' - [ ' + dbo.s_fio.idid + ' ]' END + ' (' + CASE WHEN dbo.Student.BirthDate IS NULL THEN '' ELSE CAST(DATEPART(day, dbo.Student.BirthDate) AS VARCHAR(2)) + '.' + CAST(DATEPART(month, dbo.Student.BirthDate) AS VARCHAR(2)) + '.' + CAST(DATEPART(year, dbo.Student.BirthDate) AS VARCHAR(4)) END + ')' AS s_fio, dbo.s_fio.id_student FROM dbo.Student INNER JOIN dbo.s_fio ON dbo.Student.id_student = dbo.s_fio.id_student INNER JOIN dbo.movement_t ON dbo.Student.id_student = dbo.movement_t.id_student WHERE dbo.movement_t.id_rate =:id_rate and dbo.movement_t.id_group =:id_group GROUP BY dbo.s_fio.s_fio, dbo.s_fio.s_fio + CASE WHEN dbo.s_fio.idid IS NULL THEN '' ELSE ' - [ ' + dbo.s_fio.idid + ' ]' END + ' (' + CASE WHEN dbo.Student.BirthDate IS NULL THEN '' ELSE CAST(DATEPART(day, dbo.Student.BirthDate) AS VARCHAR(2)) + '.' + CAST(DATEPART(month, dbo.Student.BirthDate) AS VARCHAR(2)) + '.' + CAST(DATEPART(year, dbo.Student.BirthDate) AS VARCHAR(4)) END + ')', dbo.s_fio.id_student ORDER BY s_fio.s_fio
-- expect:
SELECT s_fio.s_fio AS Normal_s_fio, s_fio.s_fio || CASE WHEN s_fio.idid IS NULL THEN '' ELSE ' - [ ' || s_fio.idid || ' ]' END || ' (' || CASE WHEN Student.BirthDate IS NULL THEN '' ELSE CAST(day( Student.BirthDate) AS VARCHAR(2)) || '.' || CAST(month( Student.BirthDate) AS VARCHAR(2)) || '.' || CAST(year( Student.BirthDate) AS VARCHAR(4)) END || ')' AS s_fio, s_fio.id_student FROM Student INNER JOIN s_fio ON Student.id_student = s_fio.id_student INNER JOIN movement_t ON Student.id_student = movement_t.id_student WHERE movement_t.id_rate =:id_rate and movement_t.id_group =:id_group GROUP BY s_fio.s_fio, s_fio.s_fio || CASE WHEN s_fio.idid IS NULL THEN '' ELSE ' - [ ' || s_fio.idid || ' ]' END || ' (' || CASE WHEN Student.BirthDate IS NULL THEN '' ELSE CAST(day( Student.BirthDate) AS VARCHAR(2)) || '.' || CAST(month( Student.BirthDate) AS VARCHAR(2)) || '.' || CAST(year( Student.BirthDate) AS VARCHAR(4)) END || ')', s_fio.id_student ORDER BY s_fio.s_fio

-- name: grid2_all_students
SELECT DISTINCT TOP (100) PERCENT dbo.s_fio.s_fio AS Normal_s_fio, dbo.s_fio.s_fio + ' (' + CASE WHEN dbo.Student.BirthDate IS NULL THEN '' ELSE CAST(DATEPART(day, dbo.Student.BirthDate) AS VARCHAR(2)) + '.' + CAST(DATEPART(month, dbo.Student.BirthDate) AS VARCHAR(2)) + '.' + CAST(DATEPART(year, dbo.Student.BirthDate) AS VARCHAR(4)) END + ')' AS s_fio, dbo.s_fio.id_student FROM         dbo.Student INNER JOIN dbo.s_fio ON dbo.Student.id_student = dbo.s_fio.id_student ORDER BY s_fio
-- expect:
SELECT DISTINCT s_fio.s_fio AS Normal_s_fio, s_fio.s_fio || ' (' || CASE WHEN Student.BirthDate IS NULL THEN '' ELSE CAST(day( Student.BirthDate) AS VARCHAR(2)) || '.' || CAST(month( Student.BirthDate) AS VARCHAR(2)) || '.' || CAST(year( Student.BirthDate) AS VARCHAR(4)) END || ')' AS s_fio, s_fio.id_student FROM         Student INNER JOIN s_fio ON Student.id_student = s_fio.id_student ORDER BY s_fio

-- name: abiturient_template
SELECT TOP(0) Abiturient_Info.* FROM Abiturient_Info
-- expect:
SELECT Abiturient_Info.* FROM Abiturient_Info LIMIT 0

-- name: abiturient2_all
SELECT     TOP (100) PERCENT id_student, CASE WHEN p1 IS NULL THEN '' ELSE p1 END + N' ' + CASE WHEN p2 IS NULL THEN '' ELSE p2 END + N' ' + CASE WHEN p3 IS NULL THEN '' ELSE p3 END + N'-' + CASE WHEN idid IS NULL THEN '' ELSE idid END AS abi_fio FROM         dbo.Abiturient ORDER BY abi_fio
-- expect:
SELECT id_student, CASE WHEN p1 IS NULL THEN '' ELSE p1 END || ' ' || CASE WHEN p2 IS NULL THEN '' ELSE p2 END || ' ' || CASE WHEN p3 IS NULL THEN '' ELSE p3 END || '-' || CASE WHEN idid IS NULL THEN '' ELSE idid END AS abi_fio FROM         Abiturient ORDER BY abi_fio

-- name: slushatel2_all
SELECT    distinct TOP (100) PERCENT dbo.s_fio.s_fio + ' [' + dbo.group_slushatel.name_short + ']' AS s_fio, dbo.s_fio.id_student, dbo.group_slushatel.name_short,dbo.group_slushatel.id_group_slushatel FROM         dbo.movement_slushatel INNER JOIN dbo.s_fio ON dbo.s_fio.id_student = dbo.movement_slushatel.id_student INNER JOIN dbo.group_slushatel ON dbo.movement_slushatel.id_group_slushatel = dbo.group_slushatel.id_group_slushatel ORDER BY dbo.s_fio.s_fio + ' [' + dbo.group_slushatel.name_short + ']'
-- expect:
SELECT    distinct s_fio.s_fio || ' [' || group_slushatel.name_short || ']' AS s_fio, s_fio.id_student, group_slushatel.name_short,group_slushatel.id_group_slushatel FROM         movement_slushatel INNER JOIN s_fio ON s_fio.id_student = movement_slushatel.id_student INNER JOIN group_slushatel ON movement_slushatel.id_group_slushatel = group_slushatel.id_group_slushatel ORDER BY s_fio.s_fio || ' [' || group_slushatel.name_short || ']'

-- name: payment1v_of_student
SELECT * FROM Payment1V WHERE id_student=:@id_student AND id_ZUR_user=:@id_ZUR_user ORDER BY id_rate
-- expect:
SELECT * FROM Payment1V WHERE id_student=@id_student AND id_ZUR_user=@id_ZUR_user ORDER BY id_rate

-- name: payment2v_of_student
SELECT zur.dbo.Payment2V.*, SumP102 FROM zur.dbo.Payment2V     left outer join (   SELECT id_payment ,SUM(p102NewSpec)as SumP102 FROM ZUR.dbo.PaymentTransfer Group by id_payment   ) as PayTransf on PayTransf.id_payment=Payment2V.id_payment WHERE id_student=:@id_student AND id_ZUR_user=:@id_ZUR_user
-- expect:
SELECT Payment2V.*, SumP102 FROM Payment2V     left outer join (   SELECT id_payment ,SUM(p102NewSpec)as SumP102 FROM PaymentTransfer Group by id_payment   ) as PayTransf on PayTransf.id_payment=Payment2V.id_payment WHERE id_student=@id_student AND id_ZUR_user=@id_ZUR_user

-- name: payment3v_of_student
SELECT * FROM Payment3V WHERE id_student=:@id_student
-- expect:
SELECT * FROM Payment3V WHERE id_student=@id_student

-- name: movement_t_of_student
SELECT movement_t.id_protocols, movement_t.percent_privilege, movement_t.privilege_coment, movement_t.priv_var, movement_t.id_rate, rate.p22, movement_t.id_group, [group].p20 FROM movement_t INNER JOIN rate on movement_t.id_rate = rate.id_rate INNER JOIN [group] ON movement_t.id_group = [group].id_group WHERE movement_t.id_student =:id_student AND movement_t.id_group=:id_group ORDER BY   rate.p22
-- expect:
SELECT movement_t.id_protocols, movement_t.percent_privilege, movement_t.privilege_coment, movement_t.priv_var, movement_t.id_rate, rate.p22, movement_t.id_group, [group].p20 FROM movement_t INNER JOIN rate on movement_t.id_rate = rate.id_rate INNER JOIN [group] ON movement_t.id_group = [group].id_group WHERE movement_t.id_student =:id_student AND movement_t.id_group=:id_group ORDER BY   rate.p22

-- name: movement_groups_of_student
SELECT DISTINCT movement_t.id_group, [group].p20 FROM movement_t INNER JOIN [group] ON movement_t.id_group = [group].id_group WHERE movement_t.id_student =:id_student ORDER BY [group].p20
-- expect:
SELECT DISTINCT movement_t.id_group, [group].p20 FROM movement_t INNER JOIN [group] ON movement_t.id_group = [group].id_group WHERE movement_t.id_student =:id_student ORDER BY [group].p20

-- name: spec_for_new_spec
SELECT DISTINCT T.* FROM ( SELECT Payment.new_speciality AS id_speciality, dbo.specialityRR.p25_2 FROM Payment INNER JOIN specialityRR ON Payment.new_speciality = specialityRR.id_speciality Where id_student=:id_student UNION SELECT DISTINCT dbo.specialityRR.id_speciality, dbo.specialityRR.p25_2 FROM dbo.specialityRR INNER JOIN dbo.KasFak ON dbo.specialityRR.id_faculty = dbo.KasFak.id_faculty INNER JOIN dbo.ZUR_User ON dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa WHERE dbo.ZUR_User.id_ZUR_user =:id_login ) AS T ORDER BY T.p25_2
-- expect:
SELECT DISTINCT T.* FROM ( SELECT Payment.new_speciality AS id_speciality, specialityRR.p25_2 FROM Payment INNER JOIN specialityRR ON Payment.new_speciality = specialityRR.id_speciality Where id_student=:id_student UNION SELECT DISTINCT specialityRR.id_speciality, specialityRR.p25_2 FROM specialityRR INNER JOIN KasFak ON specialityRR.id_faculty = KasFak.id_faculty INNER JOIN ZUR_User ON KasFak.id_kassa = ZUR_User.id_kassa WHERE ZUR_User.id_ZUR_user =:id_login ) AS T ORDER BY T.p25_2

-- name: p102_new_spec
SELECT DISTINCT T.* FROM ( SELECT Payment.id_newSpecP102 AS id_speciality, dbo.specialityRR.p25_2 FROM Payment INNER JOIN specialityRR ON Payment.id_newSpecP102 = specialityRR.id_speciality Where id_student=:id_student UNION SELECT DISTINCT dbo.specialityRR.id_speciality, dbo.specialityRR.p25_2 FROM dbo.specialityRR INNER JOIN dbo.KasFak ON dbo.specialityRR.id_faculty = dbo.KasFak.id_faculty INNER JOIN dbo.ZUR_User ON dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa WHERE dbo.ZUR_User.id_ZUR_user =:id_login ) AS T ORDER BY T.p25_2
-- expect:
SELECT DISTINCT T.* FROM ( SELECT Payment.id_newSpecP102 AS id_speciality, specialityRR.p25_2 FROM Payment INNER JOIN specialityRR ON Payment.id_newSpecP102 = specialityRR.id_speciality Where id_student=:id_student UNION SELECT DISTINCT specialityRR.id_speciality, specialityRR.p25_2 FROM specialityRR INNER JOIN KasFak ON specialityRR.id_faculty = KasFak.id_faculty INNER JOIN ZUR_User ON KasFak.id_kassa = ZUR_User.id_kassa WHERE ZUR_User.id_ZUR_user =:id_login ) AS T ORDER BY T.p25_2

-- name: faculty_f24
SELECT id_faculty,[p23-1] FROM [ZUR].[dbo].[faculty] Order by [p23-1]
-- expect:
SELECT id_faculty,[p23-1] FROM [faculty] Order by [p23-1]

-- name: rate_f24
SELECT id_rate,p22 FROM [ZUR].[dbo].[rate]
-- expect:
SELECT id_rate,p22 FROM [rate]

-- name: year_f24
SELECT [id_a_year],[p32] FROM [ZUR].[dbo].[a_year] where u_god > YEAR(GETDATE())-6 and u_god < YEAR(GETDATE())+6
-- expect:
SELECT [id_a_year],[p32] FROM [a_year] where u_god > YEAR(GETDATE())-6 and u_god < YEAR(GETDATE())+6

-- name: can_terminal
 SELECT  ZUR_login, canTerminal  FROM  dbo.ZUR_User  WHERE     (ZUR_login = N'kassir') AND (visible = 1) 
-- expect:
 SELECT  ZUR_login, canTerminal  FROM  ZUR_User  WHERE     (ZUR_login = 'kassir') AND (visible = 1) 

-- name: session_cash_desk
SELECT TOP 1 id_kassa FROM ZUR_USER WHERE id_zur_user = 3
-- expect:
SELECT id_kassa FROM ZUR_USER WHERE id_zur_user = 3 LIMIT 1

-- name: session_accounts
SELECT * FROM shet where id_kassa = 2
-- expect:
SELECT * FROM shet where id_kassa = 2

-- name: session_purposes
SELECT * FROM uslugi where id_kassa = 2
-- expect:
SELECT * FROM uslugi where id_kassa = 2

-- name: session_update_spec
 SELECT specialityRR.id_speciality, specialityRR.p25_2 FROM dbo.specialityRR, KasFak, ZUR_User  WHERE (dbo.specialityRR.id_faculty = KasFak.id_faculty) AND (KasFak.id_kassa = ZUR_User.id_kassa)GROUP BY specialityRR.id_speciality, specialityRR.p25_2  ORDER BY dbo.specialityRR.[p25_2]
-- expect:
 SELECT specialityRR.id_speciality, specialityRR.p25_2 FROM specialityRR, KasFak, ZUR_User  WHERE (specialityRR.id_faculty = KasFak.id_faculty) AND (KasFak.id_kassa = ZUR_User.id_kassa)GROUP BY specialityRR.id_speciality, specialityRR.p25_2  ORDER BY specialityRR.[p25_2]

-- name: session_def_uslug
SELECT TOP 1 Def_Uslug.* From  [ZUR].dbo.Def_Uslug Where Def_Uslug.id_kassa = 2
-- expect:
SELECT Def_Uslug.* From  Def_Uslug Where Def_Uslug.id_kassa = 2 LIMIT 1

-- name: session_setting_34
 SELECT TOP(1) * FROM VuzDefaults WHERE id_vuz_defaults=34
-- expect:
 SELECT * FROM VuzDefaults WHERE id_vuz_defaults=34 LIMIT 1

-- name: session_setting_40
 SELECT TOP(1) * FROM VuzDefaults WHERE id_vuz_defaults=40
-- expect:
 SELECT * FROM VuzDefaults WHERE id_vuz_defaults=40 LIMIT 1

-- name: server_date
SELECT GETDATE()
-- expect:
SELECT GETDATE()

-- name: desk_specialities_of_faculty
 SELECT  DISTINCT   id_speciality, p25_2, id_faculty, max_rate_id  FROM         dbo.specialityRR  WHERE (visible = 1) AND              (dbo.specialityRR.id_faculty = 4) ORDER BY               dbo.specialityRR.[p25_2]
-- expect:
 SELECT  DISTINCT   id_speciality, p25_2, id_faculty, max_rate_id  FROM         specialityRR  WHERE (visible = 1) AND              (specialityRR.id_faculty = 4) ORDER BY               specialityRR.[p25_2]

-- name: desk_listener_groups_of_faculty
 Select * from group_slushatel where id_faculty=4
-- expect:
 Select * from group_slushatel where id_faculty=4

-- name: desk_groups_payment
SELECT DISTINCT dbo.Groups_payment.p20 AS gr, dbo.Groups_payment.id_group, dbo.[group].p20 FROM         dbo.Groups_payment INNER JOIN dbo.[group] ON dbo.Groups_payment.id_group = dbo.[group].id_group WHERE     (dbo.Groups_payment.id_rate = 2) AND (dbo.Groups_payment.id_a_year = 12) AND (dbo.Groups_payment.id_speciality = 45) ORDER BY dbo.Groups_payment.p20 
-- expect:
SELECT DISTINCT Groups_payment.p20 AS gr, Groups_payment.id_group, [group].p20 FROM         Groups_payment INNER JOIN [group] ON Groups_payment.id_group = [group].id_group WHERE     (Groups_payment.id_rate = 2) AND (Groups_payment.id_a_year = 12) AND (Groups_payment.id_speciality = 45) ORDER BY Groups_payment.p20 

-- name: desk_def_uslug_of_faculty
SELECT * FROM [ZUR].[dbo].[Def_Uslug] WHERE id_faculty = 4
-- expect:
SELECT * FROM [Def_Uslug] WHERE id_faculty = 4

-- name: desk_applicants_of_speciality
SELECT id_student,  ab_fio + CASE WHEN idid IS NULL THEN '' ELSE ' - [ ' + idid + ' ]' END AS [ab_fio] FROM Ab_fio, ReceptInfo WHERE Ab_fio.id_student = ReceptInfo.IDStudent and ReceptInfo.Speciality = 45 AND ReceptInfo.Faculties  = 4 AND Ab_fio.del = 0 AND ((ReceptInfo.Takebackdocs IS NULL) OR(ReceptInfo.Takebackdocs = 0))  ORDER BY ab_fio.ab_fio
-- expect:
SELECT id_student,  ab_fio || CASE WHEN idid IS NULL THEN '' ELSE ' - [ ' || idid || ' ]' END AS [ab_fio] FROM Ab_fio, ReceptInfo WHERE Ab_fio.id_student = ReceptInfo.IDStudent and ReceptInfo.Speciality = 45 AND ReceptInfo.Faculties  = 4 AND Ab_fio.del = 0 AND ((ReceptInfo.Takebackdocs IS NULL) OR(ReceptInfo.Takebackdocs = 0))  ORDER BY ab_fio.ab_fio

-- name: desk_applicants_recommended
SELECT id_student,  ab_fio + CASE WHEN idid IS NULL THEN '' ELSE ' - [ ' + idid + ' ]' END AS [ab_fio] FROM Ab_fio, ReceptInfo WHERE Ab_fio.id_student = ReceptInfo.IDStudent and ReceptInfo.Speciality = 45 AND ReceptInfo.Faculties  = 4 AND Ab_fio.del = 0 AND ReceptInfo.Recom_for_reccept = 1  AND ((ReceptInfo.Takebackdocs IS NULL) OR(ReceptInfo.Takebackdocs = 0))  ORDER BY ab_fio.ab_fio
-- expect:
SELECT id_student,  ab_fio || CASE WHEN idid IS NULL THEN '' ELSE ' - [ ' || idid || ' ]' END AS [ab_fio] FROM Ab_fio, ReceptInfo WHERE Ab_fio.id_student = ReceptInfo.IDStudent and ReceptInfo.Speciality = 45 AND ReceptInfo.Faculties  = 4 AND Ab_fio.del = 0 AND ReceptInfo.Recom_for_reccept = 1  AND ((ReceptInfo.Takebackdocs IS NULL) OR(ReceptInfo.Takebackdocs = 0))  ORDER BY ab_fio.ab_fio

-- name: desk_listeners_of_group
 SELECT s_fio,s_fio.id_student  FROM [ZUR].[dbo].[movement_slushatel] inner join s_fio  ON s_fio.id_student=movement_slushatel.id_student  WHERE id_group_slushatel=7 Order by s_fio
-- expect:
 SELECT s_fio,s_fio.id_student  FROM [movement_slushatel] inner join s_fio  ON s_fio.id_student=movement_slushatel.id_student  WHERE id_group_slushatel=7 Order by s_fio

-- name: tuition_payment_template
SELECT TOP(0) id_kassa, id_payment, id_uslug, id_faculty, id_student, id_abiturient,id_a_year, id_speciality, osnovanie,id_slushatel,id_group_slushatel,id_v_opl,P102,P104, P104_1,P103,id_oplata,id_group, id_rate, p102NewSpec, id_newSpecP102, id_newYear, id_newRate, ZUR_User, ZUR_Update,id_newGroup FROM Payment
-- expect:
SELECT id_kassa, id_payment, id_uslug, id_faculty, id_student, id_abiturient,id_a_year, id_speciality, osnovanie,id_slushatel,id_group_slushatel,id_v_opl,P102,P104, P104_1,P103,id_oplata,id_group, id_rate, p102NewSpec, id_newSpecP102, id_newYear, id_newRate, ZUR_User, ZUR_Update,id_newGroup FROM Payment LIMIT 0

-- name: tuition_transfer_template
SELECT TOP(0) [id_PaymentTransfer] ,[id_payment] ,[id_NewYear] ,[id_newRate] ,[id_newGroup] ,[p102NewSpec] ,[id_newSpecP102] FROM [ZUR].[dbo].[PaymentTransfer]
-- expect:
SELECT [id_PaymentTransfer] ,[id_payment] ,[id_NewYear] ,[id_newRate] ,[id_newGroup] ,[p102NewSpec] ,[id_newSpecP102] FROM [PaymentTransfer] LIMIT 0

-- name: tuition_applicant_enrolled
SELECT TOP 1 isStudent FROM Ab_Fio WHERE id_student = 311
-- expect:
SELECT isStudent FROM Ab_Fio WHERE id_student = 311 LIMIT 1

-- name: tuition_institution_name
SELECT TOP(1) Vuz.v2 FROM Vuz, Faculty WHERE Faculty.id_vuz = Vuz.id_vuz AND Faculty.id_faculty = 4
-- expect:
SELECT Vuz.v2 FROM Vuz, Faculty WHERE Faculty.id_vuz = Vuz.id_vuz AND Faculty.id_faculty = 4 LIMIT 1

-- name: tuition_contract_sum
SELECT TOP 1 p106, sum_opl FROM Payment1V WHERE id_student=907 AND id_rate = 2 and id_group = 118
-- expect:
SELECT p106, sum_opl FROM Payment1V WHERE id_student=907 AND id_rate = 2 and id_group = 118 LIMIT 1

-- name: tuition_next_year
SELECT TOP 1 id_a_year FROM a_year WHERE u_god = 2025
-- expect:
SELECT id_a_year FROM a_year WHERE u_god = 2025 LIMIT 1

-- name: tuition_next_course
SELECT TOP 1 id_rate FROM g_r_y WHERE id_a_year = 13 and id_group = 118
-- expect:
SELECT id_rate FROM g_r_y WHERE id_a_year = 13 and id_group = 118 LIMIT 1

-- name: tuition_def_uslug_of_desk
SELECT * FROM [ZUR].[dbo].[Def_Uslug] WHERE id_kassa=2
-- expect:
SELECT * FROM [Def_Uslug] WHERE id_kassa=2

-- name: tuition_recept_info_confirm
UPDATE ReceptInfo SET Payment_fr_kass = 15000, DatePayment_fr_kass = '05.03.2024 14:40:11' , confirm_date_for_reccept = 1 , pay = 1 , DateResept = '05.03.2024 14:40:11' WHERE IDStudent = 311
-- expect:
UPDATE ReceptInfo SET Payment_fr_kass = 15000, DatePayment_fr_kass = '2024-03-05 14:40:11' , confirm_date_for_reccept = 1 , pay = 1 , DateResept = '2024-03-05 14:40:11' WHERE IDStudent = 311

-- name: tuition_recept_info_paid
UPDATE ReceptInfo SET Payment_fr_kass = 15000, DatePayment_fr_kass = '05.03.2024 14:40:11' WHERE IDStudent = 311
-- expect:
UPDATE ReceptInfo SET Payment_fr_kass = 15000, DatePayment_fr_kass = '2024-03-05 14:40:11' WHERE IDStudent = 311

-- name: tuition_faculty_document_name
SELECT TOP(1) Faculty.[p23-2] FROM Faculty WHERE Faculty.id_faculty = 4
-- expect:
SELECT Faculty.[p23-2] FROM Faculty WHERE Faculty.id_faculty = 4 LIMIT 1

-- name: tuition_auto_enrolment
EXEC  DoAutoRecepted  @id_abiturient = 311,@id_speciality = 45,@id_rate = 1,@id_a_year = 12
-- exec: DoAutoRecepted(@id_abiturient=311, @id_speciality=45, @id_rate=1, @id_a_year=12)

-- name: order_next_number_income
EXEC GetNum '05.03.2024', 3, 1, 2
-- exec: GetNum('2024-03-05 00:00:00', 3, 1, 2)

-- name: order_next_number_expense
EXEC GetNum '05.03.2024', 3, 0, 1
-- exec: GetNum('2024-03-05 00:00:00', 3, 0, 1)

-- name: order_recent_numbers_income
EXEC GetThreeNums '05.03.2024', 3, 1, 1
-- exec: GetThreeNums('2024-03-05 00:00:00', 3, 1, 1)

-- name: order_recent_additional_income
EXEC GetThreeNums '05.03.2024', 3, 1, 0
-- exec: GetThreeNums('2024-03-05 00:00:00', 3, 1, 0)

-- name: order_recent_numbers_expense
EXEC GetThreeNums '05.03.2024', 3, 0, 1
-- exec: GetThreeNums('2024-03-05 00:00:00', 3, 0, 1)

-- name: order_recent_additional_expense
EXEC GetThreeNums '05.03.2024', 3, 0, 0
-- exec: GetThreeNums('2024-03-05 00:00:00', 3, 0, 0)

-- name: income_payment_template
SELECT TOP(0) id_kassa, id_payment,id_teacher, dopol, id_faculty, id_student, id_slushatel,id_a_year, id_uslug, osnovanie, primech,id_v_opl,P102,P104, p104_1,P103,id_oplata,ZUR_User, ZUR_Update FROM Payment
-- expect:
SELECT id_kassa, id_payment,id_teacher, dopol, id_faculty, id_student, id_slushatel,id_a_year, id_uslug, osnovanie, primech,id_v_opl,P102,P104, p104_1,P103,id_oplata,ZUR_User, ZUR_Update FROM Payment LIMIT 0

-- name: expense_insert_template
SELECT TOP(0) id_kassa, id_a_year, id_expense,id_teacher, id_abiturient, dopol, id_payment, id_faculty, id_student,id_a_year, id_uslug, osnovanie, primech, id_slushatel ,id_group_slushatel, id_v_opl,P102,P104, p104_1,P103, Onul, ZUR_User, ZUR_Update FROM Expense
-- expect:
SELECT id_kassa, id_a_year, id_expense,id_teacher, id_abiturient, dopol, id_payment, id_faculty, id_student,id_a_year, id_uslug, osnovanie, primech, id_slushatel ,id_group_slushatel, id_v_opl,P102,P104, p104_1,P103, Onul, ZUR_User, ZUR_Update FROM Expense LIMIT 0

-- name: expense_applicants_of_desk
SELECT id_student,  ab_fio + CASE WHEN idid IS NULL THEN '' ELSE ' - [ ' + idid + ' ]' END AS [ab_fio]  FROM         dbo.ab_fio INNER JOIN  dbo.ReceptInfo ON dbo.ab_fio.id_student = dbo.ReceptInfo.IDStudent INNER JOIN  dbo.KasFak ON dbo.ReceptInfo.Faculties = dbo.KasFak.id_faculty  WHERE     (dbo.KasFak.id_kassa = 2)  ORDER BY ab_fio.ab_fio
-- expect:
SELECT id_student,  ab_fio || CASE WHEN idid IS NULL THEN '' ELSE ' - [ ' || idid || ' ]' END AS [ab_fio]  FROM         ab_fio INNER JOIN  ReceptInfo ON ab_fio.id_student = ReceptInfo.IDStudent INNER JOIN  KasFak ON ReceptInfo.Faculties = KasFak.id_faculty  WHERE     (KasFak.id_kassa = 2)  ORDER BY ab_fio.ab_fio

-- name: expense_faculties_of_desk
 SELECT     dbo.KasFak.id_kassa, dbo.faculty.[p23-2] AS nameFac, dbo.faculty.id_faculty FROM         dbo.KasFak INNER JOIN dbo.faculty ON dbo.KasFak.id_faculty = dbo.faculty.id_faculty WHERE     (dbo.KasFak.id_kassa = 2)
-- expect:
 SELECT     KasFak.id_kassa, faculty.[p23-2] AS nameFac, faculty.id_faculty FROM         KasFak INNER JOIN faculty ON KasFak.id_faculty = faculty.id_faculty WHERE     (KasFak.id_kassa = 2)

-- name: expense_setting_40
 SELECT  id_vuz_defaults, id_field  FROM         VuzDefaults  WHERE     (id_vuz_defaults = 40)
-- expect:
 SELECT  id_vuz_defaults, id_field  FROM         VuzDefaults  WHERE     (id_vuz_defaults = 40)

-- name: expense_desk_name
SELECT TOP(1) Kassa.[name] FROM Kassa WHERE Kassa.id_kassa = 2
-- expect:
SELECT Kassa.[name] FROM Kassa WHERE Kassa.id_kassa = 2 LIMIT 1

-- name: receipt_officials
SELECT TOP 1 glavBuh, kasir FROM kassa WHERE id_kassa = 2
-- expect:
SELECT glavBuh, kasir FROM kassa WHERE id_kassa = 2 LIMIT 1

-- name: receipt_faculty_flag
SELECT id_faculty, RS_opl FROM faculty WHERE id_faculty =4
-- expect:
SELECT id_faculty, RS_opl FROM faculty WHERE id_faculty =4

-- name: expense_officials
SELECT TOP 1 rukov, glavBuh, kasir FROM kassa WHERE id_kassa = 2
-- expect:
SELECT rukov, glavBuh, kasir FROM kassa WHERE id_kassa = 2 LIMIT 1

-- name: passport_staff
SELECT TOP 1 CASE WHEN dbo.passport.s_p IS NULL THEN '' ELSE dbo.passport.s_p END + CASE WHEN dbo.passport.n_p IS NULL THEN '' ELSE dbo.passport.n_p END + ' (' + dbo.MVD_Pasport.CodeMVD + ') от ' + CONVERT (NVARCHAR(10), dbo.passport.D_given_p, 104) + ' г.'FROM dbo.passport INNER JOIN dbo.MVD_Pasport ON dbo.passport.id_passport_organ = dbo.MVD_Pasport.IDMVD  WHERE dbo.passport.id_teacher = 15
-- expect:
SELECT CASE WHEN passport.s_p IS NULL THEN '' ELSE passport.s_p END || CASE WHEN passport.n_p IS NULL THEN '' ELSE passport.n_p END || ' (' || MVD_Pasport.CodeMVD || ') от ' || zur_date104 ( passport.D_given_p) || ' г.'FROM passport INNER JOIN MVD_Pasport ON passport.id_passport_organ = MVD_Pasport.IDMVD  WHERE passport.id_teacher = 15 LIMIT 1

-- name: passport_student
SELECT TOP 1 CASE WHEN dbo.Student.SerialPas IS NULL THEN '' ELSE dbo.Student.SerialPas END + CASE WHEN dbo.Student.NumberPas IS NULL THEN '' ELSE dbo.Student.NumberPas END + ' (' + dbo.MVD_Pasport.CodeMVD + ') от ' + CONVERT (NVARCHAR(10), dbo.Student.DateGivenPas, 104) + ' г.'FROM dbo.student INNER JOIN dbo.MVD_Pasport ON dbo.student.GivenPas = dbo.MVD_Pasport.IDMVD WHERE dbo.student.id_student = 907
-- expect:
SELECT CASE WHEN Student.SerialPas IS NULL THEN '' ELSE Student.SerialPas END || CASE WHEN Student.NumberPas IS NULL THEN '' ELSE Student.NumberPas END || ' (' || MVD_Pasport.CodeMVD || ') от ' || zur_date104 ( Student.DateGivenPas) || ' г.'FROM student INNER JOIN MVD_Pasport ON student.GivenPas = MVD_Pasport.IDMVD WHERE student.id_student = 907 LIMIT 1

-- name: passport_applicant
SELECT TOP 1 CASE WHEN dbo.Abiturient.SerialPas IS NULL THEN '' ELSE dbo.Abiturient.SerialPas END + CASE WHEN dbo.Abiturient.NumberPas IS NULL THEN '' ELSE dbo.Abiturient.NumberPas END + ' (' + dbo.MVD_Pasport.CodeMVD + ') от ' + CONVERT (NVARCHAR(10), dbo.Abiturient.DateGivenPas, 104) + ' г.'FROM dbo.Abiturient INNER JOIN dbo.MVD_Pasport ON dbo.Abiturient.GivenPas = dbo.MVD_Pasport.IDMVD WHERE dbo.Abiturient.id_student = 311
-- expect:
SELECT CASE WHEN Abiturient.SerialPas IS NULL THEN '' ELSE Abiturient.SerialPas END || CASE WHEN Abiturient.NumberPas IS NULL THEN '' ELSE Abiturient.NumberPas END || ' (' || MVD_Pasport.CodeMVD || ') от ' || zur_date104 ( Abiturient.DateGivenPas) || ' г.'FROM Abiturient INNER JOIN MVD_Pasport ON Abiturient.GivenPas = MVD_Pasport.IDMVD WHERE Abiturient.id_student = 311 LIMIT 1

-- name: audit_log_insert
INSERT INTO ZUR_LOG([table], [row_id], [descr], [ZUR_User], [comp]) VALUES('Payment', 1542, 'Изменено поле p102: 1000 -> 1500', 'kassir', 'KASSA-1\192.168.1.5')
-- expect:
INSERT INTO ZUR_LOG([table], [row_id], [descr], [ZUR_User], [comp]) VALUES('Payment', 1542, 'Изменено поле p102: 1000 -> 1500', 'kassir', 'KASSA-1\192.168.1.5')

-- name: search_receipts_by_order_number
SELECT TOP (100) PERCENT dbo.payment.p104_1, CASE WHEN dbo.s_fio.idid IS NULL THEN'' ELSE '[ ' + dbo.s_fio.idid + ' ] - ' END + (CASE WHEN Payment.id_student IS NOT NULL
     THEN dbo.s_fio.s_fio + '- [студент]' ELSE CASE WHEN Payment.id_teacher IS NOT NULL
     THEN t_fio.t_fio + '- [сотрудник]' ELSE CASE WHEN Payment.dopol IS NOT NULL THEN Payment.dopol + '- [дополнительно]' ELSE'' END END END)
     AS FIO, dbo.specialityRR.p25_2 AS Speciality, dbo.a_year.p32 AS Year, dbo.v_opl.p105 AS v_opl, dbo.payment.id_payment, dbo.payment.id_student,
     dbo.payment.id_teacher, dbo.payment.id_abiturient, dbo.payment.id_faculty, dbo.payment.id_oplata, dbo.payment.osnovanie, dbo.payment.id_speciality, dbo.payment.id_rate,
     dbo.payment.id_group, dbo.payment.id_a_year, dbo.payment.id_uslug, dbo.payment.p102, dbo.payment.p103, dbo.payment.p104,
     dbo.payment.id_v_opl, dbo.payment.dopol, dbo.payment.data_prikaz, dbo.payment.dop_info, dbo.payment.num_prikaz, dbo.payment.oper,
     dbo.payment.u_date, dbo.payment.primech, dbo.payment.ZUR_user, dbo.payment.ZUR_update,id_group_slushatel
FROM dbo.payment INNER JOIN
     dbo.v_opl ON dbo.payment.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN
     dbo.KasFak ON dbo.payment.id_faculty = dbo.KasFak.id_faculty INNER JOIN
     dbo.ZUR_User ON dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa LEFT OUTER JOIN
     dbo.user_faculty ON dbo.payment.id_faculty = dbo.user_faculty.faculty LEFT OUTER JOIN
     dbo.t_fio ON dbo.payment.id_teacher = dbo.t_fio.id_teacher LEFT OUTER JOIN
     dbo.s_fio ON dbo.payment.id_student = dbo.s_fio.id_student LEFT OUTER JOIN
     dbo.a_year ON dbo.payment.id_a_year = dbo.a_year.id_a_year LEFT OUTER JOIN
     dbo.specialityRR ON dbo.payment.id_speciality = dbo.specialityRR.id_speciality
GROUP BY dbo.s_fio.idid, Zur_User.id_zur_user, dbo.payment.p104_1, dbo.specialityRR.p25_2, dbo.payment.id_abiturient, dbo.a_year.p32, dbo.v_opl.p105, dbo.payment.id_payment, dbo.payment.id_student, dbo.payment.id_teacher,
     dbo.payment.id_faculty, dbo.payment.id_oplata, dbo.payment.osnovanie, dbo.payment.id_speciality, dbo.payment.id_rate, dbo.payment.id_group,
     dbo.payment.id_a_year, dbo.payment.id_uslug, dbo.payment.p102, dbo.payment.p103, dbo.payment.p104, dbo.payment.id_v_opl, dbo.payment.dopol,
     dbo.payment.data_prikaz, dbo.payment.dop_info, dbo.payment.num_prikaz, dbo.payment.oper, dbo.payment.u_date, dbo.payment.ZUR_user,
     dbo.payment.ZUR_update, dbo.payment.primech, dbo.s_fio.s_fio, dbo.t_fio.t_fio, dbo.user_faculty.id_login, id_group_slushatel
HAVING (dbo.payment.id_abiturient IS NULL) AND (CASE WHEN (dbo.payment.p104_1 IS NOT NULL) AND (dbo.payment.p104_1 <> '') THEN dbo.payment.p104_1 ELSE CAST(dbo.payment.p104 AS NVARCHAR(20)) END = '1542') AND (dbo.user_faculty.id_login = 3) AND (Zur_User.id_zur_user = 3)
ORDER BY s_fio.s_fio, P103
-- expect:
SELECT payment.p104_1, CASE WHEN s_fio.idid IS NULL THEN'' ELSE '[ ' || s_fio.idid || ' ] - ' END || (CASE WHEN Payment.id_student IS NOT NULL
     THEN s_fio.s_fio || '- [студент]' ELSE CASE WHEN Payment.id_teacher IS NOT NULL
     THEN t_fio.t_fio || '- [сотрудник]' ELSE CASE WHEN Payment.dopol IS NOT NULL THEN Payment.dopol || '- [дополнительно]' ELSE'' END END END)
     AS FIO, specialityRR.p25_2 AS Speciality, a_year.p32 AS Year, v_opl.p105 AS v_opl, payment.id_payment, payment.id_student,
     payment.id_teacher, payment.id_abiturient, payment.id_faculty, payment.id_oplata, payment.osnovanie, payment.id_speciality, payment.id_rate,
     payment.id_group, payment.id_a_year, payment.id_uslug, payment.p102, payment.p103, payment.p104,
     payment.id_v_opl, payment.dopol, payment.data_prikaz, payment.dop_info, payment.num_prikaz, payment.oper,
     payment.u_date, payment.primech, payment.ZUR_user, payment.ZUR_update,id_group_slushatel
FROM payment INNER JOIN
     v_opl ON payment.id_v_opl = v_opl.id_v_opl INNER JOIN
     KasFak ON payment.id_faculty = KasFak.id_faculty INNER JOIN
     ZUR_User ON KasFak.id_kassa = ZUR_User.id_kassa LEFT OUTER JOIN
     user_faculty ON payment.id_faculty = user_faculty.faculty LEFT OUTER JOIN
     t_fio ON payment.id_teacher = t_fio.id_teacher LEFT OUTER JOIN
     s_fio ON payment.id_student = s_fio.id_student LEFT OUTER JOIN
     a_year ON payment.id_a_year = a_year.id_a_year LEFT OUTER JOIN
     specialityRR ON payment.id_speciality = specialityRR.id_speciality
GROUP BY s_fio.idid, Zur_User.id_zur_user, payment.p104_1, specialityRR.p25_2, payment.id_abiturient, a_year.p32, v_opl.p105, payment.id_payment, payment.id_student, payment.id_teacher,
     payment.id_faculty, payment.id_oplata, payment.osnovanie, payment.id_speciality, payment.id_rate, payment.id_group,
     payment.id_a_year, payment.id_uslug, payment.p102, payment.p103, payment.p104, payment.id_v_opl, payment.dopol,
     payment.data_prikaz, payment.dop_info, payment.num_prikaz, payment.oper, payment.u_date, payment.ZUR_user,
     payment.ZUR_update, payment.primech, s_fio.s_fio, t_fio.t_fio, user_faculty.id_login, id_group_slushatel
HAVING (payment.id_abiturient IS NULL) AND (CASE WHEN (payment.p104_1 IS NOT NULL) AND (payment.p104_1 <> '') THEN payment.p104_1 ELSE CAST(payment.p104 AS NVARCHAR(20)) END = '1542') AND (user_faculty.id_login = 3) AND (Zur_User.id_zur_user = 3)
ORDER BY s_fio.s_fio, P103

-- name: search_expenses_by_order_number
SELECT TOP (100) PERCENT dbo.Expense.p104_1, dbo.Expense.id_abiturient,(CASE WHEN Expense.id_student IS NOT NULL
     THEN dbo.s_fio.s_fio + '- [студент]' ELSE CASE WHEN Expense.id_teacher IS NOT NULL
     THEN t_fio.t_fio + '- [сотрудник]' ELSE CASE WHEN Expense.dopol IS NOT NULL THEN Expense.dopol + '- [дополнительно]' ELSE'' END END END)
     AS FIO, dbo.specialityRR.p25_2 AS Speciality, dbo.a_year.p32 AS Year, dbo.v_opl.p105 AS v_opl, dbo.Expense.id_Expense, dbo.Expense.id_student,
     dbo.Expense.id_teacher, dbo.Expense.Onul, dbo.Expense.id_faculty, dbo.Expense.osnovanie, dbo.Expense.id_speciality, dbo.Expense.id_rate,
     dbo.Expense.id_payment, dbo.Expense.id_group, dbo.Expense.id_a_year, dbo.Expense.id_uslug, dbo.Expense.p102, dbo.Expense.p103, dbo.Expense.p104,
     dbo.Expense.id_v_opl, dbo.Expense.dopol, dbo.Expense.data_prikaz, dbo.Expense.dop_info, dbo.Expense.num_prikaz, dbo.Expense.oper,
     dbo.Expense.u_date, dbo.Expense.primech, dbo.Expense.ZUR_user, dbo.Expense.ZUR_update
FROM dbo.Expense INNER JOIN
     dbo.v_opl ON dbo.Expense.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN
     dbo.KasFak ON dbo.Expense.id_kassa = dbo.KasFak.id_kassa INNER JOIN
     dbo.ZUR_User ON dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa LEFT OUTER JOIN
     dbo.t_fio ON dbo.Expense.id_teacher = dbo.t_fio.id_teacher LEFT OUTER JOIN
     dbo.s_fio ON dbo.Expense.id_student = dbo.s_fio.id_student LEFT OUTER JOIN
     dbo.a_year ON dbo.Expense.id_a_year = dbo.a_year.id_a_year LEFT OUTER JOIN
     dbo.specialityRR ON dbo.Expense.id_speciality = dbo.specialityRR.id_speciality
GROUP BY dbo.Expense.id_abiturient,ZUR_USER.id_zur_user, dbo.Expense.p104_1, dbo.Expense.id_payment, dbo.specialityRR.p25_2, dbo.a_year.p32, dbo.v_opl.p105, dbo.Expense.id_Expense, dbo.Expense.id_student, dbo.Expense.id_teacher,
     dbo.Expense.id_faculty, dbo.Expense.Onul, dbo.Expense.osnovanie, dbo.Expense.id_speciality, dbo.Expense.id_rate, dbo.Expense.id_group,
     dbo.Expense.id_a_year, dbo.Expense.id_uslug, dbo.Expense.p102, dbo.Expense.p103, dbo.Expense.p104, dbo.Expense.id_v_opl, dbo.Expense.dopol,
     dbo.Expense.data_prikaz, dbo.Expense.dop_info, dbo.Expense.num_prikaz, dbo.Expense.oper, dbo.Expense.u_date, dbo.Expense.ZUR_user,
     dbo.Expense.ZUR_update, dbo.Expense.primech, dbo.s_fio.s_fio, dbo.t_fio.t_fio
HAVING  (dbo.Expense.id_abiturient IS NULL) AND ( CASE WHEN (dbo.Expense.p104_1 IS NOT NULL) AND (dbo.Expense.p104_1 <> '') THEN dbo.Expense.p104_1 ELSE CAST(dbo.Expense.p104 AS NVARCHAR(20)) END = '77') AND (Zur_User.id_zur_user = 3)
ORDER BY s_fio.s_fio, P103
-- expect:
SELECT Expense.p104_1, Expense.id_abiturient,(CASE WHEN Expense.id_student IS NOT NULL
     THEN s_fio.s_fio || '- [студент]' ELSE CASE WHEN Expense.id_teacher IS NOT NULL
     THEN t_fio.t_fio || '- [сотрудник]' ELSE CASE WHEN Expense.dopol IS NOT NULL THEN Expense.dopol || '- [дополнительно]' ELSE'' END END END)
     AS FIO, specialityRR.p25_2 AS Speciality, a_year.p32 AS Year, v_opl.p105 AS v_opl, Expense.id_Expense, Expense.id_student,
     Expense.id_teacher, Expense.Onul, Expense.id_faculty, Expense.osnovanie, Expense.id_speciality, Expense.id_rate,
     Expense.id_payment, Expense.id_group, Expense.id_a_year, Expense.id_uslug, Expense.p102, Expense.p103, Expense.p104,
     Expense.id_v_opl, Expense.dopol, Expense.data_prikaz, Expense.dop_info, Expense.num_prikaz, Expense.oper,
     Expense.u_date, Expense.primech, Expense.ZUR_user, Expense.ZUR_update
FROM Expense INNER JOIN
     v_opl ON Expense.id_v_opl = v_opl.id_v_opl INNER JOIN
     KasFak ON Expense.id_kassa = KasFak.id_kassa INNER JOIN
     ZUR_User ON KasFak.id_kassa = ZUR_User.id_kassa LEFT OUTER JOIN
     t_fio ON Expense.id_teacher = t_fio.id_teacher LEFT OUTER JOIN
     s_fio ON Expense.id_student = s_fio.id_student LEFT OUTER JOIN
     a_year ON Expense.id_a_year = a_year.id_a_year LEFT OUTER JOIN
     specialityRR ON Expense.id_speciality = specialityRR.id_speciality
GROUP BY Expense.id_abiturient,ZUR_USER.id_zur_user, Expense.p104_1, Expense.id_payment, specialityRR.p25_2, a_year.p32, v_opl.p105, Expense.id_Expense, Expense.id_student, Expense.id_teacher,
     Expense.id_faculty, Expense.Onul, Expense.osnovanie, Expense.id_speciality, Expense.id_rate, Expense.id_group,
     Expense.id_a_year, Expense.id_uslug, Expense.p102, Expense.p103, Expense.p104, Expense.id_v_opl, Expense.dopol,
     Expense.data_prikaz, Expense.dop_info, Expense.num_prikaz, Expense.oper, Expense.u_date, Expense.ZUR_user,
     Expense.ZUR_update, Expense.primech, s_fio.s_fio, t_fio.t_fio
HAVING  (Expense.id_abiturient IS NULL) AND ( CASE WHEN (Expense.p104_1 IS NOT NULL) AND (Expense.p104_1 <> '') THEN Expense.p104_1 ELSE CAST(Expense.p104 AS NVARCHAR(20)) END = '77') AND (Zur_User.id_zur_user = 3)
ORDER BY s_fio.s_fio, P103

-- name: search_receipts_by_speciality
SELECT TOP (100) PERCENT dbo.payment.p104_1, CASE WHEN dbo.s_fio.idid IS NULL THEN'' ELSE '[ ' + dbo.s_fio.idid + ' ] - ' END + (CASE WHEN Payment.id_student IS NOT NULL
     THEN dbo.s_fio.s_fio + '- [студент]' ELSE CASE WHEN Payment.id_teacher IS NOT NULL
     THEN t_fio.t_fio + '- [сотрудник]' ELSE CASE WHEN Payment.dopol IS NOT NULL THEN Payment.dopol + '- [дополнительно]' ELSE'' END END END)
     AS FIO, dbo.specialityRR.p25_2 AS Speciality, dbo.a_year.p32 AS Year, dbo.v_opl.p105 AS v_opl, dbo.payment.id_payment, dbo.payment.id_student,
     dbo.payment.id_teacher, dbo.payment.id_abiturient, dbo.payment.id_faculty, dbo.payment.id_oplata, dbo.payment.osnovanie, dbo.payment.id_speciality, dbo.payment.id_rate,
     dbo.payment.id_group, dbo.payment.id_a_year, dbo.payment.id_uslug, dbo.payment.p102, dbo.payment.p103, dbo.payment.p104,
     dbo.payment.id_v_opl, dbo.payment.dopol, dbo.payment.data_prikaz, dbo.payment.dop_info, dbo.payment.num_prikaz, dbo.payment.oper,
     dbo.payment.u_date, dbo.payment.primech, dbo.payment.ZUR_user, dbo.payment.ZUR_update,id_group_slushatel
FROM dbo.payment INNER JOIN
     dbo.v_opl ON dbo.payment.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN
     dbo.KasFak ON dbo.payment.id_faculty = dbo.KasFak.id_faculty INNER JOIN
     dbo.ZUR_User ON dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa LEFT OUTER JOIN
     dbo.user_faculty ON dbo.payment.id_faculty = dbo.user_faculty.faculty LEFT OUTER JOIN
     dbo.t_fio ON dbo.payment.id_teacher = dbo.t_fio.id_teacher LEFT OUTER JOIN
     dbo.s_fio ON dbo.payment.id_student = dbo.s_fio.id_student LEFT OUTER JOIN
     dbo.a_year ON dbo.payment.id_a_year = dbo.a_year.id_a_year LEFT OUTER JOIN
     dbo.specialityRR ON dbo.payment.id_speciality = dbo.specialityRR.id_speciality
GROUP BY dbo.s_fio.idid, Zur_User.id_zur_user, dbo.payment.p104_1, dbo.specialityRR.p25_2, dbo.payment.id_abiturient, dbo.a_year.p32, dbo.v_opl.p105, dbo.payment.id_payment, dbo.payment.id_student, dbo.payment.id_teacher,
     dbo.payment.id_faculty, dbo.payment.id_oplata, dbo.payment.osnovanie, dbo.payment.id_speciality, dbo.payment.id_rate, dbo.payment.id_group,
     dbo.payment.id_a_year, dbo.payment.id_uslug, dbo.payment.p102, dbo.payment.p103, dbo.payment.p104, dbo.payment.id_v_opl, dbo.payment.dopol,
     dbo.payment.data_prikaz, dbo.payment.dop_info, dbo.payment.num_prikaz, dbo.payment.oper, dbo.payment.u_date, dbo.payment.ZUR_user,
     dbo.payment.ZUR_update, dbo.payment.primech, dbo.s_fio.s_fio, dbo.t_fio.t_fio, dbo.user_faculty.id_login, id_group_slushatel
HAVING (dbo.payment.id_abiturient IS NULL) AND (dbo.payment.id_speciality = 45) AND (dbo.user_faculty.id_login = 3) AND (Zur_User.id_zur_user = 3)
ORDER BY p102 DESC
-- expect:
SELECT payment.p104_1, CASE WHEN s_fio.idid IS NULL THEN'' ELSE '[ ' || s_fio.idid || ' ] - ' END || (CASE WHEN Payment.id_student IS NOT NULL
     THEN s_fio.s_fio || '- [студент]' ELSE CASE WHEN Payment.id_teacher IS NOT NULL
     THEN t_fio.t_fio || '- [сотрудник]' ELSE CASE WHEN Payment.dopol IS NOT NULL THEN Payment.dopol || '- [дополнительно]' ELSE'' END END END)
     AS FIO, specialityRR.p25_2 AS Speciality, a_year.p32 AS Year, v_opl.p105 AS v_opl, payment.id_payment, payment.id_student,
     payment.id_teacher, payment.id_abiturient, payment.id_faculty, payment.id_oplata, payment.osnovanie, payment.id_speciality, payment.id_rate,
     payment.id_group, payment.id_a_year, payment.id_uslug, payment.p102, payment.p103, payment.p104,
     payment.id_v_opl, payment.dopol, payment.data_prikaz, payment.dop_info, payment.num_prikaz, payment.oper,
     payment.u_date, payment.primech, payment.ZUR_user, payment.ZUR_update,id_group_slushatel
FROM payment INNER JOIN
     v_opl ON payment.id_v_opl = v_opl.id_v_opl INNER JOIN
     KasFak ON payment.id_faculty = KasFak.id_faculty INNER JOIN
     ZUR_User ON KasFak.id_kassa = ZUR_User.id_kassa LEFT OUTER JOIN
     user_faculty ON payment.id_faculty = user_faculty.faculty LEFT OUTER JOIN
     t_fio ON payment.id_teacher = t_fio.id_teacher LEFT OUTER JOIN
     s_fio ON payment.id_student = s_fio.id_student LEFT OUTER JOIN
     a_year ON payment.id_a_year = a_year.id_a_year LEFT OUTER JOIN
     specialityRR ON payment.id_speciality = specialityRR.id_speciality
GROUP BY s_fio.idid, Zur_User.id_zur_user, payment.p104_1, specialityRR.p25_2, payment.id_abiturient, a_year.p32, v_opl.p105, payment.id_payment, payment.id_student, payment.id_teacher,
     payment.id_faculty, payment.id_oplata, payment.osnovanie, payment.id_speciality, payment.id_rate, payment.id_group,
     payment.id_a_year, payment.id_uslug, payment.p102, payment.p103, payment.p104, payment.id_v_opl, payment.dopol,
     payment.data_prikaz, payment.dop_info, payment.num_prikaz, payment.oper, payment.u_date, payment.ZUR_user,
     payment.ZUR_update, payment.primech, s_fio.s_fio, t_fio.t_fio, user_faculty.id_login, id_group_slushatel
HAVING (payment.id_abiturient IS NULL) AND (payment.id_speciality = 45) AND (user_faculty.id_login = 3) AND (Zur_User.id_zur_user = 3)
ORDER BY p102 DESC

-- name: search_expenses_by_speciality
SELECT TOP (100) PERCENT dbo.Expense.p104_1, dbo.Expense.id_abiturient,(CASE WHEN Expense.id_student IS NOT NULL
     THEN dbo.s_fio.s_fio + '- [студент]' ELSE CASE WHEN Expense.id_teacher IS NOT NULL
     THEN t_fio.t_fio + '- [сотрудник]' ELSE CASE WHEN Expense.dopol IS NOT NULL THEN Expense.dopol + '- [дополнительно]' ELSE'' END END END)
     AS FIO, dbo.specialityRR.p25_2 AS Speciality, dbo.a_year.p32 AS Year, dbo.v_opl.p105 AS v_opl, dbo.Expense.id_Expense, dbo.Expense.id_student,
     dbo.Expense.id_teacher, dbo.Expense.Onul, dbo.Expense.id_faculty, dbo.Expense.osnovanie, dbo.Expense.id_speciality, dbo.Expense.id_rate,
     dbo.Expense.id_payment, dbo.Expense.id_group, dbo.Expense.id_a_year, dbo.Expense.id_uslug, dbo.Expense.p102, dbo.Expense.p103, dbo.Expense.p104,
     dbo.Expense.id_v_opl, dbo.Expense.dopol, dbo.Expense.data_prikaz, dbo.Expense.dop_info, dbo.Expense.num_prikaz, dbo.Expense.oper,
     dbo.Expense.u_date, dbo.Expense.primech, dbo.Expense.ZUR_user, dbo.Expense.ZUR_update
FROM dbo.Expense INNER JOIN
     dbo.v_opl ON dbo.Expense.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN
     dbo.KasFak ON dbo.Expense.id_kassa = dbo.KasFak.id_kassa INNER JOIN
     dbo.ZUR_User ON dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa LEFT OUTER JOIN
     dbo.t_fio ON dbo.Expense.id_teacher = dbo.t_fio.id_teacher LEFT OUTER JOIN
     dbo.s_fio ON dbo.Expense.id_student = dbo.s_fio.id_student LEFT OUTER JOIN
     dbo.a_year ON dbo.Expense.id_a_year = dbo.a_year.id_a_year LEFT OUTER JOIN
     dbo.specialityRR ON dbo.Expense.id_speciality = dbo.specialityRR.id_speciality
GROUP BY dbo.Expense.id_abiturient,ZUR_USER.id_zur_user, dbo.Expense.p104_1, dbo.Expense.id_payment, dbo.specialityRR.p25_2, dbo.a_year.p32, dbo.v_opl.p105, dbo.Expense.id_Expense, dbo.Expense.id_student, dbo.Expense.id_teacher,
     dbo.Expense.id_faculty, dbo.Expense.Onul, dbo.Expense.osnovanie, dbo.Expense.id_speciality, dbo.Expense.id_rate, dbo.Expense.id_group,
     dbo.Expense.id_a_year, dbo.Expense.id_uslug, dbo.Expense.p102, dbo.Expense.p103, dbo.Expense.p104, dbo.Expense.id_v_opl, dbo.Expense.dopol,
     dbo.Expense.data_prikaz, dbo.Expense.dop_info, dbo.Expense.num_prikaz, dbo.Expense.oper, dbo.Expense.u_date, dbo.Expense.ZUR_user,
     dbo.Expense.ZUR_update, dbo.Expense.primech, dbo.s_fio.s_fio, dbo.t_fio.t_fio
HAVING (dbo.Expense.id_abiturient IS NULL) AND (dbo.Expense.id_speciality = 45)  AND (Zur_User.id_zur_user = 3) 
ORDER BY s_fio.s_fio
-- expect:
SELECT Expense.p104_1, Expense.id_abiturient,(CASE WHEN Expense.id_student IS NOT NULL
     THEN s_fio.s_fio || '- [студент]' ELSE CASE WHEN Expense.id_teacher IS NOT NULL
     THEN t_fio.t_fio || '- [сотрудник]' ELSE CASE WHEN Expense.dopol IS NOT NULL THEN Expense.dopol || '- [дополнительно]' ELSE'' END END END)
     AS FIO, specialityRR.p25_2 AS Speciality, a_year.p32 AS Year, v_opl.p105 AS v_opl, Expense.id_Expense, Expense.id_student,
     Expense.id_teacher, Expense.Onul, Expense.id_faculty, Expense.osnovanie, Expense.id_speciality, Expense.id_rate,
     Expense.id_payment, Expense.id_group, Expense.id_a_year, Expense.id_uslug, Expense.p102, Expense.p103, Expense.p104,
     Expense.id_v_opl, Expense.dopol, Expense.data_prikaz, Expense.dop_info, Expense.num_prikaz, Expense.oper,
     Expense.u_date, Expense.primech, Expense.ZUR_user, Expense.ZUR_update
FROM Expense INNER JOIN
     v_opl ON Expense.id_v_opl = v_opl.id_v_opl INNER JOIN
     KasFak ON Expense.id_kassa = KasFak.id_kassa INNER JOIN
     ZUR_User ON KasFak.id_kassa = ZUR_User.id_kassa LEFT OUTER JOIN
     t_fio ON Expense.id_teacher = t_fio.id_teacher LEFT OUTER JOIN
     s_fio ON Expense.id_student = s_fio.id_student LEFT OUTER JOIN
     a_year ON Expense.id_a_year = a_year.id_a_year LEFT OUTER JOIN
     specialityRR ON Expense.id_speciality = specialityRR.id_speciality
GROUP BY Expense.id_abiturient,ZUR_USER.id_zur_user, Expense.p104_1, Expense.id_payment, specialityRR.p25_2, a_year.p32, v_opl.p105, Expense.id_Expense, Expense.id_student, Expense.id_teacher,
     Expense.id_faculty, Expense.Onul, Expense.osnovanie, Expense.id_speciality, Expense.id_rate, Expense.id_group,
     Expense.id_a_year, Expense.id_uslug, Expense.p102, Expense.p103, Expense.p104, Expense.id_v_opl, Expense.dopol,
     Expense.data_prikaz, Expense.dop_info, Expense.num_prikaz, Expense.oper, Expense.u_date, Expense.ZUR_user,
     Expense.ZUR_update, Expense.primech, s_fio.s_fio, t_fio.t_fio
HAVING (Expense.id_abiturient IS NULL) AND (Expense.id_speciality = 45)  AND (Zur_User.id_zur_user = 3) 
ORDER BY s_fio.s_fio

-- name: search_receipts_by_purpose
SELECT TOP (100) PERCENT dbo.payment.p104_1, CASE WHEN dbo.s_fio.idid IS NULL THEN'' ELSE '[ ' + dbo.s_fio.idid + ' ] - ' END + (CASE WHEN Payment.id_student IS NOT NULL
     THEN dbo.s_fio.s_fio + '- [студент]' ELSE CASE WHEN Payment.id_teacher IS NOT NULL
     THEN t_fio.t_fio + '- [сотрудник]' ELSE CASE WHEN Payment.dopol IS NOT NULL THEN Payment.dopol + '- [дополнительно]' ELSE'' END END END)
     AS FIO, dbo.specialityRR.p25_2 AS Speciality, dbo.a_year.p32 AS Year, dbo.v_opl.p105 AS v_opl, dbo.payment.id_payment, dbo.payment.id_student,
     dbo.payment.id_teacher, dbo.payment.id_abiturient, dbo.payment.id_faculty, dbo.payment.id_oplata, dbo.payment.osnovanie, dbo.payment.id_speciality, dbo.payment.id_rate,
     dbo.payment.id_group, dbo.payment.id_a_year, dbo.payment.id_uslug, dbo.payment.p102, dbo.payment.p103, dbo.payment.p104,
     dbo.payment.id_v_opl, dbo.payment.dopol, dbo.payment.data_prikaz, dbo.payment.dop_info, dbo.payment.num_prikaz, dbo.payment.oper,
     dbo.payment.u_date, dbo.payment.primech, dbo.payment.ZUR_user, dbo.payment.ZUR_update,id_group_slushatel
FROM dbo.payment INNER JOIN
     dbo.v_opl ON dbo.payment.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN
     dbo.KasFak ON dbo.payment.id_faculty = dbo.KasFak.id_faculty INNER JOIN
     dbo.ZUR_User ON dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa LEFT OUTER JOIN
     dbo.user_faculty ON dbo.payment.id_faculty = dbo.user_faculty.faculty LEFT OUTER JOIN
     dbo.t_fio ON dbo.payment.id_teacher = dbo.t_fio.id_teacher LEFT OUTER JOIN
     dbo.s_fio ON dbo.payment.id_student = dbo.s_fio.id_student LEFT OUTER JOIN
     dbo.a_year ON dbo.payment.id_a_year = dbo.a_year.id_a_year LEFT OUTER JOIN
     dbo.specialityRR ON dbo.payment.id_speciality = dbo.specialityRR.id_speciality
GROUP BY dbo.s_fio.idid, Zur_User.id_zur_user, dbo.payment.p104_1, dbo.specialityRR.p25_2, dbo.payment.id_abiturient, dbo.a_year.p32, dbo.v_opl.p105, dbo.payment.id_payment, dbo.payment.id_student, dbo.payment.id_teacher,
     dbo.payment.id_faculty, dbo.payment.id_oplata, dbo.payment.osnovanie, dbo.payment.id_speciality, dbo.payment.id_rate, dbo.payment.id_group,
     dbo.payment.id_a_year, dbo.payment.id_uslug, dbo.payment.p102, dbo.payment.p103, dbo.payment.p104, dbo.payment.id_v_opl, dbo.payment.dopol,
     dbo.payment.data_prikaz, dbo.payment.dop_info, dbo.payment.num_prikaz, dbo.payment.oper, dbo.payment.u_date, dbo.payment.ZUR_user,
     dbo.payment.ZUR_update, dbo.payment.primech, dbo.s_fio.s_fio, dbo.t_fio.t_fio, dbo.user_faculty.id_login, id_group_slushatel
HAVING (dbo.payment.id_abiturient IS NULL) AND  (dbo.payment.id_uslug = 9) AND (dbo.user_faculty.id_login = 3) AND (Zur_User.id_zur_user = 3)
ORDER BY Speciality
-- expect:
SELECT payment.p104_1, CASE WHEN s_fio.idid IS NULL THEN'' ELSE '[ ' || s_fio.idid || ' ] - ' END || (CASE WHEN Payment.id_student IS NOT NULL
     THEN s_fio.s_fio || '- [студент]' ELSE CASE WHEN Payment.id_teacher IS NOT NULL
     THEN t_fio.t_fio || '- [сотрудник]' ELSE CASE WHEN Payment.dopol IS NOT NULL THEN Payment.dopol || '- [дополнительно]' ELSE'' END END END)
     AS FIO, specialityRR.p25_2 AS Speciality, a_year.p32 AS Year, v_opl.p105 AS v_opl, payment.id_payment, payment.id_student,
     payment.id_teacher, payment.id_abiturient, payment.id_faculty, payment.id_oplata, payment.osnovanie, payment.id_speciality, payment.id_rate,
     payment.id_group, payment.id_a_year, payment.id_uslug, payment.p102, payment.p103, payment.p104,
     payment.id_v_opl, payment.dopol, payment.data_prikaz, payment.dop_info, payment.num_prikaz, payment.oper,
     payment.u_date, payment.primech, payment.ZUR_user, payment.ZUR_update,id_group_slushatel
FROM payment INNER JOIN
     v_opl ON payment.id_v_opl = v_opl.id_v_opl INNER JOIN
     KasFak ON payment.id_faculty = KasFak.id_faculty INNER JOIN
     ZUR_User ON KasFak.id_kassa = ZUR_User.id_kassa LEFT OUTER JOIN
     user_faculty ON payment.id_faculty = user_faculty.faculty LEFT OUTER JOIN
     t_fio ON payment.id_teacher = t_fio.id_teacher LEFT OUTER JOIN
     s_fio ON payment.id_student = s_fio.id_student LEFT OUTER JOIN
     a_year ON payment.id_a_year = a_year.id_a_year LEFT OUTER JOIN
     specialityRR ON payment.id_speciality = specialityRR.id_speciality
GROUP BY s_fio.idid, Zur_User.id_zur_user, payment.p104_1, specialityRR.p25_2, payment.id_abiturient, a_year.p32, v_opl.p105, payment.id_payment, payment.id_student, payment.id_teacher,
     payment.id_faculty, payment.id_oplata, payment.osnovanie, payment.id_speciality, payment.id_rate, payment.id_group,
     payment.id_a_year, payment.id_uslug, payment.p102, payment.p103, payment.p104, payment.id_v_opl, payment.dopol,
     payment.data_prikaz, payment.dop_info, payment.num_prikaz, payment.oper, payment.u_date, payment.ZUR_user,
     payment.ZUR_update, payment.primech, s_fio.s_fio, t_fio.t_fio, user_faculty.id_login, id_group_slushatel
HAVING (payment.id_abiturient IS NULL) AND  (payment.id_uslug = 9) AND (user_faculty.id_login = 3) AND (Zur_User.id_zur_user = 3)
ORDER BY Speciality

-- name: search_expenses_by_purpose
SELECT TOP (100) PERCENT dbo.Expense.p104_1, dbo.Expense.id_abiturient,(CASE WHEN Expense.id_student IS NOT NULL
     THEN dbo.s_fio.s_fio + '- [студент]' ELSE CASE WHEN Expense.id_teacher IS NOT NULL
     THEN t_fio.t_fio + '- [сотрудник]' ELSE CASE WHEN Expense.dopol IS NOT NULL THEN Expense.dopol + '- [дополнительно]' ELSE'' END END END)
     AS FIO, dbo.specialityRR.p25_2 AS Speciality, dbo.a_year.p32 AS Year, dbo.v_opl.p105 AS v_opl, dbo.Expense.id_Expense, dbo.Expense.id_student,
     dbo.Expense.id_teacher, dbo.Expense.Onul, dbo.Expense.id_faculty, dbo.Expense.osnovanie, dbo.Expense.id_speciality, dbo.Expense.id_rate,
     dbo.Expense.id_payment, dbo.Expense.id_group, dbo.Expense.id_a_year, dbo.Expense.id_uslug, dbo.Expense.p102, dbo.Expense.p103, dbo.Expense.p104,
     dbo.Expense.id_v_opl, dbo.Expense.dopol, dbo.Expense.data_prikaz, dbo.Expense.dop_info, dbo.Expense.num_prikaz, dbo.Expense.oper,
     dbo.Expense.u_date, dbo.Expense.primech, dbo.Expense.ZUR_user, dbo.Expense.ZUR_update
FROM dbo.Expense INNER JOIN
     dbo.v_opl ON dbo.Expense.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN
     dbo.KasFak ON dbo.Expense.id_kassa = dbo.KasFak.id_kassa INNER JOIN
     dbo.ZUR_User ON dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa LEFT OUTER JOIN
     dbo.t_fio ON dbo.Expense.id_teacher = dbo.t_fio.id_teacher LEFT OUTER JOIN
     dbo.s_fio ON dbo.Expense.id_student = dbo.s_fio.id_student LEFT OUTER JOIN
     dbo.a_year ON dbo.Expense.id_a_year = dbo.a_year.id_a_year LEFT OUTER JOIN
     dbo.specialityRR ON dbo.Expense.id_speciality = dbo.specialityRR.id_speciality
GROUP BY dbo.Expense.id_abiturient,ZUR_USER.id_zur_user, dbo.Expense.p104_1, dbo.Expense.id_payment, dbo.specialityRR.p25_2, dbo.a_year.p32, dbo.v_opl.p105, dbo.Expense.id_Expense, dbo.Expense.id_student, dbo.Expense.id_teacher,
     dbo.Expense.id_faculty, dbo.Expense.Onul, dbo.Expense.osnovanie, dbo.Expense.id_speciality, dbo.Expense.id_rate, dbo.Expense.id_group,
     dbo.Expense.id_a_year, dbo.Expense.id_uslug, dbo.Expense.p102, dbo.Expense.p103, dbo.Expense.p104, dbo.Expense.id_v_opl, dbo.Expense.dopol,
     dbo.Expense.data_prikaz, dbo.Expense.dop_info, dbo.Expense.num_prikaz, dbo.Expense.oper, dbo.Expense.u_date, dbo.Expense.ZUR_user,
     dbo.Expense.ZUR_update, dbo.Expense.primech, dbo.s_fio.s_fio, dbo.t_fio.t_fio
HAVING (dbo.Expense.id_abiturient IS NULL) AND (dbo.Expense.id_uslug = 9)  AND (Zur_User.id_zur_user = 3)
ORDER BY p104_1
-- expect:
SELECT Expense.p104_1, Expense.id_abiturient,(CASE WHEN Expense.id_student IS NOT NULL
     THEN s_fio.s_fio || '- [студент]' ELSE CASE WHEN Expense.id_teacher IS NOT NULL
     THEN t_fio.t_fio || '- [сотрудник]' ELSE CASE WHEN Expense.dopol IS NOT NULL THEN Expense.dopol || '- [дополнительно]' ELSE'' END END END)
     AS FIO, specialityRR.p25_2 AS Speciality, a_year.p32 AS Year, v_opl.p105 AS v_opl, Expense.id_Expense, Expense.id_student,
     Expense.id_teacher, Expense.Onul, Expense.id_faculty, Expense.osnovanie, Expense.id_speciality, Expense.id_rate,
     Expense.id_payment, Expense.id_group, Expense.id_a_year, Expense.id_uslug, Expense.p102, Expense.p103, Expense.p104,
     Expense.id_v_opl, Expense.dopol, Expense.data_prikaz, Expense.dop_info, Expense.num_prikaz, Expense.oper,
     Expense.u_date, Expense.primech, Expense.ZUR_user, Expense.ZUR_update
FROM Expense INNER JOIN
     v_opl ON Expense.id_v_opl = v_opl.id_v_opl INNER JOIN
     KasFak ON Expense.id_kassa = KasFak.id_kassa INNER JOIN
     ZUR_User ON KasFak.id_kassa = ZUR_User.id_kassa LEFT OUTER JOIN
     t_fio ON Expense.id_teacher = t_fio.id_teacher LEFT OUTER JOIN
     s_fio ON Expense.id_student = s_fio.id_student LEFT OUTER JOIN
     a_year ON Expense.id_a_year = a_year.id_a_year LEFT OUTER JOIN
     specialityRR ON Expense.id_speciality = specialityRR.id_speciality
GROUP BY Expense.id_abiturient,ZUR_USER.id_zur_user, Expense.p104_1, Expense.id_payment, specialityRR.p25_2, a_year.p32, v_opl.p105, Expense.id_Expense, Expense.id_student, Expense.id_teacher,
     Expense.id_faculty, Expense.Onul, Expense.osnovanie, Expense.id_speciality, Expense.id_rate, Expense.id_group,
     Expense.id_a_year, Expense.id_uslug, Expense.p102, Expense.p103, Expense.p104, Expense.id_v_opl, Expense.dopol,
     Expense.data_prikaz, Expense.dop_info, Expense.num_prikaz, Expense.oper, Expense.u_date, Expense.ZUR_user,
     Expense.ZUR_update, Expense.primech, s_fio.s_fio, t_fio.t_fio
HAVING (Expense.id_abiturient IS NULL) AND (Expense.id_uslug = 9)  AND (Zur_User.id_zur_user = 3)
ORDER BY p104_1

-- name: search_receipts_by_date
SELECT TOP (100) PERCENT dbo.payment.p104_1, CASE WHEN dbo.s_fio.idid IS NULL THEN'' ELSE '[ ' + dbo.s_fio.idid + ' ] - ' END + (CASE WHEN Payment.id_student IS NOT NULL
     THEN dbo.s_fio.s_fio + '- [студент]' ELSE CASE WHEN Payment.id_teacher IS NOT NULL
     THEN t_fio.t_fio + '- [сотрудник]' ELSE CASE WHEN Payment.dopol IS NOT NULL THEN Payment.dopol + '- [дополнительно]' ELSE'' END END END)
     AS FIO, dbo.specialityRR.p25_2 AS Speciality, dbo.a_year.p32 AS Year, dbo.v_opl.p105 AS v_opl, dbo.payment.id_payment, dbo.payment.id_student,
     dbo.payment.id_teacher, dbo.payment.id_abiturient, dbo.payment.id_faculty, dbo.payment.id_oplata, dbo.payment.osnovanie, dbo.payment.id_speciality, dbo.payment.id_rate,
     dbo.payment.id_group, dbo.payment.id_a_year, dbo.payment.id_uslug, dbo.payment.p102, dbo.payment.p103, dbo.payment.p104,
     dbo.payment.id_v_opl, dbo.payment.dopol, dbo.payment.data_prikaz, dbo.payment.dop_info, dbo.payment.num_prikaz, dbo.payment.oper,
     dbo.payment.u_date, dbo.payment.primech, dbo.payment.ZUR_user, dbo.payment.ZUR_update,id_group_slushatel
FROM dbo.payment INNER JOIN
     dbo.v_opl ON dbo.payment.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN
     dbo.KasFak ON dbo.payment.id_faculty = dbo.KasFak.id_faculty INNER JOIN
     dbo.ZUR_User ON dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa LEFT OUTER JOIN
     dbo.user_faculty ON dbo.payment.id_faculty = dbo.user_faculty.faculty LEFT OUTER JOIN
     dbo.t_fio ON dbo.payment.id_teacher = dbo.t_fio.id_teacher LEFT OUTER JOIN
     dbo.s_fio ON dbo.payment.id_student = dbo.s_fio.id_student LEFT OUTER JOIN
     dbo.a_year ON dbo.payment.id_a_year = dbo.a_year.id_a_year LEFT OUTER JOIN
     dbo.specialityRR ON dbo.payment.id_speciality = dbo.specialityRR.id_speciality
GROUP BY dbo.s_fio.idid, Zur_User.id_zur_user, dbo.payment.p104_1, dbo.specialityRR.p25_2, dbo.payment.id_abiturient, dbo.a_year.p32, dbo.v_opl.p105, dbo.payment.id_payment, dbo.payment.id_student, dbo.payment.id_teacher,
     dbo.payment.id_faculty, dbo.payment.id_oplata, dbo.payment.osnovanie, dbo.payment.id_speciality, dbo.payment.id_rate, dbo.payment.id_group,
     dbo.payment.id_a_year, dbo.payment.id_uslug, dbo.payment.p102, dbo.payment.p103, dbo.payment.p104, dbo.payment.id_v_opl, dbo.payment.dopol,
     dbo.payment.data_prikaz, dbo.payment.dop_info, dbo.payment.num_prikaz, dbo.payment.oper, dbo.payment.u_date, dbo.payment.ZUR_user,
     dbo.payment.ZUR_update, dbo.payment.primech, dbo.s_fio.s_fio, dbo.t_fio.t_fio, dbo.user_faculty.id_login, id_group_slushatel
HAVING (dbo.payment.id_abiturient IS NULL) AND  (YEAR(payment.p103) = Year('05.03.2024') and Day(payment.p103) = Day('05.03.2024') and Month(payment.p103) = Month('05.03.2024')) AND (dbo.user_faculty.id_login = 3) AND (Zur_User.id_zur_user = 3)
ORDER BY s_fio.s_fio, P103
-- expect:
SELECT payment.p104_1, CASE WHEN s_fio.idid IS NULL THEN'' ELSE '[ ' || s_fio.idid || ' ] - ' END || (CASE WHEN Payment.id_student IS NOT NULL
     THEN s_fio.s_fio || '- [студент]' ELSE CASE WHEN Payment.id_teacher IS NOT NULL
     THEN t_fio.t_fio || '- [сотрудник]' ELSE CASE WHEN Payment.dopol IS NOT NULL THEN Payment.dopol || '- [дополнительно]' ELSE'' END END END)
     AS FIO, specialityRR.p25_2 AS Speciality, a_year.p32 AS Year, v_opl.p105 AS v_opl, payment.id_payment, payment.id_student,
     payment.id_teacher, payment.id_abiturient, payment.id_faculty, payment.id_oplata, payment.osnovanie, payment.id_speciality, payment.id_rate,
     payment.id_group, payment.id_a_year, payment.id_uslug, payment.p102, payment.p103, payment.p104,
     payment.id_v_opl, payment.dopol, payment.data_prikaz, payment.dop_info, payment.num_prikaz, payment.oper,
     payment.u_date, payment.primech, payment.ZUR_user, payment.ZUR_update,id_group_slushatel
FROM payment INNER JOIN
     v_opl ON payment.id_v_opl = v_opl.id_v_opl INNER JOIN
     KasFak ON payment.id_faculty = KasFak.id_faculty INNER JOIN
     ZUR_User ON KasFak.id_kassa = ZUR_User.id_kassa LEFT OUTER JOIN
     user_faculty ON payment.id_faculty = user_faculty.faculty LEFT OUTER JOIN
     t_fio ON payment.id_teacher = t_fio.id_teacher LEFT OUTER JOIN
     s_fio ON payment.id_student = s_fio.id_student LEFT OUTER JOIN
     a_year ON payment.id_a_year = a_year.id_a_year LEFT OUTER JOIN
     specialityRR ON payment.id_speciality = specialityRR.id_speciality
GROUP BY s_fio.idid, Zur_User.id_zur_user, payment.p104_1, specialityRR.p25_2, payment.id_abiturient, a_year.p32, v_opl.p105, payment.id_payment, payment.id_student, payment.id_teacher,
     payment.id_faculty, payment.id_oplata, payment.osnovanie, payment.id_speciality, payment.id_rate, payment.id_group,
     payment.id_a_year, payment.id_uslug, payment.p102, payment.p103, payment.p104, payment.id_v_opl, payment.dopol,
     payment.data_prikaz, payment.dop_info, payment.num_prikaz, payment.oper, payment.u_date, payment.ZUR_user,
     payment.ZUR_update, payment.primech, s_fio.s_fio, t_fio.t_fio, user_faculty.id_login, id_group_slushatel
HAVING (payment.id_abiturient IS NULL) AND  (YEAR(payment.p103) = Year('2024-03-05 00:00:00') and Day(payment.p103) = Day('2024-03-05 00:00:00') and Month(payment.p103) = Month('2024-03-05 00:00:00')) AND (user_faculty.id_login = 3) AND (Zur_User.id_zur_user = 3)
ORDER BY s_fio.s_fio, P103

-- name: search_expenses_by_date
SELECT TOP (100) PERCENT dbo.Expense.p104_1, dbo.Expense.id_abiturient,(CASE WHEN Expense.id_student IS NOT NULL
     THEN dbo.s_fio.s_fio + '- [студент]' ELSE CASE WHEN Expense.id_teacher IS NOT NULL
     THEN t_fio.t_fio + '- [сотрудник]' ELSE CASE WHEN Expense.dopol IS NOT NULL THEN Expense.dopol + '- [дополнительно]' ELSE'' END END END)
     AS FIO, dbo.specialityRR.p25_2 AS Speciality, dbo.a_year.p32 AS Year, dbo.v_opl.p105 AS v_opl, dbo.Expense.id_Expense, dbo.Expense.id_student,
     dbo.Expense.id_teacher, dbo.Expense.Onul, dbo.Expense.id_faculty, dbo.Expense.osnovanie, dbo.Expense.id_speciality, dbo.Expense.id_rate,
     dbo.Expense.id_payment, dbo.Expense.id_group, dbo.Expense.id_a_year, dbo.Expense.id_uslug, dbo.Expense.p102, dbo.Expense.p103, dbo.Expense.p104,
     dbo.Expense.id_v_opl, dbo.Expense.dopol, dbo.Expense.data_prikaz, dbo.Expense.dop_info, dbo.Expense.num_prikaz, dbo.Expense.oper,
     dbo.Expense.u_date, dbo.Expense.primech, dbo.Expense.ZUR_user, dbo.Expense.ZUR_update
FROM dbo.Expense INNER JOIN
     dbo.v_opl ON dbo.Expense.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN
     dbo.KasFak ON dbo.Expense.id_kassa = dbo.KasFak.id_kassa INNER JOIN
     dbo.ZUR_User ON dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa LEFT OUTER JOIN
     dbo.t_fio ON dbo.Expense.id_teacher = dbo.t_fio.id_teacher LEFT OUTER JOIN
     dbo.s_fio ON dbo.Expense.id_student = dbo.s_fio.id_student LEFT OUTER JOIN
     dbo.a_year ON dbo.Expense.id_a_year = dbo.a_year.id_a_year LEFT OUTER JOIN
     dbo.specialityRR ON dbo.Expense.id_speciality = dbo.specialityRR.id_speciality
GROUP BY dbo.Expense.id_abiturient,ZUR_USER.id_zur_user, dbo.Expense.p104_1, dbo.Expense.id_payment, dbo.specialityRR.p25_2, dbo.a_year.p32, dbo.v_opl.p105, dbo.Expense.id_Expense, dbo.Expense.id_student, dbo.Expense.id_teacher,
     dbo.Expense.id_faculty, dbo.Expense.Onul, dbo.Expense.osnovanie, dbo.Expense.id_speciality, dbo.Expense.id_rate, dbo.Expense.id_group,
     dbo.Expense.id_a_year, dbo.Expense.id_uslug, dbo.Expense.p102, dbo.Expense.p103, dbo.Expense.p104, dbo.Expense.id_v_opl, dbo.Expense.dopol,
     dbo.Expense.data_prikaz, dbo.Expense.dop_info, dbo.Expense.num_prikaz, dbo.Expense.oper, dbo.Expense.u_date, dbo.Expense.ZUR_user,
     dbo.Expense.ZUR_update, dbo.Expense.primech, dbo.s_fio.s_fio, dbo.t_fio.t_fio
HAVING (dbo.Expense.id_abiturient IS NULL) AND (YEAR(Expense.p103) = Year('05.03.2024') and Day(Expense.p103) = Day('05.03.2024') and Month(Expense.p103) = Month('05.03.2024'))  AND (Zur_User.id_zur_user = 3)
ORDER BY s_fio.s_fio, P103
-- expect:
SELECT Expense.p104_1, Expense.id_abiturient,(CASE WHEN Expense.id_student IS NOT NULL
     THEN s_fio.s_fio || '- [студент]' ELSE CASE WHEN Expense.id_teacher IS NOT NULL
     THEN t_fio.t_fio || '- [сотрудник]' ELSE CASE WHEN Expense.dopol IS NOT NULL THEN Expense.dopol || '- [дополнительно]' ELSE'' END END END)
     AS FIO, specialityRR.p25_2 AS Speciality, a_year.p32 AS Year, v_opl.p105 AS v_opl, Expense.id_Expense, Expense.id_student,
     Expense.id_teacher, Expense.Onul, Expense.id_faculty, Expense.osnovanie, Expense.id_speciality, Expense.id_rate,
     Expense.id_payment, Expense.id_group, Expense.id_a_year, Expense.id_uslug, Expense.p102, Expense.p103, Expense.p104,
     Expense.id_v_opl, Expense.dopol, Expense.data_prikaz, Expense.dop_info, Expense.num_prikaz, Expense.oper,
     Expense.u_date, Expense.primech, Expense.ZUR_user, Expense.ZUR_update
FROM Expense INNER JOIN
     v_opl ON Expense.id_v_opl = v_opl.id_v_opl INNER JOIN
     KasFak ON Expense.id_kassa = KasFak.id_kassa INNER JOIN
     ZUR_User ON KasFak.id_kassa = ZUR_User.id_kassa LEFT OUTER JOIN
     t_fio ON Expense.id_teacher = t_fio.id_teacher LEFT OUTER JOIN
     s_fio ON Expense.id_student = s_fio.id_student LEFT OUTER JOIN
     a_year ON Expense.id_a_year = a_year.id_a_year LEFT OUTER JOIN
     specialityRR ON Expense.id_speciality = specialityRR.id_speciality
GROUP BY Expense.id_abiturient,ZUR_USER.id_zur_user, Expense.p104_1, Expense.id_payment, specialityRR.p25_2, a_year.p32, v_opl.p105, Expense.id_Expense, Expense.id_student, Expense.id_teacher,
     Expense.id_faculty, Expense.Onul, Expense.osnovanie, Expense.id_speciality, Expense.id_rate, Expense.id_group,
     Expense.id_a_year, Expense.id_uslug, Expense.p102, Expense.p103, Expense.p104, Expense.id_v_opl, Expense.dopol,
     Expense.data_prikaz, Expense.dop_info, Expense.num_prikaz, Expense.oper, Expense.u_date, Expense.ZUR_user,
     Expense.ZUR_update, Expense.primech, s_fio.s_fio, t_fio.t_fio
HAVING (Expense.id_abiturient IS NULL) AND (YEAR(Expense.p103) = Year('2024-03-05 00:00:00') and Day(Expense.p103) = Day('2024-03-05 00:00:00') and Month(Expense.p103) = Month('2024-03-05 00:00:00'))  AND (Zur_User.id_zur_user = 3)
ORDER BY s_fio.s_fio, P103

-- name: search_receipts_by_name
SELECT TOP (100) PERCENT dbo.payment.p104_1, CASE WHEN dbo.s_fio.idid IS NULL THEN'' ELSE '[ ' + dbo.s_fio.idid + ' ] - ' END + (CASE WHEN Payment.id_student IS NOT NULL
     THEN dbo.s_fio.s_fio + '- [студент]' ELSE CASE WHEN Payment.id_teacher IS NOT NULL
     THEN t_fio.t_fio + '- [сотрудник]' ELSE CASE WHEN Payment.dopol IS NOT NULL THEN Payment.dopol + '- [дополнительно]' ELSE'' END END END)
     AS FIO, dbo.specialityRR.p25_2 AS Speciality, dbo.a_year.p32 AS Year, dbo.v_opl.p105 AS v_opl, dbo.payment.id_payment, dbo.payment.id_student,
     dbo.payment.id_teacher, dbo.payment.id_abiturient, dbo.payment.id_faculty, dbo.payment.id_oplata, dbo.payment.osnovanie, dbo.payment.id_speciality, dbo.payment.id_rate,
     dbo.payment.id_group, dbo.payment.id_a_year, dbo.payment.id_uslug, dbo.payment.p102, dbo.payment.p103, dbo.payment.p104,
     dbo.payment.id_v_opl, dbo.payment.dopol, dbo.payment.data_prikaz, dbo.payment.dop_info, dbo.payment.num_prikaz, dbo.payment.oper,
     dbo.payment.u_date, dbo.payment.primech, dbo.payment.ZUR_user, dbo.payment.ZUR_update,id_group_slushatel
FROM dbo.v_opl RIGHT OUTER JOIN
     dbo.ZUR_User INNER JOIN
     dbo.payment INNER JOIN
     dbo.KasFak ON dbo.payment.id_faculty = dbo.KasFak.id_faculty ON dbo.ZUR_User.id_kassa = dbo.KasFak.id_kassa LEFT OUTER JOIN
     dbo.teacher ON dbo.payment.id_teacher = dbo.teacher.id_teacher ON dbo.v_opl.id_v_opl = dbo.payment.id_v_opl LEFT OUTER JOIN
     dbo.user_faculty ON dbo.payment.id_faculty = dbo.user_faculty.faculty LEFT OUTER JOIN
     dbo.t_fio ON dbo.payment.id_teacher = dbo.t_fio.id_teacher LEFT OUTER JOIN
     dbo.Student ON dbo.payment.id_student = dbo.Student.id_student LEFT OUTER JOIN
     dbo.s_fio ON dbo.payment.id_student = dbo.s_fio.id_student LEFT OUTER JOIN
     dbo.a_year ON dbo.payment.id_a_year = dbo.a_year.id_a_year LEFT OUTER JOIN
     dbo.specialityRR ON dbo.payment.id_speciality = dbo.specialityRR.id_speciality
GROUP BY dbo.s_fio.idid, Zur_User.id_zur_user, dbo.payment.p104_1, dbo.specialityRR.p25_2, dbo.payment.id_abiturient, dbo.a_year.p32, dbo.v_opl.p105, dbo.payment.id_payment, dbo.payment.id_student, dbo.payment.id_teacher,
     dbo.payment.id_faculty, dbo.payment.id_oplata, dbo.payment.osnovanie, dbo.payment.id_speciality, dbo.payment.id_rate, dbo.payment.id_group,
     dbo.payment.id_a_year, dbo.payment.id_uslug, dbo.payment.p102, dbo.payment.p103, dbo.payment.p104, dbo.payment.id_v_opl, dbo.payment.dopol,
     dbo.payment.data_prikaz, dbo.payment.dop_info, dbo.payment.num_prikaz, dbo.payment.oper, dbo.payment.u_date, dbo.payment.ZUR_user,
     dbo.payment.ZUR_update, dbo.payment.primech, dbo.s_fio.s_fio, dbo.t_fio.t_fio, dbo.user_faculty.id_login,student.p1, teacher.p26,student.p2, teacher.p27,id_group_slushatel 
HAVING (dbo.payment.id_abiturient IS NULL) AND  ((student.p1 LIKE 'Иван%' AND student.p2 Like 'пётр%') OR (teacher.p26 LIKE 'Иван%' AND teacher.p27 Like'пётр%')) AND (dbo.user_faculty.id_login = 3) AND (Zur_User.id_zur_user = 3)
ORDER BY s_fio.s_fio, P103
-- expect:
SELECT payment.p104_1, CASE WHEN s_fio.idid IS NULL THEN'' ELSE '[ ' || s_fio.idid || ' ] - ' END || (CASE WHEN Payment.id_student IS NOT NULL
     THEN s_fio.s_fio || '- [студент]' ELSE CASE WHEN Payment.id_teacher IS NOT NULL
     THEN t_fio.t_fio || '- [сотрудник]' ELSE CASE WHEN Payment.dopol IS NOT NULL THEN Payment.dopol || '- [дополнительно]' ELSE'' END END END)
     AS FIO, specialityRR.p25_2 AS Speciality, a_year.p32 AS Year, v_opl.p105 AS v_opl, payment.id_payment, payment.id_student,
     payment.id_teacher, payment.id_abiturient, payment.id_faculty, payment.id_oplata, payment.osnovanie, payment.id_speciality, payment.id_rate,
     payment.id_group, payment.id_a_year, payment.id_uslug, payment.p102, payment.p103, payment.p104,
     payment.id_v_opl, payment.dopol, payment.data_prikaz, payment.dop_info, payment.num_prikaz, payment.oper,
     payment.u_date, payment.primech, payment.ZUR_user, payment.ZUR_update,id_group_slushatel
FROM v_opl RIGHT OUTER JOIN
     (ZUR_User INNER JOIN
     (payment INNER JOIN
     KasFak ON payment.id_faculty = KasFak.id_faculty) ON ZUR_User.id_kassa = KasFak.id_kassa LEFT OUTER JOIN
     teacher ON payment.id_teacher = teacher.id_teacher) ON v_opl.id_v_opl = payment.id_v_opl LEFT OUTER JOIN
     user_faculty ON payment.id_faculty = user_faculty.faculty LEFT OUTER JOIN
     t_fio ON payment.id_teacher = t_fio.id_teacher LEFT OUTER JOIN
     Student ON payment.id_student = Student.id_student LEFT OUTER JOIN
     s_fio ON payment.id_student = s_fio.id_student LEFT OUTER JOIN
     a_year ON payment.id_a_year = a_year.id_a_year LEFT OUTER JOIN
     specialityRR ON payment.id_speciality = specialityRR.id_speciality
GROUP BY s_fio.idid, Zur_User.id_zur_user, payment.p104_1, specialityRR.p25_2, payment.id_abiturient, a_year.p32, v_opl.p105, payment.id_payment, payment.id_student, payment.id_teacher,
     payment.id_faculty, payment.id_oplata, payment.osnovanie, payment.id_speciality, payment.id_rate, payment.id_group,
     payment.id_a_year, payment.id_uslug, payment.p102, payment.p103, payment.p104, payment.id_v_opl, payment.dopol,
     payment.data_prikaz, payment.dop_info, payment.num_prikaz, payment.oper, payment.u_date, payment.ZUR_user,
     payment.ZUR_update, payment.primech, s_fio.s_fio, t_fio.t_fio, user_faculty.id_login,student.p1, teacher.p26,student.p2, teacher.p27,id_group_slushatel 
HAVING (payment.id_abiturient IS NULL) AND  ((student.p1 LIKE 'Иван%' AND student.p2 Like 'пётр%') OR (teacher.p26 LIKE 'Иван%' AND teacher.p27 Like'пётр%')) AND (user_faculty.id_login = 3) AND (Zur_User.id_zur_user = 3)
ORDER BY s_fio.s_fio, P103

-- name: search_expenses_by_name
SELECT TOP (100) PERCENT dbo.Expense.p104_1, dbo.Expense.id_abiturient,(CASE WHEN Expense.id_student IS NOT NULL
     THEN dbo.s_fio.s_fio + '- [студент]' ELSE CASE WHEN Expense.id_teacher IS NOT NULL
     THEN t_fio.t_fio + '- [сотрудник]' ELSE CASE WHEN Expense.dopol IS NOT NULL THEN Expense.dopol + '- [дополнительно]' ELSE'' END END END)
     AS FIO, dbo.specialityRR.p25_2 AS Speciality, dbo.a_year.p32 AS Year, dbo.v_opl.p105 AS v_opl, dbo.Expense.id_Expense, dbo.Expense.id_student,
     dbo.Expense.id_teacher, dbo.Expense.Onul, dbo.Expense.id_faculty, dbo.Expense.osnovanie, dbo.Expense.id_speciality, dbo.Expense.id_rate,
     dbo.Expense.id_payment, dbo.Expense.id_group, dbo.Expense.id_a_year, dbo.Expense.id_uslug, dbo.Expense.p102, dbo.Expense.p103, dbo.Expense.p104,
     dbo.Expense.id_v_opl, dbo.Expense.dopol, dbo.Expense.data_prikaz, dbo.Expense.dop_info, dbo.Expense.num_prikaz, dbo.Expense.oper,
     dbo.Expense.u_date, dbo.Expense.primech, dbo.Expense.ZUR_user, dbo.Expense.ZUR_update
FROM dbo.Expense LEFT OUTER JOIN
     dbo.teacher ON dbo.expense.id_teacher = dbo.teacher.id_teacher LEFT OUTER JOIN
     dbo.v_opl ON dbo.Expense.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN
     dbo.KasFak ON dbo.Expense.id_kassa = dbo.KasFak.id_kassa INNER JOIN
     dbo.ZUR_User ON dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa LEFT OUTER JOIN
     dbo.t_fio ON dbo.Expense.id_teacher = dbo.t_fio.id_teacher LEFT OUTER JOIN
     dbo.student ON dbo.Expense.id_student = dbo.student.id_student LEFT OUTER JOIN
     dbo.s_fio ON dbo.Expense.id_student = dbo.s_fio.id_student LEFT OUTER JOIN
     dbo.a_year ON dbo.Expense.id_a_year = dbo.a_year.id_a_year LEFT OUTER JOIN
     dbo.specialityRR ON dbo.Expense.id_speciality = dbo.specialityRR.id_speciality
GROUP BY dbo.Expense.id_abiturient,ZUR_USER.id_zur_user, dbo.Expense.p104_1, dbo.Expense.id_payment, dbo.specialityRR.p25_2, dbo.a_year.p32, dbo.v_opl.p105, dbo.Expense.id_Expense, dbo.Expense.id_student, dbo.Expense.id_teacher,
     dbo.Expense.id_faculty, dbo.Expense.Onul, dbo.Expense.osnovanie, dbo.Expense.id_speciality, dbo.Expense.id_rate, dbo.Expense.id_group,
     dbo.Expense.id_a_year, dbo.Expense.id_uslug, dbo.Expense.p102, dbo.Expense.p103, dbo.Expense.p104, dbo.Expense.id_v_opl, dbo.Expense.dopol,
     dbo.Expense.data_prikaz, dbo.Expense.dop_info, dbo.Expense.num_prikaz, dbo.Expense.oper, dbo.Expense.u_date, dbo.Expense.ZUR_user,
     dbo.Expense.ZUR_update, dbo.Expense.primech, dbo.s_fio.s_fio, dbo.t_fio.t_fio ,student.p3, teacher.p28
HAVING (dbo.Expense.id_abiturient IS NULL) AND ((student.p3 Like 'Петрович%') OR (teacher.p28 Like 'Петрович%'))  AND (Zur_User.id_zur_user = 3)
ORDER BY s_fio.s_fio DESC
-- expect:
SELECT Expense.p104_1, Expense.id_abiturient,(CASE WHEN Expense.id_student IS NOT NULL
     THEN s_fio.s_fio || '- [студент]' ELSE CASE WHEN Expense.id_teacher IS NOT NULL
     THEN t_fio.t_fio || '- [сотрудник]' ELSE CASE WHEN Expense.dopol IS NOT NULL THEN Expense.dopol || '- [дополнительно]' ELSE'' END END END)
     AS FIO, specialityRR.p25_2 AS Speciality, a_year.p32 AS Year, v_opl.p105 AS v_opl, Expense.id_Expense, Expense.id_student,
     Expense.id_teacher, Expense.Onul, Expense.id_faculty, Expense.osnovanie, Expense.id_speciality, Expense.id_rate,
     Expense.id_payment, Expense.id_group, Expense.id_a_year, Expense.id_uslug, Expense.p102, Expense.p103, Expense.p104,
     Expense.id_v_opl, Expense.dopol, Expense.data_prikaz, Expense.dop_info, Expense.num_prikaz, Expense.oper,
     Expense.u_date, Expense.primech, Expense.ZUR_user, Expense.ZUR_update
FROM Expense LEFT OUTER JOIN
     teacher ON expense.id_teacher = teacher.id_teacher LEFT OUTER JOIN
     v_opl ON Expense.id_v_opl = v_opl.id_v_opl INNER JOIN
     KasFak ON Expense.id_kassa = KasFak.id_kassa INNER JOIN
     ZUR_User ON KasFak.id_kassa = ZUR_User.id_kassa LEFT OUTER JOIN
     t_fio ON Expense.id_teacher = t_fio.id_teacher LEFT OUTER JOIN
     student ON Expense.id_student = student.id_student LEFT OUTER JOIN
     s_fio ON Expense.id_student = s_fio.id_student LEFT OUTER JOIN
     a_year ON Expense.id_a_year = a_year.id_a_year LEFT OUTER JOIN
     specialityRR ON Expense.id_speciality = specialityRR.id_speciality
GROUP BY Expense.id_abiturient,ZUR_USER.id_zur_user, Expense.p104_1, Expense.id_payment, specialityRR.p25_2, a_year.p32, v_opl.p105, Expense.id_Expense, Expense.id_student, Expense.id_teacher,
     Expense.id_faculty, Expense.Onul, Expense.osnovanie, Expense.id_speciality, Expense.id_rate, Expense.id_group,
     Expense.id_a_year, Expense.id_uslug, Expense.p102, Expense.p103, Expense.p104, Expense.id_v_opl, Expense.dopol,
     Expense.data_prikaz, Expense.dop_info, Expense.num_prikaz, Expense.oper, Expense.u_date, Expense.ZUR_user,
     Expense.ZUR_update, Expense.primech, s_fio.s_fio, t_fio.t_fio ,student.p3, teacher.p28
HAVING (Expense.id_abiturient IS NULL) AND ((student.p3 Like 'Петрович%') OR (teacher.p28 Like 'Петрович%'))  AND (Zur_User.id_zur_user = 3)
ORDER BY s_fio.s_fio DESC

-- name: search_applicant_receipts_by_name
SELECT p104_1, dbo.a_year.p32 AS Year, dbo.payment.id_abiturient, dbo.v_opl.p105 AS v_opl, dbo.payment.id_payment, dbo.payment.id_student, dbo.payment.id_teacher,
       dbo.payment.id_faculty, dbo.payment.id_student AS Expr1, dbo.payment.id_oplata, dbo.payment.osnovanie, dbo.payment.id_speciality,
       dbo.payment.id_rate, dbo.payment.id_group, dbo.payment.id_a_year, dbo.payment.id_uslug, dbo.payment.p102, dbo.payment.p103,
       dbo.payment.p104, dbo.payment.id_v_opl, dbo.payment.dopol, dbo.payment.data_prikaz, dbo.payment.dop_info, dbo.payment.num_prikaz,
       dbo.payment.oper, dbo.payment.u_date, dbo.payment.primech, dbo.payment.ZUR_user, dbo.payment.ZUR_update, dbo.specialityRR.p25_2 AS [Speciality],
       CASE WHEN ab_fio.idid IS NULL THEN '' ELSE '[ ' + ab_fio.idid + ' ] - ' END + ab_fio.ab_fio AS FIO,id_group_slushatel
 FROM dbo.payment INNER JOIN   
     dbo.ab_fio ON dbo.payment.id_abiturient = dbo.ab_fio.id_student INNER JOIN   
     dbo.specialityRR ON dbo.payment.id_speciality = dbo.specialityRR.id_speciality INNER JOIN   
     dbo.v_opl ON dbo.payment.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN   
     dbo.KasFak ON dbo.payment.id_faculty = dbo.KasFak.id_faculty AND dbo.payment.id_kassa = dbo.KasFak.id_kassa INNER JOIN   
     dbo.user_faculty ON dbo.KasFak.id_faculty = dbo.user_faculty.faculty INNER JOIN  
     dbo.ZUR_User ON dbo.user_faculty.id_login = dbo.ZUR_User.id_ZUR_user AND dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa LEFT OUTER JOIN  
     dbo.a_year ON dbo.payment.id_a_year = dbo.a_year.id_a_year  
WHERE (dbo.payment.id_student IS NULL) AND (dbo.payment.id_teacher IS NULL) AND (dbo.user_faculty.id_login = 3) AND (ab_fio.ab_fio LIKE '%иван%')
ORDER BY ab_fio.ab_fio, P103
-- expect:
SELECT p104_1, a_year.p32 AS Year, payment.id_abiturient, v_opl.p105 AS v_opl, payment.id_payment, payment.id_student, payment.id_teacher,
       payment.id_faculty, payment.id_student AS Expr1, payment.id_oplata, payment.osnovanie, payment.id_speciality,
       payment.id_rate, payment.id_group, payment.id_a_year, payment.id_uslug, payment.p102, payment.p103,
       payment.p104, payment.id_v_opl, payment.dopol, payment.data_prikaz, payment.dop_info, payment.num_prikaz,
       payment.oper, payment.u_date, payment.primech, payment.ZUR_user, payment.ZUR_update, specialityRR.p25_2 AS [Speciality],
       CASE WHEN ab_fio.idid IS NULL THEN '' ELSE '[ ' || ab_fio.idid || ' ] - ' END || ab_fio.ab_fio AS FIO,id_group_slushatel
 FROM payment INNER JOIN   
     ab_fio ON payment.id_abiturient = ab_fio.id_student INNER JOIN   
     specialityRR ON payment.id_speciality = specialityRR.id_speciality INNER JOIN   
     v_opl ON payment.id_v_opl = v_opl.id_v_opl INNER JOIN   
     KasFak ON payment.id_faculty = KasFak.id_faculty AND payment.id_kassa = KasFak.id_kassa INNER JOIN   
     user_faculty ON KasFak.id_faculty = user_faculty.faculty INNER JOIN  
     ZUR_User ON user_faculty.id_login = ZUR_User.id_ZUR_user AND KasFak.id_kassa = ZUR_User.id_kassa LEFT OUTER JOIN  
     a_year ON payment.id_a_year = a_year.id_a_year  
WHERE (payment.id_student IS NULL) AND (payment.id_teacher IS NULL) AND (user_faculty.id_login = 3) AND (ab_fio.ab_fio LIKE '%иван%')
ORDER BY ab_fio.ab_fio, P103

-- name: search_applicant_receipts_by_date
SELECT TOP (100) PERCENT p104_1, dbo.a_year.p32 AS Year, dbo.payment.id_abiturient, dbo.v_opl.p105 AS v_opl, dbo.payment.id_payment, dbo.payment.id_student, dbo.payment.id_teacher,
       dbo.payment.id_faculty, dbo.payment.id_student AS Expr1, dbo.payment.id_oplata, dbo.payment.osnovanie, dbo.payment.id_speciality,
       dbo.payment.id_rate, dbo.payment.id_group, dbo.payment.id_a_year, dbo.payment.id_uslug, dbo.payment.p102, dbo.payment.p103,
       dbo.payment.p104, dbo.payment.id_v_opl, dbo.payment.dopol, dbo.payment.data_prikaz, dbo.payment.dop_info, dbo.payment.num_prikaz,
       dbo.payment.oper, dbo.payment.u_date, dbo.payment.primech, dbo.payment.ZUR_user, dbo.payment.ZUR_update, dbo.specialityRR.p25_2 AS [Speciality],
       CASE WHEN ab_fio.idid IS NULL THEN '' ELSE '[ ' + ab_fio.idid + ' ] - ' END + ab_fio.ab_fio AS FIO,id_group_slushatel
 FROM dbo.payment INNER JOIN   
     dbo.ab_fio ON dbo.payment.id_abiturient = dbo.ab_fio.id_student INNER JOIN   
     dbo.specialityRR ON dbo.payment.id_speciality = dbo.specialityRR.id_speciality INNER JOIN   
     dbo.v_opl ON dbo.payment.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN   
     dbo.KasFak ON dbo.payment.id_faculty = dbo.KasFak.id_faculty AND dbo.payment.id_kassa = dbo.KasFak.id_kassa INNER JOIN   
     dbo.user_faculty ON dbo.KasFak.id_faculty = dbo.user_faculty.faculty INNER JOIN  
     dbo.ZUR_User ON dbo.user_faculty.id_login = dbo.ZUR_User.id_ZUR_user AND dbo.KasFak.id_kassa = dbo.ZUR_User.id_kassa LEFT OUTER JOIN  
     dbo.a_year ON dbo.payment.id_a_year = dbo.a_year.id_a_year  
 WHERE (dbo.payment.id_student IS NULL) AND (dbo.payment.id_teacher IS NULL) AND  (YEAR(payment.p103) = Year('05.03.2024') and Day(payment.p103) = Day('05.03.2024') and Month(payment.p103) = Month('05.03.2024')) AND (dbo.user_faculty.id_login = 3)
ORDER BY ab_fio DESC
-- expect:
SELECT p104_1, a_year.p32 AS Year, payment.id_abiturient, v_opl.p105 AS v_opl, payment.id_payment, payment.id_student, payment.id_teacher,
       payment.id_faculty, payment.id_student AS Expr1, payment.id_oplata, payment.osnovanie, payment.id_speciality,
       payment.id_rate, payment.id_group, payment.id_a_year, payment.id_uslug, payment.p102, payment.p103,
       payment.p104, payment.id_v_opl, payment.dopol, payment.data_prikaz, payment.dop_info, payment.num_prikaz,
       payment.oper, payment.u_date, payment.primech, payment.ZUR_user, payment.ZUR_update, specialityRR.p25_2 AS [Speciality],
       CASE WHEN ab_fio.idid IS NULL THEN '' ELSE '[ ' || ab_fio.idid || ' ] - ' END || ab_fio.ab_fio AS FIO,id_group_slushatel
 FROM payment INNER JOIN   
     ab_fio ON payment.id_abiturient = ab_fio.id_student INNER JOIN   
     specialityRR ON payment.id_speciality = specialityRR.id_speciality INNER JOIN   
     v_opl ON payment.id_v_opl = v_opl.id_v_opl INNER JOIN   
     KasFak ON payment.id_faculty = KasFak.id_faculty AND payment.id_kassa = KasFak.id_kassa INNER JOIN   
     user_faculty ON KasFak.id_faculty = user_faculty.faculty INNER JOIN  
     ZUR_User ON user_faculty.id_login = ZUR_User.id_ZUR_user AND KasFak.id_kassa = ZUR_User.id_kassa LEFT OUTER JOIN  
     a_year ON payment.id_a_year = a_year.id_a_year  
 WHERE (payment.id_student IS NULL) AND (payment.id_teacher IS NULL) AND  (YEAR(payment.p103) = Year('2024-03-05 00:00:00') and Day(payment.p103) = Day('2024-03-05 00:00:00') and Month(payment.p103) = Month('2024-03-05 00:00:00')) AND (user_faculty.id_login = 3)
ORDER BY ab_fio DESC

-- name: search_applicant_expenses_by_name
SELECT DISTINCT dbo.Expense.p104_1, dbo.Expense.id_abiturient, ('[ ' + dbo.ab_fio.idid + ' ] - ' + dbo.ab_fio.ab_fio) AS FIO, dbo.specialityRR.p25_2 AS Speciality, dbo.a_year.p32 AS Year, dbo.v_opl.p105 AS v_opl, dbo.Expense.id_Expense, dbo.Expense.id_student,
     dbo.Expense.id_payment, dbo.Expense.primech, dbo.Expense.id_teacher, dbo.Expense.id_faculty, dbo.Expense.osnovanie, dbo.Expense.id_speciality, dbo.Expense.id_rate,
     dbo.Expense.id_group, dbo.Expense.id_a_year, dbo.Expense.id_uslug, dbo.Expense.p102, dbo.Expense.p103, dbo.Expense.p104,
     dbo.Expense.id_v_opl, dbo.Expense.dopol, dbo.Expense.data_prikaz, dbo.Expense.dop_info, dbo.Expense.num_prikaz, dbo.Expense.oper,
     dbo.Expense.u_date, dbo.Expense.primech, dbo.Expense.Onul, dbo.Expense.ZUR_user, dbo.Expense.ZUR_update
 FROM dbo.expense INNER JOIN  
      dbo.v_opl ON dbo.expense.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN  
      dbo.KasFak ON dbo.expense.id_kassa = dbo.KasFak.id_kassa INNER JOIN  
      dbo.ZUR_User ON dbo.ZUR_User.id_kassa = dbo.KasFak.id_kassa LEFT OUTER JOIN  
      dbo.user_faculty ON dbo.KasFak.id_faculty = dbo.user_faculty.faculty AND dbo.user_faculty.id_login = dbo.ZUR_User.id_ZUR_user LEFT OUTER JOIN   
      dbo.ab_fio ON dbo.expense.id_abiturient = dbo.ab_fio.id_student LEFT OUTER JOIN  
      dbo.a_year ON dbo.expense.id_a_year = dbo.a_year.id_a_year LEFT OUTER JOIN   
      dbo.specialityRR ON dbo.expense.id_speciality = dbo.specialityRR.id_speciality   
WHERE  (dbo.Expense.id_student IS NULL) AND (dbo.Expense.id_teacher IS NULL) AND  (dbo.user_faculty.id_login = 3) AND (ab_fio.ab_fio LIKE '%иван%')
-- expect:
SELECT DISTINCT Expense.p104_1, Expense.id_abiturient, ('[ ' || ab_fio.idid || ' ] - ' || ab_fio.ab_fio) AS FIO, specialityRR.p25_2 AS Speciality, a_year.p32 AS Year, v_opl.p105 AS v_opl, Expense.id_Expense, Expense.id_student,
     Expense.id_payment, Expense.primech, Expense.id_teacher, Expense.id_faculty, Expense.osnovanie, Expense.id_speciality, Expense.id_rate,
     Expense.id_group, Expense.id_a_year, Expense.id_uslug, Expense.p102, Expense.p103, Expense.p104,
     Expense.id_v_opl, Expense.dopol, Expense.data_prikaz, Expense.dop_info, Expense.num_prikaz, Expense.oper,
     Expense.u_date, Expense.primech, Expense.Onul, Expense.ZUR_user, Expense.ZUR_update
 FROM expense INNER JOIN  
      v_opl ON expense.id_v_opl = v_opl.id_v_opl INNER JOIN  
      KasFak ON expense.id_kassa = KasFak.id_kassa INNER JOIN  
      ZUR_User ON ZUR_User.id_kassa = KasFak.id_kassa LEFT OUTER JOIN  
      user_faculty ON KasFak.id_faculty = user_faculty.faculty AND user_faculty.id_login = ZUR_User.id_ZUR_user LEFT OUTER JOIN   
      ab_fio ON expense.id_abiturient = ab_fio.id_student LEFT OUTER JOIN  
      a_year ON expense.id_a_year = a_year.id_a_year LEFT OUTER JOIN   
      specialityRR ON expense.id_speciality = specialityRR.id_speciality   
WHERE  (Expense.id_student IS NULL) AND (Expense.id_teacher IS NULL) AND  (user_faculty.id_login = 3) AND (ab_fio.ab_fio LIKE '%иван%')

-- name: search_applicant_expenses_by_date
SELECT DISTINCT dbo.Expense.p104_1, dbo.Expense.id_abiturient, ('[ ' + dbo.ab_fio.idid + ' ] - ' + dbo.ab_fio.ab_fio) AS FIO, dbo.specialityRR.p25_2 AS Speciality, dbo.a_year.p32 AS Year, dbo.v_opl.p105 AS v_opl, dbo.Expense.id_Expense, dbo.Expense.id_student,
     dbo.Expense.id_payment, dbo.Expense.primech, dbo.Expense.id_teacher, dbo.Expense.id_faculty, dbo.Expense.osnovanie, dbo.Expense.id_speciality, dbo.Expense.id_rate,
     dbo.Expense.id_group, dbo.Expense.id_a_year, dbo.Expense.id_uslug, dbo.Expense.p102, dbo.Expense.p103, dbo.Expense.p104,
     dbo.Expense.id_v_opl, dbo.Expense.dopol, dbo.Expense.data_prikaz, dbo.Expense.dop_info, dbo.Expense.num_prikaz, dbo.Expense.oper,
     dbo.Expense.u_date, dbo.Expense.primech, dbo.Expense.Onul, dbo.Expense.ZUR_user, dbo.Expense.ZUR_update
 FROM dbo.expense INNER JOIN  
      dbo.v_opl ON dbo.expense.id_v_opl = dbo.v_opl.id_v_opl INNER JOIN  
      dbo.KasFak ON dbo.expense.id_kassa = dbo.KasFak.id_kassa INNER JOIN  
      dbo.ZUR_User ON dbo.ZUR_User.id_kassa = dbo.KasFak.id_kassa LEFT OUTER JOIN  
      dbo.user_faculty ON dbo.KasFak.id_faculty = dbo.user_faculty.faculty AND dbo.user_faculty.id_login = dbo.ZUR_User.id_ZUR_user LEFT OUTER JOIN   
      dbo.ab_fio ON dbo.expense.id_abiturient = dbo.ab_fio.id_student LEFT OUTER JOIN  
      dbo.a_year ON dbo.expense.id_a_year = dbo.a_year.id_a_year LEFT OUTER JOIN   
      dbo.specialityRR ON dbo.expense.id_speciality = dbo.specialityRR.id_speciality   
WHERE (dbo.Expense.id_student IS NULL) AND (dbo.Expense.id_teacher IS NULL) AND  (YEAR(expense.p103) = Year('05.03.2024') and Day(expense.p103) = Day('05.03.2024') and Month(expense.p103) = Month('05.03.2024')) AND (dbo.user_faculty.id_login = 3)
-- expect:
SELECT DISTINCT Expense.p104_1, Expense.id_abiturient, ('[ ' || ab_fio.idid || ' ] - ' || ab_fio.ab_fio) AS FIO, specialityRR.p25_2 AS Speciality, a_year.p32 AS Year, v_opl.p105 AS v_opl, Expense.id_Expense, Expense.id_student,
     Expense.id_payment, Expense.primech, Expense.id_teacher, Expense.id_faculty, Expense.osnovanie, Expense.id_speciality, Expense.id_rate,
     Expense.id_group, Expense.id_a_year, Expense.id_uslug, Expense.p102, Expense.p103, Expense.p104,
     Expense.id_v_opl, Expense.dopol, Expense.data_prikaz, Expense.dop_info, Expense.num_prikaz, Expense.oper,
     Expense.u_date, Expense.primech, Expense.Onul, Expense.ZUR_user, Expense.ZUR_update
 FROM expense INNER JOIN  
      v_opl ON expense.id_v_opl = v_opl.id_v_opl INNER JOIN  
      KasFak ON expense.id_kassa = KasFak.id_kassa INNER JOIN  
      ZUR_User ON ZUR_User.id_kassa = KasFak.id_kassa LEFT OUTER JOIN  
      user_faculty ON KasFak.id_faculty = user_faculty.faculty AND user_faculty.id_login = ZUR_User.id_ZUR_user LEFT OUTER JOIN   
      ab_fio ON expense.id_abiturient = ab_fio.id_student LEFT OUTER JOIN  
      a_year ON expense.id_a_year = a_year.id_a_year LEFT OUTER JOIN   
      specialityRR ON expense.id_speciality = specialityRR.id_speciality   
WHERE (Expense.id_student IS NULL) AND (Expense.id_teacher IS NULL) AND  (YEAR(expense.p103) = Year('2024-03-05 00:00:00') and Day(expense.p103) = Day('2024-03-05 00:00:00') and Month(expense.p103) = Month('2024-03-05 00:00:00')) AND (user_faculty.id_login = 3)

-- name: search_listener_receipts_by_name
 SELECT     dbo.s_fio.s_fio AS FIO, dbo.payment.*  FROM         dbo.payment INNER JOIN  dbo.s_fio ON dbo.payment.id_slushatel = dbo.s_fio.id_student WHERE s_fio like '%O''Брайен%'
-- expect:
 SELECT     s_fio.s_fio AS FIO, payment.*  FROM         payment INNER JOIN  s_fio ON payment.id_slushatel = s_fio.id_student WHERE s_fio like '%O''Брайен%'

-- name: search_listener_expenses_by_name
 SELECT     dbo.s_fio.s_fio AS FIO, dbo.expense.* FROM         dbo.expense INNER JOIN dbo.s_fio ON dbo.expense.id_slushatel = dbo.s_fio.id_student WHERE s_fio like '%сидор%'
-- expect:
 SELECT     s_fio.s_fio AS FIO, expense.* FROM         expense INNER JOIN s_fio ON expense.id_slushatel = s_fio.id_student WHERE s_fio like '%сидор%'

-- name: search_listener_receipts_by_date
 SELECT dbo.s_fio.s_fio AS FIO, dbo.payment.*  FROM dbo.payment INNER JOIN dbo.s_fio ON dbo.payment.id_slushatel = dbo.s_fio.id_student WHERE  (YEAR(payment.p103) = Year ('05.03.2024')   and Day(payment.p103) = Day  ('05.03.2024') and Month(payment.p103) = Month('05.03.2024'))
-- expect:
 SELECT s_fio.s_fio AS FIO, payment.*  FROM payment INNER JOIN s_fio ON payment.id_slushatel = s_fio.id_student WHERE  (YEAR(payment.p103) = Year ('2024-03-05 00:00:00')   and Day(payment.p103) = Day  ('2024-03-05 00:00:00') and Month(payment.p103) = Month('2024-03-05 00:00:00'))

-- name: search_listener_expenses_by_date
 SELECT     dbo.s_fio.s_fio AS FIO, dbo.expense.* FROM         dbo.expense INNER JOIN dbo.s_fio ON dbo.expense.id_slushatel = dbo.s_fio.id_student WHERE  (YEAR(expense.p103) = Year ('05.03.2024')   and Day(expense.p103) = Day  ('05.03.2024') and Month(expense.p103) = Month('05.03.2024'))
-- expect:
 SELECT     s_fio.s_fio AS FIO, expense.* FROM         expense INNER JOIN s_fio ON expense.id_slushatel = s_fio.id_student WHERE  (YEAR(expense.p103) = Year ('2024-03-05 00:00:00')   and Day(expense.p103) = Day  ('2024-03-05 00:00:00') and Month(expense.p103) = Month('2024-03-05 00:00:00'))

-- name: correction_delete_payment
Delete From Payment Where id_payment=1542
-- expect:
Delete From Payment Where id_payment=1542

-- name: correction_delete_expense
Delete From Expense Where id_expense=77
-- expect:
Delete From Expense Where id_expense=77

-- name: correction_group_of_record
 SELECT     TOP (100) PERCENT dbo.Groups_payment.id_group, dbo.[group].p20  FROM         dbo.Groups_payment INNER JOIN  dbo.[group] ON dbo.Groups_payment.id_group = dbo.[group].id_group  WHERE     (dbo.Groups_payment.id_rate = 2)  AND (dbo.Groups_payment.id_speciality = 45)  AND (dbo.Groups_payment.id_group = 118)  ORDER BY dbo.Groups_payment.p20
-- expect:
 SELECT Groups_payment.id_group, [group].p20  FROM         Groups_payment INNER JOIN  [group] ON Groups_payment.id_group = [group].id_group  WHERE     (Groups_payment.id_rate = 2)  AND (Groups_payment.id_speciality = 45)  AND (Groups_payment.id_group = 118)  ORDER BY Groups_payment.p20

-- name: correction_group_of_record_empty
SELECT TOP(0) Groups_payment.p20, Groups_payment.id_group FROM  Groups_payment 
-- expect:
SELECT Groups_payment.p20, Groups_payment.id_group FROM  Groups_payment LIMIT 0 

-- name: return_payer_of_payment
SELECT TOP 1 id_student, id_teacher, dopol, id_abiturient FROM payment where id_payment = 1542
-- expect:
SELECT id_student, id_teacher, dopol, id_abiturient FROM payment where id_payment = 1542 LIMIT 1

-- name: reprint_institution_name
SELECT TOP(1) Vuz.v2 FROM Vuz
-- expect:
SELECT Vuz.v2 FROM Vuz LIMIT 1

-- name: name_search_by_surname
 SELECT DISTINCT id_student,  (case when first_p1 is null then s_fio else s_fio+' ('+ first_p1 + ') ' end) as s_fio,   s, p1, p2, id_kassa,SS_FIO  FROM         (SELECT DISTINCT id_student, s_fio, s, p1, p2, id_kassa, first_p1,SS_FIO                        FROM          dbo.Lookup_S_FIO_Payment                        WHERE      (p1 LIKE   '%иван%' )                        AND (id_kassa =  2 )                       UNION ALL                        SELECT DISTINCT id_student, s_fio, s, p1, p2, id_kassa,first_p1,SS_FIO                         FROM         dbo.Lookup_S_FIO_Payment AS Lookup_S_FIO_Payment_1                       WHERE      (first_p1 LIKE   '%иван%' )                      AND (id_kassa =  2)) AS t ORDER BY s
-- expect:
 SELECT DISTINCT id_student,  (case when first_p1 is null then s_fio else s_fio||' ('|| first_p1 || ') ' end) as s_fio,   s, p1, p2, id_kassa,SS_FIO  FROM         (SELECT DISTINCT id_student, s_fio, s, p1, p2, id_kassa, first_p1,SS_FIO                        FROM          Lookup_S_FIO_Payment                        WHERE      (p1 LIKE   '%иван%' )                        AND (id_kassa =  2 )                       UNION ALL                        SELECT DISTINCT id_student, s_fio, s, p1, p2, id_kassa,first_p1,SS_FIO                         FROM         Lookup_S_FIO_Payment AS Lookup_S_FIO_Payment_1                       WHERE      (first_p1 LIKE   '%иван%' )                      AND (id_kassa =  2)) AS t ORDER BY s

-- name: name_search_by_first_name
SELECT DISTINCT * FROM Lookup_S_FIO_Payment  WHERE p2 like '%пётр%' AND id_kassa = 2 ORDER BY s
-- expect:
SELECT DISTINCT * FROM Lookup_S_FIO_Payment  WHERE p2 like '%пётр%' AND id_kassa = 2 ORDER BY s

-- name: name_search_by_full_name
SELECT DISTINCT * FROM Lookup_S_FIO_Payment  WHERE s_fio like '%иванов пётр%' AND id_kassa = 2 ORDER BY s
-- expect:
SELECT DISTINCT * FROM Lookup_S_FIO_Payment  WHERE s_fio like '%иванов пётр%' AND id_kassa = 2 ORDER BY s

-- name: name_search_group_speciality
SELECT TOP 1 id_speciality FROM g_s WHERE id_group = 118
-- expect:
SELECT id_speciality FROM g_s WHERE id_group = 118 LIMIT 1

-- name: name_search_applicant_by_surname
SELECT DISTINCT * FROM Lookup_S_FIO_Abit  WHERE p1 like '%ив%' AND id_zur_user = 3 ORDER BY s
-- expect:
SELECT DISTINCT * FROM Lookup_S_FIO_Abit  WHERE p1 like '%ив%' AND id_zur_user = 3 ORDER BY s

-- name: name_search_applicant_by_first_name
SELECT DISTINCT * FROM Lookup_S_FIO_Abit  WHERE p2 like '%ив%' AND id_zur_user = 3 ORDER BY s
-- expect:
SELECT DISTINCT * FROM Lookup_S_FIO_Abit  WHERE p2 like '%ив%' AND id_zur_user = 3 ORDER BY s

-- name: name_search_applicant_by_full_name
SELECT DISTINCT * FROM Lookup_S_FIO_Abit  WHERE s_fio like '%ив%' AND id_zur_user = 3 ORDER BY s
-- expect:
SELECT DISTINCT * FROM Lookup_S_FIO_Abit  WHERE s_fio like '%ив%' AND id_zur_user = 3 ORDER BY s

-- name: name_search_listener_by_surname
SELECT DISTINCT * FROM Lookup_S_FIO_Slushatel  WHERE p1 like '%ив%' AND id_zur_user = 3 ORDER BY s_fio
-- expect:
SELECT DISTINCT * FROM Lookup_S_FIO_Slushatel  WHERE p1 like '%ив%' AND id_zur_user = 3 ORDER BY s_fio

-- name: name_search_listener_by_first_name
SELECT DISTINCT * FROM Lookup_S_FIO_Slushatel  WHERE p2 like '%ив%' AND id_zur_user = 3 ORDER BY s_fio
-- expect:
SELECT DISTINCT * FROM Lookup_S_FIO_Slushatel  WHERE p2 like '%ив%' AND id_zur_user = 3 ORDER BY s_fio

-- name: name_search_listener_by_full_name
SELECT DISTINCT * FROM Lookup_S_FIO_Slushatel  WHERE s_fio like '%ив%' AND id_zur_user = 3 ORDER BY s_fio
-- expect:
SELECT DISTINCT * FROM Lookup_S_FIO_Slushatel  WHERE s_fio like '%ив%' AND id_zur_user = 3 ORDER BY s_fio

-- name: name_search_listener_remainder
 select (select oplata  from group_slushatel where id_group_slushatel=7) -  (case when (select SUM(p102) from payment where id_slushatel=55 and id_group=7)  IS null then 0 else (select SUM(p102) from payment where id_slushatel=55 and id_group=7) end) as ostatok
-- expect:
 select (select oplata  from group_slushatel where id_group_slushatel=7) -  (case when (select SUM(p102) from payment where id_slushatel=55 and id_group=7)  IS null then 0 else (select SUM(p102) from payment where id_slushatel=55 and id_group=7) end) as ostatok

-- name: card_latest_movement
 SELECT TOP 1 id_bk,come_date,id_semester  FROM [ZUR].[dbo].[movement_t]  WHERE id_student=907 ORDER BY come_date DESC,id_semester DESC
-- expect:
 SELECT id_bk,come_date,id_semester  FROM [movement_t]  WHERE id_student=907 ORDER BY come_date DESC,id_semester DESC LIMIT 1

-- name: card_contract_lines_limited
SELECT top 3* FROM Payment1V WHERE id_student=:@id_student AND id_ZUR_user=:@id_ZUR_user
-- expect:
SELECT * FROM Payment1V WHERE id_student=@id_student AND id_ZUR_user=@id_ZUR_user LIMIT 3

-- name: card_setting_54
SELECT  TOP (1) id_field  FROM  VuzDefaults  WHERE  (id_vuz_defaults = 54)
-- expect:
SELECT id_field  FROM  VuzDefaults  WHERE  (id_vuz_defaults = 54) LIMIT 1

-- name: card_virtual_transfers
SELECT  id_student, id_PaymentTransferVirtual, Year, rate, groups, orders, SummaFrom, Dates, SUMMA, speciality FROM V_PaymentTransferVirtual WHERE id_student =907 ORDER BY Year, rate
-- expect:
SELECT  id_student, id_PaymentTransferVirtual, Year, rate, groups, orders, SummaFrom, Dates, SUMMA, speciality FROM V_PaymentTransferVirtual WHERE id_student =907 ORDER BY Year, rate

-- name: card_left_groups
SELECT DISTINCT id_group FROM movement_t where id_leave > 1 AND id_student = 907
-- expect:
SELECT DISTINCT id_group FROM movement_t where id_leave > 1 AND id_student = 907

-- name: card_report_server
SELECT n_field  FROM dbo.VuzDefaults WHERE (id_vuz_defaults = 22)
-- expect:
SELECT n_field  FROM VuzDefaults WHERE (id_vuz_defaults = 22)

-- name: transfer_list
SELECT *  FROM [ZUR].[dbo].[PaymentTransfer] Where id_payment=1542
-- expect:
SELECT *  FROM [PaymentTransfer] Where id_payment=1542

-- name: transfer_list_virtual
SELECT *  FROM [ZUR].[dbo].[PaymentTransfer_Virtual] Where id_payment=1542
-- expect:
SELECT *  FROM [PaymentTransfer_Virtual] Where id_payment=1542

-- name: transfer_groups_of_speciality
 SELECT dbo.g_s.id_group, dbo.[group].p20, dbo.g_s.id_speciality FROM         dbo.g_s INNER JOIN dbo.[group] ON dbo.g_s.id_group = dbo.[group].id_group WHERE     (dbo.g_s.id_speciality = 45)
-- expect:
 SELECT g_s.id_group, [group].p20, g_s.id_speciality FROM         g_s INNER JOIN [group] ON g_s.id_group = [group].id_group WHERE     (g_s.id_speciality = 45)

-- name: transfer_sum_real
Select SUM(p102NewSpec)as Summa From [ZUR].[dbo].[PaymentTransfer]Where id_payment=1542
-- expect:
Select SUM(p102NewSpec)as Summa From [PaymentTransfer]Where id_payment=1542

-- name: transfer_sum_virtual
Select SUM(p102NewSpec)as Summa From [ZUR].[dbo].[PaymentTransfer_Virtual]Where id_payment=1542
-- expect:
Select SUM(p102NewSpec)as Summa From [PaymentTransfer_Virtual]Where id_payment=1542

-- name: transfer_insert_real
 INSERT INTO [PaymentTransfer]([id_payment],[id_NewYear],[id_newRate]  ,[id_newGroup],[p102NewSpec],[id_newSpecP102], [ondate])  VALUES (1542,13,3,118,2500.5,45,NULL)
-- expect:
 INSERT INTO [PaymentTransfer]([id_payment],[id_NewYear],[id_newRate]  ,[id_newGroup],[p102NewSpec],[id_newSpecP102], [ondate])  VALUES (1542,13,3,118,2500.5,45,NULL)

-- name: transfer_insert_virtual
 INSERT INTO [PaymentTransfer_Virtual]([id_payment],[id_NewYear],[id_newRate]  ,[id_newGroup],[p102NewSpec],[id_newSpecP102], [ondate])  VALUES (1542,13,3,118,2500.5,45,'05.03.2024')
-- expect:
 INSERT INTO [PaymentTransfer_Virtual]([id_payment],[id_NewYear],[id_newRate]  ,[id_newGroup],[p102NewSpec],[id_newSpecP102], [ondate])  VALUES (1542,13,3,118,2500.5,45,'2024-03-05 00:00:00')

-- name: group_privilege_faculties
SELECT id_faculty,[p23-1] FROM [ZUR].[dbo].[faculty] Where id_faculty in(SELECT [id_faculty] FROM [ZUR].[dbo].[KasFak]  WHERE id_kassa=2)  Order by [p23-1]
-- expect:
SELECT id_faculty,[p23-1] FROM [faculty] Where id_faculty in(SELECT [id_faculty] FROM [KasFak]  WHERE id_kassa=2)  Order by [p23-1]

-- name: group_privilege_groups
SELECT dbo.[group].id_group,[p20] FROM dbo.g_r_y INNER JOIN dbo.faculty INNER JOIN dbo.[group] ON dbo.faculty.id_faculty = dbo.[group].id_faculty ON dbo.g_r_y.id_group = dbo.[group].id_group WHERE     (dbo.faculty.id_faculty = 4) AND (dbo.g_r_y.id_rate = 2) AND (dbo.g_r_y.id_a_year = 12)order by [p20]
-- expect:
SELECT [group].id_group,[p20] FROM g_r_y INNER JOIN (faculty INNER JOIN [group] ON faculty.id_faculty = [group].id_faculty) ON g_r_y.id_group = [group].id_group WHERE     (faculty.id_faculty = 4) AND (g_r_y.id_rate = 2) AND (g_r_y.id_a_year = 12)order by [p20]

-- name: group_privilege_students
SELECT dbo.movement_t.id_student, dbo.s_fio.s_fio as s_fio1, dbo.s_fio.s_fio+' ['+dbo.Citizenship.Citizenship+']' as s_fio, priv_var, privilege_coment, percent_privilege FROM dbo.movement_t INNER JOIN dbo.s_fio ON dbo.movement_t.id_student = dbo.s_fio.id_student INNER JOIN dbo.[group] ON dbo.movement_t.id_group = dbo.[group].id_group INNER JOIN dbo.Student ON dbo.s_fio.id_student = dbo.Student.id_student INNER JOIN dbo.Citizenship ON dbo.Student.Citizenship = dbo.Citizenship.IDCitizenship WHERE (dbo.movement_t.id_group = 118) AND (dbo.movement_t.id_rate = 2) order by s_fio1
-- expect:
SELECT movement_t.id_student, s_fio.s_fio as s_fio1, s_fio.s_fio||' ['||Citizenship.Citizenship||']' as s_fio, priv_var, privilege_coment, percent_privilege FROM movement_t INNER JOIN s_fio ON movement_t.id_student = s_fio.id_student INNER JOIN [group] ON movement_t.id_group = [group].id_group INNER JOIN Student ON s_fio.id_student = Student.id_student INNER JOIN Citizenship ON Student.Citizenship = Citizenship.IDCitizenship WHERE (movement_t.id_group = 118) AND (movement_t.id_rate = 2) order by s_fio1

-- name: refused_top_percent
SELECT TOP 10 PERCENT id_payment FROM Payment
-- ERROR: PERCENT

-- name: refused_convert_style
SELECT CONVERT(NVARCHAR(10), p103, 103) FROM Payment
-- ERROR: style 104

-- name: refused_datepart_unit
SELECT DATEPART(week, p103) FROM Payment
-- ERROR: DATEPART unit

-- name: refused_plus_of_unknown
SELECT :a + :b
-- ERROR: cannot tell

-- name: refused_text_plus_number
SELECT 'Курс ' + 5 FROM rate
-- ERROR: mixes texts and numbers

-- name: refused_top_in_union
SELECT TOP 1 p20 FROM [group] UNION SELECT p22 FROM rate
-- ERROR: UNION

-- name: refused_other_dateformat
SET DATEFORMAT mdy
-- ERROR: day-month-year

-- name: refused_unterminated_literal
SELECT * FROM s_fio WHERE s_fio like '%иван
-- ERROR: unterminated string

-- name: refused_two_statements
DELETE FROM Payment WHERE id_payment = 1; DELETE FROM Expense
-- ERROR: one statement

-- name: refused_invalid_date
UPDATE Payment SET p103 = '31.02.2024' WHERE id_payment = 1
-- ERROR: invalid date

