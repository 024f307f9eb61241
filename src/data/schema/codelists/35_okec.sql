/* OKEČ, the divisions (two-digit codes). Source: Czech Statistical Office,
   Odvětvová klasifikace ekonomických činností (OKEČ), 3rd edition as updated
   from 1 January 2003 after NACE Rev. 1.1 (notice No. 464/2002 Coll.). OKEČ
   was replaced by CZ-NACE from 1 January 2008; it is kept for the activity
   codes of older records. Groups and classes come from the office's file
   through "Aktualizace číselníků…". The names were written from the
   classification and are to be checked against that file. */

INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('01', 'Zemědělství, myslivost a související činnosti');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('02', 'Lesnictví, těžba dřeva a související činnosti');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('05', 'Rybolov, chov ryb a související činnosti');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('10', 'Dobývání černého a hnědého uhlí a rašeliny');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('11', 'Těžba ropy a zemního plynu a související služby');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('12', 'Dobývání uranových a thoriových rud');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('13', 'Dobývání rud');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('14', 'Ostatní těžba a dobývání nerostných surovin');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('15', 'Výroba potravinářských výrobků a nápojů');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('16', 'Zpracování tabáku');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('17', 'Textilní průmysl');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('18', 'Výroba oděvů; zpracování a barvení kožešin');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('19', 'Činění a úprava usní; výroba brašnářských, sedlářských a obuvnických výrobků');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('20', 'Zpracování dřeva, výroba dřevařských, korkových, proutěných a slaměných výrobků kromě nábytku');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('21', 'Výroba vlákniny, papíru a výrobků z papíru');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('22', 'Vydavatelství, tisk a rozmnožování nahraných nosičů');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('23', 'Výroba koksu, jaderných paliv, rafinérské zpracování ropy');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('24', 'Výroba chemických látek, přípravků, léčiv a chemických vláken');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('25', 'Výroba pryžových a plastových výrobků');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('26', 'Výroba ostatních nekovových minerálních výrobků');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('27', 'Výroba základních kovů a hutních výrobků');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('28', 'Výroba kovových konstrukcí a kovodělných výrobků kromě strojů a zařízení');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('29', 'Výroba a opravy strojů a zařízení j. n.');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('30', 'Výroba kancelářských strojů a počítačů');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('31', 'Výroba elektrických strojů a zařízení j. n.');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('32', 'Výroba radiových, televizních a spojových zařízení a přístrojů');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('33', 'Výroba zdravotnických, přesných, optických a časoměrných přístrojů');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('34', 'Výroba motorových vozidel (kromě motocyklů), výroba přívěsů a návěsů');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('35', 'Výroba ostatních dopravních prostředků a zařízení');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('36', 'Výroba nábytku; zpracovatelský průmysl j. n.');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('37', 'Zpracování druhotných surovin');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('40', 'Výroba a rozvod elektřiny, plynu a tepla');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('41', 'Shromažďování, úprava a rozvod vody');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('45', 'Stavebnictví');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('50', 'Obchod, opravy a údržba motorových vozidel a motocyklů; maloobchodní prodej pohonných hmot');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('51', 'Velkoobchod a zprostředkování velkoobchodu, kromě motorových vozidel a motocyklů');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('52', 'Maloobchod, kromě motorových vozidel a motocyklů; opravy výrobků pro osobní potřebu a převážně pro domácnost');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('55', 'Pohostinství a ubytování');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('60', 'Pozemní doprava; potrubní doprava');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('61', 'Vodní doprava');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('62', 'Letecká doprava');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('63', 'Vedlejší a pomocné činnosti v dopravě; činnosti cestovních kanceláří a agentur');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('64', 'Pošty a telekomunikace');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('65', 'Peněžnictví a finanční zprostředkování, kromě pojišťovnictví a penzijního financování');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('66', 'Pojišťovnictví a penzijní financování, kromě povinného sociálního zabezpečení');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('67', 'Pomocné činnosti ve finančním zprostředkování');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('70', 'Činnosti v oblasti nemovitostí');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('71', 'Pronájem strojů a zařízení bez obsluhy a pronájem výrobků pro osobní potřebu a převážně pro domácnost');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('72', 'Činnosti v oblasti výpočetní techniky');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('73', 'Výzkum a vývoj');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('74', 'Ostatní podnikatelské činnosti');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('75', 'Veřejná správa a obrana; povinné sociální zabezpečení');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('80', 'Školství');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('85', 'Zdravotnictví, veterinární a sociální činnosti');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('90', 'Odstraňování odpadních vod a odpadů, čištění města a podobné činnosti');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('91', 'Činnosti organizací sdružujících osoby za účelem prosazování společných zájmů');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('92', 'Rekreační, kulturní a sportovní činnosti');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('93', 'Ostatní činnosti převážně pro obyvatelstvo');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('95', 'Činnosti domácností jako zaměstnavatelů domácího personálu');
INSERT INTO OKEC (KODOKEC, NAZEV) VALUES ('99', 'Exteritoriální organizace a instituce');

COMMIT;
