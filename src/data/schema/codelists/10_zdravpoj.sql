/* Health insurers operating in the Czech Republic, with their official codes.
   Source: the register of health insurers of the Ministry of Health of the
   Czech Republic (zdravotní pojišťovny, kódy 111 to 213); edition valid in 2026.
   Insurer 207 is named by its short name: its full name (72 characters) does
   not fit the 70 characters of JMENO. */

INSERT INTO ZDRAVPOJ (KODZP, JMENO) VALUES ('111', 'Všeobecná zdravotní pojišťovna České republiky');
INSERT INTO ZDRAVPOJ (KODZP, JMENO) VALUES ('201', 'Vojenská zdravotní pojišťovna České republiky');
INSERT INTO ZDRAVPOJ (KODZP, JMENO) VALUES ('205', 'Česká průmyslová zdravotní pojišťovna');
INSERT INTO ZDRAVPOJ (KODZP, JMENO) VALUES ('207', 'Oborová zdravotní pojišťovna');
INSERT INTO ZDRAVPOJ (KODZP, JMENO) VALUES ('209', 'Zaměstnanecká pojišťovna Škoda');
INSERT INTO ZDRAVPOJ (KODZP, JMENO) VALUES ('211', 'Zdravotní pojišťovna ministerstva vnitra České republiky');
INSERT INTO ZDRAVPOJ (KODZP, JMENO) VALUES ('213', 'Revírní bratrská pokladna, zdravotní pojišťovna');

COMMIT;
