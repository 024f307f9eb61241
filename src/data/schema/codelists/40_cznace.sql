/* CZ-NACE, the divisions (two-digit codes).
   Source: Czech Statistical Office, Klasifikace ekonomických činností (CZ-NACE),
   edition valid from 1 January 2008. Groups, classes and subclasses come from
   the office's CSV export through "Aktualizace číselníků…"; their codes are
   written without dots, so each begins with its division's code. The codes are
   the office's; of the names, 96 to 99 were checked against its published list
   and the others are to be checked against it (an import replaces them). */

INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('01', 'Rostlinná a živočišná výroba, myslivost a související činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('02', 'Lesnictví a těžba dřeva');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('03', 'Rybolov a akvakultura');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('05', 'Těžba a úprava černého a hnědého uhlí');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('06', 'Těžba ropy a zemního plynu');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('07', 'Těžba a úprava rud');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('08', 'Ostatní těžba a dobývání');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('09', 'Podpůrné činnosti při těžbě');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('10', 'Výroba potravinářských výrobků');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('11', 'Výroba nápojů');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('12', 'Výroba tabákových výrobků');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('13', 'Výroba textilií');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('14', 'Výroba oděvů');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('15', 'Výroba usní a souvisejících výrobků');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('16', 'Zpracování dřeva, výroba dřevěných, korkových, proutěných a slaměných výrobků, kromě nábytku');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('17', 'Výroba papíru a výrobků z papíru');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('18', 'Tisk a rozmnožování nahraných nosičů');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('19', 'Výroba koksu a rafinovaných ropných produktů');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('20', 'Výroba chemických látek a chemických přípravků');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('21', 'Výroba základních farmaceutických výrobků a farmaceutických přípravků');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('22', 'Výroba pryžových a plastových výrobků');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('23', 'Výroba ostatních nekovových minerálních výrobků');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('24', 'Výroba základních kovů, hutní zpracování kovů; slévárenství');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('25', 'Výroba kovových konstrukcí a kovodělných výrobků, kromě strojů a zařízení');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('26', 'Výroba počítačů, elektronických a optických přístrojů a zařízení');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('27', 'Výroba elektrických zařízení');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('28', 'Výroba strojů a zařízení j. n.');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('29', 'Výroba motorových vozidel (kromě motocyklů), přívěsů a návěsů');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('30', 'Výroba ostatních dopravních prostředků a zařízení');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('31', 'Výroba nábytku');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('32', 'Ostatní zpracovatelský průmysl');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('33', 'Opravy a instalace strojů a zařízení');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('35', 'Výroba a rozvod elektřiny, plynu, tepla a klimatizovaného vzduchu');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('36', 'Shromažďování, úprava a rozvod vody');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('37', 'Činnosti související s odpadními vodami');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('38', 'Shromažďování, sběr a odstraňování odpadů, úprava odpadů k dalšímu využití');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('39', 'Sanace a jiné činnosti související s odpady');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('41', 'Výstavba budov');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('42', 'Inženýrské stavitelství');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('43', 'Specializované stavební činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('45', 'Velkoobchod, maloobchod a opravy motorových vozidel');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('46', 'Velkoobchod, kromě motorových vozidel');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('47', 'Maloobchod, kromě motorových vozidel');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('49', 'Pozemní a potrubní doprava');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('50', 'Vodní doprava');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('51', 'Letecká doprava');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('52', 'Skladování a vedlejší činnosti v dopravě');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('53', 'Poštovní a kurýrní činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('55', 'Ubytování');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('56', 'Stravování a pohostinství');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('58', 'Vydavatelské činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('59', 'Činnosti v oblasti filmů, videozáznamů a televizních programů, pořizování zvukových nahrávek a hudební vydavatelské činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('60', 'Tvorba programů a vysílání');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('61', 'Telekomunikační činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('62', 'Činnosti v oblasti informačních technologií');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('63', 'Informační činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('64', 'Finanční zprostředkování, kromě pojišťovnictví a penzijního financování');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('65', 'Pojištění, zajištění a penzijní financování, kromě povinného sociálního zabezpečení');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('66', 'Ostatní finanční činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('68', 'Činnosti v oblasti nemovitostí');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('69', 'Právní a účetnické činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('70', 'Činnosti vedení podniků; poradenství v oblasti řízení');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('71', 'Architektonické a inženýrské činnosti; technické zkoušky a analýzy');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('72', 'Výzkum a vývoj');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('73', 'Reklama a průzkum trhu');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('74', 'Ostatní profesní, vědecké a technické činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('75', 'Veterinární činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('77', 'Činnosti v oblasti pronájmu a operativního leasingu');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('78', 'Činnosti související se zaměstnáním');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('79', 'Činnosti cestovních agentur, kanceláří a jiné rezervační a související činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('80', 'Bezpečnostní a pátrací činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('81', 'Činnosti související se stavbami a úpravou krajiny');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('82', 'Administrativní, kancelářské a jiné podpůrné činnosti pro podnikání');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('84', 'Veřejná správa a obrana; povinné sociální zabezpečení');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('85', 'Vzdělávání');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('86', 'Zdravotní péče');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('87', 'Pobytové služby sociální péče');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('88', 'Ambulantní sociální služby');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('90', 'Tvůrčí, umělecké a zábavní činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('91', 'Činnosti knihoven, archivů, muzeí a jiných kulturních zařízení');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('92', 'Činnosti heren, kasin a sázkových kanceláří');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('93', 'Sportovní, zábavní a rekreační činnosti');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('94', 'Činnosti organizací sdružujících osoby za účelem prosazování společných zájmů');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('95', 'Opravy počítačů a výrobků pro osobní potřebu a převážně pro domácnost');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('96', 'Poskytování ostatních osobních služeb');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('97', 'Činnosti domácností jako zaměstnavatelů domácího personálu');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('98', 'Činnosti domácností produkujících blíže neurčené výrobky a služby pro vlastní potřebu');
INSERT INTO CZNACE (KODCZNACE, NAZEV) VALUES ('99', 'Činnosti exteritoriálních organizací a orgánů');

COMMIT;
