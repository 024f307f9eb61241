/* CZ-ISCO, the major groups (one-digit codes) and sub-major groups (two-digit
   codes). Source: Czech Statistical Office, Klasifikace zaměstnání (CZ-ISCO),
   edition valid from 1 January 2011. Minor groups, unit groups and the
   five-digit categories come from the office's CSV export through
   "Aktualizace číselníků…". The codes are the office's; of the names,
   1 and 11 to 13 were checked against its published list (notice
   No. 206/2010 Coll.) and the others are to be checked against it. */

INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('0', 'Zaměstnanci v ozbrojených silách');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('01', 'Generálové a důstojníci');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('02', 'Poddůstojníci');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('03', 'Ostatní příslušníci armády');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('1', 'Zákonodárci a řídící pracovníci');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('11', 'Zákonodárci, nejvyšší státní úředníci a nejvyšší představitelé společností');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('12', 'Řídící pracovníci v oblasti správy podniku, obchodních, administrativních a podpůrných činností');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('13', 'Řídící pracovníci v oblasti výroby, informačních technologií, vzdělávání a v příbuzných oborech');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('14', 'Řídící pracovníci v oblasti ubytování, stravování, obchodu a ostatních služeb');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('2', 'Specialisté');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('21', 'Specialisté v oblasti vědy a techniky');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('22', 'Specialisté v oblasti zdravotnictví');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('23', 'Specialisté v oblasti výchovy a vzdělávání');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('24', 'Specialisté v oblasti podnikání a administrativy');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('25', 'Specialisté v oblasti informačních a komunikačních technologií');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('26', 'Specialisté v oblasti právní, sociální, kulturní a v příbuzných oblastech');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('3', 'Techničtí a odborní pracovníci');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('31', 'Techničtí a odborní pracovníci v oblasti vědy a techniky');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('32', 'Odborní pracovníci v oblasti zdravotnictví');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('33', 'Odborní pracovníci v oblasti obchodu, financí a správy');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('34', 'Odborní pracovníci v oblasti práva, kultury, sportu a v příbuzných oborech');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('35', 'Technici v oblasti informačních a komunikačních technologií');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('4', 'Úředníci');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('41', 'Všeobecní administrativní pracovníci, sekretáři a pracovníci pro zadávání dat');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('42', 'Pracovníci informačních služeb, na přepážkách a v příbuzných oborech');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('43', 'Úředníci pro zpracování číselných údajů a v logistice');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('44', 'Ostatní úředníci');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('5', 'Pracovníci ve službách a prodeji');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('51', 'Pracovníci v oblasti osobních služeb');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('52', 'Pracovníci v oblasti prodeje');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('53', 'Pracovníci osobní péče ve vzdělávání, zdravotnictví a v příbuzných oblastech');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('54', 'Pracovníci v oblasti ochrany a ostrahy');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('6', 'Kvalifikovaní pracovníci v zemědělství, lesnictví a rybářství');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('61', 'Kvalifikovaní pracovníci v zemědělství');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('62', 'Kvalifikovaní pracovníci v lesnictví, rybářství a myslivosti');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('63', 'Farmáři, rybáři, lovci a sběrači samozásobitelé');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('7', 'Řemeslníci a opraváři');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('71', 'Řemeslníci a kvalifikovaní pracovníci na stavbách (kromě elektrikářů)');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('72', 'Kovodělníci, strojírenští dělníci a pracovníci v příbuzných oborech');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('73', 'Pracovníci v oblasti uměleckých a tradičních řemesel a polygrafie');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('74', 'Pracovníci v oboru elektroniky a elektrotechniky');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('75', 'Zpracovatelé potravin, dřeva, textilu a pracovníci v příbuzných oborech');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('8', 'Obsluha strojů a zařízení, montéři');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('81', 'Obsluha stacionárních strojů a zařízení');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('82', 'Montážní dělníci výrobků a zařízení');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('83', 'Řidiči a obsluha pojízdných zařízení');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('9', 'Pomocní a nekvalifikovaní pracovníci');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('91', 'Uklízeči a pomocníci');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('92', 'Pomocní pracovníci v zemědělství, lesnictví a rybářství');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('93', 'Pomocní pracovníci v oblasti těžby, stavebnictví, výroby, dopravy a v příbuzných oborech');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('94', 'Pomocní pracovníci při přípravě jídla');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('95', 'Pracovníci pouličního prodeje a poskytování služeb');
INSERT INTO CZISCO (KODCZISCO, NAZEV) VALUES ('96', 'Pracovníci s odpady a ostatní pomocní pracovníci');

COMMIT;
