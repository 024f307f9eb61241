/* Postcodes of the main post offices of district towns: a modest starting
   list. Source: Česká pošta, s. p., list of postcodes of municipalities and
   their delivery post offices (PSČ obcí), codes as assigned since the 1997
   postcode plan. The whole current list comes from the Czech Post's file
   through "Aktualizace číselníků…". */

INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('110 00', 'Praha', 'Praha 1', 'Hlavní město Praha');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('602 00', 'Brno', 'Brno 2', 'Brno-město');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('702 00', 'Ostrava', 'Ostrava 2', 'Ostrava-město');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('301 00', 'Plzeň', 'Plzeň 1', 'Plzeň-město');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('779 00', 'Olomouc', 'Olomouc 9', 'Olomouc');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('460 01', 'Liberec', 'Liberec 1', 'Liberec');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('370 01', 'České Budějovice', 'České Budějovice 1', 'České Budějovice');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('586 01', 'Jihlava', 'Jihlava 1', 'Jihlava');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('760 01', 'Zlín', 'Zlín 1', 'Zlín');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('400 01', 'Ústí nad Labem', 'Ústí nad Labem 1', 'Ústí nad Labem');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('360 01', 'Karlovy Vary', 'Karlovy Vary 1', 'Karlovy Vary');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('272 01', 'Kladno', 'Kladno 1', 'Kladno');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('746 01', 'Opava', 'Opava 1', 'Opava');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('738 01', 'Frýdek-Místek', 'Frýdek-Místek 1', 'Frýdek-Místek');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('415 01', 'Teplice', 'Teplice 1', 'Teplice');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('434 01', 'Most', 'Most 1', 'Most');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('293 01', 'Mladá Boleslav', 'Mladá Boleslav 1', 'Mladá Boleslav');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('466 01', 'Jablonec nad Nisou', 'Jablonec nad Nisou 1', 'Jablonec nad Nisou');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('397 01', 'Písek', 'Písek 1', 'Písek');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('796 01', 'Prostějov', 'Prostějov 1', 'Prostějov');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('674 01', 'Třebíč', 'Třebíč 1', 'Třebíč');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('767 01', 'Kroměříž', 'Kroměříž 1', 'Kroměříž');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('787 01', 'Šumperk', 'Šumperk 1', 'Šumperk');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('541 01', 'Trutnov', 'Trutnov 1', 'Trutnov');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('547 01', 'Náchod', 'Náchod 1', 'Náchod');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('430 01', 'Chomutov', 'Chomutov 1', 'Chomutov');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('339 01', 'Klatovy', 'Klatovy 1', 'Klatovy');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('356 01', 'Sokolov', 'Sokolov 1', 'Sokolov');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('261 01', 'Příbram', 'Příbram 1', 'Příbram');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('266 01', 'Beroun', 'Beroun 1', 'Beroun');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('284 01', 'Kutná Hora', 'Kutná Hora 1', 'Kutná Hora');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('276 01', 'Mělník', 'Mělník 1', 'Mělník');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('412 01', 'Litoměřice', 'Litoměřice 1', 'Litoměřice');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('470 01', 'Česká Lípa', 'Česká Lípa 1', 'Česká Lípa');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('580 01', 'Havlíčkův Brod', 'Havlíčkův Brod 1', 'Havlíčkův Brod');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('678 01', 'Blansko', 'Blansko 1', 'Blansko');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('682 01', 'Vyškov', 'Vyškov 1', 'Vyškov');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('741 01', 'Nový Jičín', 'Nový Jičín 1', 'Nový Jičín');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('792 01', 'Bruntál', 'Bruntál 1', 'Bruntál');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('790 01', 'Jeseník', 'Jeseník 1', 'Jeseník');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('386 01', 'Strakonice', 'Strakonice 1', 'Strakonice');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('383 01', 'Prachatice', 'Prachatice 1', 'Prachatice');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('381 01', 'Český Krumlov', 'Český Krumlov 1', 'Český Krumlov');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('377 01', 'Jindřichův Hradec', 'Jindřichův Hradec 1', 'Jindřichův Hradec');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('393 01', 'Pelhřimov', 'Pelhřimov 1', 'Pelhřimov');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('591 01', 'Žďár nad Sázavou', 'Žďár nad Sázavou 1', 'Žďár nad Sázavou');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('686 01', 'Uherské Hradiště', 'Uherské Hradiště 1', 'Uherské Hradiště');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('755 01', 'Vsetín', 'Vsetín 1', 'Vsetín');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('695 01', 'Hodonín', 'Hodonín 1', 'Hodonín');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('344 01', 'Domažlice', 'Domažlice 1', 'Domažlice');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('347 01', 'Tachov', 'Tachov 1', 'Tachov');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('337 01', 'Rokycany', 'Rokycany 1', 'Rokycany');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('269 01', 'Rakovník', 'Rakovník 1', 'Rakovník');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('440 01', 'Louny', 'Louny 1', 'Louny');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('513 01', 'Semily', 'Semily 1', 'Semily');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('506 01', 'Jičín', 'Jičín 1', 'Jičín');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('537 01', 'Chrudim', 'Chrudim 1', 'Chrudim');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('516 01', 'Rychnov nad Kněžnou', 'Rychnov nad Kněžnou 1', 'Rychnov nad Kněžnou');
INSERT INTO PSC (PSC, OBEC, POSTA, OKRES) VALUES ('562 01', 'Ústí nad Orlicí', 'Ústí nad Orlicí 1', 'Ústí nad Orlicí');

COMMIT;
