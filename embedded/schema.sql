-- The ZUR database on the embedded engine: tables and indexes.
-- Text columns compare without regard to letter case (Cyrillic too) through ZUR_CI; date-times
-- are stored as "yyyy-MM-dd hh:mm:ss"; booleans as 0/1. Columns marked "(own)" are this
-- database's own additions that the program never names.

-- Organisation, users and money routing ----------------------------------------------------

CREATE TABLE Vuz (
    id_vuz INTEGER PRIMARY KEY,
    v2 NVARCHAR(255) COLLATE ZUR_CI
);

CREATE TABLE faculty (
    id_faculty INTEGER PRIMARY KEY,
    [p23-1] NVARCHAR(100) COLLATE ZUR_CI,
    [p23-2] NVARCHAR(255) COLLATE ZUR_CI,
    id_vuz INTEGER,
    RS_opl INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE Kassa (
    id_kassa INTEGER PRIMARY KEY,
    name NVARCHAR(100) COLLATE ZUR_CI,
    rukov NVARCHAR(100) COLLATE ZUR_CI,
    glavBuh NVARCHAR(100) COLLATE ZUR_CI,
    kasir NVARCHAR(100) COLLATE ZUR_CI
);

CREATE TABLE KasFak (
    id_kassa INTEGER NOT NULL,
    id_faculty INTEGER NOT NULL,
    PRIMARY KEY (id_kassa, id_faculty)
);
CREATE INDEX KasFak_faculty ON KasFak (id_faculty);

-- password: upper-case MD5 hex of the Windows-1251 bytes; password_date: when it was set;
-- must_change: the next login must set a new one; failed_logins and locked: see GET_USER;
-- db_user, db_password: the working database credentials handed out by GET_USER (own).
CREATE TABLE ZUR_User (
    id_ZUR_user INTEGER PRIMARY KEY,
    ZUR_login NVARCHAR(20) COLLATE ZUR_CI NOT NULL,
    id_kassa INTEGER,
    canTerminal BOOLEAN NOT NULL DEFAULT 0,
    visible BOOLEAN NOT NULL DEFAULT 1,
    password VARCHAR(32),
    password_date DATETIME,
    must_change BOOLEAN NOT NULL DEFAULT 0,
    failed_logins INTEGER NOT NULL DEFAULT 0,
    locked BOOLEAN NOT NULL DEFAULT 0,
    db_user NVARCHAR(20) COLLATE ZUR_CI,
    db_password NVARCHAR(20)
);
CREATE INDEX ZUR_User_login ON ZUR_User (ZUR_login);
CREATE INDEX ZUR_User_kassa ON ZUR_User (id_kassa);

-- Every call of GET_USER (own).
CREATE TABLE ZUR_Login_Log (
    id_login_log INTEGER PRIMARY KEY AUTOINCREMENT,
    ondate DATETIME NOT NULL,
    ZUR_login NVARCHAR(20) COLLATE ZUR_CI,
    id_ZUR_user INTEGER,
    program NVARCHAR(50) COLLATE ZUR_CI,
    ip NVARCHAR(50) COLLATE ZUR_CI,
    comp NVARCHAR(256) COLLATE ZUR_CI,
    result NVARCHAR(200) COLLATE ZUR_CI
);

CREATE TABLE user_faculty (
    id_login INTEGER NOT NULL,
    faculty INTEGER NOT NULL,
    PRIMARY KEY (id_login, faculty)
);
CREATE INDEX user_faculty_faculty ON user_faculty (faculty);

CREATE TABLE shet (
    id_shet INTEGER PRIMARY KEY AUTOINCREMENT,
    shet VARCHAR(10) COLLATE ZUR_CI,
    n_shet VARCHAR(50) COLLATE ZUR_CI,
    shet2 VARCHAR(50) COLLATE ZUR_CI,
    n_shet2 VARCHAR(50) COLLATE ZUR_CI,
    id_kassa INTEGER
);
CREATE INDEX shet_kassa ON shet (id_kassa);

CREATE TABLE uslugi (
    id_uslug INTEGER PRIMARY KEY AUTOINCREMENT,
    uslugi VARCHAR(80) COLLATE ZUR_CI,
    is_visible BOOLEAN NOT NULL DEFAULT 1,
    proc1 FLOAT NOT NULL DEFAULT 0,
    proc2 FLOAT NOT NULL DEFAULT 0,
    id_shet INTEGER,
    id_kassa INTEGER
);
CREATE INDEX uslugi_kassa ON uslugi (id_kassa);

CREATE TABLE Def_Uslug (
    id_def_uslug INTEGER PRIMARY KEY,
    id_kassa INTEGER,
    id_faculty INTEGER,
    f1 INTEGER,
    f2 INTEGER,
    f3_1 INTEGER,
    f3_2 INTEGER
);
CREATE INDEX Def_Uslug_kassa ON Def_Uslug (id_kassa);
CREATE INDEX Def_Uslug_faculty ON Def_Uslug (id_faculty);

CREATE TABLE VuzDefaults (
    id_vuz_defaults INTEGER PRIMARY KEY,
    id_field INTEGER,
    n_field NVARCHAR(255) COLLATE ZUR_CI,
    descr NVARCHAR(255) COLLATE ZUR_CI
);

CREATE TABLE v_opl (
    id_v_opl INTEGER PRIMARY KEY AUTOINCREMENT,
    p105 CHAR(50) COLLATE ZUR_CI,
    visible BOOLEAN NOT NULL DEFAULT 1
);

CREATE TABLE pay_educ (
    id_pay_educ INTEGER PRIMARY KEY AUTOINCREMENT,
    id_uslug INTEGER
);
CREATE INDEX pay_educ_uslug ON pay_educ (id_uslug);

-- Study structure -------------------------------------------------------------------------

CREATE TABLE a_year (
    id_a_year INTEGER PRIMARY KEY AUTOINCREMENT,
    p32 VARCHAR(10) COLLATE ZUR_CI,
    u_god INTEGER,
    sh_year INTEGER
);
CREATE INDEX a_year_u_god ON a_year (u_god);

CREATE TABLE rate (
    id_rate INTEGER PRIMARY KEY,
    p22 VARCHAR(50) COLLATE ZUR_CI
);

CREATE TABLE [group] (
    id_group INTEGER PRIMARY KEY,
    p20 NVARCHAR(46) COLLATE ZUR_CI,
    id_faculty INTEGER
);
CREATE INDEX group_faculty ON [group] (id_faculty);

CREATE TABLE g_r_y (
    id_group INTEGER NOT NULL,
    id_rate INTEGER NOT NULL,
    id_a_year INTEGER NOT NULL,
    PRIMARY KEY (id_group, id_rate, id_a_year)
);
CREATE INDEX g_r_y_year ON g_r_y (id_a_year, id_rate);

CREATE TABLE g_s (
    id_group INTEGER NOT NULL,
    id_speciality INTEGER NOT NULL,
    PRIMARY KEY (id_group, id_speciality)
);
CREATE INDEX g_s_speciality ON g_s (id_speciality);

-- The price list: what one stage of study (group, course, academic year) costs.
CREATE TABLE Groups_payment (
    id_group INTEGER NOT NULL,
    id_rate INTEGER NOT NULL,
    id_a_year INTEGER NOT NULL,
    id_speciality INTEGER,
    p20 NVARCHAR(46) COLLATE ZUR_CI,
    price FLOAT NOT NULL DEFAULT 0,
    PRIMARY KEY (id_group, id_rate, id_a_year)
);
CREATE INDEX Groups_payment_speciality ON Groups_payment (id_speciality, id_rate, id_a_year);

CREATE TABLE special (
    id_special INTEGER PRIMARY KEY,
    [p25-2] NVARCHAR(255) COLLATE ZUR_CI
);

CREATE TABLE f_educ (
    id_f_educ INTEGER PRIMARY KEY,
    p108 NVARCHAR(50) COLLATE ZUR_CI
);

-- One row per speciality as the university offers it: speciality, form of study, faculty.
-- max_rate_id: the last course (own column read through specialityRR).
CREATE TABLE com_sfe (
    id_speciality INTEGER PRIMARY KEY,
    id_special INTEGER,
    id_f_educ INTEGER,
    id_faculty INTEGER,
    visible BOOLEAN NOT NULL DEFAULT 1,
    max_rate_id INTEGER
);
CREATE INDEX com_sfe_faculty ON com_sfe (id_faculty);

CREATE TABLE group_slushatel (
    id_group_slushatel INTEGER PRIMARY KEY,
    name_short NVARCHAR(20) COLLATE ZUR_CI,
    name_full NVARCHAR(100) COLLATE ZUR_CI,
    oplata FLOAT,
    id_faculty INTEGER
);
CREATE INDEX group_slushatel_faculty ON group_slushatel (id_faculty);

CREATE TABLE movement_slushatel (
    id_movement_slushatel INTEGER PRIMARY KEY,
    id_student INTEGER NOT NULL,
    id_group_slushatel INTEGER NOT NULL
);
CREATE INDEX movement_slushatel_student ON movement_slushatel (id_student);
CREATE INDEX movement_slushatel_group ON movement_slushatel (id_group_slushatel);

-- A student's stages of study. id_leave above 1: the student left the group;
-- priv_var null: no privilege, 0: percent_privilege is a discount in percent of the price,
-- 1: percent_privilege is the fixed sum to pay instead of the price; id_bk 1 budget, 2 contract.
CREATE TABLE movement_t (
    id_movement INTEGER PRIMARY KEY,
    id_student INTEGER NOT NULL,
    id_group INTEGER,
    id_rate INTEGER,
    id_leave INTEGER,
    id_protocols INTEGER,
    percent_privilege INTEGER NOT NULL DEFAULT 0,
    privilege_coment NVARCHAR(200) COLLATE ZUR_CI,
    priv_var BOOLEAN,
    id_bk INTEGER,
    come_date DATETIME,
    id_semester INTEGER
);
CREATE INDEX movement_t_student ON movement_t (id_student, come_date);
CREATE INDEX movement_t_group ON movement_t (id_group, id_rate);

-- People -------------------------------------------------------------------------------------

CREATE TABLE MVD_Pasport (
    IDMVD INTEGER PRIMARY KEY,
    CodeMVD NVARCHAR(50) COLLATE ZUR_CI
);

CREATE TABLE Citizenship (
    IDCitizenship INTEGER PRIMARY KEY,
    Citizenship NVARCHAR(50) COLLATE ZUR_CI
);

-- Students and listeners of short courses. first_p1: an earlier surname (own).
CREATE TABLE Student (
    id_student INTEGER PRIMARY KEY,
    p1 NVARCHAR(50) COLLATE ZUR_CI,
    p2 NVARCHAR(50) COLLATE ZUR_CI,
    p3 NVARCHAR(50) COLLATE ZUR_CI,
    first_p1 NVARCHAR(50) COLLATE ZUR_CI,
    idid NVARCHAR(20) COLLATE ZUR_CI,
    BirthDate DATETIME,
    SerialPas NVARCHAR(10) COLLATE ZUR_CI,
    NumberPas NVARCHAR(20) COLLATE ZUR_CI,
    DateGivenPas DATETIME,
    GivenPas INTEGER,
    Citizenship INTEGER
);

-- Applicants. del: deleted; isStudent: enrolled (DoAutoRecepted); id_new_student: the
-- student created at enrolment (own).
CREATE TABLE Abiturient (
    id_student INTEGER PRIMARY KEY,
    p1 NVARCHAR(50) COLLATE ZUR_CI,
    p2 NVARCHAR(50) COLLATE ZUR_CI,
    p3 NVARCHAR(50) COLLATE ZUR_CI,
    idid NVARCHAR(20) COLLATE ZUR_CI,
    BirthDate DATETIME,
    SerialPas NVARCHAR(10) COLLATE ZUR_CI,
    NumberPas NVARCHAR(20) COLLATE ZUR_CI,
    DateGivenPas DATETIME,
    GivenPas INTEGER,
    Citizenship INTEGER,
    del BOOLEAN NOT NULL DEFAULT 0,
    isStudent BOOLEAN NOT NULL DEFAULT 0,
    id_new_student INTEGER
);

-- An applicant's admission record. id_a_year: the year applied for (own).
CREATE TABLE ReceptInfo (
    IDReceptInfo INTEGER PRIMARY KEY,
    IDStudent INTEGER NOT NULL,
    Faculties INTEGER,
    Speciality INTEGER,
    id_a_year INTEGER,
    Recom_for_reccept BOOLEAN NOT NULL DEFAULT 0,
    Takebackdocs BOOLEAN NOT NULL DEFAULT 0,
    Payment_fr_kass FLOAT,
    DatePayment_fr_kass DATETIME,
    confirm_date_for_reccept BOOLEAN NOT NULL DEFAULT 0,
    pay BOOLEAN NOT NULL DEFAULT 0,
    DateResept DATETIME
);
CREATE INDEX ReceptInfo_student ON ReceptInfo (IDStudent);
CREATE INDEX ReceptInfo_speciality ON ReceptInfo (Speciality, Faculties);
CREATE INDEX ReceptInfo_faculty ON ReceptInfo (Faculties);

CREATE TABLE teacher (
    id_teacher INTEGER PRIMARY KEY,
    p26 NVARCHAR(50) COLLATE ZUR_CI,
    p27 NVARCHAR(50) COLLATE ZUR_CI,
    p28 NVARCHAR(50) COLLATE ZUR_CI
);

CREATE TABLE passport (
    id_passport INTEGER PRIMARY KEY,
    id_teacher INTEGER NOT NULL,
    s_p NVARCHAR(10) COLLATE ZUR_CI,
    n_p NVARCHAR(20) COLLATE ZUR_CI,
    D_given_p DATETIME,
    id_passport_organ INTEGER
);
CREATE INDEX passport_teacher ON passport (id_teacher);

-- Money --------------------------------------------------------------------------------------

CREATE TABLE Payment (
    id_payment INTEGER PRIMARY KEY AUTOINCREMENT,
    id_kassa INTEGER,
    id_faculty INTEGER,
    id_student INTEGER,
    id_abiturient INTEGER,
    id_teacher INTEGER,
    id_slushatel INTEGER,
    id_group_slushatel INTEGER,
    dopol VARCHAR(100) COLLATE ZUR_CI,
    p102 FLOAT,
    p103 DATETIME,
    p104 INTEGER,
    p104_1 VARCHAR(10) COLLATE ZUR_CI,
    id_v_opl INTEGER,
    id_uslug INTEGER,
    id_a_year INTEGER,
    id_speciality INTEGER,
    id_rate INTEGER,
    id_group INTEGER,
    id_oplata INTEGER,
    osnovanie VARCHAR(200) COLLATE ZUR_CI,
    primech VARCHAR(200) COLLATE ZUR_CI,
    data_prikaz DATETIME,
    num_prikaz NVARCHAR(10) COLLATE ZUR_CI,
    dop_info NVARCHAR(1000) COLLATE ZUR_CI,
    ZUR_USER VARCHAR(20) COLLATE ZUR_CI,
    ZUR_Update DATETIME,
    oper VARCHAR(20) COLLATE ZUR_CI,
    u_date DATETIME,
    new_speciality INTEGER,
    p102NewSpec FLOAT,
    id_newSpecP102 INTEGER,
    id_newYear INTEGER,
    id_newRate INTEGER,
    id_newGroup INTEGER
);
CREATE INDEX Payment_student ON Payment (id_student, id_group, id_rate);
CREATE INDEX Payment_abiturient ON Payment (id_abiturient);
CREATE INDEX Payment_teacher ON Payment (id_teacher);
CREATE INDEX Payment_slushatel ON Payment (id_slushatel, id_group_slushatel);
CREATE INDEX Payment_faculty ON Payment (id_faculty);
CREATE INDEX Payment_date ON Payment (p103);
-- Order numbering per cash desk and calendar year (GetNum, GetThreeNums).
CREATE INDEX Payment_number ON Payment (id_kassa, substr(p103, 1, 4), p104);
CREATE INDEX Payment_extra_number ON Payment (id_kassa, substr(p103, 1, 4))
    WHERE p104_1 IS NOT NULL AND p104_1 <> '';

CREATE TABLE Expense (
    id_expense INTEGER PRIMARY KEY AUTOINCREMENT,
    id_kassa INTEGER,
    id_faculty INTEGER,
    id_student INTEGER,
    id_abiturient INTEGER,
    id_teacher INTEGER,
    id_slushatel INTEGER,
    id_group_slushatel INTEGER,
    dopol VARCHAR(100) COLLATE ZUR_CI,
    p102 FLOAT,
    p103 DATETIME,
    p104 INTEGER,
    p104_1 VARCHAR(10) COLLATE ZUR_CI,
    id_v_opl INTEGER,
    id_uslug INTEGER,
    id_a_year INTEGER,
    id_speciality INTEGER,
    id_rate INTEGER,
    id_group INTEGER,
    osnovanie VARCHAR(200) COLLATE ZUR_CI,
    primech VARCHAR(200) COLLATE ZUR_CI,
    data_prikaz DATETIME,
    num_prikaz NVARCHAR(10) COLLATE ZUR_CI,
    dop_info NVARCHAR(1000) COLLATE ZUR_CI,
    ZUR_USER VARCHAR(20) COLLATE ZUR_CI,
    ZUR_Update DATETIME,
    oper VARCHAR(20) COLLATE ZUR_CI,
    u_date DATETIME,
    id_payment INTEGER,
    Onul BOOLEAN NOT NULL DEFAULT 0
);
CREATE INDEX Expense_student ON Expense (id_student);
CREATE INDEX Expense_abiturient ON Expense (id_abiturient);
CREATE INDEX Expense_teacher ON Expense (id_teacher);
CREATE INDEX Expense_slushatel ON Expense (id_slushatel);
CREATE INDEX Expense_payment ON Expense (id_payment);
CREATE INDEX Expense_faculty ON Expense (id_faculty);
CREATE INDEX Expense_date ON Expense (p103);
CREATE INDEX Expense_number ON Expense (id_kassa, substr(p103, 1, 4), p104);
CREATE INDEX Expense_extra_number ON Expense (id_kassa, substr(p103, 1, 4))
    WHERE p104_1 IS NOT NULL AND p104_1 <> '';

CREATE TABLE PaymentTransfer (
    id_PaymentTransfer INTEGER PRIMARY KEY AUTOINCREMENT,
    id_payment INTEGER NOT NULL,
    id_NewYear INTEGER,
    id_newRate INTEGER,
    id_newGroup INTEGER,
    p102NewSpec FLOAT NOT NULL DEFAULT 0,
    id_newSpecP102 INTEGER,
    ondate DATETIME
);
CREATE INDEX PaymentTransfer_payment ON PaymentTransfer (id_payment);
CREATE INDEX PaymentTransfer_target ON PaymentTransfer (id_newGroup, id_newRate, id_NewYear);

CREATE TABLE PaymentTransfer_Virtual (
    id_PaymentTransfer INTEGER PRIMARY KEY AUTOINCREMENT,
    id_payment INTEGER NOT NULL,
    id_NewYear INTEGER,
    id_newRate INTEGER,
    id_newGroup INTEGER,
    p102NewSpec FLOAT NOT NULL DEFAULT 0,
    id_newSpecP102 INTEGER,
    ondate DATETIME
);
CREATE INDEX PaymentTransfer_Virtual_payment ON PaymentTransfer_Virtual (id_payment);

CREATE TABLE ZUR_LOG (
    id_ZUR_LOG INTEGER PRIMARY KEY AUTOINCREMENT,
    [table] NVARCHAR(50) COLLATE ZUR_CI,
    [row_id] INTEGER,
    [descr] NVARCHAR(1000) COLLATE ZUR_CI,
    [ZUR_User] NVARCHAR(20) COLLATE ZUR_CI,
    [comp] NVARCHAR(256) COLLATE ZUR_CI,
    ondate DATETIME DEFAULT (strftime('%Y-%m-%d %H:%M:%S', 'now', 'localtime'))
);
CREATE INDEX ZUR_LOG_row ON ZUR_LOG ([table], [row_id]);
